#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

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

// How the temporary file beside the target is named: stem, the first free number 0..999,
// suffix. The default gives "<name>.<n>.tmp".
struct TemporaryName {
    std::string stem;  // empty: the target's file name and a dot
    std::string suffix = ".tmp";
};

// Every file the program writes goes through here. The bytes go to a temporary file in the
// same folder, which takes the old file's mode, is flushed to the disk and then renamed over
// the target; the folder is synced so that the rename survives a power cut. On every failure
// the temporary file is removed and a previous file stays as it was. A target the user made
// read-only is not replaced.
AtomicWriteResult writeFileAtomically(const std::filesystem::path& path,
                                      std::span<const std::uint8_t> bytes,
                                      const TemporaryName& temporaryName = {});
AtomicWriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view text,
                                      const TemporaryName& temporaryName = {});

// The program's files: 0, `openFailed` when the target or its temporary file cannot be
// created, `writeFailed` when writing or replacing failed.
struct Dateifehler {
    int oeffnen;
    int schreiben;
};
int dateiSchreiben(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                   Dateifehler codes);
int dateiSchreiben(const std::filesystem::path& path, std::string_view text, Dateifehler codes);

}  // namespace plv7
