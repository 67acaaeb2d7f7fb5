#pragma once

#include <QString>

class QWidget;

namespace plv7::gui {

// The hint shown where a character is typed that the files' Windows code page cannot hold.
QString zeichenHinweisText(const QString& zeichen);

// Shows that hint as a tool tip under `feld`; the character itself is refused by the caller.
void zeichenHinweisZeigen(QWidget* feld, const QString& zeichen);

// The text without the characters the code page cannot hold; `entfernt` receives the first of
// them (empty when none).
QString nurDarstellbare(const QString& text, QString& entfernt);

}  // namespace plv7::gui
