#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Text in the box's files and in the settings file: Windows-1252, one byte a character, the
// code page of the Windows PCs the system runs on. The program holds text as UTF-8 and converts
// here, at the edge. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 code points of the same number, so that every byte read comes back unchanged
// when it is written again.
namespace plv7::cp1252 {

// The character a byte stands for.
char32_t decode(std::uint8_t byte);
// The byte of a character, or nothing when the code page cannot hold it.
std::optional<std::uint8_t> encode(char32_t zeichen);

// Windows-1252 bytes as UTF-8.
std::string toUtf8(std::string_view bytes);
// UTF-8 as Windows-1252 bytes; nothing when the text is no valid UTF-8 or holds a character the
// code page cannot hold (never a stand-in such as '?').
std::optional<std::string> fromUtf8(std::string_view utf8);

// A comment's bytes as UTF-8. Earlier builds wrote comments as UTF-8: bytes that are valid UTF-8
// with at least one multi-byte sequence, all of whose characters the code page holds, are read
// as such; everything else is Windows-1252.
std::string commentToUtf8(std::string_view bytes);

// A NUL-terminated comment field of a file: its bytes up to the first NUL, at most
// field.size() - 1 of them, read by commentToUtf8.
std::string readCommentField(std::span<const std::uint8_t> field);
// Writes a UTF-8 text into a NUL-terminated field as Windows-1252, at most field.size() - 1
// bytes, and zeros behind. Characters the code page cannot hold (and NULs) are left out: the
// windows refuse them where they are typed, so none are expected here.
void writeTextField(std::string_view utf8, std::span<std::uint8_t> field);

// The longest front of a UTF-8 text that takes at most `bytes` bytes in the file, cut between
// characters.
std::string fitToBytes(std::string_view utf8, std::size_t bytes);

}  // namespace plv7::cp1252
