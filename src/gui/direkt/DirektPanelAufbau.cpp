// Building the direct window: its controls, layout and menus.
#include <QCheckBox>
#include <QDial>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ConnectionPicture.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "common/Zahlenfeld.h"
#include "common/Zeigerinstrument.h"
#include "direkt/DirektDialoge.h"
#include "direkt/DirektPanel.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "shell/Fenster.h"
#include "shell/InfoPanel.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {
namespace {

QString name(const char* control, int k = 0) {
    QString n = QStringLiteral("DIREKTPNL_") + QLatin1String(control);
    if (k > 0) n += QString::number(k);
    return n;
}

QLineEdit* anzeigefeld(QWidget* parent, const QString& objectName) {
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(objectName);
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    feld->setAlignment(Qt::AlignRight);
    return feld;
}

QLabel* beschriftung(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

QWidget* DirektPanel::baueEingaenge() {
    auto* gruppe = new QGroupBox(QStringLiteral("Eingänge"), this);
    auto* layout = new QHBoxLayout(gruppe);
    layout->setContentsMargins(6, 4, 6, 4);
    for (int k = 0; k < 4; ++k) {
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(2);
        plot_[k] = new QCheckBox(QStringLiteral("Eingang %1").arg(k + 1), gruppe);
        plot_[k]->setObjectName(name("PLOT", k + 1));
        plot_[k]->setChecked(true);
        plot_[k]->setStyleSheet(
            QStringLiteral("QCheckBox { color: %1; font-weight: bold; }").arg(spurfarbe(k).name()));
        eingang_[k] = new Zeigerinstrument(gruppe);
        eingang_[k]->setObjectName(name("EINGANG", k + 1));
        min_[k] = anzeigefeld(gruppe, name("MIN", k + 1));
        max_[k] = anzeigefeld(gruppe, name("MAX", k + 1));
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
    abfragen_->setObjectName(name("ABFRAGEN"));
    abfragen_->setCheckable(true);
    abfragen_->setMinimumHeight(34);
    QFont fett = abfragen_->font();
    fett.setBold(true);
    abfragen_->setFont(fett);

    abtastzeit_ = new Zahlenfeld(name("ABTASTZEIT"), 3, 0.1, gruppe);
    abtastzeit_->setRange(0.001, 34560.0);
    abtastzeit_->setValue(0.5);

    dateiSpeichern_ = new QPushButton(QStringLiteral("Speichern\nin Datei"), gruppe);
    dateiSpeichern_->setObjectName(name("DATEISPEICHERN"));
    dateiSpeichern_->setCheckable(true);
    dateiLed_ = new Lamp(gruppe);
    dateiLed_->setObjectName(name("DATEISPEICHERNLED"));

    zeitfehlerLed_ = new Lamp(gruppe, QColor(0xFF, 0x20, 0x20));
    zeitfehlerLed_->setObjectName(name("ZEITFEHLERLED"));
    fehlerstatistikKnopf_ = new QPushButton(QStringLiteral("Fehlerstatistik"), gruppe);
    fehlerstatistikKnopf_->setObjectName(name("FEHLERSTATISTIK"));
    minMaxReset_ = new QPushButton(QStringLiteral("min/max Reset"), gruppe);
    minMaxReset_->setObjectName(name("MINMAXRESET"));

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

QWidget* DirektPanel::baueGrafik() {
    chart_ = new Streifenschreiber(this);
    chart_->setMinimumHeight(200);
    chart_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return chart_;
}

QWidget* DirektPanel::baueGrafiksteuerung() {
    auto* gruppe = new QGroupBox(QStringLiteral("Grafik"), this);
    auto* layout = new QGridLayout(gruppe);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(3);

    grafikZeigen_ = new QCheckBox(QStringLiteral("Osziloskop aktiv"), gruppe);
    grafikZeigen_->setObjectName(name("GRAFIKZEIGEN"));
    grafikZeigen_->setChecked(true);
    const auto ganzzahlfeld = [gruppe](const QString& objekt, int von, int bis, int schritt,
                                       int wert) {
        auto* feld = new Zahlenfeld(objekt, 0, schritt, gruppe);
        feld->setGanzzahlig(true);
        feld->setRange(von, bis);
        feld->setValue(wert);
        return feld;
    };
    punkteProDiv_ = ganzzahlfeld(name("PUNKTEPRODIV"), 1, 10000, 10, 26);
    sekProDiv_ = anzeigefeld(gruppe, name("SEKPRODIV"));
    prozentProDiv_ = ganzzahlfeld(name("PROZENTPRODIV"), 1, 20, 1, 20);
    yOffset_ = ganzzahlfeld(name("YOFFSETINPROZENT"), 0, 95, 1, 0);

    int zeile = 0;
    layout->addWidget(grafikZeigen_, zeile++, 0, 1, 2);
    layout->addWidget(beschriftung(QStringLiteral("Punkte/Div"), gruppe), zeile, 0);
    layout->addWidget(punkteProDiv_, zeile++, 1);
    layout->addWidget(beschriftung(QStringLiteral("s/Div"), gruppe), zeile, 0);
    layout->addWidget(sekProDiv_, zeile++, 1);
    layout->addWidget(beschriftung(QStringLiteral("Prozent/Div"), gruppe), zeile, 0);
    layout->addWidget(prozentProDiv_, zeile++, 1);
    layout->addWidget(beschriftung(QStringLiteral("Offset in %"), gruppe), zeile, 0);
    layout->addWidget(yOffset_, zeile++, 1);
    for (int k = 0; k < 4; ++k) {
        einheitProDiv_[k] = anzeigefeld(gruppe, name("EINHEIT", k + 1) + QStringLiteral("PRODIV"));
        einheitProDivText_[k] = beschriftung(QStringLiteral("V/Div"), gruppe);
        einheitProDivText_[k]->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(spurfarbe(k).name()));
        layout->addWidget(einheitProDivText_[k], zeile, 0);
        layout->addWidget(einheitProDiv_[k], zeile++, 1);
    }

    einzelbild_ = new QCheckBox(QStringLiteral("Einzelbildmodus"), gruppe);
    einzelbild_->setObjectName(name("EINZELBILD"));
    bildSpeichern_ = new QPushButton(QStringLiteral("Bild speichern"), gruppe);
    bildSpeichern_->setObjectName(name("BILDSPEICHERN"));
    bildSpeichern_->setEnabled(false);
    verzoegert_ = new QCheckBox(QStringLiteral("verzögerte Anzeige"), gruppe);
    verzoegert_->setObjectName(name("VERZOEGERTZEICHNEN"));
    triggerKnopf_ = new QPushButton(QStringLiteral("Trigger"), gruppe);
    triggerKnopf_->setObjectName(name("TRIGGER"));
    layout->addWidget(einzelbild_, zeile++, 0, 1, 2);
    layout->addWidget(bildSpeichern_, zeile++, 0, 1, 2);
    layout->addWidget(verzoegert_, zeile++, 0, 1, 2);
    layout->addWidget(triggerKnopf_, zeile++, 0, 1, 2);
    layout->setRowStretch(zeile, 1);
    layout->setColumnStretch(1, 1);
    gruppe->setMaximumWidth(230);
    return gruppe;
}

QWidget* DirektPanel::baueAusgaenge() {
    auto* gruppe = new QGroupBox(QStringLiteral("Ausgänge"), this);
    auto* layout = new QHBoxLayout(gruppe);
    layout->setContentsMargins(6, 2, 6, 4);
    for (int k = 0; k < 4; ++k) {
        auto* feld = new QGridLayout;
        feld->setHorizontalSpacing(4);
        feld->setVerticalSpacing(2);
        regler_[k] = new QDial(gruppe);
        regler_[k]->setObjectName(name("AUSGANG", k + 1) + QStringLiteral("_REGLER"));
        regler_[k]->setRange(0, 1000);
        regler_[k]->setNotchesVisible(true);
        regler_[k]->setNotchTarget(5.0);
        regler_[k]->setWrapping(false);
        regler_[k]->setMinimumSize(64, 64);
        regler_[k]->setMaximumSize(90, 90);
        ausgang_[k] = new Zahlenfeld(name("AUSGANG", k + 1), 3, 0.01, gruppe);
        ausgang_[k]->setRange(0.0, 10.0);
        ausgangEinheit_[k] = new QLabel(QStringLiteral("V"), gruppe);
        ausgangEinheit_[k]->setObjectName(name("AUSGANG", k + 1) + QStringLiteral("_EINHEIT"));
        ausgangEinheit_[k]->setMinimumWidth(40);
        begrenzung_[k] = new Zahlenfeld(name("BEGRENZUNG", k + 1), 3, 1.0, gruppe);
        begrenzung_[k]->setRange(-1e9, 1e9);
        begrenzung_[k]->setValue(10.0);
        auto* titel = new QLabel(QStringLiteral("Ausgang %1").arg(k + 1), gruppe);
        QFont fett = titel->font();
        fett.setBold(true);
        titel->setFont(fett);
        feld->addWidget(regler_[k], 0, 0, 3, 1);
        feld->addWidget(titel, 0, 1, 1, 2);
        feld->addWidget(ausgang_[k], 1, 1);
        feld->addWidget(ausgangEinheit_[k], 1, 2);
        auto* grenze = new QHBoxLayout;
        grenze->addWidget(new QLabel(QStringLiteral("Begrenzung"), gruppe));
        grenze->addWidget(begrenzung_[k], 1);
        feld->addLayout(grenze, 2, 1, 1, 2);
        layout->addLayout(feld, 1);
    }
    aufNull_ = new QPushButton(QStringLiteral("Ausgänge\nauf Null (ESC)"), gruppe);
    aufNull_->setObjectName(name("AUSGAENGEAUFNULL"));
    aufNull_->setShortcut(QKeySequence(Qt::Key_Escape));
    aufNull_->setMinimumHeight(48);
    layout->addWidget(aufNull_);
    return gruppe;
}

QWidget* DirektPanel::baueFusszeile() {
    auto* zeile = new QWidget(this);
    auto* layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 0, 0, 0);
    fehleranzeige_ = new ErrorIndicator(QStringLiteral("DIREKTPNL"), zeile);
    bild_ = new ConnectionPicture(QStringLiteral("DIREKTPNL_PICTURERING"), zeile);
    hilfe_ = new QToolButton(zeile);
    hilfe_->setObjectName(name("DIREKTHILFE"));
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
            [this] { grafikAlsBildSpeichern(); });
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

}  // namespace plv7::gui
