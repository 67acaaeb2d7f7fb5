#pragma once

#include <QWidget>
#include <array>

#include "base/PanelProportions.h"

class QPushButton;
class QStackedWidget;

namespace plv7::gui {

class Panel;

// The main window: a frame that shows either its seven buttons or exactly one of the
// program's windows, and keeps its designed proportions when resized.
class MainPanel : public QWidget {
public:
    explicit MainPanel(QWidget* parent = nullptr);

    // Adds a window that ZeigeChildpanel can show.
    void addPanel(Panel* panel);
    void zeigeChildpanel(Panel* panel);
    Panel* childpanel() const { return childpanel_; }

    // Buttons of windows that are not available stay dimmed either way.
    void hauptbuttonsDimmen(bool dimmed);

    // Records (init) or enforces the designed size.
    void panelgroesseAendern(bool init);
    PanelSize designedSize() const { return designed_; }

    // Whether the end-of-program sequence has let the program end.
    bool ended() const { return ended_; }
    int programmende();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* baueStartseite();
    void onMainButton(int index);

    QStackedWidget* stack_;
    std::array<QPushButton*, 7> buttons_{};
    Panel* childpanel_ = nullptr;
    PanelSize designed_;
    bool enforcing_ = false;
    bool ended_ = false;
};

}  // namespace plv7::gui
