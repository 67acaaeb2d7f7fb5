#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "kurven/Kurvenmodell.h"

// The curve window's commands on the marked part of the current curve, and its view: the
// visible time window, its zoom steps and the scroll bar under the graph.
namespace plv7::kurven {

// A marking covers the points whose whole segment lies inside it.
struct MarkiertePunkte {
    std::size_t erster = 0;
    std::size_t letzter = 0;
    bool leer = true;
};
MarkiertePunkte Markiert(const std::vector<Kurvenpunkt>& punkte, const Markierung& markierung);

// The mark tool: a drag that starts a new marking, a drag that moves its end, the release.
void MarkierungZiehen(Markierung& markierung, bool neu, double x);
void MarkierungLoslassen(Markierung& markierung, double x);

// "Kopieren", "Löschen", "Ausschneiden", "Einfügen", "Alles Markieren". Each returns whether
// the points of the current curve changed.
void Kopieren(Kurvenmodell& modell);
bool Loeschen(Kurvenmodell& modell);
bool Ausschneiden(Kurvenmodell& modell);
bool Einfuegen(Kurvenmodell& modell);
void AllesMarkieren(Kurvenmodell& modell);

// The zoom steps: a third narrower or half again as wide around the middle; a window never
// gets narrower than 1 ms nor wider than kFensterMaxBreite.
inline constexpr double kFensterMaxBreite = 1e16;
Zeitfenster ZoomPlus(const Zeitfenster& fenster);
Zeitfenster ZoomMinus(const Zeitfenster& fenster);
// The window over the marking, which goes either way; false without a marking.
bool ZoomMarkierung(Kurvenmodell& modell);

// The scroll bar under the graph, in percent of the curve's duration.
struct Rollbalken {
    int position = 0;   // 0..100
    int groesse = 100;  // thumb size, 1..100
};
Rollbalken RollbalkenStand(const Zeitfenster& fenster, std::int64_t dauer);
// The window after a scroll to `prozent`: same width, never before 0.
Zeitfenster Gerollt(const Zeitfenster& fenster, std::int64_t dauer, int prozent);

// The value range typed in the curve's user unit; false (nothing stored) unless the raw
// minimum lies below the raw maximum.
bool WertebereichSetzen(Kurvenmodell& modell, double minEinheit, double maxEinheit);

}  // namespace plv7::kurven
