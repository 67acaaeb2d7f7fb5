#include "direkt/Zeitstatistik.h"

#include <cmath>

#include "base/NumberText.h"

namespace plv7::direkt {

namespace {
constexpr double kLedDauer = 0.5;
}

long long millisekunden(double seconds) {
    return static_cast<long long>(1000.0 * seconds + 0.5);
}

void Zeitstatistik::erfassungStarten() {
    neustart();
    erfassungsbeginn_ = -1.0;
    laufzeit_ = 0.0;
}

void Zeitstatistik::neustart() {
    vorherigerTakt_ = -1.0;
}

bool Zeitstatistik::takt(double now, double interval) {
    if (erfassungsbeginn_ < 0.0) erfassungsbeginn_ = now;
    laufzeit_ = now - erfassungsbeginn_;

    ++messungen_;
    if (!gestartet()) {
        vorherigerTakt_ = now;
        messungen_ = 0;
        fehler_ = 0;
        gemeldet_ = 0;
        mittel_ = geringste_ = groesste_ = letzte_ = 0.0;
        return false;
    }

    const bool zeitfehler =
        millisekunden(now) - millisekunden(vorherigerTakt_) != millisekunden(interval);
    if (zeitfehler) {
        ++fehler_;
        const double d = 1000.0 * (now - vorherigerTakt_ - interval);
        mittel_ = (mittel_ * static_cast<double>(fehler_ - 1) + d) / static_cast<double>(fehler_);
        if (geringste_ == 0.0 || std::fabs(geringste_) > std::fabs(d)) geringste_ = d;
        if (std::fabs(groesste_) < std::fabs(d)) groesste_ = d;
        letzte_ = d;
    }
    vorherigerTakt_ = now;

    if (fehler_ > gemeldet_) {
        ledEin_ = now;
        gemeldet_ = fehler_;
    }
    return zeitfehler;
}

bool Zeitstatistik::zeitfehlerLed(double now) const {
    return ledEin_ >= 0.0 && now - ledEin_ <= kLedDauer;
}

Zeitstatistik::Anzeige Zeitstatistik::anzeige() const {
    Anzeige a;
    a.fehler = fehler_;
    a.messungen = messungen_;
    // No measurement yet: no percentage rather than a division by zero.
    a.fehlerProzent = messungen_ > 0
                          ? 100.0 * static_cast<double>(fehler_) / static_cast<double>(messungen_)
                          : 0.0;
    a.durchschnittMs = mittel_;
    a.geringsterMs = geringste_;
    a.groessterMs = groesste_;
    a.letzteMs = letzte_;
    return a;
}

Zeitstatistik::AnzeigeText Zeitstatistik::anzeigeText() const {
    const Anzeige a = anzeige();
    AnzeigeText t;
    t.fehler = std::to_string(a.fehler);
    t.messungen = std::to_string(a.messungen);
    t.fehlerProzent = formatFixed(a.fehlerProzent, 2);
    t.durchschnittMs = formatFixed(a.durchschnittMs, 1);
    t.geringsterMs = formatFixed(a.geringsterMs, 1);
    t.groessterMs = formatFixed(a.groessterMs, 1);
    t.letzteMs = formatFixed(a.letzteMs, 1);
    return t;
}

}  // namespace plv7::direkt
