#include "common/Dateiwahl.h"

#include <QFile>

#include "konfig/Konfiguration.h"

namespace plv7::gui {

Dateiwahl dateiWaehlen(const Dialoge::FileRequest& frage, int fehlercode) {
    const auto antwort = dialoge().file(frage);
    Dateiwahl wahl;
    switch (antwort.result) {
        case Dialoge::FileAnswer::Result::Chosen:
            wahl.pfad = dateiPfad(antwort.path);
            wahl.name = antwort.path;
            break;
        case Dialoge::FileAnswer::Result::Failed:
            wahl.code = fehlercode;
            break;
        case Dialoge::FileAnswer::Result::Cancelled:
            break;
    }
    return wahl;
}

std::filesystem::path dateiPfad(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

void gespeicherteKonfigurationAnbieten(const Konfiguration& gespeichert, const QString& frage) {
    // Comparing gives 0 where the two differ.
    if (KonfigurationenVergleichen(gespeichert, gKonfig) != 0) return;
    enum { kLaden, kNichtLaden };
    const int wahl = dialoge().question(QStringLiteral("Konfiguration laden?"), frage,
                                        {QStringLiteral("laden"), QStringLiteral("nicht laden")},
                                        kLaden, kNichtLaden);
    if (wahl == kLaden) KonfigurationSetzen(gespeichert);
}

}  // namespace plv7::gui
