#include "base/AtomicWrite.h"

#include <cerrno>
#include <string>

// The platform's file calls, all in this one block: a Windows build replaces it with _wopen,
// _commit and MoveFileExW (folders need no sync there).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Descriptor.h"

namespace plv7 {
namespace {

constexpr int kMaxTemporaryNumber = 999;

namespace platform {

constexpr mode_t kNewFileMode = 0666;

bool exists(const std::filesystem::path& path) {
    return ::access(path.c_str(), F_OK) == 0;
}
bool writable(const std::filesystem::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

// -1 with errno EEXIST when the name is taken.
Descriptor createExclusive(const std::filesystem::path& path) {
    return Descriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
}

void copyMode(const std::filesystem::path& from, const Descriptor& to) {
    struct stat old {};
    if (::stat(from.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(to.get(), old.st_mode & 07777);
    }
}

bool writeAll(const Descriptor& file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool syncToDisk(const Descriptor& file) {
    return ::fsync(file.get()) == 0;
}

bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void remove(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

void syncFolder(const std::filesystem::path& folder) {
    Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.valid()) ::fsync(handle.get());
}

}  // namespace platform

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// The replacement may only go where the old file (or, for a new one, its folder) could be
// written.
bool targetWritable(const std::filesystem::path& path) {
    if (platform::exists(path)) {
        return std::filesystem::is_regular_file(path) && platform::writable(path);
    }
    return platform::writable(folderOf(path));
}

// Exclusive creation never reuses a file that appeared in between.
Descriptor createTemporary(const std::filesystem::path& target, const TemporaryName& name,
                           std::filesystem::path& temporary) {
    std::string stem = name.stem;
    if (stem.empty()) {
        stem = target.filename().string();
        stem.push_back('.');
    }
    for (int number = 0; number <= kMaxTemporaryNumber; ++number) {
        std::string fileName = stem;
        fileName.append(std::to_string(number));
        fileName.append(name.suffix);
        temporary = folderOf(target) / fileName;
        Descriptor file = platform::createExclusive(temporary);
        if (file.valid() || errno != EEXIST) return file;
    }
    return Descriptor(-1);
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
                                      std::span<const std::uint8_t> bytes,
                                      const TemporaryName& temporaryName) {
    if (path.empty() || !targetWritable(path)) return AtomicWriteResult::OpenFailed;
    std::filesystem::path temporary;
    Descriptor file = createTemporary(path, temporaryName, temporary);
    if (!file.valid()) return AtomicWriteResult::OpenFailed;

    platform::copyMode(path, file);
    // The new content must be on disk before the rename makes it the file.
    const bool complete = platform::writeAll(file, bytes) && platform::syncToDisk(file);
    const bool closed = file.close();
    if (!complete || !closed || !platform::replace(temporary, path)) {
        platform::remove(temporary);
        return AtomicWriteResult::WriteFailed;
    }
    platform::syncFolder(folderOf(path));
    return AtomicWriteResult::Ok;
}

AtomicWriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view text,
                                      const TemporaryName& temporaryName) {
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
        temporaryName);
}

namespace {

int codeOf(AtomicWriteResult result, Dateifehler codes) {
    switch (result) {
        case AtomicWriteResult::Ok:
            return 0;
        case AtomicWriteResult::OpenFailed:
            return codes.oeffnen;
        case AtomicWriteResult::WriteFailed:
            break;
    }
    return codes.schreiben;
}

}  // namespace

int dateiSchreiben(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                   Dateifehler codes) {
    return codeOf(writeFileAtomically(path, bytes), codes);
}

int dateiSchreiben(const std::filesystem::path& path, std::string_view text, Dateifehler codes) {
    return codeOf(writeFileAtomically(path, text), codes);
}

}  // namespace plv7
