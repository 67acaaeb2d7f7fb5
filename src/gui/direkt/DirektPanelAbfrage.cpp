// The acquisition the direct window drives: starting and stopping it, the log, the sampling
// tick and what the window shows of it.
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTime>
#include <algorithm>
#include <string>

#include "base/ORV_errorV3ibox.h"
#include "com/ComPort.h"
#include "common/Lamp.h"
#include "common/ErrorIndicator.h"
#include "common/Zahlenfeld.h"
#include "common/Zeigerinstrument.h"
#include "direkt/Bildexport.h"
#include "direkt/DirektDialoge.h"
#include "direkt/DirektGemeinsam.h"
#include "direkt/DirektGrafik.h"
#include "direkt/DirektPanel.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {
namespace {

std::string plattformDatum() {
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")).toStdString();
}
std::string plattformUhrzeit() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

// The short multi-input read of the driver on the port and address of the serial-port window.
class Boxabfrage : public direkt::Eingangsabfrage {
public:
    int offenerPort() override { return OffenerComPort(); }
    char adresse() override { return ComAdresse(); }
    int senden(int port, char adresse, unsigned maske) override {
        return ORVPLV7_EingaengeLesenKurz_Senden(port, adresse, maske);
    }
    int empfangen(int port, char adresse, unsigned maske, std::array<double, 4>& volts) override {
        return ORVPLV7_EingaengeLesenKurz_Empfangen(port, adresse, maske, volts);
    }
};

}  // namespace

std::unique_ptr<direkt::Eingangsabfrage> DirektPanel::boxabfrage() {
    return std::make_unique<Boxabfrage>();
}

bool DirektPanel::erfassungLaeuft() const {
    return takt_.aktiv();
}

void DirektPanel::erfassungsfehler(const direkt::Taktergebnis& ergebnis) {
    stoppeTimerUndAnzeige();
    if (ergebnis.portFehlerAnzeigen) ComFehlerSetzen(direkt::kFehlerEmpfangOhnePort);
    for (int i = 0; i < ergebnis.anzahlFehler; ++i) ORV_Fehlerpopup(ergebnis.fehler[i]);
}

void DirektPanel::antwortVorziehen() {
    if (!erfassungLaeuft()) return;
    const direkt::Taktergebnis ergebnis = erfassung_.pipeline().antwortVorziehen();
    if (ergebnis.gestoppt) erfassungsfehler(ergebnis);
}

void DirektPanel::abfragenUmschalten(bool ein) {
    for (int k = 0; k < 4; ++k) {
        if (ausgaenge_->AusgangSetzen(k) != 0) {
            AbfrageStoppen();
            return;
        }
    }
    if (ein) {
        abfrageStarten();
        return;
    }
    if (const int code = erfassung_.beenden(); code != 0) ORV_Fehlerpopup(code);
    AbfrageStoppen();
}

direkt::Protokollkopf DirektPanel::protokollkopf() const {
    std::array<std::string, 4> ein, aus;
    for (int k = 0; k < 4; ++k) {
        ein[k] = std::string(EinheitText(gKonfig.ineinheit[k]));
        aus[k] = std::string(EinheitText(gKonfig.outeinheit[k]));
    }
    return direkt::erstelleProtokollkopf(eingangCodeInEinheit, ausgangCodeInEinheit, ein, aus);
}

void DirektPanel::protokollOeffnen() {
    direkt::Protokoll& protokoll = erfassung_.protokoll();
    if (!dateiSpeichern_->isChecked()) {
        protokoll.schliessen();
        return;
    }
    const Dialoge::FileAnswer antwort = dialoge().file(protokollDateiAnfrage());
    if (antwort.result == Dialoge::FileAnswer::Result::Failed) {
        ORV_Fehlerpopup(direkt::kFehlerDateiauswahl);
        return;
    }
    protokoll.schliessen();
    if (antwort.result != Dialoge::FileAnswer::Result::Chosen) return;
    const int code = protokoll.oeffnen(antwort.path.toStdString(),
                                       direkt::Protokollart::Datenerfassung, protokollkopf());
    if (code != 0) ORV_Fehlerpopup(code);
}

void DirektPanel::bildSpeichern() {
    const Dialoge::FileAnswer antwort = dialoge().file(protokollDateiAnfrage());
    if (antwort.result == Dialoge::FileAnswer::Result::Failed) {
        ORV_Fehlerpopup(direkt::kFehlerDateiauswahl);
        return;
    }
    if (antwort.result != Dialoge::FileAnswer::Result::Chosen) return;
    const int code = direkt::bildSpeichern(erfassung_.grafik(), erfassung_.protokoll(),
                                           antwort.path.toStdString(), protokollkopf(),
                                           eingangCodeInEinheit, ausgangCodeInEinheit);
    dateiLed_->setOn(erfassung_.protokoll().offen());
    if (code != 0) ORV_Fehlerpopup(code);
}

void DirektPanel::abfrageStarten() {
    protokollOeffnen();
    ComFehlerSetzen(0);
    grafik_->neustart();
    erfassung_.starten();
    {
        const QSignalBlocker blocker(abfragen_);
        abfragen_->setChecked(true);
    }
    abfragen_->setText(QStringLiteral("Abfragen beenden"));
    dateiSpeichern_->setEnabled(false);
    dateiLed_->setOn(erfassung_.protokoll().offen());
    planung_.starten(PraeziserTakt::jetzt());
    setAcquisitionRunning(true);
    grafik_->setErfassungLaeuft(true);
    takt_.starten(direkt::timerIntervall(abtastzeit_->value()));
}

void DirektPanel::AbfrageStoppen() {
    erfassung_.stoppen();
    stoppeTimerUndAnzeige();
}

