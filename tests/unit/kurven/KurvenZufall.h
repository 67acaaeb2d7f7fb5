#pragma once

#include <random>

#include "kurven/Kurvenmodell.h"

namespace plv7::kurven::test {

// Valid curves of every shape the box can hold: runs of length-1 points, long segments,
// changes of time base, with cycles and rest values of the full ranges.
inline Kurvenmodell zufallsKurven(std::mt19937& zufall, int maxPunkte = 60) {
    auto bereich = [&zufall](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    Kurvenmodell m;
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        auto& punkte = m.kurven[k].punkte;
        punkte.resize(static_cast<std::size_t>(bereich(1, maxPunkte)));
        const auto zeitbasis = static_cast<std::uint8_t>(bereich(1, 6));
        for (auto& p : punkte) {
            p.wert = bereich(0, kWertMax);
            p.laenge = bereich(0, 3) == 0 ? bereich(1, kLaengeMax) : 1;
            p.zeitbasis = bereich(0, 4) == 0 ? static_cast<std::uint8_t>(bereich(1, 6)) : zeitbasis;
        }
        m.kurven[k].kommentar = std::string(static_cast<std::size_t>(bereich(0, 999)), 'k');
        m.einstellungen[k].zyklen = bereich(0, 65535);
        m.einstellungen[k].ruhewert = bereich(0, kWertMax);
    }
    return m;
}

}  // namespace plv7::kurven::test
