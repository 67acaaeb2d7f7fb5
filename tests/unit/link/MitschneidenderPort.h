#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace plv7::test {

// Hands every call to another port and keeps each write's bytes, so that a test can check the
// order of the frames the PC sent.
class MitschneidenderPort : public SerialPort {
public:
    MitschneidenderPort(std::unique_ptr<SerialPort> ziel, std::vector<std::string>& gesendet)
        : ziel_(std::move(ziel)), gesendet_(gesendet) {}
    bool open(long baud) override { return ziel_->open(baud); }
    bool close() override { return ziel_->close(); }
    bool setReadTimeout(double s) override { return ziel_->setReadTimeout(s); }
    bool flushInput() override { return ziel_->flushInput(); }
    bool flushOutput() override { return ziel_->flushOutput(); }
    long write(const std::uint8_t* d, std::size_t n) override {
        gesendet_.emplace_back(reinterpret_cast<const char*>(d), n);
        return ziel_->write(d, n);
    }
    long outputQueueLength() override { return ziel_->outputQueueLength(); }
    int readByte() override { return ziel_->readByte(); }

private:
    std::unique_ptr<SerialPort> ziel_;
    std::vector<std::string>& gesendet_;
};

}  // namespace plv7::test
