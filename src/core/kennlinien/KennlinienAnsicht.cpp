#include "kennlinien/KennlinienAnsicht.h"

#include <algorithm>
#include <cmath>

namespace plv7 {
namespace {

constexpr int kRohMax = kennlinie::kRohMax;

}  // namespace

bool YZoomSetzen(KennlinienAnsicht& ansicht, double rohMin, double rohMax) {
    if (!std::isfinite(rohMin) || !std::isfinite(rohMax)) return false;
    const double unten = std::max(std::trunc(rohMin), 0.0);
    const double oben = std::min(std::trunc(rohMax), static_cast<double>(kRohMax));
    if (unten >= oben) return false;
    ansicht.yMin = static_cast<int>(unten);
    ansicht.yMax = static_cast<int>(oben);
    return true;
}

void KennlinieZeichnen(const Kennlinie& kennlinie, const KennlinienAnsicht& ansicht,
                       KennlinienZeichnung& z) {
    z = {};
    const bool linien = LinienZeigen(ansicht.darstellung);
    const bool stufen = StufenZeigen(ansicht.darstellung);
    const auto sichtLinks = static_cast<double>(ansicht.fenster.min);
    const double sichtRechts = static_cast<double>(ansicht.fenster.max) + 1.0;
    const auto& punkte = kennlinie.punkte;
    const std::size_t letzter = punkte.size() - 1;
    double x0 = 0.0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double y0 = punkte[i].y;
        z.uebersichtX.push_back(x0);
        z.uebersichtY.push_back(y0);
        const bool ergaenzung = i == letzter;
        // The last point's line is the completion piece, flat up to 4095.
        const double x1 = ergaenzung ? double{kRohMax} : x0 + punkte[i].laenge;
        const double y1 = ergaenzung ? y0 : punkte[i + 1].y;
        if (ergaenzung && x1 > x0) {
            z.uebersichtX.push_back(x1);
            z.uebersichtY.push_back(y1);
        }
        if (x1 >= sichtLinks && x0 <= sichtRechts) {
            z.punkteX.push_back(x0);
            z.punkteY.push_back(y0);
            if (ergaenzung) {
                if (x1 > x0) {
                    if (linien) {
                        z.ergaenzungX = {x0, x1};
                        z.ergaenzungY = {y0, y1};
                    }
                    if (stufen)
                        DigitaleStufen(x0, y0, x1, y1, z.ergStufenX, z.ergStufenY, sichtLinks,
                                       sichtRechts);
                }
            } else {
                if (linien) {
                    // Consecutive lines share their points: one polyline for all of them.
                    if (z.linienX.empty() || z.linienX.back() != x0) {
                        z.linienX.push_back(x0);
                        z.linienY.push_back(y0);
                    }
                    z.linienX.push_back(x1);
                    z.linienY.push_back(y1);
                }
                if (stufen)
                    DigitaleStufen(x0, y0, x1, y1, z.stufenX, z.stufenY, sichtLinks, sichtRechts);
            }
        }
        x0 = x1;
    }
}

}  // namespace plv7
