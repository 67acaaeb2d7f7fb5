#include "Fields.h"

#include <charconv>

namespace plv7::sim::fields {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool allDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::optional<unsigned> parseHex(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

std::string formatHex(unsigned value, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

std::optional<int> parseOutputMillivolts(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    if (whole.empty() || whole.size() > 2 || !allDigits(whole)) return std::nullopt;
    if (dot != std::string_view::npos && (fraction.empty() || fraction.size() > 3))
        return std::nullopt;
    if (!allDigits(fraction)) return std::nullopt;
    int millivolts = 0;
    for (char c : whole) millivolts = millivolts * 10 + (c - '0');
    millivolts *= 1000;
    int scale = 100;
    for (char c : fraction) {
        millivolts += (c - '0') * scale;
        scale /= 10;
    }
    if (millivolts > 10000) return std::nullopt;
    return millivolts;
}

std::string formatVolts(int millivolts) {
    if (millivolts < 0) millivolts = 0;
    std::string text = std::to_string(millivolts / 1000);
    const int rest = millivolts % 1000;
    text += '.';
    text += static_cast<char>('0' + rest / 100);
    text += static_cast<char>('0' + rest / 10 % 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

std::optional<long> parseUnsigned(std::string_view text) {
    if (text.empty() || text.size() > 9 || !allDigits(text)) return std::nullopt;
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace plv7::sim::fields
