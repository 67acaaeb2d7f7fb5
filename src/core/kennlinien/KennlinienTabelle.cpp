#include "kennlinien/KennlinienTabelle.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "base/AtomicWrite.h"
#include "base/NumberText.h"
#include "kennlinien/KennlinienAusduennung.h"
#include "konfig/KonfigUmrechnung.h"

namespace plv7::kennlinien {

using namespace tabelle;

namespace {

enum class Dezimal { Punkt, Komma };

constexpr int kEingang2 = 1;
constexpr int kAusgang1 = 0;
constexpr std::size_t kZahlMax = 64;   // characters of one number
constexpr std::size_t kZeigeMax = 60;  // characters of a line a message quotes
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool istLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool istTrenner(char c, Dezimal d) {
    return c == ';' || (d == Dezimal::Punkt && c == ',');
}

std::vector<std::string_view> zeilenAus(std::string_view text) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    std::vector<std::string_view> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        zeilen.push_back(text.substr(anfang, i - anfang));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < text.size()) zeilen.push_back(text.substr(anfang));
    return zeilen;
}

// The fields of a line. A field ends at blanks or at one separator with blanks around it;
// empty fields at the end (a spreadsheet's empty columns) are dropped.
std::vector<std::string_view> felderAus(std::string_view zeile, Dezimal d) {
    std::vector<std::string_view> felder;
    std::size_t i = 0;
    const auto blanksUeberspringen = [&] {
        while (i < zeile.size() && istLeer(zeile[i])) ++i;
    };
    blanksUeberspringen();
    while (i < zeile.size()) {
        const std::size_t anfang = i;
        while (i < zeile.size() && !istLeer(zeile[i]) && !istTrenner(zeile[i], d)) ++i;
        felder.push_back(zeile.substr(anfang, i - anfang));
        blanksUeberspringen();
        if (i < zeile.size() && istTrenner(zeile[i], d)) {
            ++i;
            blanksUeberspringen();
            if (i == zeile.size()) felder.emplace_back();
        }
    }
    while (!felder.empty() && felder.back().empty()) felder.pop_back();
    return felder;
}

// A decimal number written with the file's decimal separator: sign, digits, separator,
// digits, exponent. Nothing else belongs to it (no thousands separators, no "inf").
std::optional<double> zahlAus(std::string_view feld, Dezimal d) {
    if (feld.empty() || feld.size() > kZahlMax) return std::nullopt;
    const char dezimal = d == Dezimal::Punkt ? '.' : ',';
    char puffer[kZahlMax];
    std::size_t n = 0;
    std::size_t i = 0;
    if (feld[i] == '+' || feld[i] == '-') {
        if (feld[i] == '-') puffer[n++] = '-';
        ++i;
    }
    bool ziffern = false;
    bool trenner = false;
    for (; i < feld.size(); ++i) {
        const char c = feld[i];
        if (c >= '0' && c <= '9') {
            ziffern = true;
        } else if (c == dezimal && !trenner) {
            trenner = true;
        } else {
            break;
        }
        puffer[n++] = c == dezimal ? '.' : c;
    }
    if (!ziffern) return std::nullopt;
    if (i < feld.size() && (feld[i] == 'e' || feld[i] == 'E')) {
        puffer[n++] = 'e';
        ++i;
        if (i < feld.size() && (feld[i] == '+' || feld[i] == '-')) puffer[n++] = feld[i++];
        const std::size_t exponent = i;
        while (i < feld.size() && feld[i] >= '0' && feld[i] <= '9') puffer[n++] = feld[i++];
        if (i == exponent) return std::nullopt;
    }
    if (i != feld.size()) return std::nullopt;
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(puffer, puffer + n, wert);
    if (fehler != std::errc{} || ende != puffer + n || !std::isfinite(wert)) return std::nullopt;
    return wert;
}

