#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>

namespace plv7 {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// std::fopen for a path that may hold characters outside the narrow code page.
FilePtr openFile(const std::filesystem::path& path, const char* mode);

enum class AtomicWriteResult {
    Ok,
    OpenFailed,   // the target cannot be written or no temporary file can be created beside it
    WriteFailed,  // writing, flushing or replacing the target failed
};

// Replaces the file's content in one step: the bytes go to a temporary file in the same
// folder, which is flushed to the disk and then renamed over the target. On every failure the
// temporary file is removed and a previous file stays as it was.
AtomicWriteResult writeFileAtomically(const std::filesystem::path& path,
                                      std::span<const std::uint8_t> bytes);

}  // namespace plv7
