// The PC's serial devices from the command line, and why a port does not open: an adapter
// not plugged in, a port another program holds; an adapter pulled and plugged back in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <string>

#include "CtlRun.h"
#include "PortMap.h"
#include "link/PortTable.h"
#include "link/plv7Funktionen.h"

namespace plv7::testing {
namespace {

namespace fs = std::filesystem;

const std::string kOeffnen = "Fehler beim öffnen der seriellen Schnittstelle";

void ensureApplication() {
    static int argc = 1;
    static char name[] = "integration_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

TEST(Plv7ctlPorts, ListsTheDevicesOneALineWithFiveFields) {
    const auto r = plv7ctl({"ports"});
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.err, "") << r;
    std::size_t start = 0;
    for (std::size_t end = r.out.find('\n'); end != std::string::npos;
         start = end + 1, end = r.out.find('\n', start)) {
        const std::string line = r.out.substr(start, end - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        EXPECT_EQ(line.rfind("/dev/", 0), 0u) << line;
    }
    EXPECT_EQ(start, r.out.size()) << "the last line ends with a line end";
    EXPECT_EQ(plv7ctl({"ports", "1"}).exitCode, 2);
}

TEST(Plv7ctlPortReasons, AMissingAdapterIsNotPluggedIn) {
    const auto r = plv7ctl({"-p", "/dev/ttyUSB-plv7-fehlt", "id"});
    EXPECT_EQ(r.exitCode, 1) << r;
    EXPECT_EQ(r.out, "") << r;
    EXPECT_EQ(r.err,
              "/dev/ttyUSB-plv7-fehlt ist nicht vorhanden: der Adapter ist nicht eingesteckt. "
              "Adapter einstecken oder ein anderes Gerät wählen.\n" +
                  failureLine(100003, kOeffnen))
        << r;
}

struct HeldPort : ::testing::Test {
    void SetUp() override { ensureApplication(); }
    void TearDown() override {
        closeAllPorts();
        portMap().setDevice(1, {});
    }
    void open(const std::string& device) {
        portMap().setDevice(1, QString::fromStdString(device));
        setSerialPortFactory(makeSerialPortFactory(nullptr));
        ASSERT_EQ(ORVPLV7_Open(1, 9600), 0);
        ASSERT_EQ(ORVPLV7_Timeout(1, 0.5), 0);
    }
};

TEST_F(HeldPort, APortAnotherProgramHoldsNamesItsProcess) {
    SimProcess sim({});
    ASSERT_SIM_READY(sim);
    open(sim.path());
    const auto r = plv7ctlOn(sim, {"id"});
    EXPECT_EQ(r.exitCode, 1) << r;
    const std::string reason = sim.path() + " wird von einem anderen Programm benutzt (";
    EXPECT_EQ(r.err.rfind(reason, 0), 0u) << r;
    EXPECT_NE(r.err.find("Prozess-ID " + std::to_string(::getpid()) +
                         "). Das Programm beenden, "
                         "danach erneut verbinden.\n"),
              std::string::npos)
        << r;
    EXPECT_TRUE(r.err.ends_with(failureLine(100003, kOeffnen))) << r;
}

// "Vanishing" in its name: it runs alone, as the other tests of a vanishing terminal do.
TEST_F(HeldPort, VanishingAdapterIsFoundAgainByItsStablePath) {
    const fs::path link = fs::temp_directory_path() / ("plv7-by-id-" + std::to_string(::getpid()));
    SimProcess first({});
    ASSERT_SIM_READY(first);
    fs::create_symlink(first.path(), link);
    open(link.string());
    EXPECT_EQ(first.stop(), 0);
    std::string id;
    const int code = ORVPLV7_IDLesen(1, '1', id);
    EXPECT_NE(code, 0);
    EXPECT_TRUE(portLost(1)) << code;
    EXPECT_EQ(ORVPLV7_Close(1), 0);

    // Plugged back, the adapter has another number; its stable path follows it.
    SimProcess second({});
    ASSERT_SIM_READY(second);
    fs::remove(link);
    fs::create_symlink(second.path(), link);
    EXPECT_EQ(ORVPLV7_Open(1, 9600), 0);
    EXPECT_FALSE(portLost(1));
    EXPECT_EQ(ORVPLV7_IDLesen(1, '1', id), 0);
    EXPECT_EQ(id, "ORV-PLV7RS232B-V1.00");
    fs::remove(link);
}

}  // namespace
}  // namespace plv7::testing
