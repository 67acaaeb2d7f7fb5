#pragma once

#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "direkt/Anzeigeplanung.h"
#include "direkt/Boxabfrage.h"
#include "direkt/DirektAusgaenge.h"
#include "direkt/Direkterfassung.h"
#include "direkt/Erfassungsthread.h"
#include "direkt/Grafik.h"
#include "shell/Panel.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace plv7::gui {

class ConnectionPicture;
class DirektGrafik;
class ErrorIndicator;
class Fehlerstatistik;
class Lamp;
class Streifenschreiber;
class Zahlenfeld;
class Zeigerinstrument;

// The direct input/output window ("Ein-/Ausgabe"): the four inputs sampled at a chosen
// interval with meters, minimum and maximum, the timing statistics and a text log, composed
// with the strip chart (DirektGrafik) and the four outputs (DirektAusgaenge). The acquisition
// runs in the core's thread; this window starts and stops it, hands it settings and output
// writes, and draws what it hands over.
class DirektPanel : public Panel, private DirektAusgaenge::Leitung {
    Q_OBJECT

public:
    explicit DirektPanel(QWidget* parent = nullptr);
    ~DirektPanel() override;

    void readIni(const IniStore& store) override;
    // Leaving the window stops the acquisition first.
    void verlassen() override;
    void writeIni(IniStore& store) override;

    // At start-up, after the settings were read: chart, timer interval and scaling.
    int DirektpanelInit();
    // Ranges, decimals, values and labels of every channel for the current scaling.
    void skaliereElemente();

    // The acquisition toggle as the operator switches it.
    void abfragenUmschalten(bool ein);
    // Every stop that is not the operator's: the log is closed without its end line.
    void AbfrageStoppen();
    bool erfassungLaeuft() const;

    // The interval the sampling timer runs at.
    double timerIntervall() const { return intervall_; }
    direkt::Grafik& grafik() { return chart_; }
    Streifenschreiber* streifenschreiber() const;
    // The timing statistics as of the last tick handed over.
    const direkt::Zeitstatistik& zeitstatistik() const { return statistik_; }
    // The inputs the last tick requested (bit 0 = input 1).
    unsigned abfragebits() const { return abfragebits_; }
    // What waiting for the deadlines cost in the last acquisition; valid once it stopped.
    const direkt::Wartekosten& wartekosten() const { return thread_.wartekosten(); }
    // Whether the acquisition's thread runs with real-time priority.
    bool echtzeit() const { return thread_.echtzeit(); }

    // What the ticks cost: the work of a tick from its start to its end, without waiting, and
    // the drawing of the chart.
    struct Taktkosten {
        long takte = 0;
        double summeSekunden = 0.0;
        double hoechstensSekunden = 0.0;
        double zeichnenSekunden = 0.0;
        long zeichnungen = 0;
    };
    const Taktkosten& taktkosten() const { return kosten_; }
    void taktkostenZuruecksetzen() { kosten_ = {}; }

private:
    // Building the window (DirektPanel.cpp).
    QWidget* baueEingaenge();
    QWidget* baueSteuerung();
    QWidget* baueFusszeile();
    void baueMenues();
    void verbindeSignale();

    // Acquisition (DirektPanelAbfrage.cpp).
    void abfrageStarten();
    void stoppeTimerUndAnzeige();
    // Stops the acquisition after a failed step and shows its codes.
    void erfassungsfehler(const direkt::Taktergebnis& ergebnis);
    int ausgeben(int k, double prozent, std::function<int()> schreiben) override;
    direkt::Erfassungseinstellung erfassungseinstellung() const;
    void einstellungWeitergeben();
    // Takes what the acquisition handed over and shows it.
    void meldungenAbholen();
    void meldungZeigen(const direkt::Abtastmeldung& meldung);
    void zeigeMesswerte();
    void zeigeStatus(double jetzt);
    void abtastzeitUebernehmen();
    void einzelbildUmgeschaltet(bool ein);
    void spurUmschalten(int k);
    void protokollOeffnen();
    void bildSpeichern();
    direkt::Protokollkopf protokollkopf() const;

    std::array<Zeigerinstrument*, 4> eingang_{};
    std::array<QLineEdit*, 4> min_{};
    std::array<QLineEdit*, 4> max_{};
    std::array<QCheckBox*, 4> plot_{};
    QPushButton* minMaxReset_ = nullptr;
    QPushButton* abfragen_ = nullptr;
    Zahlenfeld* abtastzeit_ = nullptr;
    QPushButton* dateiSpeichern_ = nullptr;
    Lamp* dateiLed_ = nullptr;
    Lamp* zeitfehlerLed_ = nullptr;
    QPushButton* fehlerstatistikKnopf_ = nullptr;
    ErrorIndicator* fehleranzeige_ = nullptr;
    ConnectionPicture* bild_ = nullptr;
    QToolButton* hilfe_ = nullptr;
    Fehlerstatistik* fehlerpnl_ = nullptr;

    Boxabfrage abfrage_;
    direkt::Direkterfassung erfassung_;
    direkt::Direkterfassung::Kontext kontext_;
    direkt::Erfassungsthread thread_;
    direkt::Grafik chart_;
    // Picks up the acquisition's batches while it runs.
    QTimer abholen_;
    std::vector<direkt::Abtastmeldung> vorrat_;
    bool laeuft_ = false;
    double intervall_ = 0.5;
    // As of the last tick handed over.
    direkt::Messwert messwert_;
    direkt::Zeitstatistik statistik_;
    unsigned abfragebits_ = 0;
    bool protokollOffen_ = false;
    DirektGrafik* grafik_ = nullptr;
    DirektAusgaenge* ausgaenge_ = nullptr;
    direkt::Anzeigeplanung planung_;
    QWidget* eingaengeGruppe_ = nullptr;  // meters with their minimum and maximum
    // New extremes since the displays were last refreshed.
    std::array<bool, 4> minimumOffen_{};
    std::array<bool, 4> maximumOffen_{};
    Taktkosten kosten_;
};

// The relabelling after a change of the scaling (the configuration window calls it when
// the operator leaves it).
void Direktpanel_SkaliereElemente();

}  // namespace plv7::gui
