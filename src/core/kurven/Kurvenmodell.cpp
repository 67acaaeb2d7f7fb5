#include "kurven/Kurvenmodell.h"

#include "konfig/KonfigUmrechnung.h"

#include <algorithm>
#include <cmath>

namespace plv7::kurven {

Kurvenmodell::Kurvenmodell() = default;

void Kurvenmodell::BearbeitungsschrittSichern() {
    geaendert = true;
    verlauf_[index(aktuelleKurve)].aufzeichnen(aktuell().punkte);
}

bool Kurvenmodell::Rueckgaengig() {
    return verlauf_[index(aktuelleKurve)].rueckgaengig(aktuell().punkte);
}

bool Kurvenmodell::Wiederherstellen() {
    return verlauf_[index(aktuelleKurve)].wiederherstellen(aktuell().punkte);
}

void Kurvenmodell::Neu() {
    for (auto& k : kurven) k = Kurve{};
    for (auto& e : einstellungen) {
        e.zyklen = 1;
        e.ruhewert = 0;
    }
    dateipfad.clear();
    fenster = kFensterStandard;
    // Nothing is left that an operator could lose.
    geaendert = false;
}

std::int32_t Kurvenmodell::ZyklenUndRuhezustandSetzen(std::int32_t zyklen, double ruhewertEinheit) {
    auto& e = einstellungen[index(aktuelleKurve)];
    geaendert = true;
    e.zyklen = std::clamp<std::int32_t>(zyklen, 0, kLaengeMax);
    const double code = std::trunc(::AusgangEinheitInCode(aktuelleKurve, ruhewertEinheit));
    e.ruhewert = static_cast<std::int32_t>(std::clamp(code, 0.0, static_cast<double>(kWertMax)));
    return e.ruhewert;
}

void Kurvenmodell::GanzeKurveZeigen() {
    fenster = ZoomVoll(Kurvendauer(aktuell().punkte));
}

std::size_t Kurvenmodell::SegmentBeiZeit(double x) const {
    return kurven::SegmentBeiZeit(aktuell().punkte, x);
}

}  // namespace plv7::kurven
