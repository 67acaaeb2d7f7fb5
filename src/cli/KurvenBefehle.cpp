#include "KurvenBefehle.h"

#include "CliGemeinsam.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenText.h"
#include "kurven/KurvenUebertragung.h"
#include "kurven/Speicherabbild.h"

namespace plv7::cli {
namespace {

using namespace plv7::kurven;
using Outcome = CommandOutcome;

std::string zeilen(const std::vector<std::string>& texte) {
    std::string ergebnis;
    for (const auto& t : texte) ergebnis += t + "\n";
    return ergebnis;
}

// A curve file as "Kurven laden" reads it, without the configuration question; warnings
// name the curves it does not hold in full.
int laden(const std::string& pfad, Kurvenmodell& modell, std::string& warnungen) {
    KurvenDateiInhalt inhalt;
    if (const int code = KurvenDateiLaden(pfad, inhalt); code != 0) return code;
    KurvenDateiUebernehmen(modell, inhalt);
    warnungen = zeilen(UnvollstaendigWarnungen(inhalt));
    return 0;
}

// The image of a file's curves; an image that does not fit is refused with the window's
// message as the whole report.
Outcome abbildBauen(const std::string& pfad, std::vector<std::uint8_t>& bild,
                    std::string& warnungen) {
    Kurvenmodell modell;
    if (const int code = laden(pfad, modell, warnungen); code != 0) return fehler(code);
    const int code = SpeicherabbildErzeugen(modell.kurven, modell.einstellungen, bild);
    if (code == abbild::kPlatzReichtNicht)
        return {Outcome::Kind::Refused, {}, code, warnungen + abbild::kPlatzMeldung + "\n"};
    if (code != 0) return fehler(code, warnungen);
    return erfolg({}, warnungen);
}

Outcome exportieren(const Args& a, std::string&, bool&) {
    Kurvenmodell modell;
    std::string warnungen;
    if (const int code = laden(a[0], modell, warnungen); code != 0) return fehler(code);
    const int code = KurvenExportieren(a[1], modell.kurven);
    return code == 0 ? erfolg({}, warnungen) : fehler(code, warnungen);
}

Outcome importieren(const Args& a, std::string&, bool&) {
    const auto import = KurvenImportieren(a[0]);
    if (import.code != 0)
        return fehler(import.code, import.meldung.empty() ? "" : import.meldung + "\n");
    Kurvenmodell modell;
    KurvenImportUebernehmen(modell, import);
    const int code = KurvenDateiSpeichern(a[1], modell, aktuelleKonfiguration());
    return code == 0 ? erfolg({}) : fehler(code);
}

Outcome abbildZeigen(const Args& a, std::string&, bool&) {
    std::vector<std::uint8_t> bild;
    std::string warnungen;
    auto ergebnis = abbildBauen(a[0], bild, warnungen);
    if (ergebnis.kind != Outcome::Kind::Success) return ergebnis;
    ergebnis.output = hexText(bild) + "\n";
    return ergebnis;
}

// The box at the command line's port and address; no progress is shown.
class FesterZugang : public Geraetezugang, public Fortschritt {
public:
    explicit FesterZugang(const Connection& c) : c_(c) {}
    int offenerPort() override { return c_.port; }
    char adresse() override { return c_.address; }
    void beginnen(std::string_view) override {}
    void setzen(int) override {}
    void beenden() override {}

private:
    Connection c_;
};

PreparedCommand schreiben(const Args& a, std::string&) {
    return [pfad = a[0]](const Connection& c) {
        Kurvenmodell modell;
        std::string meldungen;
        if (const int code = laden(pfad, modell, meldungen); code != 0) return fehler(code);
        // The window asks before sending curves of different durations; here it is told.
        if (const auto warnung = LaengenWarnung(modell.kurven)) meldungen += *warnung;
        std::vector<std::uint8_t> bild;
        const int code = SpeicherabbildErzeugen(modell.kurven, modell.einstellungen, bild);
        if (code == abbild::kPlatzReichtNicht)
            return Outcome{
                Outcome::Kind::Refused, {}, code, meldungen + abbild::kPlatzMeldung + "\n"};
        if (code != 0) return fehler(code, meldungen);
        FesterZugang zugang(c);
        const int gesendet = SpeicherabbildSenden(zugang, zugang, bild);
        return gesendet == 0 ? erfolg({}, meldungen) : fehler(gesendet, meldungen);
    };
}

PreparedCommand lesen(const Args& a, std::string&) {
    return [pfad = a[0]](const Connection& c) {
        FesterZugang zugang(c);
        Kurvendaten daten;
        const auto ergebnis = SpeicherabbildLesen(zugang, zugang, daten);
        if (ergebnis.code != 0) return fehler(ergebnis.code);
        Kurvenmodell modell;
        KurvendatenUebernehmen(modell, daten);
        const int code = KurvenDateiSpeichern(pfad, modell, aktuelleKonfiguration());
        return code == 0 ? erfolg({}) : fehler(code);
    };
}

}  // namespace

const DateiBefehle& kurvenDateiBefehle() {
    static const DateiBefehle befehle = {
        {"curves-export", {2, exportieren}},
        {"curves-import", {2, importieren}},
        {"curves-image", {1, abbildZeigen}},
    };
    return befehle;
}

const GeraetBefehle& kurvenGeraetBefehle() {
    static const GeraetBefehle befehle = {
        {"curves-write", {1, schreiben}},
        {"curves-read", {1, lesen}},
    };
    return befehle;
}

}  // namespace plv7::cli
