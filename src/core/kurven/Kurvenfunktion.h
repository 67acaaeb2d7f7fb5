#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"
#include "konfig/Konfiguration.h"
#include "kurven/Kurvenmodell.h"

// A curve from a standard waveform: sine, triangle, square and sawtooth with amplitude,
// offset, period, number of periods, phase and duty cycle, made of the fewest points whose
// line stays within 2 codes of the function at every tick.
namespace plv7::kurven {

namespace kurvenfunktion {
inline constexpr double kToleranz = 2.0;  // codes between the line and the function at a tick
}  // namespace kurvenfunktion

enum class Kurvenform { Sinus, Dreieck, Rechteck, Saegezahn };

// "Sinus", "Dreieck", "Rechteck", "Sägezahn" (the dialog) and "sine", "triangle", "square",
// "sawtooth" (plv7ctl).
std::string_view KurvenformName(Kurvenform form);
bool KurvenformAusBefehl(std::string_view name, Kurvenform& form);

struct Funktionsparameter {
    Kurvenform form = Kurvenform::Sinus;
    double amplitude = 1.0;  // in the unit of the curve's output
    double offset = 5.0;
    double periode = 1.0;  // seconds
    int perioden = 1;
    double phase = 0.0;      // degrees
    double tastgrad = 50.0;  // percent of a period the square stays high
};

// The waveform between -1 and 1 at the fraction u (0 <= u < 1) of a period, phase 0: sine and
// triangle start at 0 rising; the square is 1 for the first tastgrad percent; the sawtooth
// rises from -1 towards 1.
double Formwert(Kurvenform form, double u, double tastgrad);

// The function's raw value at a time, through the output channel's scaling.
double Funktionswert(const Funktionsparameter& p, const Konfiguration& konfig, int kanal,
                     double millisekunden);

struct Kurvenerzeugung {
    int code = 0;
    std::string meldung;  // the refusal's text; empty on success
    std::vector<Kurvenpunkt> punkte;
    int zeitbasis = 0;
    long speicherbedarf = 0;  // bytes of the whole image with this curve in place
};

// The points for curve `kurve` (0..3, its output's scaling) over whole periods in time base
// `zeitbasis` (1..6), or with 0 the finest time base whose image, the other three curves
// included, still fits. Refusals: kFehlerParameter, kFehlerBereich (the message names the
// output's range), kFehlerPeriodeZuKurz, abbild::kPlatzReichtNicht (the memory message).
Kurvenerzeugung KurveErzeugen(const Funktionsparameter& p, const Konfiguration& konfig,
                              const std::array<Kurve, kKurvenAnzahl>& kurven, int kurve,
                              int zeitbasis);

// Curve `kurve` becomes the current one and takes the points as one undo step.
void KurveErsetzen(Kurvenmodell& modell, int kurve, std::vector<Kurvenpunkt> punkte);

// "Ausgang 2: 0.000 bis 10.000 V": the values an output can give, for refusals.
std::string AusgangsbereichText(const Konfiguration& konfig, int kanal);

}  // namespace plv7::kurven
