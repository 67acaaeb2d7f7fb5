#pragma once

#include "kennlinien/KennlinienBedienung.h"
#include "kennlinien/KennlinienZustand.h"
#include "shell/PlaceholderPanel.h"

namespace plv7::gui {

// The characteristic window until its editor exists: it already holds the characteristic and
// its operations, so that unsaved work takes part in the end of the program.
class KennlinienPlatzhalter : public PlaceholderPanel {
public:
    explicit KennlinienPlatzhalter(QWidget* parent = nullptr);

    int abbruchWeilNichtGespeichert() override {
        return bedienung_.AbbruchWeilKennlinieNichtGespeichert();
    }

    KennlinienZustand& zustand() { return zustand_; }
    KennlinienBedienung& bedienung() { return bedienung_; }

private:
    KennlinienZustand zustand_;
    KennlinienBedienung bedienung_;
};

}  // namespace plv7::gui
