#include "direkt/PraeziserTakt.h"

#include <algorithm>
#include <thread>

namespace plv7::gui {
namespace {

using namespace std::chrono_literals;
using Clock = PraeziserTakt::Clock;

// The Qt timer is asked to fire this much before the deadline; its ticks wander by up to
// about a millisecond.
constexpr auto kVorlauf = 2500us;
// The last stretch before the deadline is waited out actively: sleeping overshoots by
// some tens of microseconds.
constexpr auto kAktiveStrecke = 150us;
// The active wait never lasts longer than this, whatever the clock does.
constexpr auto kAktivHoechstens = 2ms;
// A tick later than this after its deadline moves the grid to itself.
constexpr auto kSpaetGrenze = 250us;

}  // namespace

PraeziserTakt::PraeziserTakt(std::function<void()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { feuern(); });
}

double PraeziserTakt::jetzt() {
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

Clock::time_point PraeziserTakt::aufMillisekunde(Clock::time_point t) {
    return std::chrono::ceil<std::chrono::milliseconds>(t);
}

void PraeziserTakt::setIntervall(double intervallSekunden) {
    intervall_ = intervallSekunden;
    periode_ = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(intervallSekunden));
}

void PraeziserTakt::starten(double intervallSekunden) {
    setIntervall(intervallSekunden);
    aktiv_ = true;
    neuStarten();
}

void PraeziserTakt::neuStarten() {
    if (!aktiv_) return;
    faellig_ = aufMillisekunde(Clock::now()) + periode_;
    if (!imTakt_) planen();
}

void PraeziserTakt::stoppen() {
    aktiv_ = false;
    timer_.stop();
}

double PraeziserTakt::restBisFaellig() const {
    return std::chrono::duration<double>(faellig_ - Clock::now()).count();
}

void PraeziserTakt::planen() {
    const auto rest = faellig_ - kVorlauf - Clock::now();
    const auto ms = std::chrono::floor<std::chrono::milliseconds>(rest);
    timer_.start(static_cast<int>(std::clamp<long long>(ms.count(), 0, 24LL * 3600 * 1000)));
}

void PraeziserTakt::feuern() {
    if (!aktiv_) return;
    // Long intervals are planned in steps: the Qt timer may be off by more than the lead.
    if (faellig_ - Clock::now() > kVorlauf + 5ms) {
        planen();
        return;
    }
    auto nun = Clock::now();
    if (faellig_ - nun > kAktiveStrecke) {
        const auto schlaf = faellig_ - kAktiveStrecke - nun;
        std::this_thread::sleep_for(schlaf);
        const auto danach = Clock::now();
        kosten_.schlafSekunden += std::chrono::duration<double>(danach - nun).count();
        nun = danach;
    }
    const auto warteBeginn = nun;
    const auto grenze = warteBeginn + kAktivHoechstens;
    while (nun < faellig_ && nun < grenze) nun = Clock::now();
    kosten_.aktivSekunden += std::chrono::duration<double>(nun - warteBeginn).count();
    ++kosten_.takte;
    const double spaet = std::chrono::duration<double>(nun - faellig_).count();
    if (spaet > 0.0005) ++kosten_.verspaetet;
    kosten_.groessteVerspaetung = std::max(kosten_.groessteVerspaetung, spaet);

    // A late tick starts the grid anew from its own (rounded) millisecond, which is what the
    // timing statistics measure the next interval from.
    if (nun - faellig_ > kSpaetGrenze)
        faellig_ = std::chrono::round<std::chrono::milliseconds>(nun);
    faellig_ += periode_;

    imTakt_ = true;
    tick_();
    imTakt_ = false;
    if (aktiv_) planen();
}

}  // namespace plv7::gui
