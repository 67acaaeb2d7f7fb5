#include "kurven/Zeitbasis.h"

#include <array>

namespace plv7::kurven {
namespace {

struct Eintrag {
    std::string_view name;
    std::int64_t tick;
};

constexpr std::array<Eintrag, 6> kZeitbasen = {{
    {"10ms", 10},
    {"100ms", 100},
    {"1sek", 1000},
    {"10sek", 10000},
    {"1min", 60000},
    {"1std", 3600000},
}};

bool gueltig(int code) {
    return code >= kErsteZeitbasis && code <= kLetzteZeitbasis;
}

}  // namespace

std::int64_t ZeitbasisTick(int code) {
    return gueltig(code) ? kZeitbasen[static_cast<std::size_t>(code - 1)].tick : 0;
}

std::string_view ZeitbasisName(int code) {
    return gueltig(code) ? kZeitbasen[static_cast<std::size_t>(code - 1)].name : " ";
}

int ZeitbasisAusName(std::string_view name) {
    for (int code = kErsteZeitbasis; code <= kLetzteZeitbasis; ++code)
        if (ZeitbasisName(code) == name) return code;
    return 0;
}

}  // namespace plv7::kurven
