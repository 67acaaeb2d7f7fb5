#pragma once

#include <QLineEdit>

#include "konfig/Konfiguration.h"

namespace plv7::gui {

// A unit text field: at most 8 characters, and only characters the files' Windows code page
// holds, without control characters. A typed or pasted text with another character is refused
// with a hint beneath the field.
class EinheitFeld : public QLineEdit {
public:
    explicit EinheitFeld(const QString& objectName, QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

// A unit text of the record (Windows-1252 bytes) as text, and back.
QString EinheitAlsText(const Konfiguration::Einheit& einheit);
void EinheitAusText(Konfiguration::Einheit& einheit, const QString& text);

}  // namespace plv7::gui
