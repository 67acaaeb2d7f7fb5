#pragma once

#include <cstdint>
#include <string_view>

// The box's time bases: every segment of a curve is measured in ticks of its own time base.
namespace plv7::kurven {

inline constexpr int kErsteZeitbasis = 1;
inline constexpr int kLetzteZeitbasis = 6;

// Tick length in milliseconds of codes 1..6 ("10ms" .. "1std"); 0 for any other code.
std::int64_t ZeitbasisTick(int code);
// "10ms", "100ms", "1sek", "10sek", "1min", "1std"; one blank for any other code.
std::string_view ZeitbasisName(int code);
// The code of a name, compared exactly; 0 when no time base has that name.
int ZeitbasisAusName(std::string_view name);

}  // namespace plv7::kurven
