#include "kennlinien/KennlinienTabelleImport.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include "base/ORV_errorV3ibox.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/KennlinienPanel.h"
#include "kennlinien/KennlinienTabelle.h"
#include "konfig/Konfiguration.h"

namespace plv7::gui {

namespace {
const QString kTitel = QStringLiteral("Tabelle importieren");
}

KennlinienTabelleImport::KennlinienTabelleImport(KennlinienPanel& fenster)
    : QObject(&fenster),
      fenster_(fenster),
      aktion_(new QAction(kTitel + QStringLiteral("…"), this)) {
    aktion_->setObjectName(QStringLiteral("KENNLI_TABELLE"));
    Direkthilfe::instance().addText(
        aktion_->objectName(),
        QStringLiteral("Liest eine Kennlinie aus einer Tabelle mit zwei Spalten:\n"
                       "X in der Einheit von Eingang 2, Y in der Einheit von Ausgang 1\n"
                       "(siehe Fenster 'Konfiguration'). Trennzeichen: Tabulator, Semikolon,\n"
                       "Komma oder Leerzeichen; Dezimalpunkt oder Dezimalkomma."));
    befehlVerbinden(aktion_, &QAction::triggered, this, [this] { importieren(); });
}

int KennlinienTabelleImport::importieren() {
    using Result = Dialoge::FileAnswer::Result;
    // Tables come out of spreadsheets and loggers under many names.
    Dialoge::FileRequest anfrage(kTitel, QStringLiteral("*.txt"), false, QDir::currentPath());
    anfrage.filters = {QStringLiteral("Tabellen (*.txt *.csv *.tab *.dat)"),
                       QStringLiteral("Alle Dateien (*)")};
    const auto antwort = dialoge().file(anfrage);
    if (antwort.result == Result::Cancelled) return 0;
    kennlinien::Tabellenimport import;
    int code = kennlinien::tabelle::kFehlerOeffnen;
    if (antwort.result != Result::Failed) {
        code = kennlinien::KennlinieAusTabellendatei(QFile::encodeName(antwort.path).toStdString(),
                                                     gKonfig, import);
    }
    if (code != 0) {
        if (!import.meldung.empty()) {
            dialoge().message(QString::fromUtf8(kennlinien::tabelle::kMeldungstitel.data()),
                              QString::fromStdString(import.meldung));
        }
        ORV_Fehlerpopup(code);
        return code;
    }
    fenster_.bedienung().punkteUebernehmen(std::move(import.punkte));
    fenster_.neuZeichnen();
    if (!import.hinweise.empty()) {
        QStringList hinweise;
        for (const std::string& h : import.hinweise) hinweise << QString::fromStdString(h);
        dialoge().message(kTitel, hinweise.join(QLatin1Char('\n')));
    }
    return 0;
}

}  // namespace plv7::gui
