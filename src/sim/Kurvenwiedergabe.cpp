#include "Kurvenwiedergabe.h"

#include <algorithm>
#include <cmath>

#include "kurven/KurvenUebertragung.h"
#include "kurven/Speicherabbild.h"
#include "kurven/Zeitbasis.h"

namespace plv7::sim {

namespace {

int millivoltsAusCode(std::int32_t code) {
    const double mv = std::round(static_cast<double>(code) * 10000.0 / kurven::kWertMax);
    return static_cast<int>(std::clamp(mv, 0.0, 10000.0));
}

}  // namespace

bool Kurvenwiedergabe::starten(std::span<const std::uint8_t> speicher, std::uint8_t modus,
                               double sekunden) {
    laeuft_ = false;
    kurven::Kurvendaten daten;
    if (!kurven::KurvenImSpeicher(modus) ||
        kurven::SpeicherabbildDekodieren(speicher, daten) != 0) {
        return false;
    }
    for (std::size_t k = 0; k < spuren_.size(); ++k) {
        Spur& spur = spuren_[k];
        spur.punkte = std::move(daten.punkte[k]);
        spur.startzeiten.clear();
        spur.dauer = 0;
        for (const auto& p : spur.punkte) {
            spur.startzeiten.push_back(spur.dauer);
            spur.dauer += std::int64_t{p.laenge} * kurven::ZeitbasisTick(p.zeitbasis);
        }
        spur.zyklen = daten.zyklen[k];
        spur.ruhewert = daten.ruhewerte[k];
    }
    start_ = sekunden;
    laeuft_ = true;
    return true;
}

bool Kurvenwiedergabe::wertBei(const Spur& spur, double ms, std::int32_t& wert) {
    const auto dauer = static_cast<double>(spur.dauer);
    const double zyklus = spur.dauer > 0 ? std::floor(ms / dauer) : 0.0;
    if (spur.dauer <= 0 || (spur.zyklen > 0 && zyklus >= spur.zyklen)) {
        wert = spur.ruhewert;
        return false;
    }
    const double lage = ms - zyklus * dauer;
    const auto naechster = std::upper_bound(spur.startzeiten.begin(), spur.startzeiten.end(),
                                            static_cast<std::int64_t>(std::floor(lage)));
    const auto i = static_cast<std::size_t>(naechster - spur.startzeiten.begin()) - 1;
    const auto& p = spur.punkte[i];
    const auto& folgender = spur.punkte[i + 1 < spur.punkte.size() ? i + 1 : 0];
    const auto tick = static_cast<double>(kurven::ZeitbasisTick(p.zeitbasis));
    const auto x0 = static_cast<double>(spur.startzeiten[i]);
    const auto schritt = static_cast<std::int64_t>(std::floor((lage - x0) / tick));
    wert = kurven::Stufenwert(x0, p.wert, x0 + p.laenge * tick, folgender.wert, tick, schritt);
    return true;
}

void Kurvenwiedergabe::fortschreiben(double sekunden, std::array<int, kAusgaenge>& millivolts) {
    if (!laeuft_) return;
    const double ms = std::max(0.0, (sekunden - start_) * 1000.0);
    bool eineLaeuft = false;
    for (std::size_t k = 0; k < spuren_.size(); ++k) {
        std::int32_t wert = 0;
        eineLaeuft = wertBei(spuren_[k], ms, wert) || eineLaeuft;
        millivolts[k] = millivoltsAusCode(wert);
    }
    laeuft_ = eineLaeuft;
}

}  // namespace plv7::sim
