#pragma once

#include <QWidget>
#include <array>

#include "direkt/Grafik.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plv7 {
struct DirektSettings;
}

namespace plv7::gui {

class Streifenschreiber;
class Triggerdialog;
class Zahlenfeld;

// The strip chart of the direct window with everything that belongs to it: the line that
// says the chart waits for its trigger, the "Grafik" settings beside it, the trigger dialog,
// single-frame mode, the picture export and the chart's part of the settings. It shows the
// frames the acquisition's chart (`direkt::Grafik`) hands over; the window drives it and
// hears of what concerns the acquisition through its signals.
class DirektGrafik : public QWidget {
    Q_OBJECT

public:
    DirektGrafik(direkt::Grafik& grafik, QWidget* parent);

    // At start-up, after the settings were read: divisions, axis and trigger.
    void init();
    // The sampling interval, for the seconds a division spans.
    void setAbtastzeit(double sekunden);
    // Units per division after a change of the scaling.
    void skalieren();
    void setSpurSichtbar(int k, bool sichtbar);
    // While the acquisition runs the ticks draw the chart; otherwise a change is drawn at once.
    void setErfassungLaeuft(bool laeuft) { erfassungLaeuft_ = laeuft; }

    // A new frame from its beginning.
    void neustart();
    // Takes over what a tick drew into the acquisition's chart.
    void uebernimmZeichnung(const direkt::Zeichnung& zeichnung);
    void triggertextLoeschen();

    bool grafikAktiv() const;
    bool einzelbild() const;
    Streifenschreiber* streifenschreiber() const { return chart_; }

    // "Grafik als Bild speichern": the chart as PNG or PDF.
    void alsBildSpeichern();

    void einstellungenUebernehmen(const DirektSettings& s);
    void einstellungenEintragen(DirektSettings& s) const;

signals:
    // Single-frame mode was switched; the acquisition stops and the log is not available.
    void einzelbildUmgeschaltet(bool ein);
    // "Bild speichern": the frozen frame goes through the acquisition's log writer.
    void bildSpeichernVerlangt();

private:
    QWidget* baueSteuerung();
    void verbindeSignale();
    void einteilung();
    void yAchseEinteilung();
    void sekundenProDiv();
    void triggerGeaendert(bool neustart);
    void einzelbildUmschalten();
    void verzoegertUmschalten();
    void grafikZeigenUmschalten();

    direkt::Grafik& grafik_;
    double abtastzeit_ = 0.5;
    bool erfassungLaeuft_ = false;

    Streifenschreiber* chart_ = nullptr;
    QLabel* triggertext_ = nullptr;
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
    Triggerdialog* triggerpnl_ = nullptr;
};

}  // namespace plv7::gui
