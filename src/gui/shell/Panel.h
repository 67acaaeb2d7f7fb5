#pragma once

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

namespace plv7 {
class IniStore;
}

namespace plv7::gui {

// A window shown inside the main window: its menu bar on top, its controls below. Every
// window of the program derives from it and takes part in start-up, settings and shut-down.
class Panel : public QWidget {
    Q_OBJECT

public:
    Panel(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    QString title() const { return windowTitle(); }
    QMenuBar* menuBar();
    // The area below the menu bar for the window's own controls.
    QVBoxLayout* content() const { return content_; }

    // The window's section of the settings file.
    virtual void readIni(const IniStore&) {}
    virtual void writeIni(IniStore&) {}
    // Whether the operator can reach this window from the main window's buttons.
    virtual bool verfuegbar() const { return true; }
    // The operator switches from this window to another one through a window menu.
    virtual void verlassen() {}
    // Non-zero cancels the end of the program (unsaved work the operator wants to keep).
    virtual int abbruchWeilNichtGespeichert() { return 0; }

private:
    QVBoxLayout* outer_;
    QVBoxLayout* content_;
    QMenuBar* menuBar_ = nullptr;
};

}  // namespace plv7::gui
