#include "kennlinien/KennlinienText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/AtomicWrite.h"
#include "base/NumberText.h"

namespace plv7 {

using namespace kennlinien_text;

namespace {

constexpr char kZeilenende[] = "\r\n";

bool istLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A decimal number at the start of `text`, as the C library's scanners read one: blanks
// before it are skipped, whatever follows it is left. Only finite values count.
bool zahlLesen(std::string_view& text, double& wert) {
    while (!text.empty() && istLeer(text.front())) text.remove_prefix(1);
    std::string_view rest = text;
    const bool plus = !rest.empty() && rest.front() == '+';
    if (plus) rest.remove_prefix(1);
    if (rest.empty() || !(std::isdigit(static_cast<unsigned char>(rest.front())) ||
                          rest.front() == '.' || rest.front() == '-')) {
        return false;
    }
    const auto [ende, fehler] =
        std::from_chars(rest.data(), rest.data() + rest.size(), wert, std::chars_format::general);
    if (fehler != std::errc{} || !std::isfinite(wert)) return false;
    text.remove_prefix(static_cast<std::size_t>(ende - text.data()));
    return true;
}

std::string zeilentext(int nummer, const std::string& grund) {
    return "Fehler in Zeile " + std::to_string(nummer) + ":\n" + grund;
}

std::string prozent(double wert) {
    return formatFixed(wert, 2);
}

// An offending value as it was written, without rounding it into the range.
std::string zahlText(double wert) {
    char text[32];
    const auto ende = std::to_chars(text, text + sizeof text, wert).ptr;
    return std::string(text, ende);
}

}  // namespace

std::string KennlinienExportText(const Kennlinie& kennlinie) {
    std::string text = std::string("# Kennlinie exportiert aus PLV7-Steuerung") + kZeilenende +
                       "# Spalte 1 = X-Wert in Prozent" + kZeilenende +
                       "# Spalte 2 = Y-Wert in Prozent" + kZeilenende + kZeilenende;
    std::int64_t x = 0;
    for (const Kennlinienpunkt& punkt : kennlinie.punkte) {
        text += prozent(100.0 * static_cast<double>(x) / kennlinie::kRohMax) + "\t" +
                prozent(100.0 * punkt.y / kennlinie::kRohMax) + kZeilenende;
        x += punkt.laenge;
    }
    return text + kZeilenende;
}

int KennlinieExportieren(const std::filesystem::path& pfad, const Kennlinie& kennlinie) {
    return dateiSchreiben(pfad, KennlinienExportText(kennlinie),
                          {kFehlerExportOeffnen, kFehlerExportSchreiben});
}

int KennlinienImport::refuse(int code, std::string text) {
    fehler_ = code;
    meldung_ = std::move(text);
    return code;
}

int KennlinienImport::zeile(std::string_view text) {
    if (fehler_ != 0) return fehler_;
    ++zeilennummer_;
    text = text.substr(0, kZeileMax);
    const auto erstes = text.find_first_not_of(" \t\r");
    if (erstes == std::string_view::npos || text[erstes] == '#') return 0;

    double xProzent = 0.0;
    double yProzent = 0.0;
    if (!zahlLesen(text, xProzent) || !zahlLesen(text, yProzent)) {
        return refuse(kFehlerWerte, zeilentext(zeilennummer_, "Falsche oder zu wenig Werte."));
    }
    if (!(yProzent >= 0.0 && yProzent <= 100.0)) {
        return refuse(kFehlerYBereich,
                      zeilentext(zeilennummer_, "Der Y-Wert " + zahlText(yProzent) +
                                                    " % liegt nicht zwischen 0 und 100 %."));
    }
    if (!(xProzent >= 0.0 && xProzent <= 100.0)) {
        return refuse(kFehlerXBereich,
                      zeilentext(zeilennummer_, "Der X-Wert " + zahlText(xProzent) +
                                                    " % liegt nicht zwischen 0 und 100 %."));
    }
    Kennlinienpunkt punkt;
    punkt.y = static_cast<std::int32_t>(kennlinie::kRohMax * yProzent / 100.0);
    if (punkte_.empty()) {
        if (std::fabs(xProzent) > 0.000001) {
            return refuse(kFehlerNichtBeiNull,
                          zeilentext(zeilennummer_, "Kurve muß bei X=0 beginnen."));
        }
    } else {
        const double abstand = xProzent - vorigesX_;
        if (abstand <= 0.000001) {
            return refuse(kFehlerNichtFortlaufend,
                          zeilentext(zeilennummer_, "X-Achse nicht fortlaufend."));
        }
        const auto laenge = static_cast<std::int32_t>(kennlinie::kRohMax * abstand / 100.0);
        if (laenge < 1) {
            return refuse(kFehlerAbstandNull,
                          zeilentext(zeilennummer_,
                                     "X-Unterschied zwischen zwei Punkten muß größer Null sein."));
        }
        punkte_.back().laenge = laenge;
    }
    punkte_.push_back(punkt);
    vorigesX_ = xProzent;
    return 0;
}

int KennlinienImport::ende() {
    if (fehler_ != 0) return fehler_;
    if (punkte_.empty()) return refuse(kFehlerKeineDaten, "Keine Kurvendaten gefunden.");
    punkte_.back().laenge = 0;
    return 0;
}

namespace {

// The end of an import from either source: the points, or the refusal's text.
int importAbschliessen(KennlinienImport& import, int code, std::vector<Kennlinienpunkt>& punkte,
                       std::string& meldung) {
    if (code == 0) code = import.ende();
    if (code != 0) {
        meldung = import.meldung();
        return code;
    }
    punkte = std::move(import.punkte());
    return 0;
}

}  // namespace

int KennlinienTextImportieren(std::string_view text, std::vector<Kennlinienpunkt>& punkte,
                              std::string& meldung) {
    KennlinienImport import;
    int code = 0;
    while (code == 0 && !text.empty()) {
        const auto ende = text.find('\n');
        code = import.zeile(text.substr(0, ende));
        text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
    }
    return importAbschliessen(import, code, punkte, meldung);
}

int KennlinieImportieren(const std::filesystem::path& pfad, std::vector<Kennlinienpunkt>& punkte,
                         std::string& meldung) {
    const auto datei = openFile(pfad, "rb");
    if (!datei) return kFehlerImportOeffnen;
    KennlinienImport import;
    std::string zeile;
    bool zeileOffen = false;
    int code = 0;
    // Only the first 95 characters of a line are kept; the rest is read and dropped, so a
    // file of endless lines costs no memory.
    for (int c = std::fgetc(datei.get()); code == 0 && c != EOF; c = std::fgetc(datei.get())) {
        if (c == '\n') {
            code = import.zeile(zeile);
            zeile.clear();
            zeileOffen = false;
            continue;
        }
        zeileOffen = true;
        if (zeile.size() < kZeileMax) zeile.push_back(static_cast<char>(c));
    }
    if (code == 0 && std::ferror(datei.get())) return kFehlerImportLesen;
    if (code == 0 && zeileOffen) code = import.zeile(zeile);
    return importAbschliessen(import, code, punkte, meldung);
}

}  // namespace plv7
