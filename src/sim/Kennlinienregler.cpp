#include "Kennlinienregler.h"

#include <algorithm>
#include <cmath>

#include "Box.h"
#include "kennlinien/KennlinienArbeitspunkt.h"
#include "kennlinien/Kennlinienblock.h"
#include "link/Rahmenformat.h"

namespace plv7::sim {

namespace {

// Steps of the filter between two ticks: the box computes every millisecond; a long pause
// between requests is covered in at most this many steps.
constexpr double kSchritt = 0.001;
constexpr int kMaxSchritte = 2000;
constexpr double kMillivoltProCode = 10000.0 / kennlinie::kRohMax;

bool haeltKennlinien(const Box& box) {
    return (box.mode() & protocol::kModeCharacteristics) != 0 &&
           (box.mode() & protocol::kModeCurves) == 0;
}

int auswahl(int millivolt) {
    return std::clamp(static_cast<int>(std::lround(millivolt / 1000.0)), 1,
                      kennlinien_block::kSlots);
}

}  // namespace

int kennlinienWert(const std::vector<Kennlinienpunkt>& punkte, int x) {
    return kennlinien::KennlinienWert(punkte, x);
}

const Kennlinienregler::Slot& Kennlinienregler::slot(const Box& box, int nummer) {
    if (slot_.nummer == nummer) return slot_;
    slot_ = Slot{};
    slot_.nummer = nummer;
    const auto speicher = box.memory().subspan(
        static_cast<std::size_t>(KennlinienSlotAdresse(nummer)), kennlinien_block::kSlotGroesse);
    const auto kopf = KennlinienblockKopfLesen(speicher);
    const std::size_t laenge = kennlinien_block::kKopf + 4 * std::size_t{kopf.anzahl};
    if (laenge > speicher.size()) return slot_;
    const auto block = speicher.first(laenge);
    if (KennlinienblockPruefsumme(block) != kopf.pruefsumme) return slot_;
    if (KennlinienblockDekodieren(block, slot_.punkte) != 0) return slot_;
    slot_.gueltig = true;
    slot_.ausgang2Code = std::min<int>(kopf.ausgang2Code, kennlinie::kRohMax);
    slot_.zeitkonstante = kopf.zeitkonstanteMs / 1000.0;
    return slot_;
}

void Kennlinienregler::schritt(Box& box, double zeit, double dauer) {
    const Slot& gewaehlt = slot(box, auswahl(box.inputMillivolts(3, zeit)));
    if (!gewaehlt.gueltig) return;
    const int x = static_cast<int>(std::lround(box.inputMillivolts(2, zeit) / kMillivoltProCode));
    const double ziel = kennlinienWert(gewaehlt.punkte, x) * kMillivoltProCode;
    if (gewaehlt.zeitkonstante <= 0.0) {
        ausgang1_ = ziel;
    } else {
        ausgang1_ += (ziel - ausgang1_) * (1.0 - std::exp(-dauer / gewaehlt.zeitkonstante));
    }
    box.setOutputMillivolts(1, static_cast<int>(std::lround(ausgang1_)));
    box.setOutputMillivolts(
        2, static_cast<int>(std::lround(gewaehlt.ausgang2Code * kMillivoltProCode)));
}

void Kennlinienregler::takt(Box& box, double seconds) {
    if (!box.running() || !haeltKennlinien(box)) {
        laeuft_ = false;
        return;
    }
    // Memory may have changed since the last tick.
    slot_ = Slot{};
    if (!laeuft_) {
        laeuft_ = true;
        zeit_ = seconds;
        ausgang1_ = box.outputMillivolts(1);
        schritt(box, seconds, 0.0);
        return;
    }
    const double pause = std::max(0.0, seconds - zeit_);
    const int schritte = std::clamp(static_cast<int>(std::ceil(pause / kSchritt)), 1, kMaxSchritte);
    const double dauer = pause / schritte;
    for (int k = 1; k <= schritte; ++k) schritt(box, zeit_ + k * dauer, dauer);
    zeit_ = std::max(zeit_, seconds);
}

}  // namespace plv7::sim
