#include "kurven/KurvenAblage.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "base/ORV_errorV3ibox.h"
#include "com/ComPort.h"
#include "common/Aenderungsfrage.h"
#include "common/Dateiwahl.h"
#include "common/ErrorIndicator.h"
#include "common/Fortschrittsdialog.h"
#include "hilfe/Dialoge.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenText.h"
#include "kurven/KurvenUebertragung.h"
#include "kurven/Speicherabbild.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

const QString kProgrammTitel = QStringLiteral("Kurvengenerator");
const QString kKonfigFrage = QStringLiteral(
    "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\nKurven unterscheidet sich "
    "von der aktuellen Konfiguration.\nSoll die Konfiguration zusammen mit den Kurven geladen "
    "werden\noder soll die aktuelle Konfiguration behalten werden?");

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The serial-port window's port and address, asked again before every block.
class ComGeraet : public Geraetezugang {
public:
    int offenerPort() override { return OffenerComPort(); }
    char adresse() override { return ComAdresse(); }
};

}  // namespace

KurvenAblage::KurvenAblage(Kurvenmodell& modell, QWidget* fenster)
    : modell_(modell), fenster_(fenster) {}

QString KurvenAblage::fenstertitel() const {
    if (modell_.dateipfad.empty()) return kProgrammTitel;
    return kProgrammTitel + " - " + QFileInfo(text(modell_.dateipfad)).fileName();
}

void KurvenAblage::anzeigen() {
    if (anzeigen_) anzeigen_();
}

void KurvenAblage::Menu_Kurven_Datei(Dateibefehl befehl) {
    // In the order of Dateibefehl.
    static constexpr int (KurvenAblage::*kBefehle[])() = {
        &KurvenAblage::neu,        &KurvenAblage::laden,          &KurvenAblage::anhaengen,
        &KurvenAblage::speichern,  &KurvenAblage::speichernUnter, &KurvenAblage::importieren,
        &KurvenAblage::exportieren};
    if (const int code = (this->*kBefehle[static_cast<std::size_t>(befehl)])(); code != 0)
        ORV_Fehlerpopup(code);
}

int KurvenAblage::AbbruchWeilKurvenNichtGespeichert() {
    const QString name =
        modell_.dateipfad.empty() ? kProgrammTitel : QFileInfo(text(modell_.dateipfad)).fileName();
    return abbruchWeilNichtGespeichert(modell_.geaendert, name, [this](bool& abgebrochen) {
        return speichernNach(false, abgebrochen);
    });
}

int KurvenAblage::neu() {
    if (AbbruchWeilKurvenNichtGespeichert() != 0) return 0;
    modell_.Neu();
    anzeigen();
    return 0;
}

int KurvenAblage::speichern() {
    bool abgebrochen = false;
    return speichernNach(false, abgebrochen);
}

int KurvenAblage::speichernUnter() {
    bool abgebrochen = false;
    return speichernNach(true, abgebrochen);
}

int KurvenAblage::speichernNach(bool immerFragen, bool& abgebrochen) {
    abgebrochen = false;
    std::string pfad = modell_.dateipfad;
    if (immerFragen || pfad.empty()) {
        const auto wahl =
            dateiWaehlen({QStringLiteral("Kurve speichern"), QStringLiteral("*.plr"), true, {}},
                         kurven_datei::kFehlerSpeichernOeffnen);
        abgebrochen = wahl.abgebrochen();
        if (!wahl.pfad) return wahl.code;
        pfad = wahl.name.toStdString();
    }
    if (const int code = KurvenDateiSpeichern(dateiPfad(text(pfad)), modell_, gKonfig); code != 0)
        return code;
    modell_.dateipfad = pfad;
    modell_.geaendert = false;
    anzeigen();
    return 0;
}

int KurvenAblage::laden() {
    if (AbbruchWeilKurvenNichtGespeichert() != 0) return 0;
    return dateiEinlesen(QStringLiteral("Kurve laden"), false);
}

int KurvenAblage::anhaengen() {
    return dateiEinlesen(QStringLiteral("Kurven anhängen"), true);
}

