#include "direkt/Direktrechnung.h"

#include <algorithm>
#include <cmath>

namespace plv7::direkt {

int Nachkommastellen(double lo, double hi) {
    constexpr int kOhneBereich = 3;
    constexpr int kHoechstens = 15;
    const double schritt = std::fabs(hi - lo) / kVollausschlagCode;
    if (!(schritt > 0.0) || !std::isfinite(schritt)) return kOhneBereich;
    const double stellen = std::ceil(-std::log10(schritt));
    return static_cast<int>(std::clamp(stellen, 0.0, static_cast<double>(kHoechstens)));
}

double prozentVonVollausschlag(double volts, double vollausschlag) {
    if (vollausschlag == 0.0) return 0.0;
    return 100.0 * volts / (vollausschlag - 0.0);
}

double prozentInEinheit(const Umrechnung& codeInEinheit, int kanal, double prozent) {
    return codeInEinheit(kanal, kVollausschlagCode * prozent / 100.0);
}

Kanalanzeige skaliereKanal(const Umrechnung& codeInEinheit, int kanal, double prozent) {
    Kanalanzeige anzeige;
    anzeige.lo = codeInEinheit(kanal, 0.0);
    anzeige.hi = codeInEinheit(kanal, kVollausschlagCode);
    anzeige.nachkommastellen = Nachkommastellen(anzeige.lo, anzeige.hi);
    anzeige.wert = prozentInEinheit(codeInEinheit, kanal, prozent);
    return anzeige;
}

double begrenzterAusgangswert(double wert, double begrenzung) {
    return wert > begrenzung ? begrenzung : wert;
}

double ausgangNullwert(const Umrechnung& codeInEinheit, int kanal) {
    const double lo = codeInEinheit(kanal, 0.0);
    const double hi = codeInEinheit(kanal, kVollausschlagCode);
    const double unten = std::min(lo, hi);
    const double oben = std::max(lo, hi);
    double wert = 0.0;
    if (unten > wert) wert = unten;
    if (oben < wert) wert = oben;
    return wert;
}

Ausgangswert ausgangswert(const Umrechnung& einheitInSpannung, int kanal, double wert,
                          double voutmax) {
    Ausgangswert a;
    a.wert = wert;
    a.volts = einheitInSpannung(kanal, wert);
    a.prozent = prozentVonVollausschlag(a.volts, voutmax);
    return a;
}

double timerIntervall(double abtastzeit) {
    return std::max(abtastzeit, kKuerzestesIntervall);
}

}  // namespace plv7::direkt
