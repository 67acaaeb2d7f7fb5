#pragma once

#include <functional>

namespace plv7::direkt {

// A conversion of one direction of the scaling record for channel 0..3, such as code to
// user value or user value to volts. The direct window takes them from the scaling record.
using Umrechnung = std::function<double(int kanal, double wert)>;

inline constexpr double kVollausschlagCode = 4095.0;
// The timer never runs faster than this, whatever interval the operator types.
inline constexpr double kKuerzestesIntervall = 0.002;

// Decimals that keep one code step visible for a channel whose user values at code 0 and
// code 4095 are lo and hi: max(0, ceil(-log10(|hi - lo| / 4095))), at most 15. An empty or
// undefined range gets 3, the decimals of the default scaling.
int Nachkommastellen(double lo, double hi);

// Percent of a full scale; a full scale of 0 (a scaling record of zeros) gives 0.
double prozentVonVollausschlag(double volts, double vollausschlag);

// User value of channel k for a percentage of full scale: codeInEinheit(k, 4095 × % / 100).
double prozentInEinheit(const Umrechnung& codeInEinheit, int kanal, double prozent);

// Range, precision and value of one channel's controls (meter, minimum, maximum, output
// knob): lo and hi are the user values at code 0 and 4095, wert the value of the given
// percentage. A falling scaling has lo > hi; untergrenze/obergrenze are always ordered.
struct Kanalanzeige {
    double lo = 0.0;
    double hi = 0.0;
    int nachkommastellen = 0;
    double wert = 0.0;
    double untergrenze() const { return lo < hi ? lo : hi; }
    double obergrenze() const { return lo < hi ? hi : lo; }
};
Kanalanzeige skaliereKanal(const Umrechnung& codeInEinheit, int kanal, double prozent);

// The value an output is set to: values above the limit are pulled back to it.
double begrenzterAusgangswert(double wert, double begrenzung);

// The user value "Ausgänge auf Null" sets: zero, moved to the nearest end of the channel's
// range when zero lies outside it (for either direction of the scaling).
double ausgangNullwert(const Umrechnung& codeInEinheit, int kanal);

// What setting an output writes: the user value shown, its volts and its percentage.
struct Ausgangswert {
    double wert = 0.0;
    double volts = 0.0;
    double prozent = 0.0;
};
Ausgangswert ausgangswert(const Umrechnung& einheitInSpannung, int kanal, double wert,
                          double voutmax);

// The interval the timer runs at for the typed sampling interval.
double timerIntervall(double abtastzeit);

// Whether a tick with this interval runs the overlapped pipeline.
inline bool schnelleAbtastung(double interval) {
    return interval < 0.1;
}

}  // namespace plv7::direkt
