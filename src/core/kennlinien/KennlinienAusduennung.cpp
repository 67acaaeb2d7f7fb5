#include "kennlinien/KennlinienAusduennung.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace plv7::kennlinien {

std::vector<Rohpunkt> Ausduennen(const std::vector<Rohpunkt>& punkte, double toleranz) {
    const std::size_t n = punkte.size();
    if (n <= 2) return punkte;
    // Shortest path from the first to the last point, where a step from i to j is allowed
    // when the straight line between them passes every point in between within the
    // tolerance. For a fixed i the slopes that pass the points so far form an interval that
    // only narrows; once it is empty no later j can be reached from i.
    constexpr double kEps = 1e-9;
    constexpr std::size_t kUnerreicht = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> schritte(n, kUnerreicht);
    std::vector<std::size_t> vorher(n, 0);
    schritte[0] = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (schritte[i] == kUnerreicht) continue;
        double unten = -std::numeric_limits<double>::infinity();
        double oben = std::numeric_limits<double>::infinity();
        for (std::size_t j = i + 1; j < n; ++j) {
            const double dx = static_cast<double>(punkte[j].x - punkte[i].x);
            const double dy = static_cast<double>(punkte[j].y - punkte[i].y);
            const double steigung = dy / dx;
            if (steigung >= unten - kEps && steigung <= oben + kEps &&
                schritte[i] + 1 < schritte[j]) {
                schritte[j] = schritte[i] + 1;
                vorher[j] = i;
            }
            unten = std::max(unten, (dy - toleranz) / dx);
            oben = std::min(oben, (dy + toleranz) / dx);
            if (unten > oben + kEps) break;
        }
    }
    std::vector<Rohpunkt> ergebnis;
    for (std::size_t k = n - 1;; k = vorher[k]) {
        ergebnis.push_back(punkte[k]);
        if (k == 0) break;
    }
    std::reverse(ergebnis.begin(), ergebnis.end());
    return ergebnis;
}

}  // namespace plv7::kennlinien
