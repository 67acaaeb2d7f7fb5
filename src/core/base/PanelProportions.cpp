#include "base/PanelProportions.h"

namespace plv7 {

PanelSize PanelgroesseBerechnen(PanelSize designed, PanelSize requested) {
    if (designed.width <= 0 || designed.height <= 0) return requested;
    const double fw = static_cast<double>(requested.width) / designed.width;
    const double fh = static_cast<double>(requested.height) / designed.height;
    PanelSize result = requested;
    double factor = 0;
    if (fh >= fw) {
        factor = fw;
        result.height = static_cast<int>(designed.height * factor + 0.5);
    } else {
        factor = fh;
        result.width = static_cast<int>(designed.width * factor + 0.5);
    }
    if (factor < 1.0) result = designed;
    return result;
}

}  // namespace plv7
