#include "common/Zeichenhinweis.h"

#include <QToolTip>
#include <QWidget>

#include "base/Windows1252.h"

namespace plv7::gui {

QString zeichenHinweisText(const QString& zeichen) {
    return QStringLiteral(
               "Das Zeichen „%1“ kann nicht gespeichert werden:\n"
               "Die Dateien kennen nur den Windows-Zeichensatz.")
        .arg(zeichen);
}

void zeichenHinweisZeigen(QWidget* feld, const QString& zeichen) {
    QToolTip::showText(feld->mapToGlobal(QPoint(0, feld->height())), zeichenHinweisText(zeichen),
                       feld);
}

QString nurDarstellbare(const QString& text, QString& entfernt) {
    entfernt.clear();
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const char32_t zeichen : text.toUcs4()) {
        const QString als = QString::fromUcs4(&zeichen, 1);
        if (cp1252::encode(zeichen)) {
            ergebnis += als;
        } else if (entfernt.isEmpty()) {
            entfernt = als;
        }
    }
    return ergebnis;
}

}  // namespace plv7::gui
