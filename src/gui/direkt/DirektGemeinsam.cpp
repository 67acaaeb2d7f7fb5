#include "direkt/DirektGemeinsam.h"

#include <QLabel>
#include <QLineEdit>

#include "base/Zahlanzeige.h"

namespace plv7::gui {

QString direktName(const char* control, int k) {
    QString n = QStringLiteral("DIREKTPNL_") + QLatin1String(control);
    if (k > 0) n += QString::number(k);
    return n;
}

QString extremwertText(double wert, int nachkommastellen) {
    // Room in the minimum and maximum fields.
    constexpr int kFeldZeichen = 14;
    return QString::fromStdString(zahlFuerAnzeige(wert, nachkommastellen, kFeldZeichen));
}

Dialoge::FileRequest protokollDateiAnfrage() {
    Dialoge::FileRequest anfrage{
        QStringLiteral("Datei zum Speichern/Erweitern"), QStringLiteral("*.txt"), true, {}};
    // The log is appended to an existing file, so there is nothing to replace and nothing to ask.
    anfrage.extend = true;
    return anfrage;
}

}  // namespace plv7::gui
