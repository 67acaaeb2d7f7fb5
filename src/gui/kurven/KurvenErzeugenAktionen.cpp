#include "kurven/KurvenErzeugenAktionen.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>

#include "base/ORV_errorV3ibox.h"
#include "common/Ressourcen.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "kurven/AufzeichnungDialog.h"
#include "kurven/KurvenErzeugenDialog.h"
#include "kurven/KurvenPanel.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

const QString kErzeugen = QStringLiteral("KURVEN_BEARBEITEN_ERZEUGEN");
const QString kAufzeichnung = QStringLiteral("KURVEN_DATEI_AUFZEICHNUNG");

template <typename Handler>
QAction* einmal(KurvenPanel& panel, const QString& name, const QString& text, const char* hilfe,
                Handler handler) {
    if (auto* a = panel.findChild<QAction*>(name, Qt::FindDirectChildrenOnly)) return a;
    auto* a = new QAction(text, &panel);
    a->setObjectName(name);
    Direkthilfe::instance().addText(name, QString::fromUtf8(hilfe));
    befehlVerbinden(a, &QAction::triggered, &panel, std::move(handler));
    return a;
}

// The window shows curve `kurve` as it does after the operator chose it.
void kurveWaehlen(KurvenPanel& panel, int kurve) {
    if (panel.modell().aktuelleKurve == kurve) return;
    const QString name = QStringLiteral("KURVEN_BEARBEITEN_KURVE_K%1").arg(kurve + 1);
    if (auto* a = panel.findChild<QAction*>(name)) a->trigger();
    if (panel.modell().aktuelleKurve != kurve) {
        panel.modell().aktuelleKurve = kurve;
        panel.modellZeigen();
    }
}

void erzeugen(KurvenPanel& panel) {
    // The dialog has no meta-object of its own: found by its name, not by its class.
    auto* dialog = dynamic_cast<KurvenErzeugenDialog*>(
        panel.findChild<QDialog*>(QStringLiteral("KERZEUGENPNL"), Qt::FindDirectChildrenOnly));
    if (!dialog) {
        dialog = new KurvenErzeugenDialog(&panel);
        QObject::connect(dialog, &QDialog::accepted, &panel, [&panel, dialog] {
            const Kurvenerzeugung& e = dialog->ergebnis();
            KurveErsetzen(panel.modell(), panel.modell().aktuelleKurve, e.punkte);
            panel.KurvenNeuZeichnen();
        });
    }
    dialog->vorbereiten(panel.modell());
    dialog->open();
}

void aufzeichnungUebernehmen(KurvenPanel& panel) {
    const auto datei =
        dialoge().file({QStringLiteral("Aufzeichnung übernehmen"), QStringLiteral("*.txt"), false});
    if (datei.result == Dialoge::FileAnswer::Result::Failed) {
        ORV_Fehlerpopup(aufzeichnung::kFehlerOeffnen);
        return;
    }
    if (datei.result != Dialoge::FileAnswer::Result::Chosen) return;
    Aufzeichnung log = AufzeichnungLaden(datei.path.toStdString());
    if (log.code != 0) {
        if (log.meldung.empty()) {
            ORV_Fehlerpopup(log.code);
        } else {
            dialoge().message(QString::fromStdString(errorBoxTitle(log.code)),
                              QString::fromStdString(log.meldung));
        }
        return;
    }
    auto* dialog = new AufzeichnungDialog(&panel, std::move(log), QFileInfo(datei.path).fileName(),
                                          panel.modell());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, &panel, [&panel, dialog] {
        const Uebernahme& u = dialog->ergebnis();
        const int kurve = dialog->wahl().kurve;
        kurveWaehlen(panel, kurve);
        KurveErsetzen(panel.modell(), kurve, u.punkte);
        panel.KurvenNeuZeichnen();
    });
    dialog->open();
}

}  // namespace

QAction* kurveErzeugenAktion(KurvenPanel& panel) {
    QAction* a = einmal(panel, kErzeugen, QStringLiteral("Kurve erzeugen…"),
                        "Ersetzt die aktuelle Kurve durch eine Sinus-, Dreieck-, Rechteck- oder\n"
                        "Sägezahnkurve mit wenigen Punkten.",
                        [&panel] { erzeugen(panel); });
    if (a->icon().isNull()) {
        const QString bild = ressourcenDatei(QStringLiteral("buttons/funktion.png"));
        if (!bild.isEmpty()) a->setIcon(QIcon(bild));
        a->setIconText(QStringLiteral("f(t)"));
        a->setToolTip(QStringLiteral("Kurve erzeugen"));
    }
    return a;
}

QAction* aufzeichnungUebernehmenAktion(KurvenPanel& panel) {
    return einmal(panel, kAufzeichnung, QStringLiteral("Aufzeichnung übernehmen…"),
                  "Macht aus einer Spalte einer Protokolldatei der direkten\n"
                  "Ein-/Ausgabe eine Kurve.",
                  [&panel] { aufzeichnungUebernehmen(panel); });
}

}  // namespace plv7::gui
