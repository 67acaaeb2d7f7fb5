#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace plv7::gui {

// A read-only number field, right-aligned and never focused, so that Tab skips it.
QLineEdit* anzeigefeld(QWidget* parent, const QString& objectName, int mindestbreite = 0);
// A right-aligned label in front of a field.
QLabel* beschriftung(const QString& text, QWidget* parent);

}  // namespace plv7::gui
