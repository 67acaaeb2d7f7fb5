#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "kurven/Kurve.h"

// Turns a sampled signal into the fewest curve points whose straight segments stay within a
// tolerance of every sample. The box's memory is small, so every point saved counts.
namespace plv7::kurven {

// One sample: a tick of the time base since the start and a raw output value (not rounded).
struct Stuetzwert {
    std::int64_t tick = 0;
    double wert = 0.0;
};

// How the last sample relates to the curve's end.
enum class Kurvenschluss {
    // The last sample stands for the curve's return to its start: its value is point 0's, and
    // it becomes no point of its own (a generated function over whole periods).
    Rueckkehr,
    // The last sample is the last point; the closing segment back to point 0 lasts one tick
    // (a recording).
    EinTick,
};

// Samples with strictly rising ticks, the first at tick 0, values within 0..4095 and a
// tolerance of at least half a code (an integer point value must reach every sample). Point
// values are whole codes within 0..4095; between two points, the segment's line lies within
// `toleranz` of every sample. Segments never exceed 65535 ticks: a longer gap between samples
// gets points of its own on its straight line. Empty for fewer than two samples with
// Rueckkehr or no samples at all.
std::vector<Kurvenpunkt> Ausduennen(std::span<const Stuetzwert> werte, double toleranz,
                                    int zeitbasis, Kurvenschluss schluss);

// The value of the points' line at a tick (0 .. duration in ticks, the closing segment
// included) for points of one time base; a test's and a check's view of the curve.
double LinienwertBeiTick(const std::vector<Kurvenpunkt>& punkte, std::int64_t tick);

// Bytes of the whole memory image when curve `kurve` (0..3) holds `punkte` instead.
long SpeicherbedarfMit(const std::array<Kurve, kKurvenAnzahl>& kurven, int kurve,
                       const std::vector<Kurvenpunkt>& punkte);
// Whether an image of that many bytes fits into the box (every record ends by byte 32766).
bool PasstInSpeicher(long bytes);

}  // namespace plv7::kurven
