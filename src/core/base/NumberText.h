#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers as text for files, logs, displays and device frames: always with a dot, whatever
// the operator's locale.
namespace plv7 {

// Fixed notation with the given number of decimals (0 to 15), as "%.*f" in the C locale.
std::string formatFixed(double value, int decimals);

// A whole decimal number, or 0x-prefixed hex; nullopt unless the whole text is one.
std::optional<long long> parseInteger(std::string_view text);

// A decimal number with a dot ("4.5", "-1", "1e3"); nullopt unless the whole text is one.
std::optional<double> parseDouble(std::string_view text);

}  // namespace plv7
