#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "Box.h"

namespace plv7::sim {

enum class FaultKind {
    Silence,        // no reply; the request is not carried out
    Nak,            // NAK in place of the reply; not carried out
    Can,            // CAN in place of the reply; not carried out
    Garbled,        // bytes of the reply changed
    EarlyCr,        // the answer frame ends with CR right after its echo, before the payload
    MissingCr,      // the answer frame lacks its CR
    WrongChecksum,  // a memory read answer carries a checksum one too high
    Slow,           // the reply starts only after the line's slow delay
    Vanish,         // after the counted replies, the port is gone when the PC next sends
};

// "silence", "nak", "can", "garbled", "early-cr", "missing-cr", "wrong-checksum", "slow",
// "vanish"; empty for any other name.
std::optional<FaultKind> faultKindFromName(std::string_view name);
std::string_view faultName(FaultKind kind);

// Faults that stop the box from carrying out the request at all.
bool refusesRequest(FaultKind kind);

// Damages a reply the box has built. False when the fault does not apply to this reply (an
// early CR to a write's bare ACK, a wrong checksum to anything but a memory read); then the
// reply is unchanged and the fault should not count it.
bool damageReply(FaultKind kind, Reply& reply);

// The faults waiting on a line: each either persistent or for its next `count` replies, and
// either for every box or for one address.
class FaultPlan {
public:
    static constexpr int kPersistent = -1;
    static constexpr char kAnyAddress = 0;

    void add(FaultKind kind, int count = kPersistent, char address = kAnyAddress);
    void clear() { orders_.clear(); }
    bool empty() const { return orders_.empty(); }

    // The first refusing fault (silence, NAK, CAN) for a request to `address`; it is counted.
    std::optional<FaultKind> takeRefusal(char address);
    // Applies every other fault that fits the reply and counts it. `slow` and `vanish` report
    // the faults that the line has to carry out itself.
    void damage(char address, Reply& reply, bool& slow, bool& vanish);

private:
    struct Order {
        FaultKind kind;
        int remaining;
        char address;
    };
    bool concerns(const Order& order, char address) const;
    void count(std::size_t index);

    std::vector<Order> orders_;
};

}  // namespace plv7::sim
