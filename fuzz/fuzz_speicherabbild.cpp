// Arbitrary bytes as the box's curve memory: decoding never crashes, leaves its target alone
// when it refuses, and curves it accepts encode to an image that decodes to them again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "FuzzCheck.h"
#include "kurven/Speicherabbild.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7::kurven;
    // A checksum that fits lets the fuzzer reach the records: 'C' first asks for it.
    std::vector<std::uint8_t> bild(data, data + size);
    if (bild.size() > abbild::kKopf && bild[0] == 'C') {
        const long letztes = AbbildLetztesByte(bild);
        if (letztes + 1 <= static_cast<long>(bild.size())) {
            const auto summe =
                AbbildPruefsumme(std::span(bild).first(static_cast<std::size_t>(letztes) + 1));
            bild[0] = static_cast<std::uint8_t>(summe >> 8);
            bild[1] = static_cast<std::uint8_t>(summe);
        }
    }
    Kurvendaten daten;
    daten.zyklen = {9, 9, 9, 9};
    const int code = SpeicherabbildDekodieren(bild, daten);
    if (code != 0) {
        check(code < 0);
        check(daten.zyklen == (std::array<std::int32_t, 4>{9, 9, 9, 9}));
        return 0;
    }
    Kurvenmodell modell;
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        check(!daten.punkte[k].empty());
        modell.kurven[k].punkte = daten.punkte[k];
        modell.einstellungen[k].zyklen = daten.zyklen[k];
        modell.einstellungen[k].ruhewert = daten.ruhewerte[k];
    }
    std::vector<std::uint8_t> neu;
    if (SpeicherabbildErzeugen(modell.kurven, modell.einstellungen, neu) != 0) return 0;
    Kurvendaten wieder;
    check(SpeicherabbildDekodieren(neu, wieder) == 0);
    check(wieder == daten);
    return 0;
}
