#include "kurven/Aufzeichnung.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>

#include "base/NumberText.h"

namespace plv7::kurven {

using namespace aufzeichnung;

namespace {

constexpr std::array<std::string_view, kSpalten> kSpaltenNamen = {
    "Eing1", "Eing2", "Eing3", "Eing4", "Ausg1", "Ausg2", "Ausg3", "Ausg4"};
constexpr std::size_t kFelder = 3 + kSpalten;  // date, time, running time, the values
constexpr std::size_t kBereichszeilen = 8;

std::vector<std::string_view> felder(std::string_view zeile) {
    std::vector<std::string_view> f;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        f.push_back(zeile.substr(anfang, tab == std::string_view::npos ? tab : tab - anfang));
        if (tab == std::string_view::npos) return f;
        anfang = tab + 1;
    }
}

std::optional<double> zahl(std::string_view text) {
    auto wert = parseDouble(text);
    if (wert && !std::isfinite(*wert)) wert.reset();
    return wert;
}

// "Eingang1: 0.000..10.000 V": the name with its channel number, a colon and a blank, then
// two numbers joined by "..", a blank and the unit.
bool bereichszeile(std::string_view zeile, std::string_view name, std::size_t kanal) {
    const std::string kopf = std::string(name) + std::to_string(kanal) + ": ";
    if (!zeile.starts_with(kopf)) return false;
    zeile.remove_prefix(kopf.size());
    const std::size_t punkte = zeile.find("..", 1);
    if (punkte == std::string_view::npos) return false;
    const std::size_t blank = zeile.find(' ', punkte);
    if (blank == std::string_view::npos) return false;
    return zahl(zeile.substr(0, punkte)) && zahl(zeile.substr(punkte + 2, blank - punkte - 2));
}

bool spaltenkopf(std::string_view zeile, Erfassung& e) {
    const auto f = felder(zeile);
    if (f.size() != kFelder || f[0] != "Datum" || f[1] != "Uhrzeit" || f[2] != "Abtastzeit")
        return false;
    for (std::size_t s = 0; s < kSpalten; ++s) {
        std::string_view feld = f[3 + s];
        if (!feld.starts_with(kSpaltenNamen[s]) || feld.size() < kSpaltenNamen[s].size() + 2 ||
            feld[kSpaltenNamen[s].size()] != '[' || !feld.ends_with(']'))
            return false;
        feld.remove_prefix(kSpaltenNamen[s].size() + 1);
        feld.remove_suffix(1);
        e.einheiten[s] = std::string(feld);
    }
    return true;
}

bool messzeile(std::string_view zeile, std::size_t nummer, Erfassung& e) {
    const auto f = felder(zeile);
    if (f.size() != kFelder || f[0].empty() || f[1].empty()) return false;
    Messzeile m;
    m.zeile = nummer;
    const auto laufzeit = zahl(f[2]);
    if (!laufzeit) return false;
    m.laufzeit = *laufzeit;
    for (std::size_t s = 0; s < kSpalten; ++s) {
        const auto wert = zahl(f[3 + s]);
        if (!wert) return false;
        m.werte[s] = *wert;
    }
    if (e.zeilen.empty()) {
        e.datum = std::string(f[0]);
        e.uhrzeit = std::string(f[1]);
    }
    e.zeilen.push_back(m);
    return true;
}

// Where the reader stands within an acquisition.
enum class Stand { VorErfassung, Bereiche, Spaltenkopf, Messwerte, Beendet };

}  // namespace

std::string_view SpaltenName(std::size_t spalte) {
    return spalte < kSpalten ? kSpaltenNamen[spalte] : std::string_view{};
}

bool SpalteAusName(std::string_view name, std::size_t& spalte) {
    for (std::size_t s = 0; s < kSpalten; ++s) {
        if (kSpaltenNamen[s] == name) {
            spalte = s;
            return true;
        }
    }
    return false;
}

Aufzeichnung AufzeichnungLesen(std::string_view text) {
    Aufzeichnung a;
    Stand stand = Stand::VorErfassung;
    std::size_t bereich = 0;
    std::size_t nummer = 0;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        const std::size_t lf = text.find('\n', anfang);
        std::string_view zeile =
            text.substr(anfang, lf == std::string_view::npos ? lf : lf - anfang);
        anfang = lf == std::string_view::npos ? text.size() : lf + 1;
        ++nummer;
        if (zeile.ends_with('\r')) zeile.remove_suffix(1);

        bool gut = true;
        if (zeile == "Datenerfassung gestartet" || zeile == "Speichern von Einzelbild") {
            Erfassung e;
            e.startzeile = nummer;
            e.einzelbild = zeile != "Datenerfassung gestartet";
            a.erfassungen.push_back(std::move(e));
            stand = Stand::Bereiche;
            bereich = 0;
        } else if (zeile.empty()) {
            // Two empty lines open every acquisition; inside one they cannot stand.
            gut = stand == Stand::VorErfassung || stand == Stand::Beendet ||
                  stand == Stand::Messwerte;
            if (stand == Stand::Messwerte) stand = Stand::Beendet;
        } else if (stand == Stand::Bereiche) {
            const bool eingang = bereich < 4;
            gut = bereichszeile(zeile, eingang ? "Eingang" : "Ausgang", bereich % 4 + 1);
            if (++bereich == kBereichszeilen) stand = Stand::Spaltenkopf;
        } else if (stand == Stand::Spaltenkopf) {
            gut = spaltenkopf(zeile, a.erfassungen.back());
            stand = Stand::Messwerte;
        } else if (stand == Stand::Messwerte) {
            const bool ende = zeile == "Datenerfassung beendet" || zeile == "Einzelbild beendet";
            if (ende)
                stand = Stand::Beendet;
            else
                gut = messzeile(zeile, nummer, a.erfassungen.back());
        } else {
            gut = false;
        }
        if (!gut) {
            a.code = kFehlerZeile;
            a.meldung = "Fehler in Zeile " + std::to_string(nummer) +
                        ":\nDie Zeile entspricht nicht dem Aufbau einer Protokolldatei.";
            a.erfassungen.clear();
            return a;
        }
    }
    if (stand == Stand::Bereiche || stand == Stand::Spaltenkopf) {
        a.code = kFehlerZeile;
        a.meldung = "Fehler in Zeile " + std::to_string(nummer + 1) +
                    ":\nDie Protokolldatei endet im Kopf einer Datenerfassung.";
        a.erfassungen.clear();
    } else if (a.erfassungen.empty()) {
        a.code = kFehlerKeineDaten;
        a.meldung = "Die Datei enthält keine Datenerfassung.";
    }
    return a;
}

Aufzeichnung AufzeichnungLaden(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    Aufzeichnung a;
    if (!datei.is_open()) {
        a.code = kFehlerOeffnen;
        return a;
    }
    std::string text((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
    if (datei.bad()) {
        a.code = kFehlerLesen;
        return a;
    }
    return AufzeichnungLesen(text);
}

}  // namespace plv7::kurven