struct Zeilenwerte {
    std::string_view x;
    std::string_view y;
    double xWert = 0.0;
    double yWert = 0.0;
};

enum class Art { Leer, Daten, Anderes };

Art artDer(std::string_view zeile, Dezimal d, Zeilenwerte* werte = nullptr) {
    const auto felder = felderAus(zeile, d);
    if (felder.empty()) return Art::Leer;
    if (felder.size() != 2) return Art::Anderes;
    const auto x = zahlAus(felder[0], d);
    const auto y = zahlAus(felder[1], d);
    if (!x || !y) return Art::Anderes;
    if (werte) *werte = {felder[0], felder[1], *x, *y};
    return Art::Daten;
}

// How a whole file reads with one decimal separator.
struct Lesart {
    Dezimal dezimal = Dezimal::Punkt;
    std::size_t daten = 0;              // data lines before the first bad one
    std::size_t erste = 0;              // index of the first data line
    std::optional<std::size_t> fehler;  // index of the first bad line after it
    bool sauber() const { return daten > 0 && !fehler; }
};

Lesart lesen(const std::vector<std::string_view>& zeilen, Dezimal d) {
    Lesart l;
    l.dezimal = d;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Art art = artDer(zeilen[i], d);
        if (art == Art::Daten) {
            if (l.daten++ == 0) l.erste = i;
        } else if (art == Art::Anderes && l.daten > 0) {
            l.fehler = i;
            return l;
        }
    }
    return l;
}

Lesart lesartWaehlen(const std::vector<std::string_view>& zeilen) {
    const Lesart punkt = lesen(zeilen, Dezimal::Punkt);
    const Lesart komma = lesen(zeilen, Dezimal::Komma);
    if (punkt.sauber() != komma.sauber()) return punkt.sauber() ? punkt : komma;
    // Both read cleanly or neither does: the reading that finds more data wins; with no
    // comma inside a number both give the same values, and the point is taken.
    return komma.daten > punkt.daten ? komma : punkt;
}

// A line as a message quotes it: control characters and bytes that are not UTF-8 become
// blanks and "?", a long line is cut.
std::string zeileZeigen(std::string_view zeile) {
    std::string text;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < zeile.size() && zeichen < kZeigeMax; ++zeichen) {
        const auto b = static_cast<unsigned char>(zeile[i]);
        const std::size_t laenge = b < 0x80         ? 1
                                   : (b >> 5) == 6  ? 2
                                   : (b >> 4) == 14 ? 3
                                   : (b >> 3) == 30 ? 4
                                                    : 0;
        bool gueltig = laenge > 0 && i + laenge <= zeile.size();
        for (std::size_t k = 1; gueltig && k < laenge; ++k)
            gueltig = (static_cast<unsigned char>(zeile[i + k]) & 0xC0) == 0x80;
        if (!gueltig) {
            text += '?';
            ++i;
        } else if (b < 0x20 || b == 0x7F) {
            text += ' ';
            ++i;
        } else {
            text.append(zeile.substr(i, laenge));
            i += laenge;
        }
        if (zeichen + 1 == kZeigeMax && i < zeile.size()) text += "…";
    }
    return text;
}

std::string zeilenKopf(std::size_t index, std::string_view zeile) {
    return "Fehler in Zeile " + std::to_string(index + 1) + ":\n\"" + zeileZeigen(zeile) + "\"\n";
}

std::string wertText(double wert) {
    return formatFixed(wert, 3);
}

std::string einheitText(const Konfiguration::Einheit& e) {
    return EinheitAlsUtf8(e);
}

// The raw code of a user value, rounded to the nearest code; nothing when it lies outside
// 0..4095.
std::optional<int> rohcode(double roh) {
    const double code = std::floor(roh + 0.5);
    if (!(code >= 0.0 && code <= kennlinie::kRohMax)) return std::nullopt;
    return static_cast<int>(code);
}

struct Gruppe {
    int x = 0;
    double ySumme = 0.0;
    int anzahl = 0;
};

