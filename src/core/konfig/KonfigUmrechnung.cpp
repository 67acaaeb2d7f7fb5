#include "konfig/KonfigUmrechnung.h"

#include <cmath>
#include <cstddef>

namespace {

using plv7::kUntereBoxSpannung;
using plv7::kVollausschlagCode;

double endlichOder(double wert, double ersatz) {
    return std::isfinite(wert) ? wert : ersatz;
}

// One channel's numbers of one direction.
struct Kanal {
    double min = 0.0;
    double max = 0.0;
    double skalamin = 0.0;
    double skalamax = 0.0;
};

// The slope e and offset p from volts to user value; valid only when both are finite and e
// is not 0, so that the inverse can divide by e.
struct Gerade {
    double e = 0.0;
    double p = 0.0;
    bool gueltig = false;
};

Gerade geradeVon(const Kanal& kanal) {
    Gerade g;
    if (kanal.max == kanal.min) return g;
    g.e = (kanal.skalamax - kanal.skalamin) / (kanal.max - kanal.min);
    g.p = kanal.skalamin - kanal.min * g.e;
    g.gueltig = std::isfinite(g.e) && std::isfinite(g.p) && g.e != 0.0;
    return g;
}

bool kanalIndexGueltig(int k) {
    return k >= 0 && k < 4;
}

Kanal ausgang(const Konfiguration& c, int k) {
    const auto i = static_cast<std::size_t>(k);
    return {c.outmin[i], c.outmax[i], c.outskalamin[i], c.outskalamax[i]};
}

Kanal eingang(const Konfiguration& c, int k) {
    const auto i = static_cast<std::size_t>(k);
    return {c.inmin[i], c.inmax[i], c.inskalamin[i], c.inskalamax[i]};
}

double codeInSpannung(double vmax, double code) {
    if (!plv7::VollausschlagGueltig(vmax)) return 0.0;
    const double s = (vmax - kUntereBoxSpannung) / kVollausschlagCode;
    const double o = kUntereBoxSpannung - 0.0 * s;
    return endlichOder(s * code + o, 0.0);
}

double spannungInCode(double vmax, double volts) {
    if (!plv7::VollausschlagGueltig(vmax)) return 0.0;
    const double s = (vmax - kUntereBoxSpannung) / kVollausschlagCode;
    const double o = kUntereBoxSpannung - 0.0 * s;
    return endlichOder((volts - o) / s, 0.0);
}

double spannungInEinheit(const Kanal& kanal, double volts) {
    const double untereEnde = endlichOder(kanal.skalamin, 0.0);
    const Gerade g = geradeVon(kanal);
    if (!g.gueltig) return untereEnde;
    return endlichOder(g.e * volts + g.p, untereEnde);
}

double einheitInSpannung(const Kanal& kanal, double wert) {
    const double untereEnde = endlichOder(kanal.min, 0.0);
    const Gerade g = geradeVon(kanal);
    if (!g.gueltig) return untereEnde;
    return endlichOder((wert - g.p) / g.e, untereEnde);
}

}  // namespace

namespace plv7 {

bool VollausschlagGueltig(double vmax) {
    return std::isfinite(vmax) && vmax != 0.0;
}

bool AusgangSkalierungGueltig(const Konfiguration& konfig, int k) {
    return kanalIndexGueltig(k) && geradeVon(ausgang(konfig, k)).gueltig;
}

bool EingangSkalierungGueltig(const Konfiguration& konfig, int k) {
    return kanalIndexGueltig(k) && geradeVon(eingang(konfig, k)).gueltig;
}

double AusgangCodeInSpannung(const Konfiguration& konfig, double code) {
    return codeInSpannung(konfig.voutmax, code);
}

double AusgangSpannungInCode(const Konfiguration& konfig, double volts) {
    return spannungInCode(konfig.voutmax, volts);
}

double AusgangSpannungInEinheit(const Konfiguration& konfig, int k, double volts) {
    return kanalIndexGueltig(k) ? spannungInEinheit(ausgang(konfig, k), volts) : 0.0;
}

double AusgangEinheitInSpannung(const Konfiguration& konfig, int k, double wert) {
    return kanalIndexGueltig(k) ? einheitInSpannung(ausgang(konfig, k), wert) : 0.0;
}

double AusgangCodeInEinheit(const Konfiguration& konfig, int k, double code) {
    return AusgangSpannungInEinheit(konfig, k, AusgangCodeInSpannung(konfig, code));
}

double AusgangEinheitInCode(const Konfiguration& konfig, int k, double wert) {
    return AusgangSpannungInCode(konfig, AusgangEinheitInSpannung(konfig, k, wert));
}

double EingangCodeInSpannung(const Konfiguration& konfig, double code) {
    return codeInSpannung(konfig.vinmax, code);
}

double EingangSpannungInCode(const Konfiguration& konfig, double volts) {
    return spannungInCode(konfig.vinmax, volts);
}

double EingangSpannungInEinheit(const Konfiguration& konfig, int k, double volts) {
    return kanalIndexGueltig(k) ? spannungInEinheit(eingang(konfig, k), volts) : 0.0;
}

double EingangEinheitInSpannung(const Konfiguration& konfig, int k, double wert) {
    return kanalIndexGueltig(k) ? einheitInSpannung(eingang(konfig, k), wert) : 0.0;
}

double EingangCodeInEinheit(const Konfiguration& konfig, int k, double code) {
    return EingangSpannungInEinheit(konfig, k, EingangCodeInSpannung(konfig, code));
}

double EingangEinheitInCode(const Konfiguration& konfig, int k, double wert) {
    return EingangSpannungInCode(konfig, EingangEinheitInSpannung(konfig, k, wert));
}

}  // namespace plv7

double AusgangCodeInSpannung(double code) {
    return plv7::AusgangCodeInSpannung(gKonfig, code);
}
double AusgangSpannungInCode(double volts) {
    return plv7::AusgangSpannungInCode(gKonfig, volts);
}
double AusgangSpannungInEinheit(int k, double volts) {
    return plv7::AusgangSpannungInEinheit(gKonfig, k, volts);
}
double AusgangEinheitInSpannung(int k, double wert) {
    return plv7::AusgangEinheitInSpannung(gKonfig, k, wert);
}
double AusgangCodeInEinheit(int k, double code) {
    return plv7::AusgangCodeInEinheit(gKonfig, k, code);
}
double AusgangEinheitInCode(int k, double wert) {
    return plv7::AusgangEinheitInCode(gKonfig, k, wert);
}

double EingangCodeInSpannung(double code) {
    return plv7::EingangCodeInSpannung(gKonfig, code);
}
double EingangSpannungInCode(double volts) {
    return plv7::EingangSpannungInCode(gKonfig, volts);
}
double EingangSpannungInEinheit(int k, double volts) {
    return plv7::EingangSpannungInEinheit(gKonfig, k, volts);
}
double EingangEinheitInSpannung(int k, double wert) {
    return plv7::EingangEinheitInSpannung(gKonfig, k, wert);
}
double EingangCodeInEinheit(int k, double code) {
    return plv7::EingangCodeInEinheit(gKonfig, k, code);
}
double EingangEinheitInCode(int k, double wert) {
    return plv7::EingangEinheitInCode(gKonfig, k, wert);
}
