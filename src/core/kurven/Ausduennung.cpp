#include "kurven/Ausduennung.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "kurven/Speicherabbild.h"

namespace plv7::kurven {

namespace {

// Inserts samples on the straight line of a gap that a single segment could not span.
std::vector<Stuetzwert> luekenFuellen(std::span<const Stuetzwert> werte) {
    std::vector<Stuetzwert> dicht;
    dicht.reserve(werte.size());
    for (std::size_t i = 0; i < werte.size(); ++i) {
        if (i > 0) {
            const Stuetzwert a = werte[i - 1];
            const Stuetzwert b = werte[i];
            for (std::int64_t t = a.tick + kLaengeMax; t < b.tick; t += kLaengeMax) {
                const double anteil =
                    static_cast<double>(t - a.tick) / static_cast<double>(b.tick - a.tick);
                dicht.push_back({t, a.wert + (b.wert - a.wert) * anteil});
            }
        }
        dicht.push_back(werte[i]);
    }
    return dicht;
}

std::int32_t code(double wert) {
    return static_cast<std::int32_t>(std::clamp(std::round(wert), 0.0, double{kWertMax}));
}

// The whole code nearest to `ziel` within [unten, oben] and 0..4095, if there is one.
bool ganzzahlImBereich(double unten, double oben, double ziel, std::int32_t& wert) {
    const double lo = std::max(std::ceil(unten - 1e-9), 0.0);
    const double hi = std::min(std::floor(oben + 1e-9), double{kWertMax});
    if (lo > hi) return false;
    wert = static_cast<std::int32_t>(std::clamp(std::round(ziel), lo, hi));
    return true;
}

}  // namespace

std::vector<Kurvenpunkt> Ausduennen(std::span<const Stuetzwert> eingabe, double toleranz,
                                    int zeitbasis, Kurvenschluss schluss) {
    const bool rueckkehr = schluss == Kurvenschluss::Rueckkehr;
    if (eingabe.size() < (rueckkehr ? 2U : 1U)) return {};
    std::vector<Stuetzwert> werte = luekenFuellen(eingabe);
    const auto zb = static_cast<std::uint8_t>(zeitbasis);
    const std::size_t letzter = werte.size() - 1;
    const std::int32_t anfang = code(werte[0].wert);
    // The return to the start must meet point 0 exactly.
    if (rueckkehr) werte[letzter].wert = anfang;

    std::vector<Kurvenpunkt> punkte;
    std::size_t i = 0;
    std::int32_t wert = anfang;
    while (i < letzter) {
        // Greedy: the slopes from point i that keep every sample so far within the tolerance
        // form an interval; the segment ends at the farthest sample that a whole code inside
        // that interval can reach.
        double steilMin = -std::numeric_limits<double>::infinity();
        double steilMax = std::numeric_limits<double>::infinity();
        std::size_t ende = i + 1;
        std::int32_t endwert = code(werte[i + 1].wert);
        for (std::size_t k = i + 1; k <= letzter; ++k) {
            if (werte[k].tick - werte[i].tick > kLaengeMax) break;
            const auto dt = static_cast<double>(werte[k].tick - werte[i].tick);
            steilMin = std::max(steilMin, (werte[k].wert - toleranz - wert) / dt);
            steilMax = std::min(steilMax, (werte[k].wert + toleranz - wert) / dt);
            if (steilMin > steilMax + 1e-12) break;
            std::int32_t kandidat = 0;
            // The middle of what the slopes allow leaves the next segment the most room.
            const double unten = wert + steilMin * dt;
            const double oben = wert + steilMax * dt;
            const bool amEnde = rueckkehr && k == letzter;
            const double ziel = amEnde ? anfang : (unten + oben) / 2.0;
            const bool gefunden = ganzzahlImBereich(unten, oben, ziel, kandidat);
            if (gefunden && !(amEnde && kandidat != anfang)) {
                ende = k;
                endwert = kandidat;
            }
        }
        punkte.push_back({wert, static_cast<std::int32_t>(werte[ende].tick - werte[i].tick), zb});
        i = ende;
        wert = endwert;
    }
    if (!rueckkehr) punkte.push_back({wert, 1, zb});
    return punkte;
}

double LinienwertBeiTick(const std::vector<Kurvenpunkt>& punkte, std::int64_t tick) {
    std::int64_t start = 0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const std::int64_t ende = start + punkte[i].laenge;
        if (tick < ende || i + 1 == punkte.size()) {
            const double naechster = i + 1 < punkte.size() ? punkte[i + 1].wert : punkte[0].wert;
            const double anteil =
                static_cast<double>(tick - start) / static_cast<double>(punkte[i].laenge);
            return punkte[i].wert + (naechster - punkte[i].wert) * anteil;
        }
        start = ende;
    }
    return 0.0;
}

long SpeicherbedarfMit(const std::array<Kurve, kKurvenAnzahl>& kurven, int kurve,
                       const std::vector<Kurvenpunkt>& punkte) {
    long bytes = Speicherbedarf(kurven);
    if (kurve < 0 || kurve >= kKurvenAnzahl) return bytes;
    const auto k = static_cast<std::size_t>(kurve);
    return bytes - KurveSpeicherbedarf(kurven[k].punkte) + KurveSpeicherbedarf(punkte);
}

bool PasstInSpeicher(long bytes) {
    return bytes <= abbild::kGrenze;
}

}  // namespace plv7::kurven
