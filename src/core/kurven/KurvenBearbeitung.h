#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "kurven/Kurvenmodell.h"

// The curve window's commands on the marked part of the current curve and its value range.
namespace plv7::kurven {

// A marking covers the points whose whole segment lies inside it.
struct MarkiertePunkte {
    std::size_t erster = 0;
    std::size_t letzter = 0;
    bool leer = true;
};
MarkiertePunkte Markiert(const std::vector<Kurvenpunkt>& punkte, const Markierung& markierung);

// "Kopieren", "Löschen", "Ausschneiden", "Einfügen", "Alles Markieren". Each returns whether
// the points of the current curve changed.
void Kopieren(Kurvenmodell& modell);
bool Loeschen(Kurvenmodell& modell);
bool Ausschneiden(Kurvenmodell& modell);
bool Einfuegen(Kurvenmodell& modell);
void AllesMarkieren(Kurvenmodell& modell);

// How far "Zoom -" may widen the time window (ms): far past any curve, and well within the
// 64-bit window.
inline constexpr double kFensterMaxBreite = 1e16;

// The value range typed in the curve's user unit; false (nothing stored) unless the raw
// minimum lies below the raw maximum.
bool WertebereichSetzen(Kurvenmodell& modell, double minEinheit, double maxEinheit);

}  // namespace plv7::kurven
