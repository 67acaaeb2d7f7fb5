#include "kurven/KurvenUebertragung.h"

#include "base/NumberText.h"
#include "link/Rahmenformat.h"
#include "link/plv7Funktionen.h"

namespace plv7::kurven {

using namespace uebertragung;

namespace {

// One memory read as the reading window does it: the port and the mode asked again first.
int blockLesen(Geraetezugang& zugang, long start, long laenge, std::uint8_t* ziel) {
    const int port = zugang.offenerPort();
    if (port < 0) return kFehlerKeinPortBlock;
    const char adresse = zugang.adresse();
    int modus = 0;
    if (const int code = ORVPLV7_ModusLesen(port, adresse, modus); code != 0) return code;
    if (!KurvenImSpeicher(modus)) return kFehlerKeineKurvenBlock;
    return ORVPLV7_SpeicherLesen(port, adresse, protocol::kMemoryType, start, laenge, ziel);
}

}  // namespace

bool KurvenImSpeicher(int modus) {
    return (modus & kModusKurven) != 0 && (modus & kModusKennlinien) == 0;
}

std::optional<std::string> LaengenWarnung(const std::array<Kurve, kKurvenAnzahl>& kurven) {
    std::optional<std::int64_t> erste;
    bool gleich = true;
    std::string liste;
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const auto& punkte = kurven[static_cast<std::size_t>(k)].punkte;
        if (punkte.size() <= 1) continue;
        const std::int64_t dauer = Kurvendauer(punkte);
        if (!erste) erste = dauer;
        gleich = gleich && dauer == *erste;
        liste += "Kurve " + std::to_string(k + 1) + ": " +
                 formatFixed(static_cast<double>(dauer) / 1000.0, 3) + " sek\n";
    }
    if (gleich) return std::nullopt;
    return "Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n" + liste;
}

int SpeicherabbildSenden(Geraetezugang& zugang, Fortschritt& fortschritt,
                         std::span<const std::uint8_t> bild) {
    const int port = zugang.offenerPort();
    if (port < 0) return kFehlerKeinPortSenden;
    const char adresse = zugang.adresse();
    OffenerFortschritt dialog(&fortschritt, kTitelSenden);
    const auto gesamt = static_cast<long>(bild.size());
    for (long start = 0; start < gesamt; start += kBlock) {
        const long laenge = std::min(kBlock, gesamt - start);
        const int code = ORVPLV7_SpeicherSchreiben(port, adresse, protocol::kMemoryType, start,
                                                   laenge, bild.data() + start);
        if (code != 0) return code;
        dialog.setzen(start + laenge, gesamt);
    }
    if (const int code = ORVPLV7_ModusSchreiben(port, adresse, 0, kModusKennlinien); code != 0)
        return code;
    return ORVPLV7_ModusSchreiben(port, adresse, 1, kModusKurven);
}

Uebertragungsergebnis SpeicherabbildLesen(Geraetezugang& zugang, Fortschritt& fortschritt,
                                          Kurvendaten& ziel) {
    const int port = zugang.offenerPort();
    if (port < 0) return {kFehlerKeinPortLesen, Fehleranzeige::Fehlerpopup};
    int modus = 0;
    if (const int code = ORVPLV7_ModusLesen(port, zugang.adresse(), modus); code != 0)
        return {code, Fehleranzeige::Fehlerpopup};
    if (!KurvenImSpeicher(modus)) return {kFehlerKeineKurven, Fehleranzeige::Fehlerfelder};

    std::vector<std::uint8_t> bild(abbild::kKopf);
    if (const int code = blockLesen(zugang, 0, static_cast<long>(abbild::kKopf), bild.data());
        code != 0) {
        return {code, Fehleranzeige::Fehlerfelder};
    }
    // An end outside the memory is known before anything more is read.
    const long letztes = AbbildLetztesByte(bild);
    if (letztes < static_cast<long>(abbild::kKopf)) return {abbild::kFehlerStartUngueltig};
    if (letztes + 1 > static_cast<long>(abbild::kPuffer)) return {abbild::kFehlerEndeUngueltig};

    bild.resize(static_cast<std::size_t>(letztes) + 1);
    {
        OffenerFortschritt dialog(&fortschritt, kTitelLesen);
        const long anfang = static_cast<long>(abbild::kKopf);
        const long gesamt = letztes + 1 - anfang;
        for (long start = anfang; start <= letztes; start += kBlock) {
            const long laenge = std::min(kBlock, letztes + 1 - start);
            const int code = blockLesen(zugang, start, laenge, bild.data() + start);
            if (code != 0) return {code, Fehleranzeige::Fehlerfelder};
            dialog.setzen(start + laenge - anfang, gesamt);
        }
    }
    return {SpeicherabbildDekodieren(bild, ziel), Fehleranzeige::Fehlerfelder};
}

void KurvendatenUebernehmen(Kurvenmodell& modell, const Kurvendaten& daten) {
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        modell.kurven[k].punkte = daten.punkte[k];
        modell.einstellungen[k].zyklen = daten.zyklen[k];
        modell.einstellungen[k].ruhewert = daten.ruhewerte[k];
    }
    modell.dateipfad.clear();
    modell.GanzeKurveZeigen();
}

}  // namespace plv7::kurven
