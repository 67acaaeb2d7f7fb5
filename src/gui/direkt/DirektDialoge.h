#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "direkt/Grafik.h"
#include "direkt/Zeitstatistik.h"

class QComboBox;
class QLineEdit;

namespace plv7::gui {

class Zahlenfeld;

// The timing statistics of the direct window ("Fehlerstatistik"), shown beside it and
// refreshed on every tick while visible. OK hides it.
class Fehlerstatistik : public QDialog {
public:
    explicit Fehlerstatistik(QWidget* parent);
    void zeige(const direkt::Zeitstatistik::AnzeigeText& text);

private:
    QLineEdit* feld(const QString& name);
    QLineEdit* fehler_;
    QLineEdit* messungen_;
    QLineEdit* prozent_;
    QLineEdit* geringster_;
    QLineEdit* groesster_;
    QLineEdit* durchschnitt_;
    QLineEdit* letzter_;
};

// The trigger settings of the chart ("Trigger"). Source and delay act when committed;
// edge and threshold apply from the next sample. OK hides it.
class Triggerdialog : public QDialog {
public:
    explicit Triggerdialog(QWidget* parent);

    direkt::Triggereinstellung einstellung() const;
    void setEinstellung(const direkt::Triggereinstellung& einstellung);

    // Called on every change, with whether the chart must restart (source or delay).
    std::function<void(bool neustart)> geaendert;

private:
    QComboBox* quelle_;
    QComboBox* flanke_;
    Zahlenfeld* schwelle_;
    Zahlenfeld* delay_;
};

}  // namespace plv7::gui
