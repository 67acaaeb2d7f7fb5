#include "konfig/KonfigDatei.h"

#include <algorithm>

#include "base/AtomicWrite.h"
#include "base/ByteOrder.h"

namespace plv7 {

using namespace konfig_datei;

KonfigDateiBild KonfigDateiBildErzeugen(const Konfiguration& konfig) {
    KonfigDateiBild datei{};
    std::ranges::copy(kKopfText, datei.begin());
    le::putI32(datei, kVersionOffset, kVersion);
    KonfigurationInBild(konfig, std::span(datei).subspan<kBildOffset, konfig_bild::kGroesse>());
    return datei;
}

int KonfigDateiBildLesen(std::span<const std::uint8_t> bytes, Konfiguration& ziel) {
    if (bytes.size() < kGroesse) return kFehlerLadenLesen;
    // The header is NUL-terminated text: the text, then its NUL, within the 32 bytes.
    const auto kopf = bytes.first(kKopfText.size());
    if (!std::ranges::equal(
            kopf, kKopfText,
            [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); }) ||
        bytes[kKopfText.size()] != 0) {
        return kFehlerKeineKonfigDatei;
    }
    if (le::getI32(bytes, kVersionOffset) != kVersion) return kFehlerFalscheVersion;
    ziel = KonfigurationAusBild(bytes.subspan<kBildOffset, konfig_bild::kGroesse>());
    return 0;
}

int KonfigDateiSpeichern(const std::filesystem::path& pfad, const Konfiguration& konfig) {
    const auto datei = KonfigDateiBildErzeugen(konfig);
    return dateiSchreiben(pfad, datei, {kFehlerSpeichernOeffnen, kFehlerSpeichernSchreiben});
}

int KonfigDateiLaden(const std::filesystem::path& pfad, Konfiguration& ziel) {
    const auto datei = openFile(pfad, "rb");
    if (!datei) return kFehlerLadenOeffnen;
    KonfigDateiBild bytes{};
    const auto gelesen = std::fread(bytes.data(), 1, bytes.size(), datei.get());
    return KonfigDateiBildLesen(std::span(bytes).first(gelesen), ziel);
}

}  // namespace plv7
