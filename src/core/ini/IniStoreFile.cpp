// Reading and writing the settings file as a whole.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "base/Descriptor.h"
#include "ini/IniStore.h"

namespace plv7 {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

constexpr int kMaxTempNumber = 999;
constexpr mode_t kNewFileMode = 0666;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string folderPrefix(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The replacement may only go where the old file (or, for a new one, its folder) could be
// written; a file the user made read-only stays as it is.
bool targetWritable(const std::string& path) {
    if (::access(path.c_str(), F_OK) == 0) return ::access(path.c_str(), W_OK) == 0;
    return ::access(folderOf(path).c_str(), W_OK) == 0;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates "ini$$<n>.TMP" beside the target, n the first free number 0..999. Exclusive
// creation never reuses a file that appeared in between.
Descriptor createTempFile(const std::string& target, std::string& tempPath) {
    const std::string prefix = folderPrefix(target) + "ini$$";
    for (int number = 0; number <= kMaxTempNumber; ++number) {
        tempPath = prefix + std::to_string(number) + ".TMP";
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0) return Descriptor(fd);
        if (errno != EEXIST) break;
    }
    tempPath.clear();
    return Descriptor(-1);
}

void syncFolder(const std::string& path) {
    Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
}

}  // namespace

IniStore::ReadResult IniStore::readFile(const std::string& path) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::NotFound : ReadResult::Failed;
    }
    std::string text;
    char buffer[16384];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, count);
    }
    if (std::ferror(file.get())) return ReadResult::Failed;
    clear();
    parse(text);
    return ReadResult::Ok;
}

bool IniStore::writeFile(const std::string& path) const {
    if (path.empty() || !targetWritable(path)) return false;

    std::string tempPath;
    Descriptor temp = createTempFile(path, tempPath);
    if (!temp.valid()) return false;

    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(temp.get(), old.st_mode & 07777);
    }
    // The new content must be on disk before the rename makes it the settings file.
    const bool complete = writeAll(temp.get(), serialize()) && ::fsync(temp.get()) == 0;
    const bool closed = temp.close();
    if (!complete || !closed || std::rename(tempPath.c_str(), path.c_str()) != 0) {
        std::remove(tempPath.c_str());
        return false;
    }
    syncFolder(path);
    return true;
}

}  // namespace plv7
