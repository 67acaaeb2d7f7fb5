#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One output curve of the curve generator: a closed polyline over time. Each point carries the
// output value at its start and the length of the straight segment that leads to the next
// point; the segment after the last point leads back to point 0, because the box plays a curve
// cycle after cycle.
namespace plv7::kurven {

inline constexpr int kKurvenAnzahl = 4;
inline constexpr std::int32_t kWertMax = 4095;            // raw output value at full scale
inline constexpr std::int32_t kLaengeMax = 65535;         // ticks of one segment
inline constexpr std::size_t kKommentarMax = 999;         // characters of a comment
inline constexpr std::int64_t kFensterStandardMax = 200;  // ms shown after start and "Neu"

struct Kurvenpunkt {
    std::int32_t wert = 0;    // raw 0..4095
    std::int32_t laenge = 1;  // ticks of the segment starting here, 1..65535
    std::uint8_t zeitbasis = 1;

    bool operator==(const Kurvenpunkt&) const = default;
};

struct Kurve {
    std::vector<Kurvenpunkt> punkte{Kurvenpunkt{}};  // never empty
    std::string kommentar;                           // lines separated by "\n"

    bool operator==(const Kurve&) const = default;
};

// The curve of a fresh start and of "Neu": one point {0, 1, "10ms"}.
std::vector<Kurvenpunkt> Einzelpunkt();

// Start time of point i in milliseconds: the sum of length x tick of the points before it.
std::int64_t PunktStartzeit(const std::vector<Kurvenpunkt>& punkte, std::size_t i);
// Duration in milliseconds, closing segment included.
std::int64_t Kurvendauer(const std::vector<Kurvenpunkt>& punkte);
// The index of the segment that contains time x (ms): the first whose end is at least
// floor(x) + 1; the last point's index at or beyond the end.
std::size_t SegmentBeiZeit(const std::vector<Kurvenpunkt>& punkte, double x);

// Bytes the curve occupies in the box's memory image.
long KurveSpeicherbedarf(const std::vector<Kurvenpunkt>& punkte);
// Bytes of the whole image: the 32-byte header and the four curves.
long Speicherbedarf(const std::array<Kurve, kKurvenAnzahl>& kurven);
// The memory use in percent of the box's 32768 bytes, as the window shows it.
double SpeicherbedarfProzent(long bytes);
// The same plus 0.05: the value the red warning of the window is judged by.
double SpeicherbedarfAnzeige(long bytes);
// True when the display value stands above 100 (the field turns red).
bool SpeicherbedarfZuGross(double anzeige);

// One step of a digitised segment: the box holds one value per tick.
struct Stufe {
    double zeit;  // start of the step, ms
    std::int32_t wert;
};
// The value of step k of the segment (x0, y0)..(x1, y1) with tick t: the line's value at the
// step's start, rounded to the nearest integer.
std::int32_t Stufenwert(double x0, double y0, double x1, double y1, double tick, std::int64_t k);
// All steps of the segment: trunc(|x1 - x0| / t + 0.5) of them, the first holding y0; y1 is
// reached only at x1. Empty for a tick of 0 or a segment of no length.
std::vector<Stufe> DigitalisierteGerade(double x0, double y0, double x1, double y1, double tick);

// A time in ms as the window's four fields show and take it.
struct Zeitangabe {
    std::int64_t stunden = 0;
    std::int64_t minuten = 0;
    std::int64_t sekunden = 0;
    std::int64_t millisekunden = 0;

    bool operator==(const Zeitangabe&) const = default;
};
Zeitangabe ZeitZerlegen(double millisekunden);
std::int64_t ZeitZusammensetzen(const Zeitangabe& zeit);

}  // namespace plv7::kurven
