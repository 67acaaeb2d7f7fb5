#include "kurven/AufzeichnungKurve.h"

#include <cmath>

#include "base/NumberText.h"
#include "konfig/KonfigUmrechnung.h"
#include "kurven/Ausduennung.h"
#include "kurven/Kurvenfunktion.h"
#include "kurven/Speicherabbild.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {

namespace {

// Above this, a tolerance proposal would no longer be a recording of anything.
constexpr double kToleranzVorschlagMax = 512.0;
// No image holds a curve longer than this many ticks: every 65535 ticks take a point of five
// bytes at least.
constexpr double kTicksMax = static_cast<double>(abbild::kGrenze / 5 + 1) * kLaengeMax;

Uebernahme abgelehnt(int code, std::string meldung) {
    Uebernahme u;
    u.code = code;
    u.meldung = std::move(meldung);
    return u;
}

// The samples in raw codes on ticks of the time base; equal ticks keep the first sample.
Uebernahme stuetzwerte(const Erfassung& e, const Uebernahmewahl& wahl, const Konfiguration& konfig,
                       int zeitbasis, std::vector<Stuetzwert>& werte) {
    const auto tick = static_cast<double>(ZeitbasisTick(zeitbasis));
    const double start = e.zeilen.front().laufzeit;
    double vorige = start;
    werte.clear();
    for (const Messzeile& m : e.zeilen) {
        const std::string zeile = "Fehler in Zeile " + std::to_string(m.zeile) + ":\n";
        if (m.laufzeit < vorige)
            return abgelehnt(aufzeichnung::kFehlerZeile, zeile + "Zeitangaben nicht fortlaufend.");
        vorige = m.laufzeit;
        const double roh = AusgangEinheitInCode(konfig, wahl.kurve, m.werte[wahl.spalte]);
        if (!(roh >= -0.5 && roh <= kWertMax + 0.5)) {
            return abgelehnt(kurvenfunktion::kFehlerBereich,
                             zeile + "Der Wert " + formatFixed(m.werte[wahl.spalte], 3) +
                                 " liegt außerhalb des Bereichs von\n" +
                                 AusgangsbereichText(konfig, wahl.kurve) + ".");
        }
        const double ticks = std::round((m.laufzeit - start) * 1000.0 / tick);
        if (ticks > kTicksMax) return abgelehnt(abbild::kPlatzReichtNicht, abbild::kPlatzMeldung);
        const auto t = static_cast<std::int64_t>(ticks);
        if (werte.empty() || t > werte.back().tick) werte.push_back({t, roh});
    }
    return {};
}

Uebernahme inZeitbasis(const Aufzeichnung& a, const Uebernahmewahl& wahl,
                       const Konfiguration& konfig, const std::array<Kurve, kKurvenAnzahl>& kurven,
                       int zeitbasis, double toleranz) {
    const Erfassung& e = a.erfassungen[wahl.erfassung];
    std::vector<Stuetzwert> werte;
    Uebernahme u = stuetzwerte(e, wahl, konfig, zeitbasis, werte);
    if (u.code != 0) return u;
    u.zeitbasis = zeitbasis;
    u.messwerte = e.zeilen.size();
    u.punkte = Ausduennen(werte, toleranz, zeitbasis, Kurvenschluss::EinTick);
    u.speicherbedarf = SpeicherbedarfMit(kurven, wahl.kurve, u.punkte);
    if (!PasstInSpeicher(u.speicherbedarf)) {
        u.code = abbild::kPlatzReichtNicht;
        u.meldung = abbild::kPlatzMeldung;
    }
    return u;
}

}  // namespace

bool EinheitenVerschieden(const Erfassung& e, std::size_t spalte, const Konfiguration& konfig,
                          int kurve) {
    if (spalte >= aufzeichnung::kSpalten || kurve < 0 || kurve >= kKurvenAnzahl) return false;
    return e.einheiten[spalte] != EinheitText(konfig.outeinheit[static_cast<std::size_t>(kurve)]);
}

Uebernahme AufzeichnungUebernehmen(const Aufzeichnung& a, const Uebernahmewahl& wahl,
                                   const Konfiguration& konfig,
                                   const std::array<Kurve, kKurvenAnzahl>& kurven) {
    if (a.code != 0) return abgelehnt(a.code, a.meldung);
    if (!(wahl.toleranz >= aufzeichnung::kToleranzMin && wahl.toleranz <= kWertMax))
        return abgelehnt(kurvenfunktion::kFehlerParameter,
                         "Die Toleranz muß zwischen 0.5 und 4095 Codes liegen.");
    if (wahl.erfassung >= a.erfassungen.size() || wahl.spalte >= aufzeichnung::kSpalten ||
        wahl.kurve < 0 || wahl.kurve >= kKurvenAnzahl || wahl.zeitbasis < 0 ||
        wahl.zeitbasis > kLetzteZeitbasis)
        return abgelehnt(kurvenfunktion::kFehlerParameter, "Unzulässiger Parameter");
    if (a.erfassungen[wahl.erfassung].zeilen.empty())
        return abgelehnt(aufzeichnung::kFehlerKeineDaten,
                         "Die gewählte Datenerfassung enthält keine Messwerte.");

    const int erste = wahl.zeitbasis == 0 ? kErsteZeitbasis : wahl.zeitbasis;
    const int letzte = wahl.zeitbasis == 0 ? kLetzteZeitbasis : wahl.zeitbasis;
    Uebernahme u;
    for (int code = erste; code <= letzte; ++code) {
        u = inZeitbasis(a, wahl, konfig, kurven, code, wahl.toleranz);
        if (u.code != abbild::kPlatzReichtNicht) return u;
    }
    if (u.zeitbasis == 0) return u;  // refused before any thinning
    for (int code = u.zeitbasis + 1; code <= kLetzteZeitbasis; ++code) {
        if (inZeitbasis(a, wahl, konfig, kurven, code, wahl.toleranz).code == 0) {
            u.vorschlagZeitbasis = code;
            break;
        }
    }
    for (double t = wahl.toleranz * 2.0; t <= kToleranzVorschlagMax; t *= 2.0) {
        if (inZeitbasis(a, wahl, konfig, kurven, u.zeitbasis, t).code == 0) {
            u.vorschlagToleranz = t;
            break;
        }
    }
    return u;
}

std::string VorschlagText(const Uebernahme& u) {
    std::string text;
    if (u.vorschlagZeitbasis != 0)
        text = "mit der Zeitbasis " + std::string(ZeitbasisName(u.vorschlagZeitbasis));
    if (u.vorschlagToleranz > 0.0) {
        if (!text.empty()) text += " oder ";
        text += "mit einer Toleranz von " + formatFixed(u.vorschlagToleranz, 1) + " Codes";
    }
    if (text.empty()) return {};
    return "Die Kurve paßt " + text + ".";
}

}  // namespace plv7::kurven
