#include "direkt/DirektPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Begleitdialoge.h"
#include "common/ConnectionPicture.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "common/Neuskalierung.h"
#include "common/Zahlenfeld.h"
#include "common/Zeigerinstrument.h"
#include "direkt/DirektDialoge.h"
#include "direkt/DirektGemeinsam.h"
#include "direkt/DirektGrafik.h"
#include "direkt/DirektSettings.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigFelder.h"
#include "shell/Fenster.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {
namespace {

void hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    const auto text = [&hilfe](const QString& name, const char* t) {
        hilfe.addText(name, QString::fromUtf8(t));
    };
    for (int k = 1; k <= 4; ++k) {
        text(direktName("EINGANG", k),
             "Analogeingang der PLV-7, dargestellt mit einem\nnachgebildeten Zeigerinstrument "
             "sowie einem\nZahlenwert. Die Eingänge werden gelesen, wenn\nder Knopf 'Eingänge "
             "lesen' aktiviert wurde.\nDie Einheit der Zahlenwerte entspricht der Einheit,\ndie "
             "im Fenster 'Konfiguration' eingestellt wurde.");
        text(direktName("MIN", k),
             "Kleinster aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf "
             "'min/max Reset' zurück-\ngesetzt werden.");
        text(direktName("MAX", k),
             "Größter aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf "
             "'min/max Reset'\nzurückgesetzt werden.");
        text(direktName("PLOT", k), "Bestimmt, ob dieser Eingang\nabgefragt wird.");
    }
    text(direktName("MINMAXRESET"), "Setzt alle Min- und Max-Werte zurück.");
    text(direktName("ABFRAGEN"), "Schaltet die laufende Abfrage der\nEingänge ein und aus.");
    text(direktName("ABTASTZEIT"),
         "Das Zeitintervall mit dem die Eingänge\nder PLV-7 abgefragt werden, wenn "
         "'Eingänge\nabfragen' aktiv ist.");
    text(direktName("DATEISPEICHERN"),
         "Protokollieren der Ein- und Ausgänge in eine Textdatei.\nNicht im Einzelbildmodus "
         "verfügbar.");
    text(direktName("DATEISPEICHERNLED"), "LED grün -> speichern in eine Datei ist aktiv.");
    text(direktName("ZEITFEHLERLED"),
         "Diese LED blinkt kurz auf, wenn die Zeit zwischen zwei\nMessungen nicht mit der "
         "eingestellten Zeit übereinstimmt\n(Genauere Informationen über die Zeitfehler "
         "erhällt man\nmit dem Knopf 'Fehlerstatistik').");
    text(direktName("FEHLERSTATISTIK"),
         "Öffnet das Fenster mit den Details über\ndie aufgetretenen Zeitraster-Fehler.");
    text(QStringLiteral("FEHLERPNL_OK"), "Schließt das Fenster.");
    text(QStringLiteral("FEHLERPNL_FEHLERDURCHSCHNITT"),
         "Der Durchschnitt aus allen Fehlern als\nAbweichung in Milisekunden.");
    text(QStringLiteral("FEHLERPNL_FEHLERMAX"),
         "Der größte aufgetretene Fehler. als\nAbweichung in Milisekunden.");
    text(QStringLiteral("FEHLERPNL_LETZTEABWEICHUNG"),
         "Die Größe des Fehlers bei der letzten\nfehlerhaften Abtastung als Abweichung\nin "
         "Milisekunden.");
    text(QStringLiteral("FEHLERPNL_FEHLERMIN"),
         "Der kleinste aufgetretene Fehler als\nAbweichung in Milisekunden.");
    text(QStringLiteral("FEHLERPNL_FEHLERPROZENT"),
         "Die Anzahl der fehlerhaften Abtastungen\nin Prozent.");
    text(QStringLiteral("FEHLERPNL_MESSUNGENGESAMMT"),
         "Gesammtzahl der Messungen, deren Zeitraster in\nin die Fehlerstatistik eingeht.");
    text(QStringLiteral("FEHLERPNL_FEHLERGESAMMT"),
         "Die Gesammtzahl der Fehlerhaften Abtastungen,\ndie in die Fehlerstatistik eingehen.");
}

// The window takes the acquisition's batches this often: more would not show more, since
// the eye cannot follow it, but would take processor time from the acquisition.
constexpr int kAbholAbstandMs = 15;

}  // namespace

