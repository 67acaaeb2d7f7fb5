#pragma once

#include <QString>
#include <functional>

namespace plv7::gui {

// The save an editor window runs when the operator answers "Ja": 0 or the code to show, and
// `abgebrochen` set when the operator cancelled its file dialog.
using Sichern = std::function<int(bool& abgebrochen)>;

// "Möchten Sie die Änderungen in <name> speichern?" before unsaved work would be lost: 0 to go
// on (nothing unsaved, "Nein", or saved), 1 to stop ("Abbrechen", a failed save, or "Ja" with
// the save dialog cancelled: the operator who said yes wants the changes kept).
int abbruchWeilNichtGespeichert(bool geaendert, const QString& name, const Sichern& sichern);

}  // namespace plv7::gui
