#include "direkt/Taktraster.h"

#include <algorithm>

namespace plv7::direkt {
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

Weckvorlauf::Dauer Weckvorlauf::dauer() const {
    return std::clamp(spitze_ + spitze_ / 2, kMindestens, kHoechstens);
}

void Weckvorlauf::geweckt(Zeitpunkt geplant, Zeitpunkt aufgewacht) {
    const Dauer latenz = std::max(Dauer::zero(), aufgewacht - geplant);
    if (latenz > kHoechstens) return;
    spitze_ = std::max(latenz, spitze_ - spitze_ / 64);
}

}  // namespace plv7::direkt