DirektPanel::DirektPanel(QWidget* parent)
    : Panel(QStringLiteral("DIREKTPNL"), QStringLiteral("Ein-/Ausgabe"), parent),
      erfassung_(abfrage_),
      thread_(erfassung_) {
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
    grafik_ = new DirektGrafik(chart_, this);
    ausgaenge_ = new DirektAusgaenge(*this, this);
    content()->addLayout(oben, 0);
    content()->addWidget(grafik_, 1);
    content()->addWidget(ausgaenge_);
    content()->addWidget(baueFusszeile());

    fehlerpnl_ = new Fehlerstatistik(this);
    new Begleitdialoge(this, {fehlerpnl_});
    verbindeSignale();
    hilfetexteEintragen();
    abholen_.setInterval(kAbholAbstandMs);
    connect(&abholen_, &QTimer::timeout, this, [this] { meldungenAbholen(); });
}

DirektPanel::~DirektPanel() {
    thread_.stoppen();
    erfassung_.stoppen();
}

QWidget* DirektPanel::baueEingaenge() {
    auto* gruppe = new QGroupBox(QStringLiteral("Eingänge"), this);
    auto* layout = new QHBoxLayout(gruppe);
    layout->setContentsMargins(6, 4, 6, 4);
    for (int k = 0; k < 4; ++k) {
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(2);
        plot_[k] = new QCheckBox(QStringLiteral("Eingang %1").arg(k + 1), gruppe);
        plot_[k]->setObjectName(direktName("PLOT", k + 1));
        plot_[k]->setChecked(true);
        plot_[k]->setStyleSheet(
            QStringLiteral("QCheckBox { color: %1; font-weight: bold; }").arg(spurfarbe(k).name()));
        eingang_[k] = new Zeigerinstrument(gruppe);
        eingang_[k]->setObjectName(direktName("EINGANG", k + 1));
        min_[k] = anzeigefeld(gruppe, direktName("MIN", k + 1));
        max_[k] = anzeigefeld(gruppe, direktName("MAX", k + 1));
        auto* minmax = new QGridLayout;
        minmax->setHorizontalSpacing(4);
        minmax->setVerticalSpacing(2);
        minmax->addWidget(beschriftung(QStringLiteral("min"), gruppe), 0, 0);
        minmax->addWidget(min_[k], 0, 1);
        minmax->addWidget(beschriftung(QStringLiteral("max"), gruppe), 1, 0);
        minmax->addWidget(max_[k], 1, 1);
        spalte->addWidget(plot_[k]);
        spalte->addWidget(eingang_[k], 1);
        spalte->addLayout(minmax);
        layout->addLayout(spalte, 1);
    }
    return gruppe;
}

QWidget* DirektPanel::baueSteuerung() {
    auto* gruppe = new QGroupBox(QStringLiteral("Abfrage"), this);
    auto* layout = new QGridLayout(gruppe);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(4);

    abfragen_ = new QPushButton(QStringLiteral("Eingänge abfragen"), gruppe);
    abfragen_->setObjectName(direktName("ABFRAGEN"));
    abfragen_->setCheckable(true);
    abfragen_->setMinimumHeight(34);
    QFont fett = abfragen_->font();
    fett.setBold(true);
    abfragen_->setFont(fett);

    abtastzeit_ = new Zahlenfeld(direktName("ABTASTZEIT"), 3, 0.1, gruppe);
    abtastzeit_->setRange(0.001, 34560.0);
    abtastzeit_->setValue(0.5);

    dateiSpeichern_ = new QPushButton(QStringLiteral("Speichern\nin Datei"), gruppe);
    dateiSpeichern_->setObjectName(direktName("DATEISPEICHERN"));
    dateiSpeichern_->setCheckable(true);
    dateiLed_ = new Lamp(gruppe);
    dateiLed_->setObjectName(direktName("DATEISPEICHERNLED"));

    zeitfehlerLed_ = new Lamp(gruppe, QColor(0xFF, 0x20, 0x20));
    zeitfehlerLed_->setObjectName(direktName("ZEITFEHLERLED"));
    fehlerstatistikKnopf_ = new QPushButton(QStringLiteral("Fehlerstatistik"), gruppe);
    fehlerstatistikKnopf_->setObjectName(direktName("FEHLERSTATISTIK"));
    minMaxReset_ = new QPushButton(QStringLiteral("min/max Reset"), gruppe);
    minMaxReset_->setObjectName(direktName("MINMAXRESET"));

    layout->addWidget(abfragen_, 0, 0, 1, 3);
    layout->addWidget(beschriftung(QStringLiteral("Abtastzeit [s]"), gruppe), 1, 0);
    layout->addWidget(abtastzeit_, 1, 1, 1, 2);
    layout->addWidget(dateiSpeichern_, 2, 0, 1, 2);
    layout->addWidget(dateiLed_, 2, 2, Qt::AlignCenter);
    auto* zeitfehler = new QHBoxLayout;
    zeitfehler->setSpacing(6);
    zeitfehler->addWidget(zeitfehlerLed_);
    zeitfehler->addWidget(new QLabel(QStringLiteral("Zeitfehler"), gruppe));
    zeitfehler->addStretch(1);
    layout->addLayout(zeitfehler, 3, 0);
    layout->addWidget(fehlerstatistikKnopf_, 3, 1, 1, 2);
    layout->addWidget(minMaxReset_, 4, 0, 1, 3);
    layout->setRowStretch(5, 1);
    return gruppe;
}

