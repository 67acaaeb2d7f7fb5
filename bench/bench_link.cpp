// The device link at 115200 baud over plv7-sim's pseudo-terminal, through the driver and the
// Qt Serial Port backend. Each figure is the measured time divided by the time the bytes of
// the exchange (requests, acknowledgements, answers; ten bits a character) take on the wire,
// so it holds on a slow or busy machine: 1.00 is the line's own speed.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "PortMap.h"
#include "QtSerialPortBackend.h"
#include "SimBench.h"
#include "link/PortTable.h"
#include "link/Rahmenformat.h"
#include "link/plv7Funktionen.h"

namespace {

constexpr long kBaud = 115200;
constexpr int kPort = 1;
constexpr char kAddress = '1';
constexpr long kBlock = plv7::protocol::kMaxWriteBlock;
constexpr long kMemory = plv7::protocol::kMemorySize;
constexpr int kShortReads = 1000;

using plv7::bench::Clock;
using plv7::bench::CountingPort;
using plv7::bench::Traffic;

Traffic gTraffic;

struct Figure {
    std::string name;
    double measured;
    double wire;
    double medianExchange;  // measured / wire of the median single exchange
};
std::vector<Figure> gFigures;

std::vector<std::uint8_t> gImage;
bool gImageWritten = false;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `exchange(i)` for i = 0..count-1 and reports the time against the wire time of the
// traffic; also the median exchange, which shows the link's own cost apart from the
// moments another process held the processor. Stops at the first failure.
template <typename Exchange>
void measure(benchmark::State& state, const char* name, int count, Exchange exchange) {
    for (auto _ : state) {
        Traffic total;
        std::vector<double> ratios;
        double measured = 0.0;
        for (int i = 0; i < count; ++i) {
            gTraffic = {};
            const auto start = Clock::now();
            const int code = exchange(i);
            const double seconds = secondsSince(start);
            if (code != 0) {
                state.SkipWithError(("device failure " + std::to_string(code)).c_str());
                return;
            }
            measured += seconds;
            total.sent += gTraffic.sent;
            total.received += gTraffic.received;
            ratios.push_back(seconds / plv7::protocol::wireSeconds(gTraffic.total(), kBaud));
        }
        std::sort(ratios.begin(), ratios.end());
        const double wire = plv7::protocol::wireSeconds(total.total(), kBaud);
        state.SetIterationTime(measured);
        state.counters["wire_s"] = wire;
        state.counters["ratio"] = measured / wire;
        state.counters["median_exchange"] = ratios[ratios.size() / 2];
        gFigures.push_back({name, measured, wire, ratios[ratios.size() / 2]});
    }
}

int writeBlock(int block) {
    const long start = block * kBlock;
    return ORVPLV7_SpeicherSchreiben(kPort, kAddress, 4, start, kBlock, gImage.data() + start);
}

constexpr int kBlocks = static_cast<int>(kMemory / kBlock);

void BM_MemoryWrite(benchmark::State& state) {
    measure(state, "memory write, 32768 bytes in 64-byte blocks", kBlocks, writeBlock);
    gImageWritten = !state.error_occurred();
}

void BM_MemoryRead(benchmark::State& state) {
    for (int block = 0; block < kBlocks && !gImageWritten; ++block) {
        if (writeBlock(block) != 0) {
            state.SkipWithError("could not write the memory first");
            return;
        }
    }
    gImageWritten = true;
    std::vector<std::uint8_t> back(static_cast<std::size_t>(kMemory));
    measure(state, "memory read, 32768 bytes in 64-byte blocks", kBlocks, [&back](int block) {
        const long start = block * kBlock;
        return ORVPLV7_SpeicherLesen(kPort, kAddress, 4, start, kBlock, back.data() + start);
    });
    if (back != gImage) state.SkipWithError("memory read back differs from what was written");
}

void BM_ShortReads(benchmark::State& state) {
    measure(state, "1000 short reads of four inputs", kShortReads, [](int) {
        std::array<double, 4> volts{};
        const int code = ORVPLV7_EingaengeLesenKurz_Senden(kPort, kAddress, 0x0F);
        return code != 0 ? code
                         : ORVPLV7_EingaengeLesenKurz_Empfangen(kPort, kAddress, 0x0F, volts);
    });
}

BENCHMARK(BM_MemoryWrite)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShortReads)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

    gImage.resize(static_cast<std::size_t>(kMemory));
    for (std::size_t i = 0; i < gImage.size(); ++i)
        gImage[i] = static_cast<std::uint8_t>(i * 13 + i / 251);

    plv7::bench::Simulator simulator;
    QString path;
    if (!simulator.start({QStringLiteral("--box"), QStringLiteral("1,baud=115200")}, path)) {
        std::fprintf(stderr, "bench_link: plv7-sim did not start (%s)\n", PLV7SIM_PATH);
        return 1;
    }
    plv7::portMap().setDevice(kPort, path);
    plv7::setSerialPortFactory([path](int) -> std::unique_ptr<plv7::SerialPort> {
        return std::make_unique<CountingPort>(std::make_unique<plv7::QtSerialPortBackend>(path),
                                              gTraffic);
    });
    std::string id;
    if (ORVPLV7_Open(kPort, kBaud) != 0 || ORVPLV7_Timeout(kPort, 0.5) != 0 ||
        ORVPLV7_IDLesen(kPort, kAddress, id) != 0) {
        std::fprintf(stderr, "bench_link: no box on %s\n", qPrintable(path));
        return 1;
    }

    benchmark::RunSpecifiedBenchmarks();
    plv7::closeAllPorts();

    std::printf("\nmeasured time / wire time at %ld baud (ten bits a character):\n", kBaud);
    for (const auto& figure : gFigures) {
        std::printf("  %-46s %8.3f s / %8.3f s = %.3f   (median exchange %.3f)\n",
                    figure.name.c_str(), figure.measured, figure.wire,
                    figure.measured / figure.wire, figure.medianExchange);
    }
    return 0;
}
