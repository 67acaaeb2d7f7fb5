#pragma once

#include <QString>

#include "shell/Programm.h"

namespace plv7::gui {

// The program on a simulated box inside it, with the settings file `einstellungsdatei` (the
// demo's own folder keeps a real settings file untouched). A first demo starts connected on
// port 1; later ones find the box at the baud rate and address their settings open, whatever
// the operator set last time, so that the first actions after a restart are answered.
ProgrammOptionen demoOptionen(const QString& einstellungsdatei);

}  // namespace plv7::gui
