#include "direkt/Taktraster.h"

#include <algorithm>

namespace plv7::direkt {
namespace {

constexpr long long kLaengstesWecken = 24LL * 3600 * 1000;
constexpr auto kNeuWeckenAb = Taktraster::kVorlauf + std::chrono::milliseconds(5);

}  // namespace

void Taktraster::setIntervall(double sekunden) {
    intervall_ = sekunden;
    periode_ = std::chrono::duration_cast<Dauer>(std::chrono::duration<double>(sekunden));
}

void Taktraster::neuStarten(Zeitpunkt jetzt) {
    faellig_ = std::chrono::ceil<std::chrono::milliseconds>(jetzt) + periode_;
}

double Taktraster::restBisFaellig(Zeitpunkt jetzt) const {
    return std::chrono::duration<double>(faellig_ - jetzt).count();
}

int Taktraster::weckenInMillisekunden(Zeitpunkt jetzt) const {
    const auto rest = std::chrono::floor<std::chrono::milliseconds>(faellig_ - kVorlauf - jetzt);
    return static_cast<int>(std::clamp<long long>(rest.count(), 0, kLaengstesWecken));
}

bool Taktraster::zuFruehGeweckt(Zeitpunkt jetzt) const {
    return faellig_ - jetzt > kNeuWeckenAb;
}

Taktraster::Dauer Taktraster::schlafdauer(Zeitpunkt jetzt) const {
    return std::max(Dauer::zero(), faellig_ - kAktiveStrecke - jetzt);
}

Taktraster::Zeitpunkt Taktraster::aktivesWartenBis(Zeitpunkt beginn) const {
    return std::min(faellig_, beginn + kAktivHoechstens);
}

double Taktraster::getaktet(Zeitpunkt start) {
    const double spaet = std::chrono::duration<double>(start - faellig_).count();
    if (start - faellig_ > kSpaetGrenze) {
        faellig_ = std::chrono::round<std::chrono::milliseconds>(start);
    }
    faellig_ += periode_;
    return spaet;
}

}  // namespace plv7::direkt
