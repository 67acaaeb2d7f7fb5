// The acquisition the direct window drives: starting and stopping its thread, the log, and
// what the window shows of the ticks it hands over.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "base/ORV_errorV3ibox.h"
#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "common/Zahlenfeld.h"
#include "common/Zeigerinstrument.h"
#include "direkt/Bildexport.h"
#include "direkt/DirektDialoge.h"
#include "direkt/DirektGemeinsam.h"
#include "direkt/DirektGrafik.h"
#include "direkt/DirektPanel.h"
#include "direkt/Echtzeitvermittlung.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {

bool DirektPanel::erfassungLaeuft() const {
    return laeuft_;
}

void DirektPanel::erfassungsfehler(const direkt::Taktergebnis& ergebnis) {
    stoppeTimerUndAnzeige();
    if (ergebnis.portFehlerAnzeigen) ComFehlerSetzen(direkt::kFehlerEmpfangOhnePort);
    for (int i = 0; i < ergebnis.anzahlFehler; ++i) ORV_Fehlerpopup(ergebnis.fehler[i]);
}

int DirektPanel::ausgeben(int k, double prozent, std::function<int()> schreiben) {
    if (laeuft_ && thread_.ausgeben(k, prozent, schreiben)) return 0;
    return schreiben();
}

direkt::Erfassungseinstellung DirektPanel::erfassungseinstellung() const {
    direkt::Erfassungseinstellung e;
    e.intervall = intervall_;
    for (int k = 0; k < 4; ++k) e.plot[k] = plot_[k]->isChecked();
    e.vinmax = gKonfig.vinmax;
    return e;
}

void DirektPanel::einstellungWeitergeben() {
    if (laeuft_) thread_.einstellen(erfassungseinstellung());
}

void DirektPanel::abfragenUmschalten(bool ein) {
    // The outputs are written and the log ends with the thread stopped, in the order of a
    // stop between two ticks.
    if (!ein && laeuft_) {
        thread_.stoppen();
        meldungenAbholen();
        // A failure in the last ticks has stopped it already and said why.
        if (!laeuft_) return;
    }
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
    // A file of its own: the acquisition's log belongs to its thread while it runs.
    direkt::Protokoll datei;
    const int code =
        direkt::bildSpeichern(chart_, datei, antwort.path.toStdString(), protokollkopf(),
                              eingangCodeInEinheit, ausgangCodeInEinheit);
    dateiLed_->setOn(protokollOffen_);
    if (code != 0) ORV_Fehlerpopup(code);
}

void DirektPanel::abfrageStarten() {
    protokollOeffnen();
    ComFehlerSetzen(0);
    grafik_->neustart();
    erfassung_.starten();
    abfrage_.festlegen(OffenerComPort(), ComAdresse());
    {
        const QSignalBlocker blocker(abfragen_);
        abfragen_->setChecked(true);
    }
    abfragen_->setText(QStringLiteral("Abfragen beenden"));
    dateiSpeichern_->setEnabled(false);
    protokollOffen_ = erfassung_.protokoll().offen();
    dateiLed_->setOn(protokollOffen_);
    statistik_ = erfassung_.pipeline().zeitstatistik();
    planung_.starten(direkt::monotoneSekunden());
    setAcquisitionRunning(true);
    grafik_->setErfassungLaeuft(true);
    direkt::Erfassungsthread::Start start;
    start.einstellung = erfassungseinstellung();
    start.kontext = kontext_;
    start.kontext.ausgangProzent = ausgaenge_->prozent();
    start.echtzeit = true;
    // Without RLIMIT_RTPRIO, as on a desktop, the thread asks rtkit instead.
    start.vermittler = echtzeitVermitteln;
    laeuft_ = true;
    thread_.starten(start);
    abholen_.start();
}

void DirektPanel::AbfrageStoppen() {
    // The thread first: the log is its own until it stopped.
    thread_.stoppen();
    erfassung_.stoppen();
    stoppeTimerUndAnzeige();
}

