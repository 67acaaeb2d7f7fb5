#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "Box.h"
#include "Faults.h"

namespace plv7::sim {

// One byte of an answer on its way to the PC: its value, the time it has fully arrived at the
// PC's side of the line, and the rate it was sent at (the PC reads it only at that rate).
struct AnswerByte {
    std::uint8_t value;
    double time;
    long baud;
};

// The serial line between the PC and its devices. Time is explicit: every call that moves
// bytes takes the time in seconds (any origin, but the same for all calls), so both the
// in-process port and the pseudo-terminal server drive the same model, and tests are exact.
//
// Every character takes ten bit times at the rate it is sent at, in both directions. The PC's
// bytes leave back to back; a device works on a request the moment its CR has arrived and
// starts its reply after the line's latency. Replies leave back to back as well; each byte is
// available at the PC one character time after the one before it.
//
// Not thread-safe: one thread drives a line.
class Line {
public:
    static constexpr double kDefaultSlowDelay = 2.0;
    static constexpr double kNever = std::numeric_limits<double>::infinity();

    // A PLV-7 at `address`; nullptr when the address is no individual address or is taken.
    Box* addBox(char address);
    // A device that answers the identification with `identification` and refuses the rest.
    Box* addForeign(char address, std::string_view identification);
    Box* box(char address);
    const std::vector<std::unique_ptr<Box>>& boxes() const { return boxes_; }

    // Seconds between a request's CR arriving and the reply starting to leave.
    void setLatency(double seconds) { latency_ = seconds > 0.0 ? seconds : 0.0; }
    double latency() const { return latency_; }
    // Extra wait of a reply hit by the slow fault.
    void setSlowDelay(double seconds) { slowDelay_ = seconds > 0.0 ? seconds : 0.0; }
    double slowDelay() const { return slowDelay_; }
    FaultPlan& faults() { return faults_; }

    // The PC hands `bytes` to its transmitter at `seconds`, sending at `baud`. They leave
    // after any bytes still on their way. Returns the time the last byte has arrived at the
    // devices (the argument time when nothing is sent). A vanished line takes nothing.
    double send(std::span<const std::uint8_t> bytes, long baud, double seconds);
    // When the PC's transmitter has sent everything handed to it so far.
    double transmitterFreeAt() const { return transmitterFreeAt_; }

    // The next answer byte (whether or not it has arrived yet), and taking it off the line.
    std::optional<AnswerByte> nextAnswer() const;
    std::optional<AnswerByte> takeAnswer();
    // Throws away every answer byte that has arrived by `seconds`; returns how many.
    std::size_t discardArrived(double seconds);
    std::size_t pendingAnswers() const { return answers_.size(); }

    // From `seconds` on the port is gone: nothing is sent, nothing arrives. The vanish fault
    // lets the counted replies out and then takes the port away when the PC next sends.
    void vanishAt(double seconds);
    bool vanished(double seconds) const { return seconds >= vanishTime_; }
    double vanishTime() const { return vanishTime_; }

private:
    void deliver(Box& box, const Request& request, long baud, double arrival);
    void schedule(std::string_view bytes, long baud, double start);

    std::vector<std::unique_ptr<Box>> boxes_;
    FaultPlan faults_;
    double latency_ = 0.0;
    double slowDelay_ = kDefaultSlowDelay;
    double transmitterFreeAt_ = -kNever;
    double receiverFreeAt_ = -kNever;
    double vanishTime_ = kNever;
    bool vanishOnNextSend_ = false;  // the vanish fault: the PC's next request finds no port
    std::deque<AnswerByte> answers_;
};

}  // namespace plv7::sim
