#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

#include "common/Ueberall.h"

namespace plv7::gui {

class Lamp;

// The error fields a window carries: lamp, text and number of the last device-link failure.
// Their object names are the window's prefix with FEHLERLED, FEHLERSTRING and FEHLERNR.
class ErrorIndicator : public QWidget, public Ueberall<ErrorIndicator> {
    Q_OBJECT

public:
    ErrorIndicator(const QString& panelPrefix, QWidget* parent = nullptr);

    void show(int code);
    bool lampOn() const;
    QString text() const;
    QString number() const;

private:
    Lamp* lamp_;
    QLineEdit* text_;
    QLineEdit* number_;
};

// Shows a code on every window's error fields (0 clears them all).
void ComFehlerSetzen(int code);

}  // namespace plv7::gui
