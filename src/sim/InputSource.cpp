#include "InputSource.h"

#include <cmath>
#include <numbers>

namespace plv7::sim {

namespace {

int clampToMillivolts(double volts) {
    if (!std::isfinite(volts) || volts <= 0.0) return 0;
    if (volts >= 10.0) return 10000;
    return static_cast<int>(std::lround(volts * 1000.0));
}

// xorshift32: cheap, deterministic, so runs and tests repeat exactly.
double nextUniform(std::uint32_t& state) {
    if (state == 0) state = 0x9E3779B9u;
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 4294967295.0;
}

double positivePeriod(double period) {
    return (std::isfinite(period) && period > 0.0) ? period : 1.0;
}

}  // namespace

int inputMillivolts(const InputSource& source, int outputMillivolts, double seconds,
                    std::uint32_t& noiseState) {
    const double outputVolts = outputMillivolts / 1000.0;
    switch (source.kind) {
        case InputKind::Output:
            return clampToMillivolts(outputVolts);
        case InputKind::Constant:
            return clampToMillivolts(source.level);
        case InputKind::Sine: {
            const double phase = 2.0 * std::numbers::pi * seconds / positivePeriod(source.period);
            return clampToMillivolts(5.0 + source.amplitude * std::sin(phase));
        }
        case InputKind::Ramp: {
            const double period = positivePeriod(source.period);
            double fraction = std::fmod(seconds, period) / period;
            if (fraction < 0.0) fraction += 1.0;
            return clampToMillivolts(10.0 * fraction);
        }
        case InputKind::Noise:
            return clampToMillivolts(outputVolts +
                                     source.amplitude * (2.0 * nextUniform(noiseState) - 1.0));
    }
    return 0;
}

}  // namespace plv7::sim