void DirektPanel::stoppeTimerUndAnzeige() {
    const bool lief = laeuft_;
    laeuft_ = false;
    abholen_.stop();
    thread_.stoppen();
    // What the thread did before it stopped is shown and counted; a failure among it is
    // reported from here.
    if (lief) meldungenAbholen();
    protokollOffen_ = erfassung_.protokoll().offen();
    grafik_->setErfassungLaeuft(false);
    {
        const QSignalBlocker blocker(abfragen_);
        abfragen_->setChecked(false);
    }
    abfragen_->setText(QStringLiteral("Eingänge abfragen"));
    dateiSpeichern_->setEnabled(!grafik_->einzelbild());
    dateiLed_->setOn(protokollOffen_);
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

void DirektPanel::meldungenAbholen() {
    // A failure among the batch stops the acquisition, which takes the rest itself.
    std::vector<direkt::Abtastmeldung> stapel = std::move(vorrat_);
    thread_.abholen(stapel);
    for (const direkt::Abtastmeldung& meldung : stapel) meldungZeigen(meldung);
    vorrat_ = std::move(stapel);
    if (!laeuft_) return;

    const double jetzt = direkt::monotoneSekunden();
    zeigeStatus(jetzt);
    if (planung_.messwerteZeigen(jetzt)) zeigeMesswerte();
    Streifenschreiber* chart = streifenschreiber();
    if (chart->veraendert() && isVisible() && planung_.grafikZeichnen(jetzt)) {
        kosten_.zeichnenSekunden += chart->jetztZeichnen();
        ++kosten_.zeichnungen;
        planung_.grafikGezeichnet(direkt::monotoneSekunden());
    }
}

void DirektPanel::meldungZeigen(const direkt::Abtastmeldung& meldung) {
    statistik_ = meldung.statistik;
    protokollOffen_ = meldung.protokollOffen;
    if (meldung.art == direkt::Abtastmeldung::Art::Ausgabe) {
        if (meldung.ergebnis.gestoppt) erfassungsfehler(meldung.ergebnis);
        if (meldung.ausgabeCode != 0) ComFehlerSetzen(meldung.ausgabeCode);
        return;
    }
    abfragebits_ = meldung.abfragebits;
    if (meldung.ergebnis.verarbeitet) {
        messwert_ = meldung.messwert;
        if (grafik_->grafikAktiv()) {
            direkt::Grafikwert g;
            g.eingangProzent = meldung.messwert.prozent;
            g.ausgangProzent = meldung.ausgangProzent;
            g.datum = meldung.zeitpunkt.datum;
            g.uhrzeit = meldung.zeitpunkt.uhrzeit;
            g.laufzeit = meldung.messwert.laufzeit;
            const direkt::Zeichnung z = chart_.neuerWert(g);
            grafik_->uebernimmZeichnung(z);
            if (z.ganzesBild) {
                kosten_.zeichnenSekunden += streifenschreiber()->jetztZeichnen();
                ++kosten_.zeichnungen;
            }
        }
        planung_.neuerMesswert();
        for (std::size_t k = 0; k < 4; ++k) {
            minimumOffen_[k] = minimumOffen_[k] || messwert_.neuesMinimum[k];
            maximumOffen_[k] = maximumOffen_[k] || messwert_.neuesMaximum[k];
        }
    }
    if (meldung.ergebnis.gestoppt) {
        erfassungsfehler(meldung.ergebnis);
        return;
    }
    ++kosten_.takte;
    kosten_.summeSekunden += meldung.dauer;
    kosten_.hoechstensSekunden = std::max(kosten_.hoechstensSekunden, meldung.dauer);
}

void DirektPanel::zeigeMesswerte() {
    const direkt::Messwert& m = messwert_;
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
}

void DirektPanel::zeigeStatus(double jetzt) {
    const bool led = statistik_.zeitfehlerLed(jetzt);
    if (zeitfehlerLed_->isOn() != led) zeitfehlerLed_->setOn(led);
    if (dateiLed_->isOn() != protokollOffen_) dateiLed_->setOn(protokollOffen_);
    if (fehlerpnl_->isVisible()) fehlerpnl_->zeige(statistik_.anzeigeText());
}

void DirektPanel::abtastzeitUebernehmen() {
    intervall_ = direkt::timerIntervall(abtastzeit_->value());
    einstellungWeitergeben();
    grafik_->setAbtastzeit(abtastzeit_->value());
    grafik_->neustart();
    abtastzeit_->setFocus();
}

}  // namespace plv7::gui
