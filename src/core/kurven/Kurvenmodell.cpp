#include "kurven/Kurvenmodell.h"

#include <algorithm>
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

void Kurvenmodell::GanzeKurveZeigen() {
    fenster.min = 0;
    // Curves read from a box may hold segments of length 0; the window never gets empty.
    fenster.max = std::max<std::int64_t>(Kurvendauer(aktuell().punkte) - 1, 0);
}

std::size_t Kurvenmodell::SegmentBeiZeit(double x) const {
    return kurven::SegmentBeiZeit(aktuell().punkte, x);
}

}  // namespace plv7::kurven
