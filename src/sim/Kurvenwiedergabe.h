#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "kurven/Kurve.h"

namespace plv7::sim {

// The box playing the curves of its memory on its outputs: from "start" on, each curve one
// value per tick of its segment's time base, cycle after cycle, then its rest value. Time is
// the line's time in seconds, handed in by whoever moves the box's clock.
class Kurvenwiedergabe {
public:
    static constexpr int kAusgaenge = 4;

    // Starts at `sekunden` when the mode byte says the memory holds curves and the image in
    // it is sound; otherwise nothing plays. Returns whether curves play.
    bool starten(std::span<const std::uint8_t> speicher, std::uint8_t modus, double sekunden);
    void stoppen() { laeuft_ = false; }
    // True from a successful start until "stop" or until every curve has played its cycles.
    bool laeuft() const { return laeuft_; }

    // Sets the outputs (millivolts, 0..10000) to what the curves give at `sekunden`. Does
    // nothing while no curves play; the last call after the end leaves the rest values.
    void fortschreiben(double sekunden, std::array<int, kAusgaenge>& millivolts);

private:
    struct Spur {
        std::vector<kurven::Kurvenpunkt> punkte;
        std::vector<std::int64_t> startzeiten;  // ms of each point within a cycle
        std::int64_t dauer = 0;                 // ms of one cycle
        std::int32_t zyklen = 0;                // 0 = endlessly
        std::int32_t ruhewert = 0;
    };
    // The raw value at `ms` after the start; false once the curve has played all its cycles.
    static bool wertBei(const Spur& spur, double ms, std::int32_t& wert);

    std::array<Spur, kAusgaenge> spuren_;
    double start_ = 0.0;
    bool laeuft_ = false;
};

}  // namespace plv7::sim
