#include <gtest/gtest.h>

#include <string>

#include "ini/IniStore.h"
#include "link/ComSettings.h"
#include "link/PortDeviceSettings.h"

using plv7::IniStore;
using plv7::PortDevices;

namespace {}  // namespace

TEST(PortDeviceSettingsTest, MappedPortsAreWrittenAsQuotedItemsBesideTheOthers) {
    IniStore store;
    plv7::writeComSettings(store, {.adresse = '1', .baudrate = 9600, .letzterPort = 3, .port = 3});
    PortDevices devices;
    devices[3] = "/dev/ttyUSB0";
    devices[8] = "sim";
    devices[5] = "";  // the default device: nothing to keep
    plv7::writePortDevices(store, devices);
    EXPECT_EQ(store.serialize(),
              "[com]\r\nadresse = 49\r\nbaud = 9600\r\ngeraet3 = \"/dev/ttyUSB0\"\r\n"
              "geraet8 = \"sim\"\r\nlport = 3\r\nport = 3\r\n\r\n");
}

TEST(PortDeviceSettingsTest, ReadsBackWhatWasWrittenAndNothingForUnmappedPorts) {
    PortDevices devices;
    devices[1] = "COM12";
    devices[2] = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    devices[7] = "name with \"quotes\" and blanks";
    IniStore store;
    plv7::writePortDevices(store, devices);
    const PortDevices back = plv7::readPortDevices(IniStore::fromText(store.serialize()));
    EXPECT_EQ(back, devices);
    EXPECT_FALSE(back[4].has_value());
}

TEST(PortDeviceSettingsTest, ALineBreakInADeviceNameIsNotWritten) {
    PortDevices devices;
    devices[1] = "evil\r\n[konfig]\r\nvoutmax = 1";
    IniStore store;
    plv7::writePortDevices(store, devices);
    EXPECT_FALSE(store.hasSection("konfig"));
    EXPECT_FALSE(plv7::readPortDevices(store)[1].has_value());
}

TEST(PortDeviceSettingsTest, AnOlderFileWithoutMappingsAndOtherCaseAreRead) {
    const IniStore old = IniStore::fromText("[com]\r\nadresse = 49\r\nbaud = 9600\r\nport = 1\r\n");
    for (const auto& device : plv7::readPortDevices(old)) EXPECT_FALSE(device.has_value());
    const PortDevices upper =
        plv7::readPortDevices(IniStore::fromText("[COM]\r\nGERAET4 = \"COM9\"\r\n"));
    EXPECT_EQ(upper[4], std::optional<std::string>("COM9"));
}

TEST(PortDeviceSettingsTest, TheMappingItemsDoNotDisturbTheOtherComItems) {
    const plv7::ComSettings settings = plv7::readComSettings(IniStore::fromText(
        "[com]\r\ngeraet1 = \"sim\"\r\nadresse = 51\r\nbaud = 19200\r\nport = 1\r\n"));
    EXPECT_EQ(settings.adresse, '3');
    EXPECT_EQ(settings.baudrate, 19200);
    EXPECT_EQ(settings.port, 1);
}

TEST(ComSettingsTest, LetterAddressesReadBack) {
    for (char address : {'a', 'c', 'f'}) {
        IniStore store;
        plv7::writeComSettings(store, {.adresse = address});
        EXPECT_EQ(plv7::readComSettings(IniStore::fromText(store.serialize())).adresse, address)
            << address;
    }
    // Upper-case letters and the characters around the range are no addresses.
    for (const char* code : {"65", "70", "96", "103"}) {
        EXPECT_EQ(
            plv7::readComSettings(IniStore::fromText(std::string("[com]\r\nadresse = ") + code))
                .adresse,
            '1')
            << code;
    }
}