QWidget* DirektPanel::baueFusszeile() {
    auto* zeile = new QWidget(this);
    auto* layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 0, 0, 0);
    fehleranzeige_ = new ErrorIndicator(QStringLiteral("DIREKTPNL"), zeile);
    bild_ = new ConnectionPicture(QStringLiteral("DIREKTPNL_PICTURERING"), zeile);
    hilfe_ = new QToolButton(zeile);
    hilfe_->setObjectName(direktName("DIREKTHILFE"));
    hilfe_->setMinimumSize(32, 32);
    Direkthilfe::instance().addToggle(hilfe_);
    layout->addWidget(fehleranzeige_, 1);
    layout->addWidget(bild_);
    layout->addWidget(hilfe_);
    return zeile;
}

void DirektPanel::baueMenues() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("DIREKT"));
    const auto eintrag = [this](QMenu* menu, const QString& text, const char* objekt,
                                auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(objekt));
        befehlVerbinden(action, &QAction::triggered, this, handler);
        return action;
    };
    Programmaktionen& programm = Programmaktionen::instance();
    QMenu* datei = leiste->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("DIREKT_DATEI"));
    eintrag(datei, QStringLiteral("Grafik als Bild speichern…"), "DIREKT_DATEI_GRAFIKBILD",
            [this] { grafik_->alsBildSpeichern(); });
    datei->addSeparator();
    datei->addAction(programm.beenden());

    QMenu* fenster = leiste->addMenu(QStringLiteral("Konfiguration"));
    fenster->setObjectName(QStringLiteral("DIREKT_FENSTER"));
    fensterEintrag(fenster, QStringLiteral("COM-Schnittstelle"),
                   QStringLiteral("DIREKT_FENSTER_COM"), &gCompanel);
    fensterEintrag(fenster, QStringLiteral("Skalierung"), QStringLiteral("DIREKT_FENSTER_KONFIG"),
                   &gKonfigpanel);
    fenster->addSeparator();
    static Panel* const kHauptfenster = nullptr;
    fensterEintrag(fenster, QStringLiteral("Hauptfenster"), QStringLiteral("DIREKT_FENSTER_HAUPT"),
                   &kHauptfenster);

    QMenu* hilfe = leiste->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("DIREKT_HILFE"));
    eintrag(hilfe, QStringLiteral("PLV-7 Pinbelegung"), "DIREKT_HILFE_PINS", [] {
        dialoge().message(
            QStringLiteral("PLV-7 Pinbelegung"),
            QStringLiteral("Pinbelegung\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    "
                           "Ausgang 1\nPin 4:    GND\nPin 5:    Ausgang 2\nPin 6:    GND\nPin "
                           "7:    Ausgang 3\nPin 8:    GND\nPin 9:    Ausgang 4\nPin 10:  "
                           "Eingang 1\nPin 11:  GND\nPin 12:  Eingang 2\nPin 13:  GND\nPin 14:  "
                           "Eingang 3\nPin 15:  GND\nPin 16:  Eingang 4"));
    });
    hilfe->addAction(programm.info());
}

