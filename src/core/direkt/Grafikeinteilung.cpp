#include "direkt/Grafikeinteilung.h"

#include <algorithm>
#include <cmath>

namespace plv7::direkt {

int begrenztePunkteProDiv(int punkteProDiv, int xTeilungen) {
    const int hoechstens = std::max(1, kGrafikZeilen / std::max(1, xTeilungen) - 1);
    return std::clamp(punkteProDiv, 1, hoechstens);
}

double sekundenProDiv(int punkteProDiv, double abtastzeit, int xTeilungen) {
    const int punkteProBild = bildlaenge(punkteProDiv, xTeilungen) + 1;
    return static_cast<double>(punkteProBild - 1) / xTeilungen * abtastzeit;
}

YAchse yAchse(int prozentProDiv, int offsetProzent, int yTeilungen) {
    const int bereich = std::clamp(prozentProDiv * yTeilungen, 5, 100);
    const int offset = std::clamp(offsetProzent, 0, 95);
    return {static_cast<double>(offset), static_cast<double>(offset + bereich)};
}

double einheitProDiv(double lo, double hi, int prozentProDiv) {
    return (hi - lo) * prozentProDiv / 100.0;
}

std::string einheitProDivText(const std::string& einheit) {
    return einheit + "/Div";
}

Triggerstrich triggerstrich(double plotLinks, double plotBreite, int verzoegerung, int quelle,
                            int xTeilungen) {
    const double teilung = plotBreite / xTeilungen;
    const int x = static_cast<int>(std::floor(plotLinks - verzoegerung * teilung));
    Triggerstrich strich;
    strich.sichtbar = verzoegerung < 0 && quelle != 0;
    strich.x = x - 2;
    return strich;
}

int triggerstrichPosition(int verzoegerung, int punkteProDiv) {
    return verzoegerung < 0 ? -verzoegerung * punkteProDiv : 0;
}

Abdeckung abdeckung(double plotRechts, double plotBreite, int punkteProDiv, int xTeilungen) {
    const int c =
        static_cast<int>(std::ceil(plotBreite / xTeilungen / std::max(1, punkteProDiv) + 0.5));
    return {static_cast<int>(plotRechts) - c - 1, c + 12};
}

}  // namespace plv7::direkt
