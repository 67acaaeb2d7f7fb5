#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "kurven/Kurve.h"

class QLabel;

namespace plv7::gui {

class Zahlenfeld;

// Four fields that take a time as hours, minutes, seconds and milliseconds.
class Zeitfelder {
public:
    Zeitfelder(QDialog* dialog, const QString& prefix);
    void setzen(std::int64_t millisekunden);
    std::int64_t zeit() const;
    QLayout* layout() const { return layout_; }

private:
    std::array<Zahlenfeld*, 4> felder_{};
    QLayout* layout_;
};

// KPUNKTPNL: the time and value of one point, changed when OK is pressed.
class Kurvenpunktdialog : public QDialog {
public:
    explicit Kurvenpunktdialog(QWidget* parent);
    void setzen(int nummer, std::int64_t zeit, double wert, const QString& einheit);
    std::int64_t zeit() const { return zeit_.zeit(); }
    double wert() const;

private:
    Zeitfelder zeit_;
    Zahlenfeld* wert_;
    QLabel* einheit_;
};

// KGERADEPNL: the duration of one segment.
class Geradendialog : public QDialog {
public:
    explicit Geradendialog(QWidget* parent);
    void setzen(int nummer, std::int64_t dauer);
    std::int64_t dauer() const { return dauer_.zeit(); }

private:
    Zeitfelder dauer_;
};

}  // namespace plv7::gui
