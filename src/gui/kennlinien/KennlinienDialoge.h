#pragma once

#include <QDialog>

class QLabel;

namespace plv7::gui {

class Zahlenfeld;

// "Punkt %d" (KEPUNKTPNL): the coordinates of one point in user units. There is only OK;
// the window checks what was typed after the dialog closes.
class Kennlinienpunktdialog : public QDialog {
public:
    explicit Kennlinienpunktdialog(QWidget* parent);

    void fuellen(int nummer, double x, double y, const QString& xEinheit, const QString& yEinheit);
    double x() const;
    double y() const;

private:
    QLabel* xText_;
    QLabel* yText_;
    Zahlenfeld* x_;
    Zahlenfeld* y_;
};

}  // namespace plv7::gui
