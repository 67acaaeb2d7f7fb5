#include "base/Dateiformat.h"

#include <algorithm>

#include "base/ByteOrder.h"

namespace plv7 {

namespace {
constexpr std::size_t kKennungBreite = 32;
constexpr std::size_t kVersionOffset = 32;
constexpr std::int32_t kVersion = 2;
}  // namespace

void DateikopfSchreiben(std::span<std::uint8_t> datei, std::string_view kennung) {
    const std::size_t laenge = std::min(kennung.size(), kKennungBreite - 1);
    std::ranges::copy(kennung.substr(0, laenge), datei.begin());
    datei[laenge] = 0;
    le::putI32(datei, kVersionOffset, kVersion);
}

int DateikopfPruefen(std::span<const std::uint8_t> datei, const Dateiart& art) {
    if (datei.size() < std::max(art.kopfGroesse, kVersionOffset + 4)) return art.fehlerKurz;
    const auto feld = datei.first(kKennungBreite);
    const auto nul = std::ranges::find(feld, std::uint8_t{0});
    const bool passt =
        nul != feld.end() &&
        std::ranges::equal(std::span(feld.begin(), nul), art.kennung, [](std::uint8_t b, char c) {
            return b == static_cast<std::uint8_t>(c);
        });
    if (!passt) return art.fehlerKennung;
    if (le::getI32(datei, kVersionOffset) != kVersion) return art.fehlerVersion;
    return 0;
}

std::size_t DateipunktSchreiben(std::span<std::uint8_t> datei, std::size_t offset,
                                const Dateipunkt& p) {
    le::putI32(datei, offset, p.wert);
    le::putI32(datei, offset + 4, p.laenge);
    datei[offset + 8] = p.code;
    return offset + dateiformat::kPunktGroesse;
}

Dateipunkt DateipunktLesen(std::span<const std::uint8_t> datei, std::size_t offset) {
    return {le::getI32(datei, offset), le::getI32(datei, offset + 4), datei[offset + 8]};
}

}  // namespace plv7
