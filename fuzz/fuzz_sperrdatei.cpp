// Reads arbitrary bytes as a serial-port lock file another program wrote: the holder found
// is a positive process id with a one-line name, or nobody.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "link/PortGrund.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const plv7::Sperrinhaber inhaber = plv7::sperrdateiLesen(input);
    plv7::fuzz::check(inhaber.prozess >= 0);
    plv7::fuzz::check(inhaber.prozess > 0 || inhaber.programm.empty());
    plv7::fuzz::check(inhaber.programm.find('\n') == std::string_view::npos);
    plv7::fuzz::check(inhaber.programm.size() <= size);
    return 0;
}
