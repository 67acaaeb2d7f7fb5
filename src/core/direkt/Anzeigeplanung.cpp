#include "direkt/Anzeigeplanung.h"

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

}  // namespace plv7::direkt
