#include "kennlinien/KennlinienAnsicht.h"

#include <algorithm>
#include <cmath>

namespace plv7::kennlinien {

namespace {

constexpr int kRohMax = kennlinie::kRohMax;

int abgerundet(double wert) {
    return static_cast<int>(std::floor(wert));
}

}  // namespace

void ZoomPlus(KennlinienAnsicht& ansicht) {
    const double w = ansicht.breite();
    const double h = std::max(w / 1.5, 1.0);
    const double a = ansicht.links + (w - h) / 2.0;
    const double b = a + h;
    ansicht.links = abgerundet(a);
    ansicht.rechts = abgerundet(b) - 1;
}

void ZoomMinus(KennlinienAnsicht& ansicht) {
    const double w = ansicht.breite();
    const double h = 1.5 * w;
    const double a = std::max(ansicht.links - h / 6.0, 0.0);
    double b = std::min(a + h, static_cast<double>(kRohMax));
    if (std::floor(a + 1.0) >= std::floor(b)) b += 1.0;
    ansicht.links = abgerundet(a);
    ansicht.rechts = abgerundet(b) - 1;
}

bool ZoomMarkierung(KennlinienAnsicht& ansicht, Markierung& markierung) {
    if (!markierung.vorhanden) return false;
    if (markierung.ende > markierung.start) {
        ansicht.links = markierung.start;
        ansicht.rechts = markierung.ende - 1;
    }
    markierung.vorhanden = false;
    return true;
}

void ZoomVoll(KennlinienAnsicht& ansicht) {
    ansicht.links = 0;
    ansicht.rechts = kRohMax - 1;
}

int ScrollDaumen(const KennlinienAnsicht& ansicht) {
    const double groesse = std::trunc(ansicht.breite() / double{kRohMax} * 100.0 + 0.5);
    return static_cast<int>(std::clamp(groesse, 1.0, 100.0));
}

int ScrollPosition(const KennlinienAnsicht& ansicht) {
    const int frei = kRohMax - ansicht.breite();
    if (frei <= 0) return 0;
    const double position = std::trunc(100.0 * ansicht.links / frei);
    return static_cast<int>(std::clamp(position, 0.0, 100.0));
}

void ScrollNach(KennlinienAnsicht& ansicht, int prozent) {
    const int w = ansicht.breite();
    const double frei = kRohMax - w;
    ansicht.links = std::max(abgerundet(prozent * frei / 100.0 + 0.5), 0);
    ansicht.rechts = ansicht.links + w - 1;
}

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
    const bool linien = ansicht.darstellung != Darstellung::Stufen;
    const bool stufen = ansicht.darstellung != Darstellung::Linien;
    const double sichtLinks = ansicht.links;
    const double sichtRechts = ansicht.rechts + 1.0;
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

}  // namespace plv7::kennlinien
