#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QAction;
class QToolBar;
class QToolButton;

// The program-wide direct-help flag: while it is set, a left click on a control (or the
// choice of a menu command) shows the control's help text instead of acting.
extern bool gHilfeAktiv;

namespace plv7::gui {

inline const QString kHelpModeOnText =
    QStringLiteral("Direkthilfe-Modus eingeschaltet!\nZum Beenden auf '?'-Icon klicken.");

// Shows a help text in the pop-up of the dialog seam, at the mouse position in the main window.
void Hilfetext(const QString& text);

// The direct-help mode for the whole program: one event filter on the application that
// intercepts clicks, keys and menu commands while the mode is on, and a table of help texts
// by object name. Windows only register their texts and their '?' toggles.
class Direkthilfe : public QObject {
public:
    static Direkthilfe& instance();

    // The window pop-ups are placed in.
    void setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
    QWidget* mainWindow() const { return mainWindow_; }

    // The help text of every control (or menu action) with this object name.
    void addText(const QString& objectName, const QString& text);
    QString textFor(const QString& objectName) const { return texts_.value(objectName); }

    // The one checkable command that switches the mode, shared by every window's '?' button
    // and "Direkthilfe" menu item.
    QAction* aktion() const { return aktion_; }
    // A window's '?' button: it shows the shared command.
    void addToggle(QToolButton* toggle);
    // The shared command as the last button of a window's tool bar, a toggle like every '?'.
    QToolButton* addToToolBar(QToolBar* leiste, const QString& objectName);
    void setActive(bool active);

    // Clears the flag and restores the cursor (test tear-down).
    void reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Direkthilfe();
    bool isToggle(const QObject* object) const;
    bool belongsToProgram(const QWidget* widget) const;
    // The help text of a widget or its nearest ancestor that has one.
    QString textOfWidget(QWidget* widget) const;
    bool handleMenu(QObject* watched, QEvent* event);

    QHash<QString, QString> texts_;
    QAction* aktion_ = nullptr;
    QList<QPointer<QAbstractButton>> toggles_;
    QPointer<QWidget> mainWindow_;
};

// Shows the help text of a command's sender, by its object name, if it has one.
void hilfetextStattBefehl(const QObject* sender);

// Connects a command of a window (a menu item, a button, a choice in a list). In direct-help
// mode it shows the command's help text instead of acting: the one place where the mode
// blocks what a window does, whether the operator or the program triggers it. A blocked
// command first runs `zuruecknehmen`, which puts back what the signal already changed on its
// control (a toggle switched, a knob turned), so that the control shows what the window does.
template <typename Sender, typename Signal, typename Handler, typename Zuruecknehmen>
void befehlVerbinden(Sender* sender, Signal signal, const QObject* context, Handler handler,
                     Zuruecknehmen zuruecknehmen) {
    QObject::connect(
        sender, signal, context,
        [sender, handler = std::move(handler), zuruecknehmen = std::move(zuruecknehmen)] {
            if (gHilfeAktiv) {
                zuruecknehmen();
                hilfetextStattBefehl(sender);
            } else {
                handler();
            }
        });
}

// The same for a command whose control needs nothing put back.
template <typename Sender, typename Signal, typename Handler>
void befehlVerbinden(Sender* sender, Signal signal, const QObject* context, Handler handler) {
    befehlVerbinden(sender, signal, context, std::move(handler), [] {});
}

}  // namespace plv7::gui
