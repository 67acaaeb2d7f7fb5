#include "kurven/KurvenText.h"

#include <cmath>
#include <cstdio>

#include "base/AtomicWrite.h"
#include "base/NumberText.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {

using namespace kurven_text;

namespace {

constexpr double kToleranz = 0.000001;
constexpr double kAbschnittGrenze = 65535.4;

constexpr std::string_view kKopfzeilen[] = {
    "# Kurven exportiert aus PLV7-Steuerung",
    "# Spalte 1 = Zeit in Sekunden",
    "# Spalte 2 = Y-Wert in Prozent",
    "# Spalte 3 = Zeitbasis",
    "# Spalte 4 = Kuvennummer",
    "",
};

std::string zeileFehler(std::size_t zeile, std::string_view text) {
    return "Fehler in Zeile " + std::to_string(zeile) + ":\n" + std::string(text);
}

std::string_view ohneRaender(std::string_view text) {
    const auto anfang = text.find_first_not_of(" \t\r");
    if (anfang == std::string_view::npos) return {};
    const auto ende = text.find_last_not_of(" \t\r");
    return text.substr(anfang, ende - anfang + 1);
}

std::vector<std::string_view> felder(std::string_view zeile) {
    std::vector<std::string_view> ergebnis;
    std::size_t anfang = 0;
    while (true) {
        const auto tab = zeile.find('\t', anfang);
        ergebnis.push_back(ohneRaender(zeile.substr(anfang, tab - anfang)));
        if (tab == std::string_view::npos) break;
        anfang = tab + 1;
    }
    return ergebnis;
}

// The collected points of every curve, and which curve the previous data line belonged to.
class Sammler {
public:
    KurvenImport ergebnis;

    bool fehler(int code, std::string meldung) {
        ergebnis.code = code;
        ergebnis.meldung = std::move(meldung);
        for (auto& k : ergebnis.kurven) k.clear();
        return false;
    }

    bool zeile(std::size_t nummer, std::string_view text) {
        const auto f = felder(text);
        std::optional<double> zeit;
        std::optional<double> prozent;
        std::optional<long long> kurve;
        if (f.size() >= 4) {
            zeit = parseDouble(f[0]);
            prozent = parseDouble(f[1]);
            kurve = parseInteger(f[3]);
        }
        if (!zeit || !prozent || !kurve || f[2].empty())
            return fehler(kFehlerWerte, zeileFehler(nummer, "Falsche oder zu wenig Werte."));
        if (*kurve < 1 || *kurve > kKurvenAnzahl) {
            return fehler(kFehlerKurvennummer,
                          zeileFehler(nummer, "Kurvennummer " + std::to_string(*kurve) +
                                                  " ist nicht erlaubt."));
        }
        const auto k = static_cast<std::size_t>(*kurve - 1);
        if (static_cast<long long>(k) != vorige_) {
            if (fertig_[k]) {
                return fehler(
                    kFehlerNichtZusammenhaengend,
                    zeileFehler(nummer, "Alle Punkte der Kurve " + std::to_string(*kurve) +
                                            " müssen zusammenhängend sein."));
            }
            if (vorige_ >= 0) fertig_[static_cast<std::size_t>(vorige_)] = true;
            vorige_ = static_cast<long long>(k);
            ergebnis.kurven[k].clear();
            zeiten_[k] = 0.0;
        }
        const int zeitbasis = ZeitbasisAusName(f[2]);
        if (zeitbasis == 0) {
            return fehler(kFehlerZeitbasis,
                          zeileFehler(nummer, "Unbekannte Zeitbasis '" + std::string(f[2]) + "'."));
        }
        if (!(*prozent >= 0.0 && *prozent <= 100.0)) {
            return fehler(kFehlerWertBereich,
                          zeileFehler(nummer, "Y-Wert " + formatFixed(*prozent, 2) +
                                                  " Prozent liegt nicht zwischen 0 und 100."));
        }
        const auto wert = static_cast<std::int32_t>(std::trunc(4095.0 * *prozent / 100.0));
        auto& punkte = ergebnis.kurven[k];
        if (punkte.empty()) {
            if (!(std::fabs(*zeit) <= kToleranz))
                return fehler(kFehlerStartNichtNull,
                              zeileFehler(nummer, "Kurve muß bei Zeit=0 beginnen."));
        } else if (!laengeSetzen(nummer, punkte.back(), *zeit - zeiten_[k])) {
            return false;
        }
        punkte.push_back({wert, 1, static_cast<std::uint8_t>(zeitbasis)});
        zeiten_[k] = *zeit;
        return true;
    }

private:
    // The previous point's segment reaches this point d seconds later.
    bool laengeSetzen(std::size_t nummer, Kurvenpunkt& vorheriger, double d) {
        if (!(d > kToleranz))
            return fehler(kFehlerZeitNichtFortlaufend,
                          zeileFehler(nummer, "Zeitangaben nicht fortlaufend."));
        const double w = 1000.0 * d / static_cast<double>(ZeitbasisTick(vorheriger.zeitbasis));
        if (!(w < kAbschnittGrenze)) {
            return fehler(kFehlerAbschnittZuLang,
                          zeileFehler(nummer,
                                      "Kuvenabschnitt zu lang\n(muß kleiner sein als "
                                      "65536 Zeiteinheiten)."));
        }
        if (std::fabs(w - std::round(w)) > kToleranz) {
            return fehler(kFehlerZeitbasisRaster,
                          zeileFehler(nummer, "Zeitunterschied von " + formatFixed(d, 3) +
                                                  " Sekunden läßt sich nicht\ndurch die "
                                                  "Zeitbasis " +
                                                  std::string(ZeitbasisName(vorheriger.zeitbasis)) +
                                                  " ausdrücken."));
        }
        const auto laenge = static_cast<std::int32_t>(std::trunc(w + 0.5));
        if (laenge < 1) {
            return fehler(kFehlerAbschnittNull,
                          zeileFehler(nummer,
                                      "Zeitunterschied zwischen zwei Punkten muß "
                                      "größer Null sein."));
        }
        vorheriger.laenge = laenge;
        return true;
    }

