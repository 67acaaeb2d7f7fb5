// plv7steuerung: the PLV-7 control program.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstring>

#include "Line.h"
#include "PortMap.h"
#include "ini/IniStore.h"
#include "shell/Programm.h"

namespace {

// The demo keeps its own settings beside the simulated box, so a real settings file stays
// untouched; a first demo starts connected to the simulated box on port 1.
plv7::gui::ProgrammOptionen demoOptionen() {
    plv7::gui::ProgrammOptionen optionen;
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/demo";
    QDir().mkpath(folder);
    optionen.iniPath = folder + "/plv7rs232bSteuerung.ini";
    if (!QFileInfo::exists(optionen.iniPath)) {
        plv7::IniStore first;
        first.putInt("com", "port", 1);
        first.putInt("com", "lport", 1);
        first.writeFile(optionen.iniPath.toStdString());
    }
    plv7::portMap().setDevice(1, plv7::PortMap::kSimulated);
    optionen.simLine = std::make_shared<plv7::sim::Line>();
    // Inputs 1 and 2 follow the outputs of the same number; 3 and 4 bring signals of their own.
    plv7::sim::Box* box = optionen.simLine->addBox('1');
    box->setInputSource(3, {plv7::sim::InputKind::Sine, 0.0, 4.0, 4.0});
    box->setInputSource(4, {plv7::sim::InputKind::Ramp, 0.0, 1.0, 6.0});
    return optionen;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plv7steuerung"));
    const bool demo = argc > 1 && std::strcmp(argv[1], "--demo") == 0;
    plv7::gui::Programm programm(demo ? demoOptionen() : plv7::gui::ProgrammOptionen{});
    if (const int started = programm.starten(); started != 0) return -1;
    app.exec();
    programm.beenden();
    return 0;
}
