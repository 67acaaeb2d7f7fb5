#pragma once

#include <QDialog>

#include "kurven/Kurvenfunktion.h"

class QComboBox;
class QLabel;

namespace plv7::gui {

class Zahlenfeld;

// KERZEUGENPNL, "Kurve erzeugen": a standard waveform for the current curve. It shows the
// number of points and the memory need while the operator types, and keeps its values from
// one opening to the next.
class KurvenErzeugenDialog : public QDialog {
public:
    explicit KurvenErzeugenDialog(QWidget* parent);

    // Before each opening: the curves the result has to fit beside, and the current curve's
    // output for units and range. The model must outlive the open dialog.
    void vorbereiten(const kurven::Kurvenmodell& modell);
    kurven::Funktionsparameter parameter() const;
    int zeitbasis() const;  // 0 = automatic
    // The points for the values in the fields; code 0 when OK may close the dialog.
    const kurven::Kurvenerzeugung& ergebnis() const { return ergebnis_; }

    // OK with a refused curve tells why and keeps the dialog open.
    void accept() override;

private:
    void berechnen();

    const kurven::Kurvenmodell* modell_ = nullptr;
    bool vorbelegt_ = false;
    QComboBox* form_;
    Zahlenfeld* amplitude_;
    Zahlenfeld* offset_;
    Zahlenfeld* periode_;
    Zahlenfeld* perioden_;
    Zahlenfeld* phase_;
    Zahlenfeld* tastgrad_;
    QComboBox* zeitbasis_;
    QLabel* amplitudeEinheit_;
    QLabel* offsetEinheit_;
    QLabel* ergebnisText_;
    kurven::Kurvenerzeugung ergebnis_;
};

}  // namespace plv7::gui
