#include "kurven/Kurve.h"

#include <cmath>

#include "kurven/Zeitbasis.h"
#include "link/Rahmenformat.h"

namespace plv7::kurven {

namespace {
constexpr long kKopfBytes = 32;
constexpr long kSatzBytes = 5;
constexpr long kFolgewertBytes = 2;
constexpr long kLaufMaxPunkte = 65536;  // the opening point and at most 65535 followers

std::int64_t segmentDauer(const Kurvenpunkt& p) {
    return std::int64_t{p.laenge} * ZeitbasisTick(p.zeitbasis);
}
}  // namespace

std::vector<Kurvenpunkt> Einzelpunkt() {
    return {Kurvenpunkt{}};
}

std::int64_t PunktStartzeit(const std::vector<Kurvenpunkt>& punkte, std::size_t i) {
    std::int64_t zeit = 0;
    for (std::size_t k = 0; k < i && k < punkte.size(); ++k) zeit += segmentDauer(punkte[k]);
    return zeit;
}

std::int64_t Kurvendauer(const std::vector<Kurvenpunkt>& punkte) {
    return PunktStartzeit(punkte, punkte.size());
}

std::size_t SegmentBeiZeit(const std::vector<Kurvenpunkt>& punkte, double x) {
    const double grenze = std::floor(x) + 1.0;
    std::int64_t ende = 0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        ende += segmentDauer(punkte[i]);
        if (grenze <= static_cast<double>(ende)) return i;
    }
    return punkte.empty() ? 0 : punkte.size() - 1;
}

long KurveSpeicherbedarf(const std::vector<Kurvenpunkt>& punkte) {
    long bytes = 0;
    long lauf = 0;  // points in the open run, 0 when none is open
    int laufZeitbasis = 0;
    for (const auto& p : punkte) {
        if (p.laenge != 1) {
            bytes += kSatzBytes;
            lauf = 0;
        } else if (lauf > 0 && p.zeitbasis == laufZeitbasis && lauf < kLaufMaxPunkte) {
            bytes += kFolgewertBytes;
            ++lauf;
        } else {
            bytes += kSatzBytes;
            lauf = 1;
            laufZeitbasis = p.zeitbasis;
        }
    }
    return bytes;
}

long Speicherbedarf(const std::array<Kurve, kKurvenAnzahl>& kurven) {
    long bytes = kKopfBytes;
    for (const auto& k : kurven) bytes += KurveSpeicherbedarf(k.punkte);
    return bytes;
}

double SpeicherbedarfProzent(long bytes) {
    return 100.0 * static_cast<double>(bytes) / static_cast<double>(protocol::kMemorySize);
}

double SpeicherbedarfAnzeige(long bytes) {
    return SpeicherbedarfProzent(bytes) + 0.05;
}

bool SpeicherbedarfZuGross(double anzeige) {
    return anzeige > 100.0;
}

std::int32_t Stufenwert(double x0, double y0, double x1, double y1, double tick, std::int64_t k) {
    const double schritt = static_cast<double>(k) * tick;
    return static_cast<std::int32_t>(std::floor(y0 + (y1 - y0) * schritt / (x1 - x0) + 0.5));
}

std::vector<Stufe> DigitalisierteGerade(double x0, double y0, double x1, double y1, double tick) {
    std::vector<Stufe> stufen;
    if (tick <= 0.0 || x1 == x0) return stufen;
    const auto n = static_cast<std::int64_t>(std::fabs(x1 - x0) / tick + 0.5);
    stufen.reserve(static_cast<std::size_t>(n));
    for (std::int64_t k = 0; k < n; ++k)
        stufen.push_back({x0 + static_cast<double>(k) * tick, Stufenwert(x0, y0, x1, y1, tick, k)});
    return stufen;
}

Zeitangabe ZeitZerlegen(double millisekunden) {
    // Far beyond any curve (65535 hours a segment) and never negative, so the cast is defined.
    constexpr double kGrenze = 1e15;
    auto rest = static_cast<std::int64_t>(
        std::isfinite(millisekunden) ? std::fmin(std::fmax(millisekunden, 0.0), kGrenze) : 0.0);
    Zeitangabe zeit;
    zeit.stunden = rest / 3600000;
    rest -= zeit.stunden * 3600000;
    zeit.minuten = rest / 60000;
    rest -= zeit.minuten * 60000;
    zeit.sekunden = rest / 1000;
    zeit.millisekunden = rest - zeit.sekunden * 1000;
    return zeit;
}

std::int64_t ZeitZusammensetzen(const Zeitangabe& zeit) {
    return ((zeit.stunden * 60 + zeit.minuten) * 60 + zeit.sekunden) * 1000 + zeit.millisekunden;
}

}  // namespace plv7::kurven
