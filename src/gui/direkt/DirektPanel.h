#pragma once

#include <array>
#include <memory>

#include "direkt/Anzeigeplanung.h"
#include "direkt/Direkterfassung.h"
#include "direkt/PraeziserTakt.h"
#include "hilfe/Dialoge.h"
#include "konfig/KonfigUmrechnung.h"
#include "shell/Panel.h"

class QCheckBox;
class QDial;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace plv7::gui {

class ConnectionPicture;
class ErrorIndicator;
class Fehlerstatistik;
class Lamp;
class Streifenschreiber;
class Triggerdialog;
class Zahlenfeld;
class Zeigerinstrument;

// The direct input/output window ("Ein-/Ausgabe"): the four outputs set in user units, the
// four inputs sampled at a chosen interval with meters, minimum and maximum, the timing
// statistics, a text log and the strip chart with its trigger. Everything the tick decides
// is the core's acquisition; this window drives it with its timer and shows what it says.
class DirektPanel : public Panel {
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

    // Writes output k (0..3) from its control, pulled back to its limit first; the result
    // also goes to the error fields. 0 or a code.
    int AusgangSetzen(int k);
    // Sets output k to the user value zero, held inside the channel's range.
    int AusgangAufNull(int k);

    // The acquisition toggle as the operator switches it.
    void abfragenUmschalten(bool ein);
    // Every stop that is not the operator's: the log is closed without its end line.
    void AbfrageStoppen();
    bool erfassungLaeuft() const;

    // The interval the sampling timer runs at.
    double timerIntervall() const { return takt_.intervall(); }
    direkt::Direkterfassung& erfassung() { return erfassung_; }
    Streifenschreiber* streifenschreiber() const { return chart_; }
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
    class Abfrage;

    // Building the window (DirektPanelAufbau.cpp).
    QWidget* baueEingaenge();
    QWidget* baueSteuerung();
    QWidget* baueGrafik();
    QWidget* baueGrafiksteuerung();
    QWidget* baueAusgaenge();
    QWidget* baueFusszeile();
    void baueMenues();
    void verbindeSignale();
    void hilfetexteEintragen();
    void einzelbildAuchImHilfemodus();

    // Acquisition (DirektPanel.cpp).
    void abfrageStarten();
    void stoppeTimerUndAnzeige();
    // Stops the acquisition after a failed step and shows its codes.
    void erfassungsfehler(const direkt::Taktergebnis& ergebnis);
    // Collects the answer the next tick expects before another exchange takes the line.
    void antwortVorziehen();
    void abtasttakt();
    void zeigeMesswerte();
    void zeigeStatus(double jetzt);
    void abtastzeitUebernehmen();
    void ausgangGeaendert(int k);
    void reglerBewegt(int k);
    void reglerNachfuehren(int k);
    void ausgaengeAufNull();
    void protokollOeffnen();
    direkt::Protokollkopf protokollkopf() const;

    // Chart (DirektPanelGrafik.cpp).
    void grafikNeustart();
    void grafikEinteilung();
    void yAchseEinteilung();
    void einheitProDiv();
    void sekundenProDiv();
    void triggerGeaendert(bool neustart);
    void einzelbildUmschalten();
    void verzoegertUmschalten();
    void grafikZeigenUmschalten();
    void spurUmschalten(int k);
    void uebernimmZeichnung(const direkt::Zeichnung& zeichnung);
    void bildSpeichern();
    void grafikAlsBildSpeichern();

    std::array<Zeigerinstrument*, 4> eingang_{};
    std::array<QLineEdit*, 4> min_{};
    std::array<QLineEdit*, 4> max_{};
    std::array<QCheckBox*, 4> plot_{};
    QPushButton* minMaxReset_ = nullptr;
    std::array<Zahlenfeld*, 4> ausgang_{};
    std::array<QDial*, 4> regler_{};
    std::array<QLabel*, 4> ausgangEinheit_{};
    std::array<Zahlenfeld*, 4> begrenzung_{};
    QPushButton* aufNull_ = nullptr;
    QPushButton* abfragen_ = nullptr;
    Zahlenfeld* abtastzeit_ = nullptr;
    QPushButton* dateiSpeichern_ = nullptr;
    Lamp* dateiLed_ = nullptr;
    Lamp* zeitfehlerLed_ = nullptr;
    QPushButton* fehlerstatistikKnopf_ = nullptr;
    ErrorIndicator* fehleranzeige_ = nullptr;
    ConnectionPicture* bild_ = nullptr;
    QToolButton* hilfe_ = nullptr;

    Streifenschreiber* chart_ = nullptr;
    QCheckBox* grafikZeigen_ = nullptr;
    Zahlenfeld* punkteProDiv_ = nullptr;
    QLineEdit* sekProDiv_ = nullptr;
    Zahlenfeld* prozentProDiv_ = nullptr;
    Zahlenfeld* yOffset_ = nullptr;
    std::array<QLineEdit*, 4> einheitProDiv_{};
    std::array<QLabel*, 4> einheitProDivText_{};
    QCheckBox* einzelbild_ = nullptr;
    QPushButton* bildSpeichern_ = nullptr;
    QCheckBox* verzoegert_ = nullptr;
    QPushButton* triggerKnopf_ = nullptr;
    QLabel* triggertext_ = nullptr;

    Fehlerstatistik* fehlerpnl_ = nullptr;
    Triggerdialog* triggerpnl_ = nullptr;

    std::unique_ptr<Abfrage> abfrage_;
    direkt::Direkterfassung erfassung_;
    direkt::Direkterfassung::Kontext kontext_;
    PraeziserTakt takt_;
    std::array<double, 4> ausgangProzent_{};
    direkt::Anzeigeplanung planung_;
    QWidget* eingaengeGruppe_ = nullptr;  // meters with their minimum and maximum
    // New extremes since the displays were last refreshed.
    std::array<bool, 4> minimumOffen_{};
    std::array<bool, 4> maximumOffen_{};
    Taktkosten kosten_;
};

// The scaling's conversions as the window's core pieces take them (the names are overloaded
// for a record of one's own, so they are wrapped once here).
inline double eingangCodeInEinheit(int k, double code) {
    return ::EingangCodeInEinheit(k, code);
}
inline double ausgangCodeInEinheit(int k, double code) {
    return ::AusgangCodeInEinheit(k, code);
}
inline double ausgangEinheitInSpannung(int k, double wert) {
    return ::AusgangEinheitInSpannung(k, wert);
}

// The file dialog of the log and of a saved frame: a file is chosen to be extended.
Dialoge::FileRequest protokollDateiAnfrage();

// The relabelling after a change of the scaling (the configuration window calls it when
// the operator leaves it).
void Direktpanel_SkaliereElemente();

}  // namespace plv7::gui
