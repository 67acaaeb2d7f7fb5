// The Qt Serial Port backend on plv7-sim's pseudo-terminal, where plv7ctl cannot show it:
// time-outs, leftovers of an earlier exchange, a terminal that disappears.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <array>
#include <atomic>
#include <string>
#include <thread>

#include "CtlRun.h"
#include "PortMap.h"
#include "QtSerialPortBackend.h"
#include "link/PortTable.h"
#include "link/plv7Funktionen.h"

namespace plv7::testing {
namespace {

// Qt Serial Port wants an application object on the thread that uses it.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "integration_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

long writeText(SerialPort& port, const std::string& text) {
    return port.write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// Waits until the backend says its output queue is empty; false after `seconds`.
bool drained(SerialPort& port, double seconds) {
    const double deadline = monotonicSeconds() + seconds;
    while (monotonicSeconds() < deadline) {
        const long waiting = port.outputQueueLength();
        if (waiting <= 0) return waiting == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

struct QtBackendTest : ::testing::Test {
    void SetUp() override { ensureApplication(); }
};

TEST_F(QtBackendTest, OpensTheTerminalAndRefusesAMissingDevice) {
    SimProcess sim({});
    ASSERT_SIM_READY(sim);
    QtSerialPortBackend missing(QStringLiteral("/nonexistent/plv7-port"));
    EXPECT_FALSE(missing.open(9600));
    QtSerialPortBackend port(QString::fromStdString(sim.path()));
    ASSERT_TRUE(port.open(9600));
    EXPECT_TRUE(port.setReadTimeout(0.5));
    EXPECT_FALSE(port.setReadTimeout(-0.1));
    EXPECT_TRUE(port.close());
    EXPECT_FALSE(port.close());
    EXPECT_LT(port.write(reinterpret_cast<const std::uint8_t*>("#"), 1), 0);
    EXPECT_LT(port.readByte(), 0);
}

TEST_F(QtBackendTest, ReadWaitsTheTimeOutAndNoLonger) {
    SimProcess sim({"--fault", "silence"});
    ASSERT_SIM_READY(sim);
    QtSerialPortBackend port(QString::fromStdString(sim.path()));
    ASSERT_TRUE(port.open(9600));
    ASSERT_TRUE(port.setReadTimeout(0.2));
    ASSERT_EQ(writeText(port, "#1IDR\r"), 6);
    ASSERT_TRUE(drained(port, 1.0));
    const double start = monotonicSeconds();
    EXPECT_EQ(port.readByte(), -1);
    const double waited = monotonicSeconds() - start;
    EXPECT_GE(waited, 0.19);
    EXPECT_LT(waited, 1.0);
}

TEST_F(QtBackendTest, AnswerArrivesByteByByte) {
    SimProcess sim({"--box", "1,baud=115200"});
    ASSERT_SIM_READY(sim);
    QtSerialPortBackend port(QString::fromStdString(sim.path()));
    ASSERT_TRUE(port.open(115200));
    ASSERT_TRUE(port.setReadTimeout(0.5));
    ASSERT_EQ(writeText(port, "#1IDR\r"), 6);
    ASSERT_TRUE(drained(port, 1.0));
    std::string answer;
    for (int byte = port.readByte(); byte >= 0; byte = port.readByte()) {
        answer += static_cast<char>(byte);
        if (byte == '\r') break;
    }
    EXPECT_EQ(answer, "\x06#1ORV-PLV7RS232B-V1.00\r");
}

// The driver on port 1 mapped to the simulator's terminal.
struct DriverOnTerminal : QtBackendTest {
    void open(const SimProcess& sim, long baud, double timeout) {
        portMap().setDevice(1, QString::fromStdString(sim.path()));
        setSerialPortFactory(makeSerialPortFactory(nullptr));
        ASSERT_EQ(ORVPLV7_Open(1, baud), 0);
        ASSERT_EQ(ORVPLV7_Timeout(1, timeout), 0);
    }
    void TearDown() override {
        closeAllPorts();
        portMap().setDevice(1, {});
    }
};

TEST_F(DriverOnTerminal, LeftoversOfAnEarlierExchangeAreNotTakenAsTheAnswer) {
    SimProcess sim({"--mode", "5A"});
    ASSERT_SIM_READY(sim);
    open(sim, 9600, 0.5);
    // A whole identification answer nobody collected...
    ASSERT_EQ(writeText(*openedPort(1), "#1IDR\r"), 6);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    int mode = 0;
    EXPECT_EQ(ORVPLV7_ModusLesen(1, '1', mode), 0);
    EXPECT_EQ(mode, 0x5A);
    // ...and one that was read only in part.
    ASSERT_EQ(writeText(*openedPort(1), "#1S1R\r"), 6);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(openedPort(1)->readByte(), 0x06);
    EXPECT_EQ(openedPort(1)->readByte(), '#');
    std::string id;
    EXPECT_EQ(ORVPLV7_IDLesen(1, '1', id), 0);
    EXPECT_EQ(id, "ORV-PLV7RS232B-V1.00");
}

// The direct window exchanges from its acquisition thread while the window's thread runs its
// event loop: no byte may be read by the loop, and Qt must have nothing to complain of.
TEST_F(DriverOnTerminal, ExchangesFromAnotherThreadBesideARunningEventLoop) {
    SimProcess sim({"--box", "1,baud=115200"});
    ASSERT_SIM_READY(sim);
    open(sim, 115200, 0.5);
    static std::atomic<int> complaints = 0;
    complaints = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++complaints; });
    std::atomic<bool> done = false;
    int failures = 0;
    std::thread acquisition([&] {
        for (int i = 0; i < 200; ++i) {
            std::string id;
            if (ORVPLV7_IDLesen(1, '1', id) != 0 || id != "ORV-PLV7RS232B-V1.00") ++failures;
        }
        done = true;
    });
    while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    acquisition.join();
    qInstallMessageHandler(previous);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(complaints, 0);
    // Back on this thread, the port still answers and closes.
    std::string id;
    EXPECT_EQ(ORVPLV7_IDLesen(1, '1', id), 0);
    EXPECT_EQ(ORVPLV7_Close(1), 0);
}

TEST_F(DriverOnTerminal, VanishedTerminalFailsQuicklyEveryTime) {
    SimProcess sim({"--vanish-after", "0.2"});
    ASSERT_SIM_READY(sim);
    open(sim, 9600, 5.0);
    int exitCode = -1;
    ASSERT_TRUE(sim.waitForExit(3.0, exitCode)) << sim.errorOutput();
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        const double start = monotonicSeconds();
        std::string id;
        EXPECT_NE(ORVPLV7_IDLesen(1, '1', id), 0);
        int mode = 0;
        EXPECT_NE(ORVPLV7_ModusLesen(1, '1', mode), 0);
        std::array<double, 4> volts{};
        EXPECT_NE(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 15) ||
                      ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 15, volts),
                  0);
        EXPECT_LT(monotonicSeconds() - start, 1.0);
    }
    EXPECT_EQ(ORVPLV7_Close(1), 0);
    EXPECT_EQ(ORVPLV7_Open(1, 9600), -100003);
}

TEST_F(DriverOnTerminal, BackendReportsTheVanishedTerminalItself) {
    SimProcess sim({});
    ASSERT_SIM_READY(sim);
    open(sim, 9600, 5.0);
    EXPECT_EQ(sim.stop(), 0);
    SerialPort& port = *openedPort(1);
    const double start = monotonicSeconds();
    EXPECT_LT(port.readByte(), 0);
    EXPECT_LT(monotonicSeconds() - start, 1.0);
    // Once gone it stays gone: nothing blocks, nothing claims success.
    EXPECT_FALSE(port.flushInput() && port.flushOutput() && writeText(port, "#1M1R\r") == 6 &&
                 drained(port, 1.0) && port.readByte() >= 0);
    EXPECT_LT(monotonicSeconds() - start, 2.0);
}

}  // namespace
}  // namespace plv7::testing
