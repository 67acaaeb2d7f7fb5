#pragma once

#include <QString>
#include <QStringList>

#include "shell/Programm.h"

namespace plv7::gui {

// What the command line of plv7steuerung asks for.
struct Aufruf {
    enum class Art { Starten, Hilfe, Version, Ressourcenordner, Fehler };
    Art art = Art::Starten;
    QString fehler;             // the message, for Art::Fehler
    QString einstellungsdatei;  // --settings FILE; empty for the file in the current folder
    bool demo = false;
};

// Reads the arguments (the program's name first). Options of the window system must already
// be taken out (QApplication does that) or the call ends as Art::Fehler.
Aufruf aufrufLesen(const QStringList& argumente);

// The usage text of --help (needs the application object for the program's name).
QString aufrufHilfetext();

// How the program runs for a call that starts it. The demo maps port 1 to a simulated box and
// keeps its settings apart from the real ones unless --settings names a file; a demo settings
// file that does not exist yet starts connected to port 1.
ProgrammOptionen programmOptionen(const Aufruf& aufruf);

}  // namespace plv7::gui