void DirektPanel::stoppeTimerUndAnzeige() {
    const bool lief = takt_.aktiv();
    takt_.stoppen();
    grafik_->setErfassungLaeuft(false);
    {
        const QSignalBlocker blocker(abfragen_);
        abfragen_->setChecked(false);
    }
    abfragen_->setText(QStringLiteral("Eingänge abfragen"));
    dateiSpeichern_->setEnabled(!grafik_->einzelbild());
    dateiLed_->setOn(erfassung_.protokoll().offen());
    zeitfehlerLed_->setOn(false);
    grafik_->triggertextLoeschen();
    if (lief) {
        zeigeMesswerte();
        if (streifenschreiber()->veraendert()) streifenschreiber()->jetztZeichnen();
    }
    setAcquisitionRunning(false);
}

void DirektPanel::einzelbildUmgeschaltet(bool ein) {
    if (ein) dateiSpeichern_->setChecked(false);
    dateiSpeichern_->setEnabled(!ein);
    AbfrageStoppen();
}

void DirektPanel::abtasttakt() {
    Streifenschreiber* chart = streifenschreiber();
    const double jetzt = PraeziserTakt::jetzt();
    kontext_.zeitpunkt = direkt::leseAbtastzeitpunkt(plattformDatum, plattformUhrzeit);
    kontext_.ausgangProzent = ausgaenge_->prozent();
    kontext_.grafikAktiv = grafik_->grafikAktiv();
    direkt::Takteingabe eingabe;
    eingabe.jetzt = jetzt;
    eingabe.intervall = takt_.intervall();
    for (int k = 0; k < 4; ++k) eingabe.plot[k] = plot_[k]->isChecked();
    eingabe.vinmax = gKonfig.vinmax;

    const direkt::Direkterfassung::Takt t = erfassung_.takt(eingabe, kontext_);
    grafik_->uebernimmZeichnung(t.zeichnung);
    if (t.ergebnis.verarbeitet) {
        planung_.neuerMesswert();
        const direkt::Messwert& m = erfassung_.pipeline().messwert();
        for (std::size_t k = 0; k < 4; ++k) {
            minimumOffen_[k] = minimumOffen_[k] || m.neuesMinimum[k];
            maximumOffen_[k] = maximumOffen_[k] || m.neuesMaximum[k];
        }
    }

    if (t.zeichnung.ganzesBild) {
        // The whole frame is drawn while no sample is due; the timing starts anew after it.
        kosten_.zeichnenSekunden += chart->jetztZeichnen();
        ++kosten_.zeichnungen;
        takt_.neuStarten();
    }
    zeigeStatus(jetzt);

    if (t.ergebnis.gestoppt) {
        erfassungsfehler(t.ergebnis);
        return;
    }

    const double nachher = PraeziserTakt::jetzt();
    const double dauer = nachher - jetzt;
    ++kosten_.takte;
    kosten_.summeSekunden += dauer;
    kosten_.hoechstensSekunden = std::max(kosten_.hoechstensSekunden, dauer);

    if (planung_.messwerteZeigen(nachher)) zeigeMesswerte();
    if (chart->veraendert() && isVisible() &&
        planung_.grafikZeichnen(nachher, takt_.restBisFaellig(),
                                chart->geschaetzteZeichendauer())) {
        kosten_.zeichnenSekunden += chart->jetztZeichnen();
        ++kosten_.zeichnungen;
        planung_.grafikGezeichnet(PraeziserTakt::jetzt());
    }
}

void DirektPanel::zeigeMesswerte() {
    const direkt::Messwert& m = erfassung_.pipeline().messwert();
    for (int k = 0; k < 4; ++k) {
        const int stellen = eingang_[k]->nachkommastellen();
        eingang_[k]->setWert(::EingangSpannungInEinheit(k, m.volts[k]));
        // Only a new extreme changes its display: after a relabelling both show the value of
        // that moment until a sample goes beyond it.
        if (minimumOffen_[k]) {
            min_[k]->setText(extremwertText(::EingangSpannungInEinheit(k, m.minimum[k]), stellen));
        }
        if (maximumOffen_[k]) {
            max_[k]->setText(extremwertText(::EingangSpannungInEinheit(k, m.maximum[k]), stellen));
        }
        minimumOffen_[k] = maximumOffen_[k] = false;
    }
    // Painted now, right after the tick, rather than whenever the event loop gets to it,
    // which may be just before the next deadline.
    if (!takt_.aktiv() || !planung_.sofortMalen(takt_.restBisFaellig())) return;
    const double beginn = PraeziserTakt::jetzt();
    // One repaint of the whole group: every repaint ends in a flush of the window, which
    // costs about as much as the painting itself.
    eingaengeGruppe_->repaint();
    planung_.gemalt(PraeziserTakt::jetzt() - beginn);
}

void DirektPanel::zeigeStatus(double jetzt) {
    const direkt::Zeitstatistik& statistik = erfassung_.pipeline().zeitstatistik();
    const bool led = statistik.zeitfehlerLed(jetzt);
    if (zeitfehlerLed_->isOn() != led) zeitfehlerLed_->setOn(led);
    const bool offen = erfassung_.protokoll().offen();
    if (dateiLed_->isOn() != offen) dateiLed_->setOn(offen);
    if (fehlerpnl_->isVisible()) fehlerpnl_->zeige(statistik.anzeigeText());
}

void DirektPanel::abtastzeitUebernehmen() {
    takt_.setIntervall(direkt::timerIntervall(abtastzeit_->value()));
    grafik_->setAbtastzeit(abtastzeit_->value());
    grafik_->neustart();
    abtastzeit_->setFocus();
}

}  // namespace plv7::gui
