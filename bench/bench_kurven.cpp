// The curve transfer of the curve window at 115200 baud over plv7-sim's pseudo-terminal: the
// whole operation of each button (memory blocks, mode queries and mode commands), set against
// the wire time of the characters it exchanged (ten bits a character). 1.00 is the line's own
// speed. The plain memory commands over the same number of bytes are measured in the same run
// as the reference.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "PortMap.h"
#include "QtSerialPortBackend.h"
#include "SimBench.h"
#include "kurven/KurvenUebertragung.h"
#include "kurven/Speicherabbild.h"
#include "link/PortTable.h"
#include "link/Rahmenformat.h"
#include "link/plv7Funktionen.h"

namespace {

using namespace plv7::kurven;

constexpr long kBaud = 115200;
constexpr int kPort = 1;
constexpr char kAddress = '1';
constexpr int kRounds = 3;

plv7::bench::Traffic gTraffic;

struct Zugang : Geraetezugang, plv7::Fortschritt {
    int offenerPort() override { return kPort; }
    char adresse() override { return kAddress; }
    void beginnen(std::string_view) override {}
    void setzen(int) override {}
    void beenden() override {}
};

struct Figure {
    double seconds = 0.0;
    long characters = 0;
    double medianSeconds = 0.0;
    double wire() const { return plv7::protocol::wireSeconds(characters, kBaud); }
    double ratio() const { return seconds / wire(); }
    double medianRatio() const { return medianSeconds / wire(); }
};

// Runs `operation` kRounds times; the figure of the fastest round, which is the least
// disturbed by other processes on the machine.
template <typename Operation>
Figure measure(Operation operation) {
    Figure best;
    for (int round = 0; round < kRounds; ++round) {
        gTraffic = {};
        const auto start = std::chrono::steady_clock::now();
        if (const int code = operation(); code != 0) {
            std::fprintf(stderr, "bench_kurven: device failure %d\n", code);
            std::exit(1);
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const Figure figure{seconds, gTraffic.total(), gTraffic.medianSeconds()};
        if (round == 0 || figure.ratio() < best.ratio()) best = figure;
    }
    return best;
}

// Curves of about 32 KB: single records filling curve 1, fresh curves 2 to 4.
Kurvenmodell vollerSpeicher() {
    Kurvenmodell m;
    m.kurven[0].punkte.clear();
    for (int i = 0; i < 6540; ++i) m.kurven[0].punkte.push_back({i % 4096, 2 + i % 7, 1});
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    plv7::bench::Simulator simulator;
    QString path;
    if (!simulator.start({QStringLiteral("--box"), QStringLiteral("1,baud=115200")}, path)) {
        std::fprintf(stderr, "bench_kurven: plv7-sim did not start (%s)\n", PLV7SIM_PATH);
        return 1;
    }
    plv7::portMap().setDevice(kPort, path);
    plv7::setSerialPortFactory([path](int) -> std::unique_ptr<plv7::SerialPort> {
        return std::make_unique<plv7::bench::CountingPort>(
            std::make_unique<plv7::QtSerialPortBackend>(path), gTraffic);
    });
    if (ORVPLV7_Open(kPort, kBaud) != 0 || ORVPLV7_Timeout(kPort, 0.5) != 0) {
        std::fprintf(stderr, "bench_kurven: no box on %s\n", qPrintable(path));
        return 1;
    }

    const Kurvenmodell modell = vollerSpeicher();
    std::vector<std::uint8_t> bild;
    if (SpeicherabbildErzeugen(modell.kurven, modell.einstellungen, bild) != 0) return 1;
    const long bytes = static_cast<long>(bild.size());
    Zugang zugang;

    const Figure plainWrite = measure([&] {
        for (long start = 0; start < bytes; start += 64) {
            const long length = std::min(64L, bytes - start);
            if (const int code = ORVPLV7_SpeicherSchreiben(kPort, kAddress, 4, start, length,
                                                           bild.data() + start))
                return code;
        }
        return 0;
    });
    std::vector<std::uint8_t> back(bild.size());
    const Figure plainRead = measure([&] {
        for (long start = 0; start < bytes; start += 64) {
            const long length = std::min(64L, bytes - start);
            if (const int code =
                    ORVPLV7_SpeicherLesen(kPort, kAddress, 4, start, length, back.data() + start))
                return code;
        }
        return 0;
    });
    const Figure curveWrite = measure([&] { return SpeicherabbildSenden(zugang, zugang, bild); });
    Kurvendaten daten;
    const Figure curveRead =
        measure([&] { return SpeicherabbildLesen(zugang, zugang, daten).code; });
    plv7::closeAllPorts();
    if (daten.punkte[0] != modell.kurven[0].punkte) {
        std::fprintf(stderr, "bench_kurven: the curves read back differ from those written\n");
        return 1;
    }

    std::printf("measured time / wire time at %ld baud, image of %ld bytes, best of %d:\n", kBaud,
                bytes, kRounds);
    const auto line = [](const char* name, const Figure& f) {
        std::printf("  %-52s %7.3f s / %7.3f s = %.3f   (median exchanges %.3f)\n", name, f.seconds,
                    f.wire(), f.ratio(), f.medianRatio());
    };
    line("plain memory write, 64-byte blocks (reference)", plainWrite);
    line("plain memory read, 64-byte blocks (reference)", plainRead);
    line("\"zur PLV-7 schreiben\": blocks, mode clear and set", curveWrite);
    line("\"von PLV-7 lesen\": mode query before every block", curveRead);
    return 0;
}
