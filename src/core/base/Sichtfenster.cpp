#include "base/Sichtfenster.h"

#include <algorithm>
#include <cmath>

namespace plv7 {
namespace {

std::int64_t abgerundet(double wert) {
    return static_cast<std::int64_t>(std::floor(wert));
}

}  // namespace

void MarkierungZiehen(Markierung& markierung, double x) {
    const double stelle = std::floor(x + 0.5);
    if (markierung.neu) {
        markierung.start = stelle;
        markierung.neu = false;
        markierung.vorhanden = true;
    }
    markierung.ende = stelle;
}

void MarkierungLoslassen(Markierung& markierung, double x) {
    const double stelle = std::floor(x + 0.5);
    if (x < markierung.start) {
        markierung.ende = markierung.start;
        markierung.start = stelle;
    } else {
        markierung.ende = stelle;
    }
    markierung.neu = true;
}

void AllesMarkieren(Markierung& markierung, double ende) {
    markierung.start = 0.0;
    markierung.ende = ende;
    markierung.vorhanden = true;
}

Sichtfenster ZoomPlus(const Sichtfenster& fenster) {
    const double breite = static_cast<double>(fenster.breite());
    const double w = std::max(breite / 1.5, 1.0);
    const double a = static_cast<double>(fenster.min) + (breite - w) / 2.0;
    const std::int64_t min = abgerundet(a);
    return {min, std::max(min, abgerundet(a + w) - 1)};
}

Sichtfenster ZoomMinus(const Sichtfenster& fenster, double grenze) {
    const double breite = static_cast<double>(fenster.breite());
    const double w = 1.5 * breite;
    const double a = std::max(static_cast<double>(fenster.min) - w / 6.0, 0.0);
    double b = std::min(a + w, grenze);
    // Never narrower than two units, also at the left end or behind the limit.
    if (std::floor(a + 1.0) >= std::floor(b)) b = std::floor(a) + 2.0;
    return {abgerundet(a), abgerundet(b) - 1};
}

Sichtfenster ZoomVoll(std::int64_t grenze) {
    // Curves read from a box may last 0 ms; the window never gets empty.
    return {0, std::max<std::int64_t>(grenze - 1, 0)};
}

bool ZoomMarkierung(Sichtfenster& fenster, Markierung& markierung) {
    if (!markierung.vorhanden) return false;
    const Markierung m = markierung;
    markierung = {};
    if (m.ende > m.start) {
        const auto min = static_cast<std::int64_t>(m.start);
        fenster = {min, std::max(min, static_cast<std::int64_t>(m.ende) - 1)};
    }
    return true;
}

Rollbalken RollbalkenStand(const Sichtfenster& fenster, std::int64_t grenze) {
    const double breite = static_cast<double>(fenster.breite());
    const double g = static_cast<double>(std::max<std::int64_t>(grenze, 1));
    Rollbalken r;
    r.groesse = static_cast<int>(std::clamp(std::trunc(breite / g * 100.0 + 0.5), 1.0, 100.0));
    if (g > breite) {
        const double p = std::trunc(100.0 * static_cast<double>(fenster.min) / (g - breite));
        r.position = static_cast<int>(std::clamp(p, 0.0, 100.0));
    }
    return r;
}

Sichtfenster Gerollt(const Sichtfenster& fenster, std::int64_t grenze, int prozent) {
    const std::int64_t breite = fenster.breite();
    const double frei = static_cast<double>(grenze - breite);
    const std::int64_t min = std::max<std::int64_t>(abgerundet(prozent * frei / 100.0 + 0.5), 0);
    return {min, min + breite - 1};
}

}  // namespace plv7
