#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace plv7::gui {

class Panel;

// The commands that every window shares, one QAction each: every menu item and button that
// does the same thing shows the same action, so dimming, check marks and help texts follow
// by themselves.
class Programmaktionen : public QObject {
public:
    static Programmaktionen& instance();

    // "Beenden": the end-of-program sequence.
    QAction* beenden() const { return beenden_; }
    // "Info": the info window.
    QAction* info() const { return info_; }
    // "Direkthilfe": the program-wide direct-help mode, checkable.
    QAction* direkthilfe() const;

private:
    Programmaktionen();

    QAction* beenden_;
    QAction* info_;
};

// Switches to the window `ziel` (nullptr: the main window's own buttons). The window shown
// lets go first; the direct window stops its acquisition.
void FensterWechseln(Panel* ziel);

// An item of a window menu that switches to the window held by `ziel` (one of the program's
// window handles, which are set only once every window is built).
QAction* fensterEintrag(QMenu* menu, const QString& text, const QString& objectName,
                        Panel* const* ziel);

// The "Fenster" menu of the editor windows: the main window and every window, the items named
// `praefix` + HAUPT, COM, KONFIG, DIREKT, KURVEN and KENNLINIE.
void editorFenstermenue(QMenu* menu, const QString& praefix);

}  // namespace plv7::gui
