#include "konfig/KonfigDatei.h"

#include "base/AtomicWrite.h"
#include "base/Dateiformat.h"

namespace plv7 {

using namespace konfig_datei;

namespace {
constexpr Dateiart kArt{kKopfText, kGroesse, kFehlerLadenLesen, kFehlerKeineKonfigDatei,
                        kFehlerFalscheVersion};
}  // namespace

KonfigDateiBild KonfigDateiBildErzeugen(const Konfiguration& konfig) {
    KonfigDateiBild datei{};
    DateikopfSchreiben(datei, kKopfText);
    KonfigurationInBild(konfig, std::span(datei).subspan<kBildOffset, konfig_bild::kGroesse>());
    return datei;
}

int KonfigDateiBildLesen(std::span<const std::uint8_t> bytes, Konfiguration& ziel) {
    if (const int code = DateikopfPruefen(bytes, kArt); code != 0) return code;
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
