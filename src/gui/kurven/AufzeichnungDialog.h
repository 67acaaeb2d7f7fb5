#pragma once

#include <QDialog>

#include "kurven/AufzeichnungKurve.h"

class QComboBox;
class QLabel;

namespace plv7::gui {

class Zahlenfeld;

// KAUFZEICHNUNGPNL, "Aufzeichnung übernehmen": which acquisition of a read log, which column,
// which curve, time base and tolerance. It shows the number of points and the memory need
// while the operator chooses; OK asks when the units differ and proposes a time base or a
// tolerance when the curve does not fit.
class AufzeichnungDialog : public QDialog {
public:
    // The log must have been read without a failure; the model must outlive the dialog.
    AufzeichnungDialog(QWidget* parent, kurven::Aufzeichnung log, const QString& dateiname,
                       const kurven::Kurvenmodell& modell);

    kurven::Uebernahmewahl wahl() const;
    const kurven::Uebernahme& ergebnis() const { return ergebnis_; }

    void accept() override;

private:
    void berechnen();
    void spaltenBeschriften();
    bool einheitenBestaetigt();
    void vorschlagAnbieten();

    kurven::Aufzeichnung log_;
    const kurven::Kurvenmodell& modell_;
    QComboBox* erfassung_;
    QComboBox* spalte_;
    QComboBox* kurve_;
    QComboBox* zeitbasis_;
    Zahlenfeld* toleranz_;
    QLabel* ergebnisText_;
    kurven::Uebernahme ergebnis_;
};

}  // namespace plv7::gui
