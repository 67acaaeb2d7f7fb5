#include "Festkomma.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace plv7::direkt {

void haengeFestkommaAn(std::string& text, double value, int decimals) {
    // 1e308 with 15 decimals needs about 330 characters.
    std::array<char, 400> buffer;
    const int precision = std::clamp(decimals, 0, 15);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, precision);
    if (result.ec == std::errc()) text.append(buffer.data(), result.ptr);
}

std::string festkomma(double value, int decimals) {
    std::string text;
    haengeFestkommaAn(text, value, decimals);
    return text;
}

}  // namespace plv7::direkt
