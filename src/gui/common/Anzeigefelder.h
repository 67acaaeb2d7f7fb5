#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace plv7::gui {

// A read-only number field, right-aligned and never focused, so that Tab skips it.
QLineEdit* anzeigefeld(QWidget* parent, const QString& objectName, int mindestbreite = 0);
// The memory need of an editor window in percent, one decimal, in a read-only field: grey,
// red when the box cannot take what the window holds.
void speicherbedarfZeigen(QLineEdit* feld, double prozent, bool zuGross);
// A right-aligned label in front of a field.
QLabel* beschriftung(const QString& text, QWidget* parent);

}  // namespace plv7::gui
