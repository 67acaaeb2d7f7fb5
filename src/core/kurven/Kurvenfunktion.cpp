#include "kurven/Kurvenfunktion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/NumberText.h"
#include "konfig/KonfigUmrechnung.h"
#include "kurven/Ausduennung.h"
#include "kurven/Speicherabbild.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {

using namespace kurvenfunktion;

namespace {

// Beyond this many ticks a time base is not tried: the samples alone would take more memory
// than the box could ever hold points for.
constexpr std::int64_t kTicksMax = 4'000'000;
// The fewest ticks a period that still show the shape: a sine's extremes and zero crossings.
constexpr double kTicksJePeriode = 4.0;

struct Formeintrag {
    Kurvenform form;
    std::string_view name;
    std::string_view befehl;
};
constexpr std::array<Formeintrag, 4> kFormen = {{
    {Kurvenform::Sinus, "Sinus", "sine"},
    {Kurvenform::Dreieck, "Dreieck", "triangle"},
    {Kurvenform::Rechteck, "Rechteck", "square"},
    {Kurvenform::Saegezahn, "Sägezahn", "sawtooth"},
}};

Kurvenerzeugung abgelehnt(int code, std::string meldung) {
    Kurvenerzeugung e;
    e.code = code;
    e.meldung = std::move(meldung);
    return e;
}

std::string parameterFehler(const Funktionsparameter& p) {
    const bool endlich = std::isfinite(p.amplitude) && std::isfinite(p.offset) &&
                         std::isfinite(p.periode) && std::isfinite(p.phase) &&
                         std::isfinite(p.tastgrad);
    if (!endlich) return "Ungültiger Wert.";
    if (!(p.amplitude >= 0.0)) return "Die Amplitude darf nicht negativ sein.";
    if (!(p.periode > 0.0)) return "Die Periode muß größer als 0 Sekunden sein.";
    if (p.perioden < 1) return "Die Anzahl der Perioden muß mindestens 1 sein.";
    if (!(p.tastgrad >= 0.0 && p.tastgrad <= 100.0))
        return "Das Tastverhältnis muß zwischen 0 und 100 % liegen.";
    return {};
}

// The fraction of the period at a time, phase included; a hair below a whole period counts
// as the whole, so that edges placed on a tick stay on it.
double periodenanteil(const Funktionsparameter& p, double millisekunden) {
    const double x = millisekunden / (1000.0 * p.periode) + p.phase / 360.0;
    double u = x - std::floor(x);
    if (u > 1.0 - 1e-9 || u < 1e-9) u = 0.0;
    return u;
}

Kurvenerzeugung inZeitbasis(const Funktionsparameter& p, const Konfiguration& konfig,
                            const std::array<Kurve, kKurvenAnzahl>& kurven, int kurve,
                            int zeitbasis) {
    const auto tick = static_cast<double>(ZeitbasisTick(zeitbasis));
    const double dauer = 1000.0 * p.periode * p.perioden;
    const auto ticks = static_cast<std::int64_t>(std::llround(dauer / tick));
    if (ticks > kTicksMax) return abgelehnt(abbild::kPlatzReichtNicht, abbild::kPlatzMeldung);
    std::vector<Stuetzwert> werte(static_cast<std::size_t>(ticks) + 1);
    for (std::int64_t k = 0; k <= ticks; ++k) {
        const double t = static_cast<double>(k) * tick;
        werte[static_cast<std::size_t>(k)] = {k, Funktionswert(p, konfig, kurve, t)};
    }
    Kurvenerzeugung e;
    e.zeitbasis = zeitbasis;
    e.punkte = Ausduennen(werte, kToleranz, zeitbasis, Kurvenschluss::Rueckkehr);
    e.speicherbedarf = SpeicherbedarfMit(kurven, kurve, e.punkte);
    if (!PasstInSpeicher(e.speicherbedarf)) {
        e.code = abbild::kPlatzReichtNicht;
        e.meldung = abbild::kPlatzMeldung;
    }
    return e;
}

}  // namespace

std::string_view KurvenformName(Kurvenform form) {
    for (const auto& f : kFormen)
        if (f.form == form) return f.name;
    return {};
}

bool KurvenformAusBefehl(std::string_view name, Kurvenform& form) {
    for (const auto& f : kFormen) {
        if (f.befehl == name) {
            form = f.form;
            return true;
        }
    }
    return false;
}

