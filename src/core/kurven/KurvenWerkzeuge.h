#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "kurven/Kurvenmodell.h"

// What the nine mouse tools of the curve window compute. Every edit works on the current curve
// of the model and returns the refusal text the window shows in a "Fehler" pop-up, or an empty
// text when it went through (or had nothing to do). An edit that changes nothing records no
// undo step.
namespace plv7::kurven {

// The value grid of curve `kurve`: raw value y snapped to multiples of `raster` (in the
// curve's user unit, anchored at user value 0), held to 0..4095 and rounded. A raster of 0, or
// one that spans no raw step, leaves y only held and rounded.
std::int32_t RasterY(int kurve, double raster, double y);

// The point nearest to (x, y) as the operator sees it on a plot area of the given size in
// pixels, for the time window `fenster`. The lower index wins a tie.
std::size_t NaechsterPunkt(const std::vector<Kurvenpunkt>& punkte, double x, double y,
                           const Zeitfenster& fenster, double breite, double hoehe);

struct Punktlage {
    double x = 0.0;  // ms
    double y = 0.0;  // raw
};

// "Punkt zeichnen": where the new point lands, a whole number of ticks of `zeitbasis` (at
// least one) after the last point; y is the snapped value.
Punktlage ZeichnenVorschau(const std::vector<Kurvenpunkt>& punkte, int zeitbasis, double x,
                           std::int32_t y);
// Appends the point: the former last point gets the ticks up to x in `zeitbasis`, the new one
// carries the closing segment.
std::string PunktAnhaengen(Kurvenmodell& modell, int zeitbasis, double x, std::int32_t y);

// "Punkt verschieben": the time point i snaps to so that both neighbouring segments stay whole
// numbers of their ticks; 0 for point 0.
double VerschiebenX(const std::vector<Kurvenpunkt>& punkte, std::size_t i, double x);
// Moves point i to the snapped time of x and value y (already snapped).
std::string PunktVerschieben(Kurvenmodell& modell, std::size_t i, double x, std::int32_t y);

// "Punktkoordinaten ändern": point i to start time `zeit` (ms) and the value typed in the
// curve's user unit. A refused time leaves the value as well; a refused value keeps the time.
std::string PunktKoordinatenSetzen(Kurvenmodell& modell, std::size_t i, std::int64_t zeit,
                                   double wertEinheit);

// "Punkt auflösen": removes point i; the curve keeps its duration unless i is the last point.
std::string PunktAufloesen(Kurvenmodell& modell, std::size_t i);

// "Gerade teilen": a new point inside the segment under x, on the segment's line.
std::string GeradeTeilen(Kurvenmodell& modell, double x);

// "Zeitbasis ändern": the segment under x gets time base `zeitbasis` at the same duration;
// the closing segment keeps its ticks instead.
std::string ZeitbasisAendern(Kurvenmodell& modell, double x, int zeitbasis);

// "Geradenlänge ändern": segment i gets the duration `dauer` (ms) in its own time base.
std::string GeradenlaengeAendern(Kurvenmodell& modell, std::size_t i, std::int64_t dauer);

}  // namespace plv7::kurven
