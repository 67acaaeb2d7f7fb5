#pragma once

#include "shell/Panel.h"

namespace plv7::gui {

// A window of the program that is not available in this version yet: it says so and leads
// back to the main window.
class PlaceholderPanel : public Panel {
public:
    PlaceholderPanel(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    bool verfuegbar() const override { return false; }
};

}  // namespace plv7::gui
