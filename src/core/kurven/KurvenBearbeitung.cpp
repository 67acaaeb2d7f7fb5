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

void MarkierungZiehen(Markierung& markierung, bool neu, double x) {
    const double t = std::floor(x + 0.5);
    if (neu) {
        markierung.start = t;
        markierung.vorhanden = true;
    }
    markierung.ende = t;
}

void MarkierungLoslassen(Markierung& markierung, double x) {
    const double t = std::floor(x + 0.5);
    if (x < markierung.start) {
        markierung.ende = markierung.start;
        markierung.start = t;
    } else {
        markierung.ende = t;
    }
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
    modell.markierung = {0.0, static_cast<double>(Kurvendauer(modell.aktuell().punkte)), true};
}

Zeitfenster ZoomPlus(const Zeitfenster& fenster) {
    const double breite = static_cast<double>(fenster.max - fenster.min + 1);
    const double w = std::max(breite / 1.5, 1.0);
    const double minimum = static_cast<double>(fenster.min) + (breite - w) / 2.0;
    const auto neuMin = static_cast<std::int64_t>(std::floor(minimum));
    const auto neuMax = static_cast<std::int64_t>(std::floor(minimum + w)) - 1;
    return {neuMin, std::max(neuMin, neuMax)};
}

Zeitfenster ZoomMinus(const Zeitfenster& fenster) {
    const double breite = static_cast<double>(fenster.max - fenster.min + 1);
    const double w = std::min(1.5 * breite, kFensterMaxBreite);
    const double minimum = std::max(static_cast<double>(fenster.min) - w / 6.0, 0.0);
    double ende = minimum + w;
    if (std::floor(minimum + 1.0) >= std::floor(ende)) ende += 1.0;
    return {static_cast<std::int64_t>(std::floor(minimum)),
            static_cast<std::int64_t>(std::floor(ende)) - 1};
}

bool ZoomMarkierung(Kurvenmodell& modell) {
    if (!modell.markierung.vorhanden) return false;
    const Markierung m = modell.markierung;
    modell.markierung = {};
    if (m.ende > m.start) {
        modell.fenster = {static_cast<std::int64_t>(m.start),
                          static_cast<std::int64_t>(m.ende) - 1};
        modell.fenster.max = std::max(modell.fenster.min, modell.fenster.max);
    }
    return true;
}

Rollbalken RollbalkenStand(const Zeitfenster& fenster, std::int64_t dauer) {
    const double breite = static_cast<double>(fenster.max - fenster.min + 1);
    const double d = static_cast<double>(std::max<std::int64_t>(dauer, 1));
    Rollbalken r;
    r.groesse = static_cast<int>(std::clamp(std::trunc(breite / d * 100.0 + 0.5), 1.0, 100.0));
    if (d > breite) {
        const double p = std::trunc(100.0 * static_cast<double>(fenster.min) / (d - breite));
        r.position = static_cast<int>(std::clamp(p, 0.0, 100.0));
    }
    return r;
}

Zeitfenster Gerollt(const Zeitfenster& fenster, std::int64_t dauer, int prozent) {
    const std::int64_t breite = fenster.max - fenster.min + 1;
    const double minimum =
        std::max(0.0, std::floor(prozent * static_cast<double>(dauer - breite) / 100.0 + 0.5));
    const auto neuMin = static_cast<std::int64_t>(minimum);
    return {neuMin, neuMin + breite - 1};
}

bool WertebereichSetzen(Kurvenmodell& modell, double minEinheit, double maxEinheit) {
    const int c = modell.aktuelleKurve;
    const double unten = std::trunc(zahlOderNull(::AusgangEinheitInCode(c, minEinheit)));
    const double oben = std::trunc(zahlOderNull(::AusgangEinheitInCode(c, maxEinheit)));
    const auto minimum = static_cast<std::int32_t>(std::clamp(unten, 0.0, static_cast<double>(kWertMax)));
    const auto maximum = static_cast<std::int32_t>(std::clamp(oben, 0.0, static_cast<double>(kWertMax)));
    if (minimum >= maximum) return false;
    auto& e = modell.einstellungen[static_cast<std::size_t>(c)];
    e.yMin = minimum;
    e.yMax = maximum;
    return true;
}

}  // namespace plv7::kurven
