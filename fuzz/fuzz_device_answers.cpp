// Arbitrary bytes as the box's answer to every command that parses one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../tests/unit/link/ScriptedPort.h"
#include "link/plv7Funktionen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plv7::test::ScriptedPortFixture* fake = [] {
        static plv7::test::ScriptedPortFixture instance;
        ORVPLV7_Open(1, 9600);
        return &instance;
    }();
    if (size == 0) return 0;
    // The first byte picks the command and, for memory reads, the block length.
    const int command = data[0] % 8;
    const long length = 1 + data[0] / 8;
    const std::string answer(reinterpret_cast<const char*>(data + 1), size - 1);
    fake->port->replies = {answer};
    fake->port->written.clear();

    std::string id;
    double volts = 0;
    std::array<double, 4> inputs{};
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(length));
    int value = 0;
    switch (command) {
        case 0:
            ORVPLV7_IDLesen(1, '1', id);
            break;
        case 1:
            ORVPLV7_EingangLesen(1, '1', "e1", volts);
            break;
        case 2:
            ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 15);
            ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 15, inputs);
            break;
        case 3:
            ORVPLV7_SpeicherLesen(1, '1', 4, 0, length, buffer.data());
            break;
        case 4:
            ORVPLV7_StatusLesen(1, '1', 1, value);
            break;
        case 5:
            ORVPLV7_ModusLesen(1, '1', value);
            break;
        case 6:
            ORVPLV7_AusgangSchreiben(1, '1', "a1", 1.0);
            break;
        default:
            ORVPLV7_BaudrateSchreiben(1, '1', 9600);
            break;
    }
    return 0;
}
