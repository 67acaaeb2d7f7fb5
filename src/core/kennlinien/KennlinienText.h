#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"
#include "kennlinien/Kennlinie.h"

namespace plv7::kennlinien {

// The characteristic as tab-separated text in percent: X % = 100 * position / 4095 and
// Y % = 100 * y / 4095, two decimals, lines ending in CR LF.

namespace kennlinien_text {
inline constexpr std::size_t kZeileMax = 95;  // characters of a line the import reads

inline constexpr std::string_view kMeldungstitel = "Importfehler";
}  // namespace kennlinien_text

// The export: four header lines, one line a point, one empty line.
std::string KennlinienExportText(const Kennlinie& kennlinie);

// Writes the export in one step; a previous file stays intact on a failure. 0,
// kFehlerExportOeffnen or kFehlerExportSchreiben.
int KennlinieExportieren(const std::filesystem::path& pfad, const Kennlinie& kennlinie);

// The import, one line at a time. Comment lines (first non-blank "#"), empty lines and lines
// of blanks are skipped; every other line holds X % and Y %. Points must start at X 0 % and
// rise. After the first refused line the import stays failed.
class KennlinienImport {
public:
    // Takes the next line (without its line end; at most 95 characters of it count).
    // 0, or the import's error code with meldung() set.
    int zeile(std::string_view text);
    // The end of the text: 0 with the points in punkte(), or kFehlerKeineDaten.
    int ende();

    // The text of the "Importfehler" box for the last refusal.
    const std::string& meldung() const { return meldung_; }
    std::vector<Kennlinienpunkt>& punkte() { return punkte_; }

private:
    int refuse(int code, std::string text);

    int zeilennummer_ = 0;
    int fehler_ = 0;
    double vorigesX_ = 0.0;
    std::string meldung_;
    std::vector<Kennlinienpunkt> punkte_;
};

// Imports a whole text (lines end in LF, CR LF or the end of the text).
int KennlinienTextImportieren(std::string_view text, std::vector<Kennlinienpunkt>& punkte,
                              std::string& meldung);

// Imports a file: 0, kFehlerImportOeffnen, kFehlerImportLesen or the import's codes with
// meldung set. punkte is only changed on success.
int KennlinieImportieren(const std::filesystem::path& pfad, std::vector<Kennlinienpunkt>& punkte,
                         std::string& meldung);

}  // namespace plv7::kennlinien
