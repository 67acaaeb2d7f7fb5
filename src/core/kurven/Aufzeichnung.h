#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"

// The direct window's text-file log read back: each acquisition (or exported frame) with its
// column units and its samples, as the log writer appends them one after another.
namespace plv7::kurven {

namespace aufzeichnung {
inline constexpr std::size_t kSpalten = 8;  // Eing1..Eing4, Ausg1..Ausg4
}  // namespace aufzeichnung

// "Eing1".."Eing4", "Ausg1".."Ausg4" for columns 0..7; empty beyond.
std::string_view SpaltenName(std::size_t spalte);
// The column of a name, compared exactly; false when none has it.
bool SpalteAusName(std::string_view name, std::size_t& spalte);

struct Messzeile {
    std::size_t zeile = 0;  // line number in the file, from 1
    double laufzeit = 0.0;  // seconds since the acquisition's first tick
    std::array<double, aufzeichnung::kSpalten> werte{};
};

struct Erfassung {
    std::size_t startzeile = 0;  // line of "Datenerfassung gestartet" / "Speichern von Einzelbild"
    bool einzelbild = false;
    std::string datum;  // of the first sample as the log shows it, empty without samples
    std::string uhrzeit;
    std::array<std::string, aufzeichnung::kSpalten> einheiten;  // from the column header
    std::vector<Messzeile> zeilen;
};

struct Aufzeichnung {
    int code = 0;
    std::string meldung;  // "Fehler in Zeile 12:\n..." for a damaged line; empty on success
    std::vector<Erfassung> erfassungen;
};

// Reads a whole log. Line ends LF or CR LF. Any damaged line refuses the whole file (no
// acquisition is given), so that nothing is taken from a log that is not what it seems.
Aufzeichnung AufzeichnungLesen(std::string_view text);
// The same from a file: kFehlerOeffnen or kFehlerLesen without a message when it cannot.
Aufzeichnung AufzeichnungLaden(const std::filesystem::path& pfad);

}  // namespace plv7::kurven
