#pragma once

namespace plv7::direkt {

// When the direct window repaints during sampling. Meters, minimum and maximum are refreshed
// at most ten times a second: the eye cannot follow more, and painting them on every fast tick
// would cost the sampling its timing. They are painted at once only when the next deadline
// leaves time for it; the chart is drawn when its drawing fits before the next deadline, and
// at least once a second whatever the ticks leave. Times are seconds of the program's
// monotonic clock.
class Anzeigeplanung {
public:
    static constexpr double kAnzeigeAbstand = 0.1;
    // Time to spare before the next deadline when the numbers are painted at once.
    static constexpr double kSofortMalenReserve = 0.001;
    // The chart is drawn at least this often even when no tick leaves time for it.
    static constexpr double kZeichnenSpaetestens = 1.0;
    // What a drawing of the chart must leave before the next tick is due.
    static constexpr double kZeichenreserve = 0.0005;

    void starten(double jetzt);

    // A processed sample waits to be shown.
    void neuerMesswert() { anzeigeOffen_ = true; }
    // Whether the numbers are shown after a tick that ended at `jetzt`; if so, they count as
    // shown.
    bool messwerteZeigen(double jetzt);
    // Whether the numbers are repainted at once rather than by the event loop, which may get
    // to it just before the next deadline.
    bool sofortMalen(double restBisFaellig) const;
    // Painting the numbers took this long: a slower painting is followed at once, a faster one
    // slowly.
    void gemalt(double dauer);
    double maldauer() const { return maldauer_; }

    bool grafikZeichnen(double jetzt, double restBisFaellig, double zeichendauer) const;
    void grafikGezeichnet(double jetzt) { letzteZeichnung_ = jetzt; }

private:
    bool anzeigeOffen_ = false;
    double letzteAnzeige_ = -1.0;
    double letzteZeichnung_ = -1.0;
    double maldauer_ = 0.0;
};

}  // namespace plv7::direkt
