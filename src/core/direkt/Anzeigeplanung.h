#pragma once

namespace plv7::direkt {

// When the direct window repaints during sampling. Meters, minimum and maximum are refreshed
// at most ten times a second and the chart at most 25 times: the eye cannot follow more, and
// the processor time is better left to other programs. Times are seconds of the program's
// monotonic clock.
class Anzeigeplanung {
public:
    static constexpr double kAnzeigeAbstand = 0.1;
    static constexpr double kZeichenAbstand = 0.04;

    void starten(double jetzt);

    // A processed sample waits to be shown.
    void neuerMesswert() { anzeigeOffen_ = true; }
    // Whether the numbers are shown after a tick that ended at `jetzt`; if so, they count as
    // shown.
    bool messwerteZeigen(double jetzt);
    bool grafikZeichnen(double jetzt) const { return jetzt - letzteZeichnung_ >= kZeichenAbstand; }
    void grafikGezeichnet(double jetzt) { letzteZeichnung_ = jetzt; }

private:
    bool anzeigeOffen_ = false;
    double letzteAnzeige_ = -1.0;
    double letzteZeichnung_ = -1.0;
};

}  // namespace plv7::direkt
