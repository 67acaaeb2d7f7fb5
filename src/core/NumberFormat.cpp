#include "NumberFormat.h"

#include <array>
#include <charconv>

namespace plv7 {

std::string formatG16(double value) {
    // Enough for a sign, 16 digits, a point and a three-digit exponent.
    std::array<char, 32> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), value,
                                        std::chars_format::general, 16);
    return {puffer.data(), ergebnis.ptr};
}

}  // namespace plv7
