#pragma once

#include <chrono>

namespace plv7::direkt {

// The deadlines of the sampling ticks, without the thread that keeps them. Each deadline is
// the previous one plus the interval and lies on a whole millisecond, as far from the rounding
// edge of the timing statistics as it can be. The thread sleeps until the wake-up latency
// before the deadline and waits the rest out actively. Every time comes from the caller, so
// the grid is tested on a made-up clock.
class Taktraster {
public:
    using Clock = std::chrono::steady_clock;
    using Zeitpunkt = Clock::time_point;
    using Dauer = Clock::duration;

    // The active wait never lasts longer than this, whatever the clock does.
    static constexpr Dauer kAktivHoechstens = std::chrono::milliseconds(2);
    // A tick later than this after its deadline moves the grid to itself.
    static constexpr Dauer kSpaetGrenze = std::chrono::microseconds(250);

    void setIntervall(double sekunden);
    double intervall() const { return intervall_; }

    // The next deadline one interval after the next whole millisecond from now.
    void neuStarten(Zeitpunkt jetzt);
    Zeitpunkt faellig() const { return faellig_; }
    double restBisFaellig(Zeitpunkt jetzt) const;

    // Where the active wait that begins now ends.
    Zeitpunkt aktivesWartenBis(Zeitpunkt beginn) const;

    // The tick started at `start`. A late tick starts the grid anew from its own rounded
    // millisecond, which is what the timing statistics measure the next interval from, instead
    // of bunching the following ticks. Returns how late it started, in seconds.
    double getaktet(Zeitpunkt start);

private:
    Zeitpunkt faellig_{};
    Dauer periode_{};
    double intervall_ = 0.5;
};

// How long before a deadline the thread wakes from its sleep: the wake-up latency the kernel
// has shown lately, so that only that stretch is waited out actively. A late wake-up raises
// it at once; it comes down slowly, by 1/64 a tick. A wake-up later than the ceiling was
// another process's turn on the processor, which waiting actively would not win back.
class Weckvorlauf {
public:
    using Dauer = Taktraster::Dauer;
    using Zeitpunkt = Taktraster::Zeitpunkt;

    static constexpr Dauer kMindestens = std::chrono::microseconds(20);
    static constexpr Dauer kHoechstens = std::chrono::microseconds(500);
    static constexpr Dauer kAnfang = std::chrono::microseconds(100);

    // The margin before the deadline: half as much again as the latency seen lately.
    Dauer dauer() const;
    // A sleep meant to end at `geplant` ended at `aufgewacht`.
    void geweckt(Zeitpunkt geplant, Zeitpunkt aufgewacht);

private:
    Dauer spitze_ = kAnfang;
};

}  // namespace plv7::direkt
