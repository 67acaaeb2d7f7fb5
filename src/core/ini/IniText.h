#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Text rules of the settings file, shared by the store's reader and writer. Every number is
// written and read with a dot, whatever the process locale.
namespace plv7::ini {

// Characters of a line beyond this are not read.
inline constexpr std::size_t kMaxLineLength = 255;

// Byte-wise comparison with ASCII letters folded to lower case (<0, 0, >0).
int compareIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// As "%.16g" in the C locale: up to 16 significant digits, exponent form for very large or
// small values ("10", "0.001", "1e-05", "1.5e+20").
std::string formatDouble(double value);

// An optional sign and decimal digits, nothing else, within the range of long.
std::optional<long> parseInt(std::string_view text);

// Blanks are spaces and tabs.
std::string_view withoutLeadingBlanks(std::string_view text);
std::string_view trimBlanks(std::string_view text);
// The text inside a pair of enclosing double quotes, or the text itself.
std::string_view withoutQuotes(std::string_view text);
// CR and LF become blanks: a line break inside a value would end its line in the file and
// turn the rest into lines of their own.
std::string withoutLineBreaks(std::string_view text);

// The name of a section header line ("[name]", its last ']' followed only by blanks),
// or nullopt when the line is not a header. The line starts with '['.
std::optional<std::string_view> sectionName(std::string_view line);

}  // namespace plv7::ini
