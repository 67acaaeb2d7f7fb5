#include "common/Aenderungsfrage.h"

#include "base/ORV_errorV3ibox.h"
#include "hilfe/Dialoge.h"

namespace plv7::gui {

int abbruchWeilNichtGespeichert(bool geaendert, const QString& name, const Sichern& sichern) {
    if (!geaendert) return 0;
    enum { kJa, kNein, kAbbrechen };
    const int antwort = dialoge().question(
        QStringLiteral("Warnung"),
        QStringLiteral("Möchten Sie die Änderungen in %1 speichern?").arg(name),
        {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Abbrechen")}, kAbbrechen,
        kAbbrechen);
    if (antwort == kNein) return 0;
    if (antwort != kJa) return 1;
    bool abgebrochen = false;
    if (const int code = sichern(abgebrochen); code != 0) {
        ORV_Fehlerpopup(code);
        return 1;
    }
    return abgebrochen ? 1 : 0;
}

}  // namespace plv7::gui
