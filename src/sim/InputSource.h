#pragma once

#include <cstdint>

namespace plv7::sim {

// Where a simulated input takes its voltage from.
enum class InputKind {
    Output,    // the output of the same number, or of the number in `output` (a wired box)
    Constant,  // a fixed voltage: level
    Sine,      // 5 V + amplitude * sin(2 pi t / period)
    Ramp,      // 0 V rising to 10 V over period, then again from 0 V
    Noise,     // the output of the same number plus uniform noise of +-amplitude
};

struct InputSource {
    InputKind kind = InputKind::Output;
    double level = 0.0;      // Constant
    double amplitude = 1.0;  // Sine, Noise
    double period = 10.0;    // Sine, Ramp; seconds, > 0
    int output = 0;          // Output, Noise: the output 1..4 wired to the input; 0 the same number
};

// The input's reading in millivolts, 0..10000, at time `seconds`. `outputMillivolts` is the
// output of the same number; `noiseState` is the generator state the Noise source advances.
int inputMillivolts(const InputSource& source, int outputMillivolts, double seconds,
                    std::uint32_t& noiseState);

}  // namespace plv7::sim