int KurvenAblage::dateiEinlesen(const QString& titel, bool anhaengen) {
    const auto wahl = dateiWaehlen({titel, QStringLiteral("*.plr"), false, {}},
                                   kurven_datei::kFehlerLadenOeffnen);
    if (!wahl.pfad) return wahl.code;
    modell_.dateipfad.clear();
    KurvenDateiInhalt inhalt;
    if (const int code = KurvenDateiLaden(*wahl.pfad, inhalt); code != 0) {
        anzeigen();
        return code;
    }
    if (anhaengen) {
        KurvenDateiAnhaengen(modell_, inhalt);
    } else {
        KurvenDateiUebernehmen(modell_, inhalt);
    }
    if (const auto warnungen = UnvollstaendigWarnungen(inhalt, anhaengen); !warnungen.empty()) {
        QStringList zeilen;
        for (const auto& w : warnungen) zeilen << text(w);
        dialoge().message(QStringLiteral("Warnung"), zeilen.join('\n'));
    }
    gespeicherteKonfigurationAnbieten(inhalt.konfig, kKonfigFrage);
    // A damaged file is no longer what the window holds: the next save asks for a name, so
    // that what is left of it is replaced only by the operator's choice.
    const bool beschaedigt = std::ranges::any_of(inhalt.unvollstaendig, [](bool b) { return b; });
    if (!beschaedigt) modell_.dateipfad = wahl.name.toStdString();
    // Appended curves stand in no file as they are now: closing must still ask about them.
    modell_.geaendert = anhaengen || beschaedigt;
    modell_.GanzeKurveZeigen();
    anzeigen();
    return 0;
}

int KurvenAblage::exportieren() {
    const auto wahl =
        dateiWaehlen({QStringLiteral("Kurven exportieren"), QStringLiteral("*.txt"), true, {}},
                     kurven_text::kFehlerExportOeffnen);
    if (!wahl.pfad) return wahl.code;
    return KurvenExportieren(*wahl.pfad, modell_.kurven);
}

int KurvenAblage::importieren() {
    const auto wahl =
        dateiWaehlen({QStringLiteral("Kurven importieren"), QStringLiteral("*.txt"), false, {}},
                     kurven_text::kFehlerImportOeffnen);
    if (!wahl.pfad) return wahl.code;
    const auto import = KurvenImportieren(*wahl.pfad);
    if (import.code != 0) {
        if (!import.meldung.empty())
            dialoge().message(QString::fromUtf8(kurven_text::kImportTitel), text(import.meldung));
        return import.code;
    }
    KurvenImportUebernehmen(modell_, import);
    anzeigen();
    return 0;
}

void KurvenAblage::KurveSenden_Callback(bool schreiben) {
    const int code = schreiben ? senden() : lesen();
    if (code != 0) ORV_Fehlerpopup(code);
}

int KurvenAblage::senden() {
    if (const auto warnung = LaengenWarnung(modell_.kurven)) {
        const int antwort = dialoge().question(
            text(uebertragung::kWarnungTitel), text(*warnung),
            {text(uebertragung::kKnopfSenden), text(uebertragung::kKnopfZurueck)}, 0, 1);
        if (antwort != 0) return 0;
    }
    std::vector<std::uint8_t> bild;
    const int gebaut = SpeicherabbildErzeugen(modell_.kurven, modell_.einstellungen, bild);
    if (gebaut == abbild::kPlatzReichtNicht) {
        // The message says it all; no error box with a meaningless code follows it.
        dialoge().message(QStringLiteral("Fehler"), text(abbild::kPlatzMeldung));
        return 0;
    }
    if (gebaut != 0) return gebaut;
    ComFehlerSetzen(0);
    ComGeraet geraet;
    Fortschrittsdialog dialog(fenster_);
    if (const int code = SpeicherabbildSenden(geraet, dialog, bild); code != 0)
        ComFehlerSetzen(code);
    return 0;
}

int KurvenAblage::lesen() {
    ComFehlerSetzen(0);
    ComGeraet geraet;
    Fortschrittsdialog dialog(fenster_);
    Kurvendaten daten;
    const auto ergebnis = SpeicherabbildLesen(geraet, dialog, daten);
    if (ergebnis.code != 0) {
        if (ergebnis.anzeige == Fehleranzeige::Fehlerpopup) return ergebnis.code;
        ComFehlerSetzen(ergebnis.code);
        return 0;
    }
    KurvendatenUebernehmen(modell_, daten);
    anzeigen();
    return 0;
}

}  // namespace plv7::gui
