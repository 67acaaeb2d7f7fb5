#include "kurven/Kurvenmodell.h"

#include "konfig/KonfigUmrechnung.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace plv7::kurven {

Bearbeitungsverlauf::Bearbeitungsverlauf() {
    schnappschuesse.fill(Einzelpunkt());
}

Kurvenmodell::Kurvenmodell() = default;

void Kurvenmodell::BearbeitungsschrittSichern() {
    auto& v = verlauf_[index(aktuelleKurve)];
    geaendert = true;
    v.schnappschuesse[static_cast<std::size_t>(v.position)] = aktuell().punkte;
    v.position = (v.position + 1) % kUndoTiefe;
    v.rueckgaengig = std::min(v.rueckgaengig + 1, kUndoTiefe);
    v.wiederherstellen = 0;
}

bool Kurvenmodell::Rueckgaengig() {
    auto& v = verlauf_[index(aktuelleKurve)];
    if (v.rueckgaengig < 1) return false;
    v.position = (v.position + kUndoTiefe - 1) % kUndoTiefe;
    std::swap(v.schnappschuesse[static_cast<std::size_t>(v.position)], aktuell().punkte);
    --v.rueckgaengig;
    v.wiederherstellen = std::min(v.wiederherstellen + 1, kUndoTiefe);
    return true;
}

bool Kurvenmodell::Wiederherstellen() {
    auto& v = verlauf_[index(aktuelleKurve)];
    if (v.wiederherstellen < 1) return false;
    std::swap(v.schnappschuesse[static_cast<std::size_t>(v.position)], aktuell().punkte);
    v.position = (v.position + 1) % kUndoTiefe;
    --v.wiederherstellen;
    v.rueckgaengig = std::min(v.rueckgaengig + 1, kUndoTiefe);
    return true;
}

void Kurvenmodell::Neu() {
    for (auto& k : kurven) k = Kurve{};
    for (auto& e : einstellungen) {
        e.zyklen = 1;
        e.ruhewert = 0;
    }
    dateipfad.clear();
    fenster = Zeitfenster{};
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
    fenster.min = 0;
    // Curves read from a box may hold segments of length 0; the window never gets empty.
    fenster.max = std::max<std::int64_t>(Kurvendauer(aktuell().punkte) - 1, 0);
}

std::size_t Kurvenmodell::SegmentBeiZeit(double x) const {
    return kurven::SegmentBeiZeit(aktuell().punkte, x);
}

}  // namespace plv7::kurven
