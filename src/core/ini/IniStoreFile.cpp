// Reading and writing the settings file as a whole.
#include <cerrno>
#include <cstdio>
#include <string>

#include "base/AtomicWrite.h"
#include "ini/IniStore.h"

namespace plv7 {

IniStore::ReadResult IniStore::readFile(const std::string& path) {
    const FilePtr file = openFile(path, "rb");
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
    // The settings file's temporary name is "ini$$<n>.TMP".
    return writeFileAtomically(path, serialize(), TemporaryName{"ini$$", ".TMP"}) ==
           AtomicWriteResult::Ok;
}

}  // namespace plv7
