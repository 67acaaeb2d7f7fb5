#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// What the program's own files (.plo, .plr, .ple) share. They start with the file's
// identification text and its NUL in a 32-byte field, then the version, 2; the curve and
// characteristic files keep their points as 12-byte records: value, length, code byte (time
// base or raster), three unused bytes. Integers are signed 32-bit little-endian.
namespace plv7 {

namespace dateiformat {
inline constexpr std::size_t kPunktGroesse = 12;
}

// Writes identification and version into the first 36 bytes; the rest of the field stays as
// it is (the files write zeros there).
void DateikopfSchreiben(std::span<std::uint8_t> datei, std::string_view kennung);

// What tells one of the files from the others, and the codes its reader returns.
struct Dateiart {
    std::string_view kennung;
    std::size_t kopfGroesse;  // bytes the header needs, 36 at least
    int fehlerKurz;           // fewer bytes than that
    int fehlerKennung;        // another identification
    int fehlerVersion;        // another version than 2
};

// 0 when the whole header is there and starts with the identification and its NUL (what
// follows the NUL does not count) and version 2; otherwise the first of the art's codes that
// applies.
int DateikopfPruefen(std::span<const std::uint8_t> datei, const Dateiart& art);

struct Dateipunkt {
    std::int32_t wert = 0;
    std::int32_t laenge = 0;
    std::uint8_t code = 0;
};
// The record at `offset`; the unused bytes stay as they are. Returns the next record's offset.
std::size_t DateipunktSchreiben(std::span<std::uint8_t> datei, std::size_t offset,
                                const Dateipunkt& p);
Dateipunkt DateipunktLesen(std::span<const std::uint8_t> datei, std::size_t offset);

}  // namespace plv7
