#pragma once

#include <vector>

#include "base/Sichtfenster.h"
#include "kennlinien/Kennlinie.h"
#include "kennlinien/KennlinienEditor.h"

// The view of the characteristic window: the visible X window of the large graph (zoomed and
// scrolled within 0..4095), the Y zoom and the display mode, and what the two graphs draw of a
// characteristic. All in whole raw units.
namespace plv7 {

struct KennlinienAnsicht {
    Sichtfenster fenster{0, kennlinie::kRohMax - 1};
    int yMin = 0;
    int yMax = 4095;
    Darstellung darstellung = Darstellung::LinienUndStufen;
};

// The Y zoom from the two fields as raw codes (cut toward zero, held to 0..4095); false and no
// change when the minimum is not below the maximum.
bool YZoomSetzen(KennlinienAnsicht& ansicht, double rohMin, double rohMax);

// The plots of both graphs. Each series is one polyline; the steps are corner points of a
// step plot whose steps take the value of their right point (see DigitaleStufen).
struct KennlinienZeichnung {
    std::vector<double> linienX, linienY;          // stored lines, red
    std::vector<double> ergaenzungX, ergaenzungY;  // completion piece, light red
    std::vector<double> punkteX, punkteY;          // markers on the starting points
    std::vector<double> stufenX, stufenY;          // digitised lines, blue
    std::vector<double> ergStufenX, ergStufenY;    // digitised completion, light blue
    std::vector<double> uebersichtX, uebersichtY;  // whole characteristic, blue
};

// Only the lines that reach into the visible X window go into the large graph's series;
// lines or steps are left out as the display mode says.
void KennlinieZeichnen(const Kennlinie& kennlinie, const KennlinienAnsicht& ansicht,
                       KennlinienZeichnung& zeichnung);

}  // namespace plv7
