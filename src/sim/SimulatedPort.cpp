#include "SimulatedPort.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "link/Rahmenformat.h"

namespace plv7::sim {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point toTimePoint(double seconds) {
    constexpr double kFarFuture = 1e9;  // keeps the conversion clear of overflow
    seconds = std::min(seconds, kFarFuture);
    return Clock::time_point(
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)));
}

}  // namespace

SimulatedPort::SimulatedPort(std::shared_ptr<Line> line) : line_(std::move(line)) {}

double SimulatedPort::now() {
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

bool SimulatedPort::usable(double seconds) {
    if (!open_ || line_ == nullptr) return false;
    if (line_->vanished(seconds)) lost_ = true;
    return !lost_;
}

bool SimulatedPort::open(long baud) {
    if (line_ == nullptr || line_->vanished(now()) || baud <= 0) return false;
    open_ = true;
    lost_ = false;
    baud_ = baud;
    queuedUntil_.clear();
    return true;
}

bool SimulatedPort::close() {
    if (line_ == nullptr || line_->vanished(now())) return false;
    open_ = false;
    queuedUntil_.clear();
    return true;
}

bool SimulatedPort::setReadTimeout(double seconds) {
    if (!usable(now()) || !std::isfinite(seconds) || seconds < 0.0) return false;
    readTimeout_ = seconds;
    return true;
}

bool SimulatedPort::flushInput() {
    const double seconds = now();
    if (!usable(seconds)) return false;
    line_->discardArrived(seconds);
    return true;
}

// Bytes already handed to the line keep going, as in a UART whose shift register is loaded;
// the queue is reported empty from now on.
bool SimulatedPort::flushOutput() {
    if (!usable(now())) return false;
    queuedUntil_.clear();
    return true;
}

void SimulatedPort::dropSent(double seconds) {
    while (!queuedUntil_.empty() && queuedUntil_.front() <= seconds) queuedUntil_.pop_front();
}

long SimulatedPort::write(const std::uint8_t* data, std::size_t length) {
    const double seconds = now();
    if (!usable(seconds) || (data == nullptr && length > 0)) return -1;
    dropSent(seconds);
    const std::size_t room = static_cast<std::size_t>(kQueueSize) - queuedUntil_.size();
    const std::size_t accepted = std::min(length, room);
    if (accepted == 0) return 0;
    const double last = line_->send({data, accepted}, baud_, seconds);
    if (line_->vanished(seconds)) return -1;
    const double character = protocol::wireSeconds(1, baud_);
    for (std::size_t i = 0; i < accepted; ++i)
        queuedUntil_.push_back(last - static_cast<double>(accepted - 1 - i) * character);
    return static_cast<long>(accepted);
}

long SimulatedPort::outputQueueLength() {
    const double seconds = now();
    if (!usable(seconds)) return -1;
    dropSent(seconds);
    return static_cast<long>(queuedUntil_.size());
}

int SimulatedPort::readByte() {
    const double start = now();
    if (!usable(start)) return -1;
    const double deadline = std::min(start + readTimeout_, line_->vanishTime());
    while (true) {
        const auto next = line_->nextAnswer();
        if (!next || next->time > deadline) {
            std::this_thread::sleep_until(toTimePoint(deadline));
            return -1;
        }
        if (next->time > now()) std::this_thread::sleep_until(toTimePoint(next->time));
        line_->takeAnswer();
        // A byte sent at another rate than the port's reads as a framing error: lost.
        if (next->baud == baud_) return next->value;
    }
}

}  // namespace plv7::sim