void DirektPanel::verbindeSignale() {
    for (int k = 0; k < 4; ++k) {
        connect(plot_[k], &QCheckBox::toggled, this, [this, k] { spurUmschalten(k); });
    }
    befehlVerbinden(
        abfragen_, &QPushButton::clicked, this,
        [this] { abfragenUmschalten(abfragen_->isChecked()); },
        [this] {
            const QSignalBlocker blocker(abfragen_);
            abfragen_->toggle();
        });
    befehlVerbinden(abtastzeit_, &Zahlenfeld::valueChanged, this,
                    [this] { abtastzeitUebernehmen(); });
    befehlVerbinden(minMaxReset_, &QPushButton::clicked, this, [this] {
        if (laeuft_) {
            thread_.minMaxZuruecksetzen();
        } else {
            erfassung_.pipeline().minMaxZuruecksetzen();
        }
    });
    befehlVerbinden(fehlerstatistikKnopf_, &QPushButton::clicked, this, [this] {
        fehlerpnl_->zeige(statistik_.anzeigeText());
        fehlerpnl_->show();
        fehlerpnl_->raise();
    });
    connect(grafik_, &DirektGrafik::einzelbildUmgeschaltet, this,
            [this](bool ein) { einzelbildUmgeschaltet(ein); });
    connect(grafik_, &DirektGrafik::bildSpeichernVerlangt, this, [this] { bildSpeichern(); });
}

int DirektPanel::DirektpanelInit() {
    grafik_->setAbtastzeit(abtastzeit_->value());
    grafik_->init();
    for (int k = 0; k < 4; ++k) grafik_->setSpurSichtbar(k, plot_[k]->isChecked());
    intervall_ = direkt::timerIntervall(abtastzeit_->value());
    skaliereElemente();
    return 0;
}

void DirektPanel::skaliereElemente() {
    const direkt::Messwert& m = messwert_;
    for (int k = 0; k < 4; ++k) {
        const direkt::Kanalanzeige ein =
            direkt::skaliereKanal(eingangCodeInEinheit, k, m.prozent[k]);
        eingang_[k]->setBereich(ein.lo, ein.hi);
        eingang_[k]->setNachkommastellen(ein.nachkommastellen);
        eingang_[k]->setWert(ein.wert);
        eingang_[k]->setEinheit(EinheitAlsText(gKonfig.ineinheit[k]));
        min_[k]->setText(extremwertText(ein.wert, ein.nachkommastellen));
        max_[k]->setText(extremwertText(ein.wert, ein.nachkommastellen));
    }
    ausgaenge_->skalieren();
    grafik_->skalieren();
}

void Direktpanel_SkaliereElemente() {
    if (auto* panel = qobject_cast<DirektPanel*>(gDirektpanel)) panel->skaliereElemente();
}

Streifenschreiber* DirektPanel::streifenschreiber() const {
    return grafik_->streifenschreiber();
}

void DirektPanel::spurUmschalten(int k) {
    grafik_->setSpurSichtbar(k, plot_[k]->isChecked());
    einstellungWeitergeben();
}

void DirektPanel::readIni(const IniStore& store) {
    const DirektSettings s = readDirektSettings(store);
    {
        const QSignalBlocker blocker(abtastzeit_);
        if (s.abtastzeit) abtastzeit_->setValue(*s.abtastzeit);
    }
    for (int k = 0; k < 4; ++k) {
        const QSignalBlocker blocker(plot_[k]);
        plot_[k]->setChecked(s.kurve[k]);
    }
    dateiSpeichern_->setEnabled(!s.einzelbild);
    if (s.einzelbild) dateiSpeichern_->setChecked(false);
    ausgaenge_->einstellungenUebernehmen(s);
    grafik_->einstellungenUebernehmen(s);
}

void DirektPanel::writeIni(IniStore& store) {
    DirektSettings s;
    for (int k = 0; k < 4; ++k) s.kurve[k] = plot_[k]->isChecked();
    s.abtastzeit = abtastzeit_->value();
    ausgaenge_->einstellungenEintragen(s);
    grafik_->einstellungenEintragen(s);
    writeDirektSettings(store, s);
}

void DirektPanel::verlassen() {
    AbfrageStoppen();
}

}  // namespace plv7::gui
