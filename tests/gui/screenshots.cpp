// Renders every window of the program, as the operator sees it on a simulated box, to PNG.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "GuiTestSupport.h"
#include "common/Zahlenfeld.h"
#include "direkt/DirektPanel.h"
#include "kennlinien/KennlinienPanel.h"
#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"
#include "shell/InfoPanel.h"
#include "shell/Panel.h"
#include "shell/Uebersetzung.h"

using namespace plv7::gui;

namespace {

void save(QWidget* widget, const QString& folder, const QString& name) {
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtTexteDeutsch();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    test::ProgramFixture fixture;
    // The box answers at its fastest rate, so that the chart fills a frame quickly.
    fixture.line->box('1')->setBaud(115200);
    fixture.writeConnectedSettings(115200);
    fixture.start();
    QApplication::processEvents();

    ZeigeChildpanel(nullptr);
    save(gMainpanel, folder, QStringLiteral("MAINPANEL"));
    for (Panel* panel : {gDirektpanel, gCompanel, gKonfigpanel, gKurvenpanel, gKennlinienpanel}) {
        ZeigeChildpanel(panel);
        // A window may prepare a view worth showing, such as a chart with a frame on it.
        if (panel->metaObject()->indexOfMethod("vorbereitenFuerBildschirmfoto()") >= 0) {
            QMetaObject::invokeMethod(panel, "vorbereitenFuerBildschirmfoto");
        }
        QApplication::processEvents();
        save(gMainpanel, folder, panel->objectName());
    }
    // The characteristic window zoomed into a few short lines, so that the stored lines, the
    // digitised steps and the completion piece show side by side.
    auto* kennlinien = static_cast<KennlinienPanel*>(gKennlinienpanel);
    kennlinien->zustand().kennlinie.punkte = {
        {0, 2000, 0}, {35, 40, 0}, {10, 50, 0}, {30, 110, 0}, {5, 0, 0}};
    ZeigeChildpanel(kennlinien);
    for (int i = 0; i < 6; ++i)
        test::menuAktion(kennlinien, QStringLiteral("KENNLI_ZOOMPLUS"))->trigger();
    kennlinien->findChild<Zahlenfeld*>(QStringLiteral("KENNLPNL_YZOOMMAX"))
        ->setValue(plv7::AusgangCodeInEinheit(gKonfig, 0, 40.5));
    QApplication::processEvents();
    save(gMainpanel, folder, QStringLiteral("KENNLPNL_GEZOOMT"));
    kennlinien->zustand().geaendert = false;
    gInfopanel->show();
    save(gInfopanel, folder, QStringLiteral("INFOPNL"));
    gInfopanel->hide();
    // Dialogs of the windows that stand on their own.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        const QString name = top->objectName();
        if (name.endsWith(QLatin1String("PNL")) && top != gInfopanel) {
            top->show();
            QApplication::processEvents();
            save(top, folder, name);
            top->hide();
        }
    }
    // The direct window scaled: a long input unit, an output scaled absurdly far, an input
    // whose two voltages are equal, and the chart waiting for a trigger that does not come.
    plv7::EinheitSetzen(gKonfig.ineinheit[0], "mBar abs");
    gKonfig.inskalamax[0] = 1000.0;
    gKonfig.inmin[2] = gKonfig.inmax[2] = 5.0;
    plv7::EinheitSetzen(gKonfig.outeinheit[0], "Newton");
    gKonfig.outskalamax[0] = 1e300;
    Direktpanel_SkaliereElemente();
    gDirektpanel->findChild<Zahlenfeld*>(QStringLiteral("DIREKTPNL_BEGRENZUNG1"))->setValue(1e300);
    gDirektpanel->findChild<Zahlenfeld*>(QStringLiteral("DIREKTPNL_AUSGANG1"))->setValue(4e299);
    ZeigeChildpanel(gDirektpanel);
    auto* quelle = gDirektpanel->findChild<QComboBox*>(QStringLiteral("TRIGGERPNL_QUELLE"));
    quelle->setCurrentIndex(0);
    emit quelle->activated(0);
    gDirektpanel->findChild<Zahlenfeld*>(QStringLiteral("TRIGGERPNL_SCHWELLE"))->setValue(100.0);
    auto* abfragen = gDirektpanel->findChild<QPushButton*>(QStringLiteral("DIREKTPNL_ABFRAGEN"));
    auto* triggertext = gDirektpanel->findChild<QLabel*>(QStringLiteral("DIREKTPNL_TRIGGERTEXT"));
    abfragen->click();
    QElapsedTimer uhr;
    uhr.start();
    while (triggertext->text().isEmpty() && uhr.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    save(gMainpanel, folder, QStringLiteral("DIREKTPNL_SKALIERT"));
    abfragen->click();
    fixture.finish();
    return 0;
}
