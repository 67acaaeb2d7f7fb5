// Arbitrary bytes from the PC's side into a line of simulated devices.
#include <cstddef>
#include <cstdint>

#include "Line.h"
#include "link/Rahmenformat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7::sim;
    Line line;
    line.addBox('1');
    line.addBox('a')->setBaud(19200);
    line.addForeign('5', "OTHER-DEVICE");
    if (size > 0 && (data[0] & 0x80) != 0) line.faults().add(FaultKind::Garbled, 3);
    if (size > 0 && (data[0] & 0x40) != 0) line.faults().add(FaultKind::EarlyCr);
    if (size > 0 && (data[0] & 0x20) != 0) line.faults().add(FaultKind::WrongChecksum, 2);

    // Each chunk: a control byte choosing the rate and its length, then the bytes.
    double seconds = 0.0;
    std::size_t at = 1;
    while (at < size) {
        const std::uint8_t control = data[at++];
        const long baud = plv7::protocol::kPortBaudRates[control % 6];
        const std::size_t length = std::min<std::size_t>(1 + (control >> 3), size - at);
        seconds = line.send({data + at, length}, baud, seconds);
        at += length;
        if (control & 0x04) line.discardArrived(seconds);
        while (line.pendingAnswers() > 4096) line.takeAnswer();
    }
    double last = -1.0;
    while (auto byte = line.takeAnswer()) {
        if (byte->time < last) __builtin_trap();  // answers must leave in time order
        last = byte->time;
    }
    return 0;
}
