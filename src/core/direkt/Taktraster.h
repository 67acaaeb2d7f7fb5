#pragma once

#include <chrono>

namespace plv7::direkt {

// The deadlines of the sampling timer, without the timer. Each deadline is the previous one
// plus the interval and lies on a whole millisecond, as far from the rounding edge of the
// timing statistics as it can be. A coarse timer is armed to wake a lead before the deadline;
// the rest is slept and the last fraction waited out actively. Every time comes from the
// caller, so the grid is tested on a made-up clock.
class Taktraster {
public:
    using Clock = std::chrono::steady_clock;
    using Zeitpunkt = Clock::time_point;
    using Dauer = Clock::duration;

    // The coarse timer is asked to fire this much before the deadline; its ticks wander by up
    // to about a millisecond.
    static constexpr Dauer kVorlauf = std::chrono::microseconds(2500);
    // The last stretch before the deadline is waited out actively: sleeping overshoots by
    // some tens of microseconds.
    static constexpr Dauer kAktiveStrecke = std::chrono::microseconds(150);
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

    // Milliseconds to arm the coarse timer with, so that it fires the lead before the deadline.
    int weckenInMillisekunden(Zeitpunkt jetzt) const;
    // A wake-up this early re-arms the timer: for long intervals it may be off by more than
    // the lead.
    bool zuFruehGeweckt(Zeitpunkt jetzt) const;
    // How long to sleep before the active wait; zero inside the last stretch.
    Dauer schlafdauer(Zeitpunkt jetzt) const;
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

}  // namespace plv7::direkt
