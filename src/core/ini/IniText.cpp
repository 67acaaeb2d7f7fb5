#include "ini/IniText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace plv7::ini {
namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars takes no '+'; a lone sign or a sign before a second sign stays invalid.
std::string_view withoutPlusSign(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

int compareIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(lowerAscii(a[i]));
        const auto right = static_cast<unsigned char>(lowerAscii(b[i]));
        if (left != right) return left < right ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           compareIgnoringCase(text.substr(0, prefix.size()), prefix) == 0;
}

std::string formatDouble(double value) {
    // to_chars with a precision formats as printf's %.*g does in the C locale.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 16);
    return std::string(buffer.data(), result.ptr);
}

std::optional<long> parseInt(std::string_view text) {
    text = withoutPlusSign(text);
    const std::string_view digits = (!text.empty() && text.front() == '-') ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    return text.substr(static_cast<std::size_t>(first - text.begin()));
}

std::string_view trimBlanks(std::string_view text) {
    text = withoutLeadingBlanks(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view withoutQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string withoutLineBreaks(std::string_view text) {
    std::string result(text);
    std::replace_if(
        result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

std::optional<std::string_view> sectionName(std::string_view line) {
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view after = line.substr(close + 1);
    if (!std::all_of(after.begin(), after.end(), isBlank)) return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

}  // namespace plv7::ini
