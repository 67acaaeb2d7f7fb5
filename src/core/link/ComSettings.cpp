#include "link/ComSettings.h"

#include <algorithm>
#include <array>

#include "ini/IniStore.h"
#include "ini/SettingsTags.h"

namespace plv7 {

using namespace settings;

namespace {

constexpr std::array<long, 5> kStoredBaudRates = {9600, 19200, 38400, 57600, 115200};

// Every address the window offers reads back: 'a'..'f' as well, or a box at such an address
// would silently be addressed as '1' after the next start.
bool validAddress(long code) {
    return (code >= '1' && code <= '9') || (code >= 'a' && code <= 'f') || code == '&';
}

bool validPort(long port) {
    return (port >= 1 && port <= 8) || port == -1;
}

}  // namespace

ComSettings readComSettings(const IniStore& store) {
    ComSettings settings;
    // Ranges are checked on the long value: a huge number must not wrap into a valid one.
    if (const auto code = store.getInt(kSectionCom, kTagAdresse); code && validAddress(*code)) {
        settings.adresse = static_cast<char>(*code);
    }
    // 4800 is not taken back although the box can run at it.
    if (const auto baud = store.getInt(kSectionCom, kTagBaud);
        baud && std::find(kStoredBaudRates.begin(), kStoredBaudRates.end(), *baud) !=
                    kStoredBaudRates.end()) {
        settings.baudrate = *baud;
    }
    if (const auto port = store.getInt(kSectionCom, kTagLetzterPort); port && validPort(*port)) {
        settings.letzterPort = static_cast<int>(*port);
    }
    if (const auto port = store.getInt(kSectionCom, kTagPort); port && validPort(*port)) {
        settings.port = static_cast<int>(*port);
    }
    return settings;
}

void writeComSettings(IniStore& store, const ComSettings& settings) {
    store.putInt(kSectionCom, kTagAdresse, static_cast<unsigned char>(settings.adresse));
    store.putInt(kSectionCom, kTagBaud, settings.baudrate);
    store.putInt(kSectionCom, kTagLetzterPort, settings.letzterPort);
    store.putInt(kSectionCom, kTagPort, settings.port);
}

}  // namespace plv7
