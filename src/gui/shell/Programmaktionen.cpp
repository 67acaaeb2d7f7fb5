#include "shell/Programmaktionen.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "hilfe/Direkthilfe.h"
#include "shell/Fenster.h"
#include "shell/InfoPanel.h"
#include "shell/MainPanel.h"
#include "shell/Panel.h"

namespace plv7::gui {

Programmaktionen& Programmaktionen::instance() {
    static Programmaktionen* aktionen = [] {
        auto* created = new Programmaktionen();  // lives as long as the application
        created->setParent(qApp);
        return created;
    }();
    return *aktionen;
}

Programmaktionen::Programmaktionen()
    : beenden_(new QAction(QStringLiteral("Beenden"), this)),
      info_(new QAction(QStringLiteral("Info"), this)) {
    beenden_->setObjectName(QStringLiteral("BEENDEN"));
    info_->setObjectName(QStringLiteral("INFO"));
    befehlVerbinden(beenden_, &QAction::triggered, this,
                    [] { ProgrammendeFallsAllesGespeichert(); });
    befehlVerbinden(info_, &QAction::triggered, this, [] { ZeigeInfopanel(); });
}

QAction* Programmaktionen::direkthilfe() const {
    return Direkthilfe::instance().aktion();
}

void FensterWechseln(Panel* ziel) {
    if (gMainpanel) {
        if (Panel* gezeigt = gMainpanel->childpanel()) gezeigt->verlassen();
    }
    ZeigeChildpanel(ziel);
}

QAction* fensterEintrag(QMenu* menu, const QString& text, const QString& objectName,
                        Panel* const* ziel) {
    QAction* action = menu->addAction(text);
    action->setObjectName(objectName);
    befehlVerbinden(action, &QAction::triggered, menu, [ziel] { FensterWechseln(*ziel); });
    return action;
}

void editorFenstermenue(QMenu* menu, const QString& praefix) {
    static Panel* const kHauptfenster = nullptr;
    const struct {
        const char* text;
        const char* name;
        Panel* const* ziel;
    } eintraege[] = {
        {"Hauptfenster", "HAUPT", &kHauptfenster},
        {"COM-Einstellung", "COM", &gCompanel},
        {"Konfiguration", "KONFIG", &gKonfigpanel},
        {"Direkte Ein-/Ausgabe", "DIREKT", &gDirektpanel},
        {"Kurvengenerator", "KURVEN", &gKurvenpanel},
        {"Kennlinienregler", "KENNLINIE", &gKennlinienpanel},
    };
    for (const auto& e : eintraege) {
        fensterEintrag(menu, QString::fromUtf8(e.text), praefix + QLatin1String(e.name), e.ziel);
    }
}

}  // namespace plv7::gui
