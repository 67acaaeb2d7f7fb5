#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"
#include "kennlinien/Kennlinie.h"
#include "konfig/Konfiguration.h"

// "Tabelle importieren…": a text of two columns, X in the unit of input channel 2 and Y in the
// unit of output channel 1, turned into a characteristic through the current scaling.
//
// Columns are separated by tabs, semicolons, commas or blanks; numbers carry a decimal point
// or a decimal comma. Which of the two the file uses is decided once for the whole file: the
// reading under which more lines hold two numbers and no line after the first of them is bad.
// Lines before the first data line that are not two numbers are headers; after it, empty
// lines are skipped and any other line is refused with its number and text.
namespace plv7::kennlinien {

namespace tabelle {

// A table is a few thousand lines; a bigger file is not a table the operator meant.
inline constexpr std::size_t kDateiMax = 16u << 20;
// The most points one slot of the box takes (its writer stops at byte 3263).
inline constexpr std::size_t kPunkteMax = 807;
inline constexpr std::string_view kMeldungstitel = "Importfehler";
}  // namespace tabelle

struct Tabellenimport {
    std::vector<Kennlinienpunkt> punkte;  // rising X from 0, the last length 0
    std::vector<std::string> hinweise;    // what the import added, merged or thinned
    std::string meldung;                  // the refusal, with its line number and text
};

// 0 with the points and notices, or one of the codes above with `meldung`. `ergebnis.punkte`
// is left empty on a refusal.
int KennlinieAusTabelle(std::string_view text, const Konfiguration& konfig,
                        Tabellenimport& ergebnis);

// The same for a file; kFehlerOeffnen, kFehlerLesen or kFehlerZuGross besides.
int KennlinieAusTabellendatei(const std::filesystem::path& pfad, const Konfiguration& konfig,
                              Tabellenimport& ergebnis);

}  // namespace plv7::kennlinien
