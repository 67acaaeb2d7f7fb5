#pragma once

#include "shell/PlaceholderPanel.h"

namespace plv7::gui {

// The curve window until it can be reached: it already holds the program's curves, so the end
// of the program asks about unsaved ones.
class KurvenPlatzhalter : public PlaceholderPanel {
public:
    explicit KurvenPlatzhalter(QWidget* parent = nullptr);

    int abbruchWeilNichtGespeichert() override;
};

}  // namespace plv7::gui
