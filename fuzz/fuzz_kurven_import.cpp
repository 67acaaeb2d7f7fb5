// Arbitrary text as a curve import: it never crashes; a refusal carries a code and gives no
// curve; accepted curves keep every segment within 1..65535 ticks and export and import back
// to themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "kurven/KurvenText.h"
#include "kurven/Zeitbasis.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7::kurven;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto import = KurvenImportLesen(text);
    if (import.code != 0) {
        check(import.code < 0);
        for (const auto& punkte : import.kurven) check(punkte.empty());
        return 0;
    }
    Kurvenmodell modell;
    bool eine = false;
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        for (const auto& p : import.kurven[k]) {
            check(p.wert >= 0 && p.wert <= kWertMax);
            check(p.laenge >= 1 && p.laenge <= kLaengeMax);
            check(ZeitbasisTick(p.zeitbasis) > 0);
        }
        eine = eine || !import.kurven[k].empty();
        if (!import.kurven[k].empty()) modell.kurven[k].punkte = import.kurven[k];
    }
    check(eine);
    const auto zurueck = KurvenImportLesen(KurvenExportText(modell.kurven));
    check(zurueck.code == 0);
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        const auto& punkte = zurueck.kurven[k];
        check(punkte.size() == modell.kurven[k].punkte.size());
        for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
            check(punkte[i].laenge == modell.kurven[k].punkte[i].laenge);
            check(punkte[i].zeitbasis == modell.kurven[k].punkte[i].zeitbasis);
        }
    }
    return 0;
}