int refuse(Tabellenimport& e, int code, std::string meldung) {
    e.punkte.clear();
    e.hinweise.clear();
    e.meldung = std::move(meldung);
    return code;
}

std::string anzahlText(std::size_t n, const char* einzahl, const char* mehrzahl) {
    return std::to_string(n) + " " + (n == 1 ? einzahl : mehrzahl);
}

}  // namespace

int KennlinieAusTabelle(std::string_view text, const Konfiguration& konfig,
                        Tabellenimport& ergebnis) {
    ergebnis = {};
    if (!EingangSkalierungGueltig(konfig, kEingang2) ||
        !AusgangSkalierungGueltig(konfig, kAusgang1) || !VollausschlagGueltig(konfig.vinmax) ||
        !VollausschlagGueltig(konfig.voutmax)) {
        return refuse(ergebnis, kFehlerSkalierung,
                      "Die Skalierung von Eingang 2 oder Ausgang 1 rechnet nicht in Rohwerte um "
                      "(siehe Fenster 'Konfiguration').");
    }
    const auto zeilen = zeilenAus(text);
    const Lesart lesart = lesartWaehlen(zeilen);
    if (lesart.daten == 0)
        return refuse(ergebnis, kFehlerKeineDaten,
                      "Die Tabelle enthält keine Zeile mit zwei Zahlen.");
    if (lesart.fehler) {
        return refuse(ergebnis, kFehlerZeile,
                      zeilenKopf(*lesart.fehler, zeilen[*lesart.fehler]) +
                          "Die Zeile enthält nicht zwei Zahlen (X und Y).");
    }

    const std::string xEinheit = einheitText(konfig.ineinheit[kEingang2]);
    const std::string yEinheit = einheitText(konfig.outeinheit[kAusgang1]);
    const auto bereich = [](double a, double b, const std::string& einheit) {
        return wertText(std::min(a, b)) + " bis " + wertText(std::max(a, b)) + " " + einheit;
    };
    const std::string xBereich =
        bereich(EingangCodeInEinheit(konfig, kEingang2, 0.0),
                EingangCodeInEinheit(konfig, kEingang2, kennlinie::kRohMax), xEinheit);
    const std::string yBereich =
        bereich(AusgangCodeInEinheit(konfig, kAusgang1, 0.0),
                AusgangCodeInEinheit(konfig, kAusgang1, kennlinie::kRohMax), yEinheit);

    // Points on the same raw X are merged into one at their mean output as they come: X
    // rises, so a code never comes back.
    std::vector<Gruppe> gruppen;
    std::size_t zusammengefasst = 0;
    std::optional<double> vorigesX;
    std::string_view vorigesXText;
    for (std::size_t i = lesart.erste; i < zeilen.size(); ++i) {
        Zeilenwerte w;
        if (artDer(zeilen[i], lesart.dezimal, &w) != Art::Daten) continue;
        const auto x = rohcode(EingangEinheitInCode(konfig, kEingang2, w.xWert));
        if (!x) {
            return refuse(ergebnis, kFehlerXBereich,
                          zeilenKopf(i, zeilen[i]) + "Der X-Wert " + std::string(w.x) +
                              " liegt außerhalb des Bereichs von Eingang 2 (" + xBereich + ").");
        }
        const double yRoh = AusgangEinheitInCode(konfig, kAusgang1, w.yWert);
        if (!rohcode(yRoh)) {
            return refuse(ergebnis, kFehlerYBereich,
                          zeilenKopf(i, zeilen[i]) + "Der Y-Wert " + std::string(w.y) +
                              " liegt außerhalb des Bereichs von Ausgang 1 (" + yBereich + ").");
        }
        if (vorigesX && !(w.xWert > *vorigesX)) {
            return refuse(ergebnis, kFehlerXNichtSteigend,
                          zeilenKopf(i, zeilen[i]) + "Der X-Wert " + std::string(w.x) +
                              " ist nicht größer als der vorige (" + std::string(vorigesXText) +
                              "); X muss von Zeile zu Zeile steigen.");
        }
        vorigesX = w.xWert;
        vorigesXText = w.x;
        if (!gruppen.empty() && gruppen.back().x == *x) {
            gruppen.back().ySumme += yRoh;
            ++gruppen.back().anzahl;
            ++zusammengefasst;
        } else {
            gruppen.push_back({*x, yRoh, 1});
        }
    }

    std::vector<Rohpunkt> punkte;
    punkte.reserve(gruppen.size() + 1);
    for (const Gruppe& g : gruppen) {
        const double y = std::floor(g.ySumme / g.anzahl + 0.5);
        punkte.push_back({g.x, static_cast<int>(std::clamp(y, 0.0, double{kennlinie::kRohMax}))});
    }
    // A falling scaling of input 2 turns rising user values into falling codes.
    if (punkte.size() > 1 && punkte.front().x > punkte.back().x)
        std::reverse(punkte.begin(), punkte.end());
    if (zusammengefasst > 0) {
        ergebnis.hinweise.push_back(anzahlText(zusammengefasst, "Punkt lag", "Punkte lagen") +
                                    " weniger als einen Rohwert neben dem vorigen und wurde" +
                                    (zusammengefasst == 1 ? "" : "n") +
                                    " mit ihm zusammengefasst.");
    }
    if (punkte.front().x > 0) {
        ergebnis.hinweise.push_back(
            "Die Tabelle beginnt erst bei X = " +
            wertText(EingangCodeInEinheit(konfig, kEingang2, punkte.front().x)) + " " + xEinheit +
            "; davor wurde ein waagrechtes Stück mit dem ersten Y-Wert ergänzt.");
        punkte.insert(punkte.begin(), Rohpunkt{0, punkte.front().y});
    }
    if (punkte.size() > kPunkteMax) {
        const std::size_t vorher = punkte.size();
        punkte = Ausduennen(punkte);
        if (punkte.size() > kPunkteMax) {
            return refuse(ergebnis, kFehlerZuVielePunkte,
                          "Die Kennlinie braucht auch ausgedünnt noch " +
                              std::to_string(punkte.size()) + " Punkte; die PLV-7 speichert " +
                              "höchstens " + std::to_string(kPunkteMax) + " Punkte je Kennlinie.");
        }
        ergebnis.hinweise.push_back("Die Kennlinie wurde von " + std::to_string(vorher) + " auf " +
                                    std::to_string(punkte.size()) +
                                    " Punkte ausgedünnt; sie weicht höchstens einen Rohwert von "
                                    "der Tabelle ab.");
    }
    ergebnis.punkte.reserve(punkte.size());
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const int laenge = i + 1 < punkte.size() ? punkte[i + 1].x - punkte[i].x : 0;
        ergebnis.punkte.push_back({punkte[i].y, laenge, 0});
    }
    return 0;
}

int KennlinieAusTabellendatei(const std::filesystem::path& pfad, const Konfiguration& konfig,
                              Tabellenimport& ergebnis) {
    ergebnis = {};
    const auto datei = openFile(pfad, "rb");
    if (!datei) return kFehlerOeffnen;
    std::string text;
    char puffer[65536];
    while (const std::size_t n = std::fread(puffer, 1, sizeof puffer, datei.get())) {
        if (text.size() + n > kDateiMax) {
            return refuse(ergebnis, kFehlerZuGross,
                          "Die Datei ist größer als " + std::to_string(kDateiMax >> 20) +
                              " MB und wird nicht als Tabelle gelesen.");
        }
        text.append(puffer, n);
    }
    if (std::ferror(datei.get())) return kFehlerLesen;
    return KennlinieAusTabelle(text, konfig, ergebnis);
}

}  // namespace plv7::kennlinien
