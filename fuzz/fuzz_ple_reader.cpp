// Arbitrary bytes as a characteristic file: the reader never crashes, leaves the target alone
// when it refuses, and a file it accepts saves again to a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "kennlinien/KennlinienDatei.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7;
    using namespace plv7::kennlinien;
    // Half of the inputs become the points behind a valid header with a small count, so that
    // the fuzzer spends its time on the points instead of guessing 1424 bytes.
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size > 1 && (data[0] & 1) != 0) {
        bytes = KennlinienDateiBild(Kennlinie{}, Konfiguration{}, 0.0, 0.0);
        bytes.resize(kennlinien_datei::kKopfGroesse);
        bytes[kennlinien_datei::kAnzahlOffset] = data[1] % 32;
        bytes.insert(bytes.end(), data + 2, data + size);
    }
    KennlinienDateiInhalt inhalt;
    inhalt.kennlinie.kommentar = "unberuehrt";
    if (KennlinienDateiBildLesen(bytes, inhalt) != 0) {
        check(inhalt.kennlinie.kommentar == "unberuehrt");
        return 0;
    }
    check(!inhalt.kennlinie.punkte.empty());
    check(inhalt.kennlinie.kommentar.size() <= kennlinie::kKommentarMax);
    const auto bild = KennlinienDateiBild(inhalt.kennlinie, inhalt.konfig, inhalt.ausgang2Roh,
                                          inhalt.zeitkonstante);
    KennlinienDateiInhalt wieder;
    check(KennlinienDateiBildLesen(bild, wieder) == 0);
    check(!wieder.unvollstaendig);
    check(wieder.kennlinie.punkte == inhalt.kennlinie.punkte);
    check(wieder.kennlinie.kommentar == inhalt.kennlinie.kommentar);
    return 0;
}
