// Arbitrary text as a direct-window log: it never crashes; a refusal carries a code and gives
// no acquisition; every column of an accepted acquisition that becomes a curve gives points
// within the box's limits, or a refusal with a code.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "konfig/Konfiguration.h"
#include "kurven/AufzeichnungKurve.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7::kurven;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Aufzeichnung log = AufzeichnungLesen(text);
    if (log.code != 0) {
        check(log.code < 0 && !log.meldung.empty());
        check(log.erfassungen.empty());
        return 0;
    }
    check(!log.erfassungen.empty());
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    const Kurvenmodell modell;
    for (std::size_t e = 0; e < log.erfassungen.size(); ++e) {
        for (std::size_t spalte = 0; spalte < aufzeichnung::kSpalten; spalte += 3) {
            const Uebernahme u =
                AufzeichnungUebernehmen(log, {e, spalte, 0, 4, 2.0}, konfig, modell.kurven);
            if (u.code != 0) {
                check(u.code < 0);
                continue;
            }
            check(!u.punkte.empty());
            for (const auto& p : u.punkte) {
                check(p.wert >= 0 && p.wert <= kWertMax);
                check(p.laenge >= 1 && p.laenge <= kLaengeMax);
                check(p.zeitbasis == 4);
            }
        }
    }
    return 0;
}
