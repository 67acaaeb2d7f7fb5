#pragma once

#include <array>
#include <memory>

#include "direkt/Anzeigeplanung.h"
#include "direkt/DirektAusgaenge.h"
#include "direkt/Direkterfassung.h"
#include "direkt/PraeziserTakt.h"
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
// with the strip chart (DirektGrafik) and the four outputs (DirektAusgaenge). Everything the
// tick decides is the core's acquisition; this window drives it with its timer and shows
// what it says.
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
    double timerIntervall() const { return takt_.intervall(); }
    direkt::Direkterfassung& erfassung() { return erfassung_; }
    Streifenschreiber* streifenschreiber() const;
    PraeziserTakt& takt() { return takt_; }

    // What the ticks cost: the work of a tick from its start to its end, without waiting.
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
    // The sampling tick's access to the box (DirektPanelAbfrage.cpp).
    static std::unique_ptr<direkt::Eingangsabfrage> boxabfrage();

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
    // Collects the answer the next tick expects before another exchange takes the line.
    void antwortVorziehen() override;
    void abtasttakt();
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

    std::unique_ptr<direkt::Eingangsabfrage> abfrage_;
    direkt::Direkterfassung erfassung_;
    direkt::Direkterfassung::Kontext kontext_;
    PraeziserTakt takt_;
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
