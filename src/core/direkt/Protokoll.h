#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/Fehlercodes.h"

namespace plv7::direkt {

inline constexpr char kDatenerfassungBeendet[] = "Datenerfassung beendet\n";
inline constexpr char kEinzelbildBeendet[] = "Einzelbild beendet\n";

enum class Protokollart { Datenerfassung, Einzelbild };

// One channel as the log's header describes it: user values at code 0 and 4095, the
// decimals of its columns and its unit text.
struct Protokollkanal {
    double lo = 0.0;
    double hi = 0.0;
    int nachkommastellen = 3;
    std::string einheit;
};

struct Protokollkopf {
    std::array<Protokollkanal, 4> eingaenge;
    std::array<Protokollkanal, 4> ausgaenge;
};

// One sample's line: date as the clock gives it (month-day-year), time, running time and
// the user values of the four inputs and of the four outputs last written.
struct Protokollzeile {
    std::string_view datum;
    std::string_view uhrzeit;
    double laufzeit = 0.0;
    std::array<double, 4> eingaenge{};
    std::array<double, 4> ausgaenge{};
};

// The pieces of the log as they are written, each ending with its own line end.
std::string startzeile(Protokollart art);
std::string bereichszeilen(const char* name, const std::array<Protokollkanal, 4>& kanaele);
std::string spaltenkopf(const Protokollkopf& kopf);
std::string zeitspalten(const Protokollzeile& zeile);
// The four value columns of one direction; the last ends the line when zeilenende is set.
std::string wertspalten(const std::array<double, 4>& werte,
                        const std::array<Protokollkanal, 4>& kanaele, bool zeilenende);

// The text-file log of an acquisition (or of one exported frame). Files are extended, never
// replaced; every piece is flushed as soon as it is written, so a crash loses nothing. A
// failed write closes the file.
class Protokoll {
public:
    // Closes a file that is open, then opens path for appending and writes the start line,
    // the eight range lines and the column header. 0 or a code above.
    int oeffnen(const std::filesystem::path& pfad, Protokollart art, const Protokollkopf& kopf);
    // Appends one sample's line; 0 without an open file.
    int zeile(const Protokollzeile& zeile);
    // Appends free text; 0 without an open file, else 0 or fehlercode.
    int text(std::string_view text, int fehlercode = kFehlerText);
    void schliessen();
    // The log's light.
    bool offen() const { return datei_.is_open(); }

private:
    int schreibe(std::string_view stueck, int fehlercode);

    std::ofstream datei_;
    Protokollkopf kopf_;
};

}  // namespace plv7::direkt
