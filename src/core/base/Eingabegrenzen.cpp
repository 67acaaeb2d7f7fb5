#include "base/Eingabegrenzen.h"

#include <cmath>

namespace plv7 {

double eingabeBegrenzen(double wert, const Eingabebereich& bereich) {
    if (!std::isfinite(wert)) return wert;
    if (bereich.ganzzahlig) wert = std::round(wert);
    // The upper end first, so that the lower end has the last word.
    if (wert > bereich.obergrenze) wert = bereich.obergrenze;
    if (wert < bereich.untergrenze) wert = bereich.untergrenze;
    return wert;
}

}  // namespace plv7
