#include "direkt/DirektPanel.h"
#include "common/Neuskalierung.h"
#include "konfig/KonfigFelder.h"

#include <QCheckBox>
#include <QDate>
#include <QDial>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTime>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string>

#include "base/NumberText.h"
#include "base/ORV_errorV3ibox.h"
#include "base/Zahlanzeige.h"
#include "com/ComPort.h"
#include "common/Begleitdialoge.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "common/Zahlenfeld.h"
#include "common/Zeigerinstrument.h"
#include "direkt/Bildexport.h"
#include "direkt/DirektDialoge.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigUmrechnung.h"
#include "link/OhnePort.h"
#include "link/plv7Funktionen.h"
#include "shell/Fenster.h"

namespace plv7::gui {
namespace {

constexpr const char* kAusgangKanal[4] = {"a1", "a2", "a3", "a4"};

// Room in the minimum and maximum fields; an absurd scaling is shown in %g form instead.
constexpr int kFeldZeichen = 14;

QString text(double wert, int stellen) {
    return QString::fromStdString(zahlFuerAnzeige(wert, stellen, kFeldZeichen));
}

std::string plattformDatum() {
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")).toStdString();
}
std::string plattformUhrzeit() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

}  // namespace

Dialoge::FileRequest protokollDateiAnfrage() {
    Dialoge::FileRequest anfrage{
        QStringLiteral("Datei zum Speichern/Erweitern"), QStringLiteral("*.txt"), true, {}};
    // The log is appended to an existing file, so there is nothing to replace and nothing to ask.
    anfrage.extend = true;
    return anfrage;
}

// The sampling tick's access to the box: the short multi-input read of the driver on the
// port and address of the serial-port window.
class DirektPanel::Abfrage : public direkt::Eingangsabfrage {
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

DirektPanel::DirektPanel(QWidget* parent)
    : Panel(QStringLiteral("DIREKTPNL"), QStringLiteral("Ein-/Ausgabe"), parent),
      abfrage_(std::make_unique<Abfrage>()),
      erfassung_(*abfrage_),
      takt_([this] { abtasttakt(); }) {
    // Numbers in every field use a dot, whatever the operator's locale.
    setLocale(QLocale::c());
    kontext_.eingangCodeInEinheit = eingangCodeInEinheit;
    kontext_.ausgangCodeInEinheit = ausgangCodeInEinheit;

    // Leaving the configuration window relabels this window from the new scaling.
    NeuskalierungAnmelden(this, [this] { skaliereElemente(); });
    baueMenues();
    auto* oben = new QHBoxLayout;
    eingaengeGruppe_ = baueEingaenge();
    oben->addWidget(eingaengeGruppe_, 1);
    oben->addWidget(baueSteuerung());
    auto* mitte = new QHBoxLayout;
    auto* grafikSpalte = new QVBoxLayout;
    grafikSpalte->setSpacing(0);
    triggertext_ = new QLabel(this);
    triggertext_->setObjectName(QStringLiteral("DIREKTPNL_TRIGGERTEXT"));
    triggertext_->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    triggertext_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Kept clear of the heading of the chart settings beside it.
    triggertext_->setIndent(triggertext_->fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    triggertext_->setMinimumHeight(triggertext_->fontMetrics().height());
    grafikSpalte->addWidget(triggertext_);
    grafikSpalte->addWidget(baueGrafik(), 1);
    mitte->addLayout(grafikSpalte, 1);
    mitte->addWidget(baueGrafiksteuerung());
    content()->addLayout(oben, 0);
    content()->addLayout(mitte, 1);
    content()->addWidget(baueAusgaenge());
    content()->addWidget(baueFusszeile());

    fehlerpnl_ = new Fehlerstatistik(this);
    triggerpnl_ = new Triggerdialog(this);
    new Begleitdialoge(this, {fehlerpnl_, triggerpnl_});
    verbindeSignale();
    hilfetexteEintragen();
    einzelbildAuchImHilfemodus();
}

DirektPanel::~DirektPanel() {
    takt_.stoppen();
    erfassung_.stoppen();
}

void DirektPanel::verbindeSignale() {
    for (int k = 0; k < 4; ++k) {
        befehlVerbinden(
            ausgang_[k], &Zahlenfeld::valueChanged, this, [this, k] { ausgangGeaendert(k); },
            [this, k] { reglerNachfuehren(k); });
        befehlVerbinden(
            regler_[k], &QDial::valueChanged, this, [this, k] { reglerBewegt(k); },
            [this, k] { reglerNachfuehren(k); });
        connect(plot_[k], &QCheckBox::toggled, this, [this, k] { spurUmschalten(k); });
    }
    befehlVerbinden(aufNull_, &QPushButton::clicked, this, [this] { ausgaengeAufNull(); });
    befehlVerbinden(
        abfragen_, &QPushButton::clicked, this,
        [this] { abfragenUmschalten(abfragen_->isChecked()); },
        [this] {
            const QSignalBlocker blocker(abfragen_);
            abfragen_->toggle();
        });
    befehlVerbinden(abtastzeit_, &Zahlenfeld::valueChanged, this,
                    [this] { abtastzeitUebernehmen(); });
    befehlVerbinden(minMaxReset_, &QPushButton::clicked, this,
                    [this] { erfassung_.pipeline().minMaxZuruecksetzen(); });
    befehlVerbinden(fehlerstatistikKnopf_, &QPushButton::clicked, this, [this] {
        fehlerpnl_->zeige(erfassung_.pipeline().zeitstatistik().anzeigeText());
        fehlerpnl_->show();
        fehlerpnl_->raise();
    });
    befehlVerbinden(triggerKnopf_, &QPushButton::clicked, this, [this] {
        triggerpnl_->show();
        triggerpnl_->raise();
    });
    triggerpnl_->geaendert = [this](bool neustart) { triggerGeaendert(neustart); };
    connect(grafikZeigen_, &QCheckBox::toggled, this, [this] { grafikZeigenUmschalten(); });
    connect(einzelbild_, &QCheckBox::toggled, this, [this] { einzelbildUmschalten(); });
    connect(verzoegert_, &QCheckBox::toggled, this, [this] { verzoegertUmschalten(); });
    befehlVerbinden(bildSpeichern_, &QPushButton::clicked, this, [this] { bildSpeichern(); });
    connect(punkteProDiv_, &Zahlenfeld::valueChanged, this, [this] { grafikEinteilung(); });
    connect(prozentProDiv_, &Zahlenfeld::valueChanged, this, [this] { yAchseEinteilung(); });
    connect(yOffset_, &Zahlenfeld::valueChanged, this, [this] { yAchseEinteilung(); });
}

int DirektPanel::DirektpanelInit() {
    ausgangProzent_.fill(0.0);
    grafikEinteilung();
    yAchseEinteilung();
    triggerGeaendert(true);
    for (int k = 0; k < 4; ++k) chart_->setSpurSichtbar(k, plot_[k]->isChecked());
    takt_.setIntervall(direkt::timerIntervall(abtastzeit_->value()));
    sekundenProDiv();
    skaliereElemente();
    return 0;
}

void DirektPanel::skaliereElemente() {
    const direkt::Messwert& m = erfassung_.pipeline().messwert();
    for (int k = 0; k < 4; ++k) {
        const direkt::Kanalanzeige ein =
            direkt::skaliereKanal(eingangCodeInEinheit, k, m.prozent[k]);
        eingang_[k]->setBereich(ein.lo, ein.hi);
        eingang_[k]->setNachkommastellen(ein.nachkommastellen);
        eingang_[k]->setWert(ein.wert);
        eingang_[k]->setEinheit(EinheitAlsText(gKonfig.ineinheit[k]));
        min_[k]->setText(text(ein.wert, ein.nachkommastellen));
        max_[k]->setText(text(ein.wert, ein.nachkommastellen));

        const direkt::Kanalanzeige aus =
            direkt::skaliereKanal(ausgangCodeInEinheit, k, ausgangProzent_[k]);
        {
            const QSignalBlocker blocker(ausgang_[k]);
            ausgang_[k]->setDecimals(aus.nachkommastellen);
            ausgang_[k]->setRange(aus.untergrenze(), aus.obergrenze());
            ausgang_[k]->setSingleStep(std::pow(10.0, -aus.nachkommastellen) * 10.0);
            ausgang_[k]->setValue(aus.wert);
        }
        reglerNachfuehren(k);
        ausgangEinheit_[k]->setText(EinheitAlsText(gKonfig.outeinheit[k]));
        const QSignalBlocker blocker(begrenzung_[k]);
        begrenzung_[k]->setDecimals(aus.nachkommastellen);
    }
    einheitProDiv();
}

void Direktpanel_SkaliereElemente() {
    if (auto* panel = qobject_cast<DirektPanel*>(gDirektpanel)) panel->skaliereElemente();
}

// Outputs.

void DirektPanel::reglerNachfuehren(int k) {
    const Zahlenfeld* feld = ausgang_[k];
    const double spanne = feld->maximum() - feld->minimum();
    const double anteil = spanne > 0.0 ? (feld->value() - feld->minimum()) / spanne : 0.0;
    const QSignalBlocker blocker(regler_[k]);
    regler_[k]->setValue(static_cast<int>(std::lround(anteil * regler_[k]->maximum())));
}

void DirektPanel::reglerBewegt(int k) {
    Zahlenfeld* feld = ausgang_[k];
    const double anteil = static_cast<double>(regler_[k]->value()) / regler_[k]->maximum();
    feld->setValue(feld->minimum() + anteil * (feld->maximum() - feld->minimum()));
}

void DirektPanel::ausgangGeaendert(int k) {
    reglerNachfuehren(k);
    ComFehlerSetzen(0);
    AusgangSetzen(k);
    ausgang_[k]->setFocus();
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

int DirektPanel::AusgangSetzen(int k) {
    // The control never shows more than its limit, with or without a port, nor less than
    // its range.
    const double wert = ausgang_[k]->value();
    const double begrenzt =
        eingabeBegrenzen(wert, ausgang_[k]->bereich().hoechstens(begrenzung_[k]->value()));
    if (begrenzt != wert) {
        const QSignalBlocker blocker(ausgang_[k]);
        ausgang_[k]->setValue(begrenzt);
        reglerNachfuehren(k);
    }
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(kAusgangOhnePort);
        return kAusgangOhnePort;
    }
    const char adresse = ComAdresse();
    const direkt::Ausgangswert a =
        direkt::ausgangswert(ausgangEinheitInSpannung, k, ausgang_[k]->value(), gKonfig.voutmax);
    ausgangProzent_[k] = a.prozent;
    antwortVorziehen();
    const int code = ORVPLV7_AusgangSchreiben(port, adresse, kAusgangKanal[k], a.volts);
    if (code != 0) ComFehlerSetzen(code);
    return code;
}

int DirektPanel::AusgangAufNull(int k) {
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(kAusgangOhnePort);
        return kAusgangOhnePort;
    }
    const char adresse = ComAdresse();
    const double null = direkt::ausgangNullwert(ausgangCodeInEinheit, k);
    {
        const QSignalBlocker blocker(ausgang_[k]);
        ausgang_[k]->setValue(null);
    }
    reglerNachfuehren(k);
    const direkt::Ausgangswert a =
        direkt::ausgangswert(ausgangEinheitInSpannung, k, null, gKonfig.voutmax);
    ausgangProzent_[k] = a.prozent;
    antwortVorziehen();
    const int code = ORVPLV7_AusgangSchreiben(port, adresse, kAusgangKanal[k], a.volts);
    if (code != 0) ComFehlerSetzen(code);
    return code;
}

void DirektPanel::ausgaengeAufNull() {
    ComFehlerSetzen(0);
    for (int k = 0; k < 4; ++k) AusgangAufNull(k);
}

// Acquisition.

bool DirektPanel::erfassungLaeuft() const {
    return takt_.aktiv();
}

void DirektPanel::abfragenUmschalten(bool ein) {
    for (int k = 0; k < 4; ++k) {
        if (AusgangSetzen(k) != 0) {
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

void DirektPanel::abfrageStarten() {
    protokollOeffnen();
    ComFehlerSetzen(0);
    grafikNeustart();
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
    takt_.starten(direkt::timerIntervall(abtastzeit_->value()));
}

void DirektPanel::AbfrageStoppen() {
    erfassung_.stoppen();
    stoppeTimerUndAnzeige();
}

void DirektPanel::stoppeTimerUndAnzeige() {
    const bool lief = takt_.aktiv();
    takt_.stoppen();
    {
        const QSignalBlocker blocker(abfragen_);
        abfragen_->setChecked(false);
    }
    abfragen_->setText(QStringLiteral("Eingänge abfragen"));
    dateiSpeichern_->setEnabled(!einzelbild_->isChecked());
    dateiLed_->setOn(erfassung_.protokoll().offen());
    zeitfehlerLed_->setOn(false);
    triggertext_->clear();
    if (lief) {
        zeigeMesswerte();
        if (chart_->veraendert()) chart_->jetztZeichnen();
    }
    setAcquisitionRunning(false);
}

void DirektPanel::abtasttakt() {
    const double jetzt = PraeziserTakt::jetzt();
    kontext_.zeitpunkt = direkt::leseAbtastzeitpunkt(plattformDatum, plattformUhrzeit);
    kontext_.ausgangProzent = ausgangProzent_;
    kontext_.grafikAktiv = grafikZeigen_->isChecked();
    direkt::Takteingabe eingabe;
    eingabe.jetzt = jetzt;
    eingabe.intervall = takt_.intervall();
    for (int k = 0; k < 4; ++k) eingabe.plot[k] = plot_[k]->isChecked();
    eingabe.vinmax = gKonfig.vinmax;

    const direkt::Direkterfassung::Takt t = erfassung_.takt(eingabe, kontext_);
    uebernimmZeichnung(t.zeichnung);
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
        kosten_.zeichnenSekunden += chart_->jetztZeichnen();
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
    if (chart_->veraendert() && isVisible() &&
        planung_.grafikZeichnen(nachher, takt_.restBisFaellig(),
                                chart_->geschaetzteZeichendauer())) {
        kosten_.zeichnenSekunden += chart_->jetztZeichnen();
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
        if (minimumOffen_[k])
            min_[k]->setText(text(::EingangSpannungInEinheit(k, m.minimum[k]), stellen));
        if (maximumOffen_[k])
            max_[k]->setText(text(::EingangSpannungInEinheit(k, m.maximum[k]), stellen));
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
    sekundenProDiv();
    grafikNeustart();
    abtastzeit_->setFocus();
}

void DirektPanel::verlassen() {
    AbfrageStoppen();
}

}  // namespace plv7::gui
