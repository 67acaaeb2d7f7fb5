#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace plv7::gui {

// The sampling timer. Each deadline is the previous one plus the interval, on a monotonic
// clock, and lies on a whole millisecond, as far from the rounding edge of the timing
// statistics as it can be. A precise Qt timer wakes about a millisecond early; the rest is
// slept precisely and the last fraction waited out actively, so a tick starts within a few
// tens of microseconds of its deadline. A tick that comes late (a long tick before it, a
// busy event loop) moves the grid to itself instead of bunching the following ticks.
class PraeziserTakt : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    explicit PraeziserTakt(std::function<void()> tick, QObject* parent = nullptr);

    // Starts with the first tick one interval from now.
    void starten(double intervallSekunden);
    void stoppen();
    // The next tick one interval from now (after a pause such as drawing a whole frame).
    void neuStarten();
    void setIntervall(double intervallSekunden);

    bool aktiv() const { return aktiv_; }
    double intervall() const { return intervall_; }
    // Seconds until the next deadline; negative when it has passed.
    double restBisFaellig() const;

    // Seconds of the program's monotonic clock.
    static double jetzt();

    // What the waiting cost: time spent actively waiting and precisely sleeping, and the
    // number of ticks, since the last reset.
    struct Wartekosten {
        double aktivSekunden = 0.0;
        double schlafSekunden = 0.0;
        long takte = 0;
        // Ticks that started more than half a millisecond after their deadline (the
        // statistics count such a tick as a timing error), and the latest start.
        long verspaetet = 0;
        double groessteVerspaetung = 0.0;
    };
    const Wartekosten& wartekosten() const { return kosten_; }
    void wartekostenZuruecksetzen() { kosten_ = {}; }

private:
    void planen();
    void feuern();
    static Clock::time_point aufMillisekunde(Clock::time_point t);

    std::function<void()> tick_;
    QTimer timer_;
    Clock::time_point faellig_{};
    Clock::duration periode_{};
    double intervall_ = 0.5;
    bool aktiv_ = false;
    bool imTakt_ = false;
    Wartekosten kosten_;
};

}  // namespace plv7::gui
