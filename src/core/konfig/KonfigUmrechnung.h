#pragma once

#include "konfig/Konfiguration.h"

// Conversions between the box's 12-bit codes (0..4095 over 0 V..full scale), volts and the
// user unit of a channel k (0..3). All values are doubles: no rounding and no clamping; a
// caller that needs an integer code rounds it itself.
//
// A channel whose scaling has no defined slope (equal voltages, equal user values, numbers
// that are not finite) or an index outside 0..3 never yields NaN or infinity: the conversion
// returns the lower end instead: the user value at the lower voltage (volts to unit) or the
// lower voltage (unit to volts), each 0.0 when not finite itself, and 0.0 for an unknown
// channel. A full-scale voltage of 0 or not finite gives 0.0 V and code 0.0. Every result is
// finite; a result that would not be is replaced by the same lower end.
//
// The operations without a record read gKonfig at the moment of the call.

double AusgangCodeInSpannung(double code);
double AusgangSpannungInCode(double volts);
double AusgangSpannungInEinheit(int k, double volts);
double AusgangEinheitInSpannung(int k, double wert);
double AusgangCodeInEinheit(int k, double code);
double AusgangEinheitInCode(int k, double wert);

double EingangCodeInSpannung(double code);
double EingangSpannungInCode(double volts);
double EingangSpannungInEinheit(int k, double volts);
double EingangEinheitInSpannung(int k, double wert);
double EingangCodeInEinheit(int k, double code);
double EingangEinheitInCode(int k, double wert);

namespace plv7 {

inline constexpr double kVollausschlagCode = 4095.0;
inline constexpr double kUntereBoxSpannung = 0.0;
// The full-scale voltages of the box variants, as the range selectors offer them.
inline constexpr double kBereiche[] = {4.095, 5.0, 10.0};

// The same conversions for a record other than gKonfig (for example one being edited).
double AusgangCodeInSpannung(const Konfiguration& konfig, double code);
double AusgangSpannungInCode(const Konfiguration& konfig, double volts);
double AusgangSpannungInEinheit(const Konfiguration& konfig, int k, double volts);
double AusgangEinheitInSpannung(const Konfiguration& konfig, int k, double wert);
double AusgangCodeInEinheit(const Konfiguration& konfig, int k, double code);
double AusgangEinheitInCode(const Konfiguration& konfig, int k, double wert);

double EingangCodeInSpannung(const Konfiguration& konfig, double code);
double EingangSpannungInCode(const Konfiguration& konfig, double volts);
double EingangSpannungInEinheit(const Konfiguration& konfig, int k, double volts);
double EingangEinheitInSpannung(const Konfiguration& konfig, int k, double wert);
double EingangCodeInEinheit(const Konfiguration& konfig, int k, double code);
double EingangEinheitInCode(const Konfiguration& konfig, int k, double wert);

// True when channel k converts both ways: a finite, non-zero slope between its voltages and
// user values. False for an index outside 0..3. The window marks channels for which it is false.
bool AusgangSkalierungGueltig(const Konfiguration& konfig, int k);
bool EingangSkalierungGueltig(const Konfiguration& konfig, int k);
// True when a full-scale voltage converts codes both ways (finite and not 0).
bool VollausschlagGueltig(double vmax);

}  // namespace plv7
