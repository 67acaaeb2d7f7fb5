#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "link/PortGrund.h"

namespace plv7 {

// The box's line: 7 data bits, odd parity, one stop bit, no flow control, 512-byte queues.
inline constexpr int kQueueSize = 512;

// What the device link needs of a serial port, and nothing more. Every backend (the real
// port, the in-process simulated box, the scripted fake of the tests) implements it.
// Results follow the platform convention the link maps onto its error codes: false or a
// negative number is a failure.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the port with the fixed line settings at the given baud rate.
    virtual bool open(long baud) = 0;
    virtual bool close() = 0;
    virtual bool setReadTimeout(double seconds) = 0;
    virtual bool flushInput() = 0;
    virtual bool flushOutput() = 0;
    // Hands the bytes to the port; the number accepted, negative on failure.
    virtual long write(const std::uint8_t* data, std::size_t length) = 0;
    // Bytes still waiting to leave the port, negative on failure.
    virtual long outputQueueLength() = 0;
    // One received byte (0..255), waiting at most the read time-out; negative on failure or
    // time-out.
    virtual int readByte() = 0;

    // Why the last open failed, where the backend can tell.
    virtual PortGrund openFailure() const { return {}; }
    // Whether the device behind the open port has gone (an adapter pulled): every operation
    // fails from then on, and only closing and opening again can help. Safe to ask from
    // another thread than the one using the port.
    virtual bool lost() const { return false; }
};

// Creates the backend for port number 1..8; nullptr when the port does not exist.
using SerialPortFactory = std::function<std::unique_ptr<SerialPort>(int port)>;

}  // namespace plv7
