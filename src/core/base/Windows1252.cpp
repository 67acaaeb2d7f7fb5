#include "base/Windows1252.h"

#include <algorithm>
#include <array>

namespace plv7::cp1252 {
namespace {

// Bytes 0x80..0x9F; the rest of the code page is the same number as the character.
constexpr std::array<char16_t, 32> kObereSteuerzeile{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character at `pos` of a UTF-8 text, moving `pos` behind it; nothing for a malformed,
// overlong or surrogate sequence (pos then moves by one byte).
std::optional<char32_t> naechstesZeichen(std::string_view text, std::size_t& pos) {
    const auto erstes = static_cast<unsigned char>(text[pos++]);
    if (erstes < 0x80) return erstes;
    std::size_t folge = 0;
    char32_t zeichen = 0;
    char32_t kleinstes = 0;
    if ((erstes & 0xE0) == 0xC0) {
        folge = 1, zeichen = erstes & 0x1F, kleinstes = 0x80;
    } else if ((erstes & 0xF0) == 0xE0) {
        folge = 2, zeichen = erstes & 0x0F, kleinstes = 0x800;
    } else if ((erstes & 0xF8) == 0xF0) {
        folge = 3, zeichen = erstes & 0x07, kleinstes = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < folge) return std::nullopt;
    for (std::size_t i = 0; i < folge; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if ((byte & 0xC0) != 0x80) return std::nullopt;
        zeichen = (zeichen << 6) | (byte & 0x3F);
    }
    if (zeichen < kleinstes || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF))
        return std::nullopt;
    pos += folge;
    return zeichen;
}

void utf8Anhaengen(std::string& ziel, char32_t zeichen) {
    if (zeichen < 0x80) {
        ziel += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
        ziel += static_cast<char>(0xC0 | (zeichen >> 6));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
        ziel += static_cast<char>(0xE0 | (zeichen >> 12));
        ziel += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
}

}  // namespace

char32_t decode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kObereSteuerzeile[byte - 0x80];
    return byte;
}

std::optional<std::uint8_t> encode(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<std::uint8_t>(zeichen);
    const auto* stelle = std::ranges::find(kObereSteuerzeile, zeichen);
    if (stelle == kObereSteuerzeile.end()) return std::nullopt;
    return static_cast<std::uint8_t>(0x80 + (stelle - kObereSteuerzeile.begin()));
}

std::string toUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) utf8Anhaengen(text, decode(static_cast<std::uint8_t>(c)));
    return text;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto zeichen = naechstesZeichen(utf8, pos);
        if (!zeichen) return std::nullopt;
        const auto byte = encode(*zeichen);
        if (!byte) return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::string commentToUtf8(std::string_view bytes) {
    const bool mehrbytig =
        std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (mehrbytig && fromUtf8(bytes)) return std::string(bytes);
    return toUtf8(bytes);
}

std::string readCommentField(std::span<const std::uint8_t> field) {
    if (field.empty()) return {};
    const auto text = field.first(field.size() - 1);
    const auto nul = std::ranges::find(text, std::uint8_t{0});
    return commentToUtf8(std::string(text.begin(), nul));
}

void writeTextField(std::string_view utf8, std::span<std::uint8_t> field) {
    std::ranges::fill(field, std::uint8_t{0});
    if (field.empty()) return;
    std::size_t geschrieben = 0;
    for (std::size_t pos = 0; pos < utf8.size() && geschrieben + 1 < field.size();) {
        const auto zeichen = naechstesZeichen(utf8, pos);
        if (!zeichen || *zeichen == 0) continue;
        if (const auto byte = encode(*zeichen)) field[geschrieben++] = *byte;
    }
}

std::string fitToBytes(std::string_view utf8, std::size_t bytes) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < bytes && pos < utf8.size(); ++n) naechstesZeichen(utf8, pos);
    return std::string(utf8.substr(0, pos));
}

}  // namespace plv7::cp1252
