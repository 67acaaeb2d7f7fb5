#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"
#include "kurven/Kurvenmodell.h"

// The curves' text format for other tools: one point a line, "time in seconds, value in
// percent, time-base name, curve number", separated by tabs. Export lines end with CR LF;
// the import takes LF and CR LF alike.
namespace plv7::kurven {

namespace kurven_text {
inline constexpr std::string_view kZeilenende = "\r\n";
inline constexpr std::size_t kZeileMax = 95;  // characters of a line that count on import

inline constexpr char kImportTitel[] = "Importfehler";
}  // namespace kurven_text

// The whole export of the four curves (all of them, one-point curves too).
std::string KurvenExportText(const std::array<Kurve, kKurvenAnzahl>& kurven);
// Writes the export in one step: 0, kFehlerExportOeffnen or kFehlerExportSchreiben.
int KurvenExportieren(const std::filesystem::path& pfad,
                      const std::array<Kurve, kKurvenAnzahl>& kurven);

struct KurvenImport {
    int code = 0;
    std::string meldung;  // the text of the "Importfehler" pop-up; empty on success
    // The points of each curve the text holds; empty for curves it does not mention.
    std::array<std::vector<Kurvenpunkt>, kKurvenAnzahl> kurven;
};

// Reads a text; on a failure `code` and `meldung` say which line and why, and no curve is
// given.
KurvenImport KurvenImportLesen(std::string_view text);
// Reads a file: its failure to open or read is the code without a message.
KurvenImport KurvenImportieren(const std::filesystem::path& pfad);

// Each imported curve replaces the points of its curve in the model, as an edit of that curve
// (undo step); the former current curve stays current. Comments, cycles, rest values and the
// file path stay.
void KurvenImportUebernehmen(Kurvenmodell& modell, const KurvenImport& import);

}  // namespace plv7::kurven
