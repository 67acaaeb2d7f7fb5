#pragma once

// What a benchmark of the link against plv7-sim needs: the simulator on a pseudo-terminal and
// a port that counts the characters it moves, so that a time can be set against the wire time.
#include <QProcess>
#include <QString>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "link/SerialPort.h"

namespace plv7::bench {

using Clock = std::chrono::steady_clock;

// One exchange: from the write of a request to the last byte read before the next write.
struct Exchange {
    Clock::time_point start;
    Clock::time_point end;
    long characters = 0;
};

// Characters that crossed the line in either direction, exchange by exchange.
struct Traffic {
    long sent = 0;
    long received = 0;
    std::vector<Exchange> exchanges;
    long total() const { return sent + received; }

    // The time the exchanges would have taken had each lasted as long as the median exchange
    // of its size: what the link itself costs, apart from the moments another process held
    // the processor.
    double medianSeconds() const {
        std::map<long, std::vector<double>> bySize;
        for (const auto& e : exchanges)
            bySize[e.characters].push_back(std::chrono::duration<double>(e.end - e.start).count());
        double seconds = 0.0;
        for (auto& [size, times] : bySize) {
            std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2),
                             times.end());
            seconds += times[times.size() / 2] * static_cast<double>(times.size());
        }
        return seconds;
    }
};

// A backend that adds what it moves to `traffic`.
class CountingPort : public SerialPort {
public:
    CountingPort(std::unique_ptr<SerialPort> inner, Traffic& traffic)
        : inner_(std::move(inner)), traffic_(traffic) {}
    bool open(long baud) override { return inner_->open(baud); }
    bool close() override { return inner_->close(); }
    bool setReadTimeout(double seconds) override { return inner_->setReadTimeout(seconds); }
    bool flushInput() override { return inner_->flushInput(); }
    bool flushOutput() override { return inner_->flushOutput(); }
    long write(const std::uint8_t* data, std::size_t length) override {
        const auto now = Clock::now();
        const long accepted = inner_->write(data, length);
        if (accepted > 0) {
            traffic_.sent += accepted;
            traffic_.exchanges.push_back({now, Clock::now(), accepted});
        }
        return accepted;
    }
    long outputQueueLength() override { return inner_->outputQueueLength(); }
    int readByte() override {
        const int byte = inner_->readByte();
        if (byte >= 0) {
            ++traffic_.received;
            if (!traffic_.exchanges.empty()) {
                traffic_.exchanges.back().end = Clock::now();
                ++traffic_.exchanges.back().characters;
            }
        }
        return byte;
    }

private:
    std::unique_ptr<SerialPort> inner_;
    Traffic& traffic_;
};

// plv7-sim with the given options, for as long as the object lives.
class Simulator {
public:
    bool start(const QStringList& options, QString& path) {
        process_.setProgram(QStringLiteral(PLV7SIM_PATH));
        process_.setArguments(options);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (!process_.waitForStarted(5000)) return false;
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(5000)) return false;
        }
        path = QString::fromUtf8(process_.readLine()).trimmed();
        return !path.isEmpty();
    }
    ~Simulator() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

private:
    QProcess process_;
};

}  // namespace plv7::bench
