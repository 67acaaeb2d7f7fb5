#pragma once

#include <deque>
#include <memory>
#include <string>

#include "link/PortTable.h"
#include "link/SerialPort.h"

namespace plv7::test {

// A serial port whose behaviour a test writes down: every frame written is recorded, and
// each write releases the next scripted reply into the input queue.
class ScriptedPort : public SerialPort {
public:
    struct Failures {
        bool open = false;
        bool close = false;
        bool timeout = false;
        bool flushInput = false;
        bool flushOutput = false;
        long writeResult = -2;  // -2: accept everything; otherwise returned as is
        long queueLength = 0;   // what outputQueueLength reports (never drains when > 0)
    };

    Failures fail;
    std::string written;              // every byte written, frames one after the other
    std::deque<std::string> replies;  // one per write, in order
    std::string input;                // bytes waiting to be read
    PortGrund openReason;             // what a failed open reports
    bool gone = false;                // the device has gone away
    long openedBaud = 0;
    double timeout = -1;
    int reads = 0;

    bool open(long baud) override {
        openedBaud = baud;
        return !fail.open;
    }
    bool close() override { return !fail.close; }
    bool setReadTimeout(double seconds) override {
        timeout = seconds;
        return !fail.timeout;
    }
    bool flushInput() override {
        if (fail.flushInput) return false;
        input.clear();
        return true;
    }
    bool flushOutput() override { return !fail.flushOutput; }
    long write(const std::uint8_t* data, std::size_t length) override {
        if (fail.writeResult != -2) return fail.writeResult;
        written.append(reinterpret_cast<const char*>(data), length);
        if (!replies.empty()) {
            input += replies.front();
            replies.pop_front();
        }
        return static_cast<long>(length);
    }
    long outputQueueLength() override { return fail.queueLength; }
    int readByte() override {
        ++reads;
        if (input.empty() || gone) return -1;
        const auto byte = static_cast<std::uint8_t>(input.front());
        input.erase(0, 1);
        return byte;
    }
    PortGrund openFailure() const override { return openReason; }
    bool lost() const override { return gone; }
};

// Installs one scripted port behind port number 1 (and every other number) for a test.
class ScriptedPortFixture {
public:
    ScriptedPortFixture() : port(std::make_shared<ScriptedPort>()) {
        setSerialPortFactory([shared = port](int) -> std::unique_ptr<SerialPort> {
            return std::make_unique<Forwarder>(shared);
        });
    }
    ~ScriptedPortFixture() { setSerialPortFactory(nullptr); }

    std::shared_ptr<ScriptedPort> port;

private:
    // The port table owns its backends; this one hands every call to the shared script.
    class Forwarder : public SerialPort {
    public:
        explicit Forwarder(std::shared_ptr<ScriptedPort> target) : target_(std::move(target)) {}
        bool open(long baud) override { return target_->open(baud); }
        bool close() override { return target_->close(); }
        bool setReadTimeout(double s) override { return target_->setReadTimeout(s); }
        bool flushInput() override { return target_->flushInput(); }
        bool flushOutput() override { return target_->flushOutput(); }
        long write(const std::uint8_t* d, std::size_t n) override { return target_->write(d, n); }
        long outputQueueLength() override { return target_->outputQueueLength(); }
        int readByte() override { return target_->readByte(); }
        PortGrund openFailure() const override { return target_->openFailure(); }
        bool lost() const override { return target_->lost(); }

    private:
        std::shared_ptr<ScriptedPort> target_;
    };
};

inline constexpr char ACK = 0x06;
inline constexpr char NAK = 0x15;
inline constexpr char CAN = 0x18;

}  // namespace plv7::test
