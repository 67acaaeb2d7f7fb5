#include "Aufruf.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "Demo.h"

namespace plv7::gui {
namespace {

const QString kDemo = QStringLiteral("demo");
const QString kSettings = QStringLiteral("settings");
const QString kResourceDir = QStringLiteral("resource-dir");

void optionenBeschreiben(QCommandLineParser& parser) {
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

Aufruf fehler(QString text) {
    Aufruf aufruf;
    aufruf.art = Aufruf::Art::Fehler;
    aufruf.fehler = std::move(text);
    return aufruf;
}

}  // namespace

Aufruf aufrufLesen(const QStringList& argumente) {
    QCommandLineParser parser;
    optionenBeschreiben(parser);
    const bool gelesen = parser.parse(argumente);
    // Help, version and the resource folder answer even beside a mistake, so that they work before
    // the window system has taken its own options out.
    Aufruf aufruf;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        aufruf.art = Aufruf::Art::Hilfe;
        return aufruf;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        aufruf.art = Aufruf::Art::Version;
        return aufruf;
    }
    if (parser.isSet(kResourceDir)) {
        aufruf.art = Aufruf::Art::Ressourcenordner;
        return aufruf;
    }
    if (!gelesen) return fehler(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return fehler(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(kSettings)) {
        aufruf.einstellungsdatei = parser.value(kSettings);
        if (aufruf.einstellungsdatei.isEmpty()) {
            return fehler(QStringLiteral("--settings needs a file name."));
        }
    }
    aufruf.demo = parser.isSet(kDemo);
    return aufruf;
}

QString aufrufHilfetext() {
    QCommandLineParser parser;
    optionenBeschreiben(parser);
    return parser.helpText();
}

ProgrammOptionen programmOptionen(const Aufruf& aufruf) {
    if (aufruf.demo) {
        const QString datei =
            aufruf.einstellungsdatei.isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                      QStringLiteral("/demo/plv7rs232bSteuerung.ini")
                : aufruf.einstellungsdatei;
        return demoOptionen(datei);
    }
    ProgrammOptionen optionen;
    if (!aufruf.einstellungsdatei.isEmpty()) optionen.iniPath = aufruf.einstellungsdatei;
    return optionen;
}

}  // namespace plv7::gui