    long long vorige_ = -1;
    std::array<bool, kKurvenAnzahl> fertig_{};
    std::array<double, kKurvenAnzahl> zeiten_{};
};

bool ueberspringen(std::string_view zeile) {
    const auto anfang = zeile.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return true;
    return zeile[anfang] == '#';
}

}  // namespace

std::string KurvenExportText(const std::array<Kurve, kKurvenAnzahl>& kurven) {
    std::string text;
    for (const auto zeile : kKopfzeilen) {
        text += zeile;
        text += kZeilenende;
    }
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        double sekunden = 0.0;
        for (const auto& p : kurven[static_cast<std::size_t>(k)].punkte) {
            text += formatFixed(sekunden, 3) + "\t" + formatFixed(100.0 * p.wert / 4095.0, 2) +
                    "\t" + std::string(ZeitbasisName(p.zeitbasis)) + "\t" + std::to_string(k + 1);
            text += kZeilenende;
            sekunden += static_cast<double>(p.laenge) *
                        static_cast<double>(ZeitbasisTick(p.zeitbasis)) / 1000.0;
        }
        text += kZeilenende;
    }
    return text;
}

int KurvenExportieren(const std::filesystem::path& pfad,
                      const std::array<Kurve, kKurvenAnzahl>& kurven) {
    return dateiSchreiben(pfad, KurvenExportText(kurven),
                          {kFehlerExportOeffnen, kFehlerExportSchreiben});
}

KurvenImport KurvenImportLesen(std::string_view text) {
    Sammler sammler;
    std::size_t nummer = 0;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        std::string_view zeile = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        ++nummer;
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        // Only the first characters of an overlong line count; its rest is no line of its own.
        zeile = zeile.substr(0, kZeileMax);
        if (ueberspringen(zeile)) continue;
        if (!sammler.zeile(nummer, zeile)) return sammler.ergebnis;
    }
    bool gefunden = false;
    for (auto& punkte : sammler.ergebnis.kurven) {
        if (punkte.empty()) continue;
        punkte.back().laenge = 1;
        gefunden = true;
    }
    if (!gefunden) sammler.fehler(kFehlerKeineDaten, "Keine Kurvendaten gefunden.");
    return sammler.ergebnis;
}

KurvenImport KurvenImportieren(const std::filesystem::path& pfad) {
    KurvenImport import;
    const auto datei = openFile(pfad, "rb");
    if (!datei) {
        import.code = kFehlerImportOeffnen;
        return import;
    }
    std::string text;
    std::array<char, 65536> block{};
    std::size_t gelesen = 0;
    while ((gelesen = std::fread(block.data(), 1, block.size(), datei.get())) > 0)
        text.append(block.data(), gelesen);
    if (std::ferror(datei.get()) != 0) {
        import.code = kFehlerImportLesen;
        return import;
    }
    return KurvenImportLesen(text);
}

void KurvenImportUebernehmen(Kurvenmodell& modell, const KurvenImport& import) {
    if (import.code != 0) return;
    const int vorher = modell.aktuelleKurve;
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const auto& punkte = import.kurven[static_cast<std::size_t>(k)];
        if (punkte.empty()) continue;
        modell.aktuelleKurve = k;
        modell.BearbeitungsschrittSichern();
        modell.aktuell().punkte = punkte;
    }
    modell.aktuelleKurve = vorher;
}

}  // namespace plv7::kurven
