#include "kennlinien/KennlinienArbeitspunkt.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "konfig/KonfigUmrechnung.h"

namespace plv7::kennlinien {

namespace {
constexpr int kEingang2 = 1;
constexpr int kAusgang1 = 0;
constexpr int kStellen = 3;
}  // namespace

int KennlinienWert(const std::vector<Kennlinienpunkt>& punkte, int x) {
    if (punkte.empty()) return 0;
    long x0 = 0;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        const long x1 = x0 + punkte[i].laenge;
        if (x < x1 && x1 > x0) {
            const double y0 = punkte[i].y;
            const double y1 = punkte[i + 1].y;
            return static_cast<int>(std::floor(y0 + (y1 - y0) * (x - x0) / (x1 - x0) + 0.5));
        }
        x0 = x1;
    }
    return punkte.back().y;
}

Arbeitspunkt ArbeitspunktBei(const Kennlinie& kennlinie, const Konfiguration& konfig,
                             double eingang2Volt) {
    Arbeitspunkt p;
    const double roh = std::floor(EingangSpannungInCode(konfig, eingang2Volt) + 0.5);
    p.xCode = static_cast<int>(std::clamp(roh, 0.0, double{kennlinie::kRohMax}));
    p.yCode = KennlinienWert(kennlinie.punkte, p.xCode);
    p.x = EingangCodeInEinheit(konfig, kEingang2, p.xCode);
    p.y = AusgangCodeInEinheit(konfig, kAusgang1, p.yCode);
    return p;
}

std::string ArbeitspunktText(const Arbeitspunkt& punkt, const Konfiguration& konfig) {
    return "Arbeitspunkt: X = " + formatFixed(punkt.x, kStellen) + " " +
           EinheitAlsUtf8(konfig.ineinheit[kEingang2]) + ", Y = " + formatFixed(punkt.y, kStellen) +
           " " + EinheitAlsUtf8(konfig.outeinheit[kAusgang1]);
}

Arbeitspunktabfrage::Schritt Arbeitspunktabfrage::takt(const Lage& lage, const Lesen& lesen,
                                                       const Kennlinie& kennlinie,
                                                       const Konfiguration& konfig) {
    if (!lage.sichtbar || lage.leitungBelegt || lage.hilfeAktiv) {
        ++pausen_;
        return Schritt::Pause;
    }
    if (lage.port < 0) return Schritt::KeinPort;
    double volt = 0.0;
    ++lesungen_;
    fehler_ = lesen(volt);
    if (fehler_ != 0) return Schritt::Fehler;
    punkt_ = ArbeitspunktBei(kennlinie, konfig, volt);
    return Schritt::Punkt;
}

}  // namespace plv7::kennlinien
