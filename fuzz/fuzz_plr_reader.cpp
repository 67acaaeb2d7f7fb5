// Arbitrary bytes as the content of a curve file: the reader never crashes, leaves its target
// alone when it refuses, and what it accepts saves and reads back to the same curves. Every
// quantity the window derives from the loaded curves is defined.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "FuzzCheck.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenText.h"
#include "kurven/Speicherabbild.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7::kurven;
    // The size header of 4472 bytes is large: shorter inputs lead the fuzzer into it by
    // padding a valid header in front of them when they start with 'P'.
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size > 0 && data[0] == 'P') {
        auto kopf = KurvenDateiErzeugen(Kurvenmodell{}, Konfiguration{});
        kopf.resize(kurven_datei::kBeschreibungen);
        bytes.erase(bytes.begin());
        bytes.insert(bytes.begin(), kopf.begin(), kopf.end());
    }
    KurvenDateiInhalt inhalt;
    inhalt.zyklen = {5, 5, 5, 5};
    const int code = KurvenDateiLesen(bytes, inhalt);
    if (code != 0) {
        check(code < 0);
        check(inhalt.zyklen == (std::array<std::int32_t, 4>{5, 5, 5, 5}));
        return 0;
    }
    Kurvenmodell modell;
    KurvenDateiUebernehmen(modell, inhalt);
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const auto& punkte = modell.kurven[static_cast<std::size_t>(k)].punkte;
        check(!punkte.empty());
        check(modell.kurven[static_cast<std::size_t>(k)].kommentar.size() <= kKommentarMax);
        (void)SegmentBeiZeit(punkte, 123.0);
        (void)KurveSpeicherbedarf(punkte);
    }
    (void)KurvenExportText(modell.kurven);
    std::vector<std::uint8_t> bild;
    (void)SpeicherabbildErzeugen(modell.kurven, modell.einstellungen, bild);

    KurvenDateiInhalt wieder;
    check(KurvenDateiLesen(KurvenDateiErzeugen(modell, inhalt.konfig), wieder) == 0);
    check(wieder.punkte == inhalt.punkte);
    check(wieder.kommentare == inhalt.kommentare);
    return 0;
}
