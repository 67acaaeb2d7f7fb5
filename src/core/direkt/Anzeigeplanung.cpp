#include "direkt/Anzeigeplanung.h"

#include <algorithm>

namespace plv7::direkt {

void Anzeigeplanung::starten(double jetzt) {
    anzeigeOffen_ = false;
    letzteAnzeige_ = -1.0;
    letzteZeichnung_ = jetzt;
}

bool Anzeigeplanung::messwerteZeigen(double jetzt) {
    if (!anzeigeOffen_) return false;
    if (letzteAnzeige_ >= 0.0 && jetzt - letzteAnzeige_ < kAnzeigeAbstand) return false;
    letzteAnzeige_ = jetzt;
    anzeigeOffen_ = false;
    return true;
}

bool Anzeigeplanung::sofortMalen(double restBisFaellig) const {
    return restBisFaellig >= maldauer_ + kSofortMalenReserve;
}

void Anzeigeplanung::gemalt(double dauer) {
    maldauer_ = std::max(dauer, maldauer_ * 0.9 + dauer * 0.1);
}

bool Anzeigeplanung::grafikZeichnen(double jetzt, double restBisFaellig,
                                    double zeichendauer) const {
    return restBisFaellig > zeichendauer + kZeichenreserve ||
           jetzt - letzteZeichnung_ >= kZeichnenSpaetestens;
}

}  // namespace plv7::direkt
