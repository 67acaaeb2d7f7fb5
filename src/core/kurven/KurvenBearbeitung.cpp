#include "kurven/KurvenBearbeitung.h"

#include <algorithm>
#include <cmath>

#include "konfig/KonfigUmrechnung.h"

namespace plv7::kurven {

namespace {

using Diff = std::ptrdiff_t;

// Removes the marked points; the following ones move forward.
void markierteEntfernen(std::vector<Kurvenpunkt>& punkte, const MarkiertePunkte& m) {
    if (m.leer) return;
    punkte.erase(punkte.begin() + static_cast<Diff>(m.erster),
                 punkte.begin() + static_cast<Diff>(m.letzter + 1));
}

double zahlOderNull(double wert) {
    return std::isfinite(wert) ? wert : 0.0;
}

}  // namespace

MarkiertePunkte Markiert(const std::vector<Kurvenpunkt>& punkte, const Markierung& markierung) {
    const std::size_t a = SegmentBeiZeit(punkte, markierung.start);
    const bool amAnfang = markierung.start == static_cast<double>(PunktStartzeit(punkte, a));
    const std::size_t erster = amAnfang ? a : a + 1;
    const std::size_t ende = SegmentBeiZeit(punkte, markierung.ende);
    if (ende == 0 || ende - 1 < erster) return {};
    return {erster, ende - 1, false};
}

void Kopieren(Kurvenmodell& modell) {
    if (!modell.markierung.vorhanden) return;
    const auto& punkte = modell.aktuell().punkte;
    const MarkiertePunkte m = Markiert(punkte, modell.markierung);
    if (m.leer) return;
    modell.zwischenablage.assign(punkte.begin() + static_cast<Diff>(m.erster),
                                 punkte.begin() + static_cast<Diff>(m.letzter + 1));
}

bool Loeschen(Kurvenmodell& modell) {
    if (!modell.markierung.vorhanden) return false;
    const MarkiertePunkte m = Markiert(modell.aktuell().punkte, modell.markierung);
    modell.markierung = {};
    if (m.leer) return false;
    modell.BearbeitungsschrittSichern();
    markierteEntfernen(modell.aktuell().punkte, m);
    return true;
}

bool Ausschneiden(Kurvenmodell& modell) {
    Kopieren(modell);
    return Loeschen(modell);
}

bool Einfuegen(Kurvenmodell& modell) {
    if (!modell.markierung.vorhanden) return false;
    auto punkte = modell.aktuell().punkte;
    const MarkiertePunkte m = Markiert(punkte, modell.markierung);
    // The piece goes where the marked points were, or after the point whose segment holds a
    // marking that covers no point.
    std::size_t k = m.leer ? SegmentBeiZeit(punkte, modell.markierung.start) + 1 : m.erster;
    markierteEntfernen(punkte, m);
    if (k >= punkte.size()) k = punkte.size() - 1;
    auto stueck = modell.zwischenablage;
    if (!stueck.empty()) stueck.front().wert = punkte[k].wert;
    punkte.insert(punkte.begin() + static_cast<Diff>(k), stueck.begin(), stueck.end());
    const double hinterStueck = static_cast<double>(PunktStartzeit(punkte, k + stueck.size()));
    modell.markierung = {hinterStueck + 0.05, hinterStueck + 0.05, true};
    if (punkte == modell.aktuell().punkte) return false;
    modell.BearbeitungsschrittSichern();
    modell.aktuell().punkte = std::move(punkte);
    return true;
}

void AllesMarkieren(Kurvenmodell& modell) {
    AllesMarkieren(modell.markierung, static_cast<double>(Kurvendauer(modell.aktuell().punkte)));
}

bool WertebereichSetzen(Kurvenmodell& modell, double minEinheit, double maxEinheit) {
    const int c = modell.aktuelleKurve;
    const double unten = std::trunc(zahlOderNull(::AusgangEinheitInCode(c, minEinheit)));
    const double oben = std::trunc(zahlOderNull(::AusgangEinheitInCode(c, maxEinheit)));
    const auto minimum =
        static_cast<std::int32_t>(std::clamp(unten, 0.0, static_cast<double>(kWertMax)));
    const auto maximum =
        static_cast<std::int32_t>(std::clamp(oben, 0.0, static_cast<double>(kWertMax)));
    if (minimum >= maximum) return false;
    auto& e = modell.einstellungen[static_cast<std::size_t>(c)];
    e.yMin = minimum;
    e.yMax = maximum;
    return true;
}

}  // namespace plv7::kurven
