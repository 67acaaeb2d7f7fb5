#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <span>

class QAction;
class QMenu;
class QObject;
class QToolBar;

namespace plv7::gui {

// A command of an editor window, shared by its menu and tool bar: its object name, its tool
// tip (the text when empty), and the tool-bar image from buttons/ when there is one; without
// it a button shows its text.
QAction* editorAktion(QObject* besitzer, const QString& objektname, const QString& text,
                      const char* bild = nullptr, const QString& tipp = {});

// A row of an editor window's table of commands, in the order of its menus and tool bar.
struct Befehlszeile {
    const char* objekt;  // object name after the window's prefix
    const char* text;
    const char* tipp;   // tool tip, or nullptr for the text
    const char* bild;   // tool-bar image, or nullptr
    const char* kurz;   // a button's text where it has no image, or nullptr
    int menue;          // which of the window's menus
    bool trennerDavor;  // a separator before it, in its menu and on the tool bar
    bool inWerkzeugleiste;
    int wirkung;  // the window's own code of what the command does
    QKeySequence::StandardKey taste = QKeySequence::UnknownKey;
    int eigeneTaste = 0;  // a shortcut that is no standard key
};

// One action a row, named `praefix` + the row's object name; `verbinden` is given each action
// with its row's `wirkung`, to connect it to what it does.
QList<QAction*> befehleAnlegen(QObject* besitzer, const QString& praefix,
                               std::span<const Befehlszeile> zeilen,
                               const std::function<void(QAction*, int wirkung)>& verbinden);
// The actions into their menus and onto the tool bar in the table's order. On the tool bar a
// separator also parts the buttons of two menus; a separator never opens a menu or the tool
// bar.
void befehleEinordnen(std::span<const Befehlszeile> zeilen, const QList<QAction*>& aktionen,
                      std::span<QMenu* const> menues, QToolBar* leiste);

// The actions of one choice (a tool, a curve, a display mode) as an exclusive group, the one
// at `an` checked.
void befehlsgruppe(QObject* besitzer, std::span<QAction* const> aktionen, std::size_t an);

}  // namespace plv7::gui
