// The PC's serial devices: stable paths, what the port map stores, the lines of
// `plv7ctl ports`, the operator's labels; and a scan on an adapter that is pulled.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "link/Scan.h"
#include "link/ScriptedPort.h"
#include "link/SerialDevices.h"
#include "link/plv7Funktionen.h"

namespace plv7 {
namespace {

namespace fs = std::filesystem;

const SerialDevice kFtdi{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A10K3XYZ",
                         "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0"};
const SerialDevice kOnboard{"/dev/ttyS0", "", "", "", ""};

TEST(SerialDevices, StableLinksAreFoundOnlyForAdaptersWithASerialNumber) {
    const fs::path folder =
        fs::temp_directory_path() / ("plv7-by-id-" + std::to_string(::getpid()));
    fs::create_directories(folder / "dev");
    std::ofstream(folder / "dev" / "ttyUSB3");
    std::ofstream(folder / "dev" / "ttyACM0");
    fs::create_symlink("./dev/../dev/ttyUSB3", folder / "usb-FTDI_A10K3XYZ-if00-port0");
    fs::create_symlink("dev/ttyACM0", folder / "usb-Arduino_1234-if00");
    fs::create_symlink("dev/gone", folder / "usb-dangling");  // a link whose device left

    const auto links = readDeviceLinks(folder.string());
    ASSERT_EQ(links.size(), 2u);
    const std::string usb = fs::canonical(folder / "dev" / "ttyUSB3").string();
    const std::string acm = fs::canonical(folder / "dev" / "ttyACM0").string();
    EXPECT_EQ(stablePathFor(usb, "A10K3XYZ", links),
              (folder / "usb-FTDI_A10K3XYZ-if00-port0").string());
    EXPECT_EQ(stablePathFor(acm, "1234", links), (folder / "usb-Arduino_1234-if00").string());
    EXPECT_EQ(stablePathFor(usb, "", links), "");  // the name would fit every such adapter
    EXPECT_EQ(stablePathFor("/dev/ttyS0", "X", links), "");
    EXPECT_TRUE(readDeviceLinks((folder / "fehlt").string()).empty());
    fs::remove_all(folder);
}

TEST(SerialDevices, TheMapKeepsTheStablePathWhereThereIsOne) {
    EXPECT_EQ(mappingFor(kFtdi), kFtdi.stablePath);
    EXPECT_EQ(mappingFor(kOnboard), "/dev/ttyS0");
    EXPECT_TRUE(mapsTo(kFtdi.stablePath, kFtdi));
    EXPECT_TRUE(mapsTo("/dev/ttyUSB0", kFtdi));  // a mapping typed by hand
    EXPECT_FALSE(mapsTo("/dev/ttyUSB1", kFtdi));
    EXPECT_FALSE(mapsTo("", kOnboard));
    EXPECT_FALSE(mapsTo("", SerialDevice{}));  // no stable path matches nothing
}

TEST(SerialDevices, DefaultDevicesThatExistJoinTheList) {
    const auto exists = [](const std::string& d) { return d != "/dev/ttyS2"; };
    const auto list =
        withDefaultDevices({kFtdi, kOnboard}, {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2"}, +exists);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], kFtdi);
    EXPECT_EQ(list[1], kOnboard);  // listed once
    EXPECT_EQ(list[2].device, "/dev/ttyS1");
    EXPECT_EQ(list[2].description, "");
}

TEST(SerialDevices, PortsLinesAndLabels) {
    EXPECT_EQ(portsLine(kFtdi),
              "/dev/ttyUSB0\tFT232R USB UART\tFTDI\tA10K3XYZ\t"
              "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0");
    EXPECT_EQ(portsLine(kOnboard), "/dev/ttyS0\t\t\t\t");
    EXPECT_EQ(deviceLabel(kFtdi), "/dev/ttyUSB0 — FT232R USB UART, FTDI, Nr. A10K3XYZ");
    EXPECT_EQ(deviceLabel(kOnboard), "/dev/ttyS0");
    EXPECT_EQ(deviceLabel({"/dev/ttyACM0", "Prolific USB-Serial", "Prolific", "", ""}),
              "/dev/ttyACM0 — Prolific USB-Serial");
    EXPECT_EQ(deviceLabel({"/dev/ttyACM0", "", "QinHeng", "", ""}), "/dev/ttyACM0 — QinHeng");
}

TEST(ScanOnAPulledAdapter, EndsAtTheFirstLostProbeWithItsCode) {
    test::ScriptedPortFixture fake;
    ASSERT_EQ(ORVPLV7_Open(1, 9600), 0);
    fake.port->gone = true;
    int opened = 0;
    ScanCallbacks callbacks;
    callbacks.openAt = [&opened](long baud) { opened += ORVPLV7_Open(1, baud) == 0; };
    int lost = 0;
    const auto probes = scanLine(1, callbacks, &lost);
    ASSERT_EQ(probes.size(), 1u);
    EXPECT_EQ(lost, probes[0].result);
    EXPECT_NE(lost, 0);
    EXPECT_EQ(opened, 1);
}

TEST(ScanOnAPulledAdapter, APortThatWillNotReopenEndsTheScan) {
    test::ScriptedPortFixture fake;
    fake.port->fail.open = true;
    ScanCallbacks callbacks;
    int reopens = 0;
    callbacks.openAt = [&reopens](long baud) { reopens += ORVPLV7_Open(1, baud) != 0; };
    int lost = 0;
    EXPECT_TRUE(scanLine(1, callbacks, &lost).empty());
    EXPECT_EQ(reopens, 1);
    EXPECT_EQ(lost, 0);  // the caller knows the reopen's code
}

}  // namespace
}  // namespace plv7
