#include "Faults.h"

#include <array>
#include <utility>

#include "link/Rahmenformat.h"

namespace plv7::sim {

namespace proto = plv7::protocol;

namespace {

constexpr std::array<std::pair<FaultKind, std::string_view>, 9> kNames{{
    {FaultKind::Silence, "silence"},
    {FaultKind::Nak, "nak"},
    {FaultKind::Can, "can"},
    {FaultKind::Garbled, "garbled"},
    {FaultKind::EarlyCr, "early-cr"},
    {FaultKind::MissingCr, "missing-cr"},
    {FaultKind::WrongChecksum, "wrong-checksum"},
    {FaultKind::Slow, "slow"},
    {FaultKind::Vanish, "vanish"},
}};

// Flipping bit 6 keeps the byte within seven bits and turns CR, '#' and the address into
// characters the PC cannot mistake for them.
void flip(char& c) {
    c = static_cast<char>(c ^ 0x40);
}

// Length of '#', address and the echoed command letters of an answer frame.
std::size_t echoLength(const Reply& reply) {
    const std::string& frame = reply.frame;
    if (frame.size() < 3) return frame.size();
    if (reply.ack.empty()) return 2;  // short read: no echo
    const char letter = frame[2];
    if (letter == 'B') return 6;                   // BDR4
    if (letter == 'V' || letter == 'M') return 5;  // VnR, M1R
    if (letter == 'S') return 5;                   // SnR
    return 2;                                      // identification: no echo
}

}  // namespace

std::optional<FaultKind> faultKindFromName(std::string_view name) {
    for (const auto& [kind, text] : kNames)
        if (text == name) return kind;
    return std::nullopt;
}

std::string_view faultName(FaultKind kind) {
    for (const auto& [k, text] : kNames)
        if (k == kind) return text;
    return {};
}

bool refusesRequest(FaultKind kind) {
    return kind == FaultKind::Silence || kind == FaultKind::Nak || kind == FaultKind::Can;
}

bool damageReply(FaultKind kind, Reply& reply) {
    if (reply.empty()) return false;
    std::string& frame = reply.frame;
    switch (kind) {
        case FaultKind::Garbled:
            if (frame.empty()) {
                flip(reply.ack[0]);
            } else {
                flip(frame[1]);
                if (frame.size() > 4) flip(frame[frame.size() / 2]);
            }
            return true;
        case FaultKind::EarlyCr:
            if (frame.empty()) return false;
            frame.resize(echoLength(reply));
            frame += proto::kCR;
            return true;
        case FaultKind::MissingCr:
            if (frame.empty() || frame.back() != proto::kCR) return false;
            frame.pop_back();
            return true;
        case FaultKind::WrongChecksum: {
            if (!reply.memoryRead || frame.size() < 5 || frame.back() != proto::kCR) return false;
            // The four digits in front of the CR; raise the value by one, wrapping at 0xFFFF.
            for (std::size_t i = frame.size() - 2;; --i) {
                char& digit = frame[i];
                if (digit == '9') {
                    digit = 'A';
                    return true;
                }
                if (digit != 'F' && digit != 'f') {
                    ++digit;
                    return true;
                }
                digit = '0';
                if (i == frame.size() - 5) return true;
            }
        }
        case FaultKind::Silence:
        case FaultKind::Nak:
        case FaultKind::Can:
            return false;  // these refuse the request before a reply exists
        case FaultKind::Slow:
        case FaultKind::Vanish:
            return true;  // carried out by the line
    }
    return false;
}

void FaultPlan::add(FaultKind kind, int count, char address) {
    if (count == 0) return;
    orders_.push_back(Order{kind, count < 0 ? kPersistent : count, address});
}

bool FaultPlan::concerns(const Order& order, char address) const {
    return order.address == kAnyAddress || order.address == address;
}

void FaultPlan::count(std::size_t index) {
    Order& order = orders_[index];
    if (order.remaining == kPersistent) return;
    if (--order.remaining == 0) orders_.erase(orders_.begin() + static_cast<long>(index));
}

std::optional<FaultKind> FaultPlan::takeRefusal(char address) {
    for (std::size_t i = 0; i < orders_.size(); ++i) {
        if (!refusesRequest(orders_[i].kind) || !concerns(orders_[i], address)) continue;
        const FaultKind kind = orders_[i].kind;
        count(i);
        return kind;
    }
    return std::nullopt;
}

void FaultPlan::damage(char address, Reply& reply, bool& slow, bool& vanish) {
    slow = false;
    vanish = false;
    for (std::size_t i = 0; i < orders_.size();) {
        const Order order = orders_[i];
        if (refusesRequest(order.kind) || !concerns(order, address) ||
            !damageReply(order.kind, reply)) {
            ++i;
            continue;
        }
        if (order.kind == FaultKind::Slow) slow = true;
        // The port goes once the last counted reply is out; a persistent order at once.
        if (order.kind == FaultKind::Vanish)
            vanish = order.remaining == 1 || order.remaining == kPersistent;
        const std::size_t before = orders_.size();
        count(i);
        if (orders_.size() == before) ++i;
    }
}

}  // namespace plv7::sim
