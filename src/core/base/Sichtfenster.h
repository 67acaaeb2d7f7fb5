#pragma once

#include <cstdint>

// What the curve and the characteristic window share about their large graph: the visible X
// window of whole units from 0 up to a limit, its zoom steps and scroll bar, the marking and
// the display mode.
namespace plv7 {

enum class Darstellung { Linien = 1, Stufen = 2, LinienUndStufen = 3 };

inline bool LinienZeigen(Darstellung darstellung) {
    return darstellung != Darstellung::Stufen;
}
inline bool StufenZeigen(Darstellung darstellung) {
    return darstellung != Darstellung::Linien;
}

// The mark tool's marking on the X axis. A drag rounds to whole units; a paste may put it
// between them.
struct Markierung {
    double start = 0.0;
    double ende = 0.0;
    bool vorhanden = false;
    bool neu = true;  // the next drag starts a new marking
};
// A drag moves the end (and starts a new marking after a release); the release puts the ends
// in order.
void MarkierungZiehen(Markierung& markierung, double x);
void MarkierungLoslassen(Markierung& markierung, double x);
void AllesMarkieren(Markierung& markierung, double ende);

// The visible window min..max; the axis runs from min to max + 1.
struct Sichtfenster {
    std::int64_t min = 0;
    std::int64_t max = 0;

    std::int64_t breite() const { return max - min + 1; }
    bool operator==(const Sichtfenster&) const = default;
};

// The zoom steps around the middle: a third narrower, never below one unit; half again as
// wide, never past `grenze`.
Sichtfenster ZoomPlus(const Sichtfenster& fenster);
Sichtfenster ZoomMinus(const Sichtfenster& fenster, double grenze);
// 0 .. grenze - 1, at least one unit.
Sichtfenster ZoomVoll(std::int64_t grenze);
// The window over a marking of some width; removes the marking in any case. False when there
// was no marking.
bool ZoomMarkierung(Sichtfenster& fenster, Markierung& markierung);

// The scroll bar over 0 .. grenze, in percent.
struct Rollbalken {
    int position = 0;   // 0..100
    int groesse = 100;  // thumb size, 1..100
};
Rollbalken RollbalkenStand(const Sichtfenster& fenster, std::int64_t grenze);
// The window after a scroll to `prozent`: same width, never before 0.
Sichtfenster Gerollt(const Sichtfenster& fenster, std::int64_t grenze, int prozent);

}  // namespace plv7
