// plv7steuerung: the PLV-7 control program.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

#include "Line.h"
#include "PortMap.h"
#include "base/Version.h"
#include "common/Ressourcen.h"
#include "ini/IniStore.h"
#include "shell/Programm.h"

namespace {

const QString kDemo = QStringLiteral("demo");
const QString kSettings = QStringLiteral("settings");
const QString kResourceDir = QStringLiteral("resource-dir");

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Control program for the PLV-7 analog I/O box on an RS-232 line.\n"
        "The settings file plv7rs232bSteuerung.ini is read from and written to the current "
        "folder\nunless --settings names another."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {kSettings, QStringLiteral("Use FILE as the settings file."), QStringLiteral("FILE")});
    parser.addOption({kDemo, QStringLiteral("Run on a simulated box on port 1, with settings "
                                            "of its own unless --settings is given.")});
    parser.addOption({kResourceDir, QStringLiteral("Print the folder of the tool-bar images and "
                                                   "other resources, and exit.")});
}

// A first demo starts connected to the simulated box on port 1; its settings lie in a folder of
// their own, so a real settings file stays untouched.
plv7::gui::ProgrammOptionen demoOptionen(plv7::gui::ProgrammOptionen optionen, bool ownFile) {
    if (!ownFile) {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/demo";
        QDir().mkpath(folder);
        optionen.iniPath = folder + "/plv7rs232bSteuerung.ini";
    }
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

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("plv7steuerung"));
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(plv7::kVersion.data(), static_cast<qsizetype>(plv7::kVersion.size())));
}

// --help, --version and --resource-dir answer without a window, so without a display too: the
// exit status then, or nothing when the program is to start.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    QCommandLineParser parser;
    describeOptions(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);  // mistakes are reported once the window system has taken its own
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all")) &&
        !parser.isSet(QStringLiteral("version")) && !parser.isSet(kResourceDir)) {
        return std::nullopt;
    }
    QCoreApplication app(argc, argv);
    nameProgram();
    parser.process(app);  // prints help or version and exits
    const QString folder = plv7::gui::ressourcenOrdner();
    if (folder.isEmpty()) {
        std::fprintf(stderr, "plv7steuerung: no resource folder beside %s\n",
                     qUtf8Printable(QCoreApplication::applicationDirPath()));
        return 1;
    }
    std::printf("%s\n", qUtf8Printable(folder));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = answerWithoutWindow(argc, argv)) return *answered;
    QApplication app(argc, argv);
    nameProgram();
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);  // an unknown option or a missing FILE ends here with a message

    plv7::gui::ProgrammOptionen optionen;
    const bool ownFile = parser.isSet(kSettings);
    if (ownFile) {
        optionen.iniPath = parser.value(kSettings);
        if (optionen.iniPath.isEmpty()) {
            std::fprintf(stderr, "plv7steuerung: --settings needs a file name\n");
            return 1;
        }
    }
    if (parser.isSet(kDemo)) optionen = demoOptionen(std::move(optionen), ownFile);
    plv7::gui::Programm programm(std::move(optionen));
    if (const int started = programm.starten(); started != 0) return -1;
    app.exec();
    programm.beenden();
    return 0;
}
