// Renders every window of the program, as the operator sees it on a simulated box, to PNG.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "GuiTestSupport.h"
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
    fixture.finish();
    return 0;
}
