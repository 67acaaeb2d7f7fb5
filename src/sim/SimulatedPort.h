#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>

#include "Line.h"
#include "link/SerialPort.h"

namespace plv7::sim {

// A serial port onto a simulated line, in the same process. It runs on the steady clock and
// keeps to the wire: written bytes leave at the port's rate, answer bytes are handed out no
// earlier than they have arrived. Once the line has vanished every operation fails.
class SimulatedPort : public SerialPort {
public:
    static constexpr double kDefaultReadTimeout = 0.5;

    explicit SimulatedPort(std::shared_ptr<Line> line);

    bool open(long baud) override;
    bool close() override;
    bool setReadTimeout(double seconds) override;
    bool flushInput() override;
    bool flushOutput() override;
    long write(const std::uint8_t* data, std::size_t length) override;
    long outputQueueLength() override;
    int readByte() override;
    // Noticed by the port's own operations, so that another thread may ask.
    bool lost() const override { return lost_; }

    bool isOpen() const { return open_; }
    long baud() const { return baud_; }
    double readTimeout() const { return readTimeout_; }
    const std::shared_ptr<Line>& line() const { return line_; }

    // The steady clock in seconds: the time base the port hands to its line.
    static double now();

private:
    bool usable(double seconds);
    void dropSent(double seconds);

    std::shared_ptr<Line> line_;
    bool open_ = false;
    std::atomic<bool> lost_ = false;
    long baud_ = 0;
    double readTimeout_ = kDefaultReadTimeout;
    std::deque<double> queuedUntil_;  // when each byte still in the output queue has left
};

}  // namespace plv7::sim
