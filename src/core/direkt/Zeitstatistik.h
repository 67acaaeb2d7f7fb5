#pragma once

#include <string>

namespace plv7::direkt {

// A time in seconds rounded to whole milliseconds: the integer part of 1000 x + 0.5.
long long millisekunden(double seconds);

// How the sampling ticks keep the requested interval. Time comes in as seconds of the
// caller's monotonic clock.
class Zeitstatistik {
public:
    // What the statistics dialog shows.
    struct Anzeige {
        long fehler = 0;
        long messungen = 0;
        double fehlerProzent = 0.0;
        double durchschnittMs = 0.0;
        double geringsterMs = 0.0;  // signed; the deviation of smallest magnitude
        double groessterMs = 0.0;   // signed; the deviation of largest magnitude
        double letzteMs = 0.0;
    };

    // The dialog's fields as text (percent with two decimals, milliseconds with one).
    struct AnzeigeText {
        std::string fehler, messungen, fehlerProzent, durchschnittMs, geringsterMs, groessterMs,
            letzteMs;
    };

    // A new acquisition: the statistics and the running time start with the next tick.
    void erfassungStarten();
    // The statistics start anew with the next tick (after a pause such as drawing a whole
    // frame at once); the running time keeps counting from the acquisition's first tick.
    void neustart();

    // Measures one tick at time now against the interval. Returns true when the tick was a
    // timing error.
    bool takt(double now, double interval);

    bool gestartet() const { return vorherigerTakt_ >= 0.0; }
    // Seconds since the first tick of the acquisition, as of the last tick; 0 in its first.
    double laufzeit() const { return laufzeit_; }
    // The timing-error light: on for 0.5 s after a tick brought a new error.
    bool zeitfehlerLed(double now) const;

    Anzeige anzeige() const;
    AnzeigeText anzeigeText() const;

private:
    double vorherigerTakt_ = -1.0;
    double erfassungsbeginn_ = -1.0;
    double laufzeit_ = 0.0;
    long messungen_ = 0;
    long fehler_ = 0;
    long gemeldet_ = 0;
    double mittel_ = 0.0;
    double geringste_ = 0.0;
    double groesste_ = 0.0;
    double letzte_ = 0.0;
    double ledEin_ = -1.0;
};

}  // namespace plv7::direkt
