#pragma once

#include <QLineEdit>

#include "konfig/Konfiguration.h"

namespace plv7::gui {

// A unit text field: at most 8 characters, and only characters the record's 8-bit unit text
// can carry (Latin-1, no control characters); others are dropped as they are typed or pasted.
class EinheitFeld : public QLineEdit {
public:
    explicit EinheitFeld(const QString& objectName, QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

// A unit text of the record as text, byte by byte as Latin-1 (a 'µ' is one byte).
QString EinheitAlsText(const Konfiguration::Einheit& einheit);
// Stores a text as unit text: characters Latin-1 cannot carry and control characters are left
// out, the rest cut to 8 bytes.
void EinheitAusText(Konfiguration::Einheit& einheit, const QString& text);
// The text without the characters a unit text cannot carry.
QString EinheitTauglich(const QString& text);

}  // namespace plv7::gui
