// plv7steuerung: the PLV-7 control program.
#include <QApplication>
#include <QStandardPaths>
#include <cstring>

#include "shell/Demo.h"
#include "shell/Programm.h"
#include "shell/Uebersetzung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plv7steuerung"));
    plv7::gui::QtTexteDeutsch();
    const bool demo = argc > 1 && std::strcmp(argv[1], "--demo") == 0;
    const QString demoOrdner =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/demo";
    plv7::gui::Programm programm(demo ? plv7::gui::demoOptionen(demoOrdner)
                                      : plv7::gui::ProgrammOptionen{});
    if (const int started = programm.starten(); started != 0) return -1;
    app.exec();
    programm.beenden();
    return 0;
}
