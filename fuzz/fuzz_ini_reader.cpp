// Reads arbitrary bytes as a settings file and checks that what the store writes reads back
// to the same file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "direkt/DirektSettings.h"
#include "ini/IniStore.h"
#include "ini/IniText.h"
#include "link/ComSettings.h"

namespace {

std::string reserialized(std::string_view text) {
    return plv7::IniStore::fromText(text).serialize();
}

// The writer puts " = " between tag and value, so an item read from a line near the length
// limit ("t=<253 characters>") can come out longer than the reader takes. Only files whose
// lines all fit must come back unchanged.
bool everyLineFits(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end - start > plv7::ini::kMaxLineLength) return false;
        start = end + 2;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    plv7::IniStore store;
    store.parse(input);
    const std::string first = store.serialize();
    const std::string second = reserialized(first);
    if (everyLineFits(first) && second != first) __builtin_trap();
    // Once cut to the limit, an item stays as it is.
    if (reserialized(second) != second) __builtin_trap();

    const plv7::ComSettings com = plv7::readComSettings(store);
    const plv7::DirektSettings direkt = plv7::readDirektSettings(store);
    plv7::IniStore written;
    plv7::writeComSettings(written, com);
    plv7::writeDirektSettings(written, direkt);
    if (reserialized(written.serialize()) != written.serialize()) __builtin_trap();
    return 0;
}
