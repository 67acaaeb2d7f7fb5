#pragma once

#include <QString>
#include <memory>

#include "PortMap.h"
#include "ini/SettingsTags.h"

namespace plv7::sim {
class Line;
}

namespace plv7::gui {

// How the program runs: where its settings file lies and what stands behind the ports.
struct ProgrammOptionen {
    QString iniPath = QString::fromLatin1(settings::kFileName.data(), settings::kFileName.size());
    std::shared_ptr<sim::Line> simLine;  // the box behind ports mapped to "sim"
};

// Start-up and shut-down of the program with all its windows.
class Programm {
public:
    explicit Programm(ProgrammOptionen optionen);
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    // Creates the windows, reads the settings and shows the main window with the direct
    // window inside. 0, or the code that makes the program end at once.
    int starten();
    // Writes the settings and closes the port (after the event loop has ended).
    void beenden();

private:
    ProgrammOptionen optionen_;
    bool gestartet_ = false;
};

// The settings file: every window's section, read once at start and written once at the end.
int ReadIni(const QString& path);
int WriteIni(const QString& path);

}  // namespace plv7::gui
