#include "Line.h"

#include <algorithm>

#include "link/Rahmenformat.h"

namespace plv7::sim {

namespace proto = plv7::protocol;

namespace {

double characterSeconds(long baud) {
    return proto::wireSeconds(1, baud > 0 ? baud : 1);
}

}  // namespace

Box* Line::addBox(char address) {
    if (!proto::isIndividualAddress(address) || box(address) != nullptr) return nullptr;
    boxes_.push_back(std::make_unique<Box>(address));
    return boxes_.back().get();
}

Box* Line::addForeign(char address, std::string_view identification) {
    Box* device = addBox(address);
    if (device == nullptr) return nullptr;
    device->setForeign(true);
    if (!device->setIdentification(identification)) {
        boxes_.pop_back();
        return nullptr;
    }
    return device;
}

Box* Line::box(char address) {
    for (auto& device : boxes_)
        if (device->address() == address) return device.get();
    return nullptr;
}

double Line::send(std::span<const std::uint8_t> bytes, long baud, double seconds) {
    if (vanishOnNextSend_ && !bytes.empty()) vanishAt(seconds);
    if (bytes.empty() || vanished(seconds) || baud <= 0) return seconds;
    const double character = characterSeconds(baud);
    double arrival = std::max(seconds, transmitterFreeAt_);
    for (std::uint8_t byte : bytes) {
        arrival += character;
        for (auto& device : boxes_) {
            // A device listening at another rate sees only noise, which spoils any request
            // it was in the middle of.
            if (device->baud() != baud) {
                device->resetReceiver();
                continue;
            }
            if (auto request = device->receive(byte); request && device->isAddressedBy(*request))
                deliver(*device, *request, baud, arrival);
        }
    }
    transmitterFreeAt_ = arrival;
    return arrival;
}

void Line::deliver(Box& device, const Request& request, long baud, double arrival) {
    const char address = request.text[1];
    if (address == proto::kCommonAddress) {
        device.execute(request, arrival);  // never answered, so no fault can show
        return;
    }
    Reply reply;
    if (const auto refusal = faults_.takeRefusal(address)) {
        if (*refusal == FaultKind::Silence) return;
        reply.ack.assign(1, *refusal == FaultKind::Nak ? proto::kNAK : proto::kCAN);
    } else {
        reply = device.execute(request, arrival);
    }
    if (reply.empty()) return;
    bool slow = false;
    bool vanish = false;
    faults_.damage(address, reply, slow, vanish);
    const double start = arrival + latency_ + (slow ? slowDelay_ : 0.0);
    schedule(reply.bytes(), baud, start);
    if (vanish) vanishOnNextSend_ = true;
}

void Line::schedule(std::string_view bytes, long baud, double start) {
    const double character = characterSeconds(baud);
    double time = std::max(start, receiverFreeAt_);
    for (char c : bytes) {
        time += character;
        answers_.push_back(AnswerByte{static_cast<std::uint8_t>(c), time, baud});
    }
    receiverFreeAt_ = time;
}

std::optional<AnswerByte> Line::nextAnswer() const {
    if (answers_.empty()) return std::nullopt;
    return answers_.front();
}

std::optional<AnswerByte> Line::takeAnswer() {
    auto answer = nextAnswer();
    if (answer) answers_.pop_front();
    return answer;
}

std::size_t Line::discardArrived(double seconds) {
    std::size_t count = 0;
    while (!answers_.empty() && answers_.front().time <= seconds) {
        answers_.pop_front();
        ++count;
    }
    return count;
}

void Line::vanishAt(double seconds) {
    vanishTime_ = std::min(vanishTime_, seconds);
    // Bytes due after the port went can never be read.
    while (!answers_.empty() && answers_.back().time > vanishTime_) answers_.pop_back();
}

}  // namespace plv7::sim
