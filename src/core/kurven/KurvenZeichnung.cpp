#include "kurven/KurvenZeichnung.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "kurven/Zeitbasis.h"

namespace plv7::kurven {
namespace {

// Start times of all points and the duration as the last entry.
void startzeiten(const std::vector<Kurvenpunkt>& punkte, std::vector<double>& s) {
    s.assign(punkte.size() + 1, 0.0);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        s[i + 1] = s[i] + static_cast<double>(punkte[i].laenge) *
                              static_cast<double>(ZeitbasisTick(punkte[i].zeitbasis));
    }
}

void leeren(Kurvenbild& bild) {
    for (Linienzug* l :
         {&bild.linien, &bild.schlusslinie, &bild.stufen, &bild.schlussstufen, &bild.punkte}) {
        l->leeren();
    }
}

void zeichnen(const std::vector<Kurvenpunkt>& punkte, const std::vector<double>& start,
              const Zeitfenster& fenster, double breitePx, const Zeichenart& art,
              Kurvenbild& bild) {
    leeren(bild);
    if (punkte.empty() || (!art.linien && !art.stufen)) return;
    const std::size_t letzter = punkte.size() - 1;
    const auto von = static_cast<double>(fenster.min);
    const auto bis = static_cast<double>(fenster.max);
    const auto a = static_cast<std::size_t>(std::lower_bound(start.begin() + 1, start.end(), von) -
                                            (start.begin() + 1));
    std::size_t b = static_cast<std::size_t>(std::upper_bound(start.begin() + 1, start.end(), bis) -
                                             (start.begin() + 1));
    b = std::min(b, letzter);
    // Steps narrower than a pixel are thinned out: they could not be seen apart.
    const double msProPixel = (bis - von + 1) / std::max(1.0, breitePx);
    // Markers closer than a few pixels to the last one drawn would only pile up into a bar.
    constexpr double kMarkerAbstand = 3.0;
    double markerX = -INFINITY;
    for (std::size_t i = std::min(a, letzter); i <= b; ++i) {
        const bool schliessend = i == letzter;
        const double x0 = start[i];
        const double x1 = start[i + 1];
        const double y0 = punkte[i].wert;
        const double y1 = schliessend ? punkte.front().wert : punkte[i + 1].wert;
        if (art.linien) {
            Linienzug& ziel = schliessend && art.schlussGetrennt ? bild.schlusslinie : bild.linien;
            if (ziel.x.empty() || ziel.x.back() != x0) ziel.anfuegen(x0, y0);
            ziel.anfuegen(x1, y1);
        }
        if (art.punkte && x0 - markerX >= kMarkerAbstand * msProPixel) {
            bild.punkte.anfuegen(x0, y0);
            markerX = x0;
        }
        if (!art.stufen) continue;
        const double tick = static_cast<double>(ZeitbasisTick(punkte[i].zeitbasis));
        if (tick <= 0 || x1 <= x0) continue;
        Linienzug& ziel = schliessend && art.schlussGetrennt ? bild.schlussstufen : bild.stufen;
        const auto n = static_cast<std::int64_t>((x1 - x0) / tick + 0.5);
        const auto kVon =
            std::max<std::int64_t>(0, static_cast<std::int64_t>((von - x0) / tick) - 1);
        const auto kBis =
            std::min<std::int64_t>(n - 1, static_cast<std::int64_t>((bis + 1 - x0) / tick) + 1);
        const auto schritt =
            std::max<std::int64_t>(1, static_cast<std::int64_t>(msProPixel / tick));
        for (std::int64_t k = kVon; k <= kBis; k += schritt) {
            ziel.anfuegen(x0 + static_cast<double>(k) * tick, Stufenwert(x0, y0, x1, y1, tick, k));
        }
        ziel.anfuegen(x1, y1);
    }
}

void markenSetzen(const std::vector<Kurvenpunkt>& punkte, const std::vector<double>& start,
                  const Zeitfenster& fenster, std::vector<Zeitbasismarke>& marken) {
    marken.clear();
    if (punkte.empty()) return;
    marken.push_back({0.0, punkte.front().zeitbasis, false});
    int zuletzt = punkte.front().zeitbasis;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        if (punkte[i].zeitbasis == zuletzt) continue;
        zuletzt = punkte[i].zeitbasis;
        if (start[i] >= static_cast<double>(fenster.min) &&
            start[i] <= static_cast<double>(fenster.max) + 1) {
            marken.push_back({start[i], zuletzt, true});
        }
    }
}

}  // namespace

void KurveZeichnen(const std::vector<Kurvenpunkt>& punkte, const Zeitfenster& fenster,
                   double breitePx, const Zeichenart& art, Kurvenbild& bild) {
    std::vector<double> start;
    startzeiten(punkte, start);
    zeichnen(punkte, start, fenster, breitePx, art, bild);
}

void KurvengrafikZeichnen(const Kurvenmodell& modell,
                          const std::array<bool, kKurvenAnzahl>& hintergrund, bool zeitbasisMarken,
                          double breitePx, Kurvengrafik& grafik) {
    const bool linien = LinienZeigen(modell.darstellung);
    const bool stufen = StufenZeigen(modell.darstellung);
    std::vector<double> start;
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        const bool zeigen = hintergrund[k] && static_cast<int>(k) != modell.aktuelleKurve;
        // Behind the current curve's lines, lines of other curves would be hard to tell apart:
        // they show only in "Linien".
        const Zeichenart art{zeigen && modell.darstellung == Darstellung::Linien, zeigen && stufen};
        if (art.linien || art.stufen) startzeiten(modell.kurven[k].punkte, start);
        zeichnen(modell.kurven[k].punkte, start, modell.fenster, breitePx, art,
                 grafik.hintergrund[k]);
    }
    const auto& punkte = modell.aktuell().punkte;
    startzeiten(punkte, start);
    zeichnen(punkte, start, modell.fenster, breitePx, {linien, stufen, true, true}, grafik.aktuell);
    grafik.marken.clear();
    if (zeitbasisMarken) markenSetzen(punkte, start, modell.fenster, grafik.marken);

    grafik.uebersicht.leeren();
    for (std::size_t i = 0; i < punkte.size(); ++i)
        grafik.uebersicht.anfuegen(start[i], punkte[i].wert);
    if (!punkte.empty()) grafik.uebersicht.anfuegen(start.back(), punkte.front().wert);
    grafik.dauer = start.back();
}

}  // namespace plv7::kurven
