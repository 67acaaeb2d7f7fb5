#include "base/AtomicWrite.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace plv7 {
namespace {

bool syncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// An existing target must be writable, as it would have to be for writing it in place;
// renaming over a read-only file would otherwise succeed.
bool targetWritable(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (error || !std::filesystem::is_regular_file(status)) return false;
    return openFile(path, "ab") != nullptr;
}

// A new file beside the target: "<name>.<n>.tmp", n the first of 0..999 not yet taken.
FilePtr createTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    for (int n = 0; n < 1000; ++n) {
        temporary = path;
        temporary += "." + std::to_string(n) + ".tmp";
        if (auto file = openFile(temporary, "wbx")) return file;
    }
    return nullptr;
}

}  // namespace

FilePtr openFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return FilePtr(_wfopen(path.c_str(), wideMode.c_str()));
#else
    return FilePtr(std::fopen(path.c_str(), mode));
#endif
}

AtomicWriteResult writeFileAtomically(const std::filesystem::path& path,
                                      std::span<const std::uint8_t> bytes) {
    if (!targetWritable(path)) return AtomicWriteResult::OpenFailed;
    std::filesystem::path temporary;
    auto file = createTemporary(path, temporary);
    if (!file) return AtomicWriteResult::OpenFailed;

    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    written = written && std::fflush(file.get()) == 0 && syncToDisk(file.get());
    written = std::fclose(file.release()) == 0 && written;
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return AtomicWriteResult::WriteFailed;
    }
    return AtomicWriteResult::Ok;
}

}  // namespace plv7
