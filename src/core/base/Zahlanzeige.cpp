#include "base/Zahlanzeige.h"

#include <array>
#include <charconv>

#include "base/NumberText.h"

namespace plv7 {
namespace {

std::string allgemein(double wert, int stellen) {
    // to_chars with a precision writes as printf's %.*g does in the C locale.
    std::array<char, 64> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                        std::chars_format::general, stellen);
    return std::string(puffer.data(), ergebnis.ptr);
}

bool passt(const std::string& text, int zeichen) {
    return static_cast<int>(text.size()) <= zeichen;
}

}  // namespace

std::string zahlFuerAnzeige(double wert, int nachkommastellen, int zeichen) {
    for (int stellen = nachkommastellen; stellen >= 0; --stellen) {
        std::string text = formatFixed(wert, stellen);
        if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
            text.erase(0, 1);
        }
        if (passt(text, zeichen)) return text;
    }
    std::string text;
    for (int stellen = 17; stellen >= 1; --stellen) {
        text = allgemein(wert, stellen);
        if (passt(text, zeichen)) return text;
    }
    return text;
}

}  // namespace plv7
