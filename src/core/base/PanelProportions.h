#pragma once

namespace plv7 {

struct PanelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PanelSize&) const = default;
};

// The size the main window takes after the operator resized it to `requested`: the smaller
// of the two scale factors against the designed size wins and the other side follows it, so
// the designed proportions are kept; below the designed size the window snaps back to it.
PanelSize PanelgroesseBerechnen(PanelSize designed, PanelSize requested);

}  // namespace plv7
