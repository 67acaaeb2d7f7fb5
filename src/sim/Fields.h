#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text fields of the box's frames, independent of the C locale.
namespace plv7::sim::fields {

// A fixed-width hex field; either letter case. Empty when a character is no hex digit.
std::optional<unsigned> parseHex(std::string_view text);
// `value` as `width` upper-case hex digits, zero-padded (higher digits are cut off).
std::string formatHex(unsigned value, int width);

// Volts with up to three decimals ("5.000", "10", "0.5") as millivolts. Empty for signs,
// exponents, more than three decimals, or a value above 10 V.
std::optional<int> parseOutputMillivolts(std::string_view text);
// Millivolts as volts in ordinary decimal notation with three decimals: 4998 -> "4.998".
std::string formatVolts(int millivolts);

// An unsigned decimal number of at most 9 digits; empty for anything else.
std::optional<long> parseUnsigned(std::string_view text);

}  // namespace plv7::sim::fields
