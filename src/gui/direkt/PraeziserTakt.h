#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

#include "direkt/Taktraster.h"

namespace plv7::gui {

// The sampling timer on the deadlines of a Taktraster: a precise Qt timer wakes a little
// early, the rest is slept precisely and the last fraction waited out actively, so a tick
// starts within a few tens of microseconds of its deadline.
class PraeziserTakt : public QObject {
public:
    using Clock = direkt::Taktraster::Clock;

    explicit PraeziserTakt(std::function<void()> tick, QObject* parent = nullptr);

    // Starts with the first tick one interval from now.
    void starten(double intervallSekunden);
    void stoppen();
    // The next tick one interval from now (after a pause such as drawing a whole frame).
    void neuStarten();
    void setIntervall(double intervallSekunden);

    bool aktiv() const { return aktiv_; }
    double intervall() const { return raster_.intervall(); }
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

    std::function<void()> tick_;
    QTimer timer_;
    direkt::Taktraster raster_;
    bool aktiv_ = false;
    bool imTakt_ = false;
    Wartekosten kosten_;
};

}  // namespace plv7::gui
