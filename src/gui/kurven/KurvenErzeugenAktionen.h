#pragma once

class QAction;

namespace plv7::gui {

class KurvenPanel;

// "Kurve erzeugen…" (menu Bearbeiten and tool bar) and "Aufzeichnung übernehmen…" (menu
// Datei) of the curve window. Each is made once per window, on the first call, and returned
// by every further call, so that menu and tool bar share it.
QAction* kurveErzeugenAktion(KurvenPanel& panel);
QAction* aufzeichnungUebernehmenAktion(KurvenPanel& panel);

}  // namespace plv7::gui
