#include "direkt/PraeziserTakt.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace plv7::gui {

PraeziserTakt::PraeziserTakt(std::function<void()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { feuern(); });
}

double PraeziserTakt::jetzt() {
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

void PraeziserTakt::setIntervall(double intervallSekunden) {
    raster_.setIntervall(intervallSekunden);
}

void PraeziserTakt::starten(double intervallSekunden) {
    setIntervall(intervallSekunden);
    aktiv_ = true;
    neuStarten();
}

void PraeziserTakt::neuStarten() {
    if (!aktiv_) return;
    raster_.neuStarten(Clock::now());
    if (!imTakt_) planen();
}

void PraeziserTakt::stoppen() {
    aktiv_ = false;
    timer_.stop();
}

double PraeziserTakt::restBisFaellig() const {
    return raster_.restBisFaellig(Clock::now());
}

void PraeziserTakt::planen() {
    timer_.start(raster_.weckenInMillisekunden(Clock::now()));
}

void PraeziserTakt::feuern() {
    if (!aktiv_) return;
    if (raster_.zuFruehGeweckt(Clock::now())) {
        planen();
        return;
    }
    auto nun = Clock::now();
    if (const auto schlaf = raster_.schlafdauer(nun); schlaf > Clock::duration::zero()) {
        std::this_thread::sleep_for(schlaf);
        const auto danach = Clock::now();
        kosten_.schlafSekunden += std::chrono::duration<double>(danach - nun).count();
        nun = danach;
    }
    const auto warteBeginn = nun;
    const auto bis = raster_.aktivesWartenBis(warteBeginn);
    while (nun < bis) nun = Clock::now();
    kosten_.aktivSekunden += std::chrono::duration<double>(nun - warteBeginn).count();
    ++kosten_.takte;
    const double spaet = raster_.getaktet(nun);
    if (spaet > 0.0005) ++kosten_.verspaetet;
    kosten_.groessteVerspaetung = std::max(kosten_.groessteVerspaetung, spaet);

    imTakt_ = true;
    tick_();
    imTakt_ = false;
    if (aktiv_) planen();
}

}  // namespace plv7::gui
