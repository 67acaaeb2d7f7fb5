#pragma once

#include <QString>
#include <filesystem>
#include <optional>

#include "hilfe/Dialoge.h"

struct Konfiguration;

namespace plv7::gui {

// The file the operator picked for a window's file command.
struct Dateiwahl {
    std::optional<std::filesystem::path> pfad;  // none: cancelled, or the dialog failed
    QString name;                               // the path as the dialog gave it
    int code = 0;  // without a path: 0 when cancelled, the command's code when the dialog failed
    bool abgebrochen() const { return !pfad && code == 0; }
};

// Asks for a file; `fehlercode` is what the command reports when the dialog fails.
Dateiwahl dateiWaehlen(const Dialoge::FileRequest& frage, int fehlercode);

// A name as the dialog gives it, as the file system spells it.
std::filesystem::path dateiPfad(const QString& name);

// A file was loaded with a configuration of its own: where it differs from the current one, asks
// "Konfiguration laden?" with `frage` and takes it on "laden".
void gespeicherteKonfigurationAnbieten(const Konfiguration& gespeichert, const QString& frage);

}  // namespace plv7::gui
