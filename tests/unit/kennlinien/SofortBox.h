#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Line.h"
#include "link/PortTable.h"
#include "link/SerialPort.h"

namespace plv7::test {

// A simulated box behind port 1 that answers at once: the line's timing plays no part, so
// long transfers run in no time. Every frame the PC writes is recorded.
class SofortBox {
public:
    SofortBox() : line_(std::make_shared<sim::Line>()), frames_(std::make_shared<Frames>()) {
        box = line_->addBox('1');
        setSerialPortFactory([line = line_, frames = frames_](int) {
            return std::unique_ptr<SerialPort>(new Port(line, frames));
        });
        openPort(1, 9600);
    }
    ~SofortBox() {
        closeAllPorts();
        setSerialPortFactory(nullptr);
    }

    const std::vector<std::string>& frames() const { return *frames_; }
    void clearFrames() { frames_->clear(); }

    sim::Box* box;

private:
    using Frames = std::vector<std::string>;

    class Port : public SerialPort {
    public:
        Port(std::shared_ptr<sim::Line> line, std::shared_ptr<Frames> frames)
            : line_(std::move(line)), frames_(std::move(frames)) {}
        bool open(long) override { return true; }
        bool close() override { return true; }
        bool setReadTimeout(double) override { return true; }
        bool flushInput() override {
            while (line_->takeAnswer()) {
            }
            return true;
        }
        bool flushOutput() override { return true; }
        long write(const std::uint8_t* data, std::size_t length) override {
            frames_->emplace_back(reinterpret_cast<const char*>(data), length);
            seconds_ = line_->send({data, length}, 9600, seconds_);
            return static_cast<long>(length);
        }
        long outputQueueLength() override { return 0; }
        int readByte() override {
            const auto answer = line_->takeAnswer();
            return answer ? answer->value : -1;
        }

    private:
        std::shared_ptr<sim::Line> line_;
        std::shared_ptr<Frames> frames_;
        double seconds_ = 0.0;
    };

    std::shared_ptr<sim::Line> line_;
    std::shared_ptr<Frames> frames_;
};

}  // namespace plv7::test
