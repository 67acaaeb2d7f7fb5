// Arbitrary bytes as the content of a configuration file: the reader must never crash, must
// leave the record alone when it refuses, and a file it accepts must save again to the same
// meaningful bytes. Conversions with any accepted record stay finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "FuzzCheck.h"
#include "konfig/KonfigDatei.h"
#include "konfig/KonfigUmrechnung.h"

namespace {

// The bytes of a file that carry meaning: everything but the header's bytes behind its NUL,
// the alignment gaps and a unit field's bytes behind its NUL.
bool gleicheBedeutung(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    using namespace plv7;
    const auto gleich = [&](std::size_t von, std::size_t bis) {
        for (std::size_t i = von; i < bis; ++i) {
            if (a[i] != b[i]) return false;
        }
        return true;
    };
    const auto einheitenGleich = [&](std::size_t offset) {
        for (std::size_t k = 0; k < 4; ++k) {
            const auto anfang = konfig_datei::kBildOffset + offset + 9 * k;
            for (std::size_t i = 0; i < 8; ++i) {
                if (a[anfang + i] != b[anfang + i]) return false;
                if (a[anfang + i] == 0) break;
            }
        }
        return true;
    };
    const auto r = konfig_datei::kBildOffset;
    return gleich(0, konfig_datei::kKopfText.size() + 1) && gleich(32, 36) &&
           gleich(r, r + konfig_bild::kOuteinheit) && einheitenGleich(konfig_bild::kOuteinheit) &&
           gleich(r + konfig_bild::kVinmax, r + konfig_bild::kIneinheit) &&
           einheitenGleich(konfig_bild::kIneinheit);
}

}  // namespace

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    Konfiguration ziel;
    KonfigurationStandardwerte(ziel);
    const auto vorher = plv7::KonfigurationInBild(ziel);
    const int code = plv7::KonfigDateiBildLesen(bytes, ziel);
    if (code != 0) {
        check(code == plv7::konfig_datei::kFehlerLadenLesen ||
              code == plv7::konfig_datei::kFehlerKeineKonfigDatei ||
              code == plv7::konfig_datei::kFehlerFalscheVersion);
        check(plv7::KonfigurationInBild(ziel) == vorher);
        return 0;
    }
    const auto neu = plv7::KonfigDateiBildErzeugen(ziel);
    check(gleicheBedeutung(bytes, neu));
    Konfiguration wieder;
    check(plv7::KonfigDateiBildLesen(neu, wieder) == 0);
    check(plv7::KonfigDateiBildErzeugen(wieder) == neu);

    for (int k = 0; k < 4; ++k) {
        for (const double x : {0.0, 2047.0, 4095.0, 5.0}) {
            check(std::isfinite(plv7::AusgangCodeInEinheit(ziel, k, x)));
            check(std::isfinite(plv7::AusgangEinheitInCode(ziel, k, x)));
            check(std::isfinite(plv7::EingangCodeInEinheit(ziel, k, x)));
            check(std::isfinite(plv7::EingangEinheitInCode(ziel, k, x)));
        }
        check(plv7::EinheitText(ziel.outeinheit[static_cast<std::size_t>(k)]).size() <= 8);
    }
    return 0;
}