double Formwert(Kurvenform form, double u, double tastgrad) {
    switch (form) {
        case Kurvenform::Sinus:
            return std::sin(2.0 * std::numbers::pi * u);
        case Kurvenform::Dreieck:
            if (u < 0.25) return 4.0 * u;
            if (u < 0.75) return 2.0 - 4.0 * u;
            return 4.0 * u - 4.0;
        case Kurvenform::Rechteck:
            return u < tastgrad / 100.0 ? 1.0 : -1.0;
        case Kurvenform::Saegezahn:
            return 2.0 * u - 1.0;
    }
    return 0.0;
}

double Funktionswert(const Funktionsparameter& p, const Konfiguration& konfig, int kanal,
                     double millisekunden) {
    const double w = Formwert(p.form, periodenanteil(p, millisekunden), p.tastgrad);
    return AusgangEinheitInCode(konfig, kanal, p.offset + p.amplitude * w);
}

std::string AusgangsbereichText(const Konfiguration& konfig, int kanal) {
    double a = AusgangCodeInEinheit(konfig, kanal, 0.0);
    double b = AusgangCodeInEinheit(konfig, kanal, double{kWertMax});
    if (a > b) std::swap(a, b);
    const auto k = static_cast<std::size_t>(std::clamp(kanal, 0, kKurvenAnzahl - 1));
    return "Ausgang " + std::to_string(k + 1) + ": " + formatFixed(a, 3) + " bis " +
           formatFixed(b, 3) + " " + EinheitAlsUtf8(konfig.outeinheit[k]);
}

Kurvenerzeugung KurveErzeugen(const Funktionsparameter& p, const Konfiguration& konfig,
                              const std::array<Kurve, kKurvenAnzahl>& kurven, int kurve,
                              int zeitbasis) {
    if (const std::string fehler = parameterFehler(p); !fehler.empty())
        return abgelehnt(kFehlerParameter, fehler);
    if (kurve < 0 || kurve >= kKurvenAnzahl || zeitbasis < 0 || zeitbasis > kLetzteZeitbasis)
        return abgelehnt(kFehlerParameter, "Unzulässiger Parameter");
    const double unten = AusgangEinheitInCode(konfig, kurve, p.offset - p.amplitude);
    const double oben = AusgangEinheitInCode(konfig, kurve, p.offset + p.amplitude);
    if (!(std::min(unten, oben) >= -0.5 && std::max(unten, oben) <= kWertMax + 0.5)) {
        const auto k = static_cast<std::size_t>(kurve);
        return abgelehnt(kFehlerBereich, "Die Werte von " + formatFixed(p.offset - p.amplitude, 3) +
                                             " bis " + formatFixed(p.offset + p.amplitude, 3) +
                                             " " + EinheitAlsUtf8(konfig.outeinheit[k]) +
                                             " liegen außerhalb des Bereichs von\n" +
                                             AusgangsbereichText(konfig, kurve) + ".");
    }
    const int erste = zeitbasis == 0 ? kErsteZeitbasis : zeitbasis;
    const int letzte = zeitbasis == 0 ? kLetzteZeitbasis : zeitbasis;
    Kurvenerzeugung ergebnis =
        abgelehnt(kFehlerPeriodeZuKurz, "Die Periode ist kürzer als vier Schritte der Zeitbasis " +
                                            std::string(ZeitbasisName(erste)) + ".");
    for (int code = erste; code <= letzte; ++code) {
        // Fewer ticks a period would alias the function: a sine on two ticks is a flat line.
        if (1000.0 * p.periode < kTicksJePeriode * static_cast<double>(ZeitbasisTick(code))) break;
        ergebnis = inZeitbasis(p, konfig, kurven, kurve, code);
        if (ergebnis.code == 0) break;
    }
    return ergebnis;
}

void KurveErsetzen(Kurvenmodell& modell, int kurve, std::vector<Kurvenpunkt> punkte) {
    if (kurve < 0 || kurve >= kKurvenAnzahl || punkte.empty()) return;
    modell.aktuelleKurve = kurve;
    modell.BearbeitungsschrittSichern();
    modell.aktuell().punkte = std::move(punkte);
}

}  // namespace plv7::kurven
