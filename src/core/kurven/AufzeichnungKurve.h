#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "konfig/Konfiguration.h"
#include "kurven/Aufzeichnung.h"
#include "kurven/Kurvenmodell.h"

// A column of a recorded acquisition becomes a curve: its values are taken as values of the
// curve's output, its running times are quantised to a time base, and the samples are thinned
// to the fewest points within a tolerance, so that the box can play the signal back.
namespace plv7::kurven {

namespace aufzeichnung {
inline constexpr double kToleranzStandard = 2.0;  // raw codes
inline constexpr double kToleranzMin = 0.5;       // a whole code must reach every sample
}  // namespace aufzeichnung

struct Uebernahmewahl {
    std::size_t erfassung = 0;  // index into the log's acquisitions
    std::size_t spalte = 0;     // 0..7: Eing1..Eing4, Ausg1..Ausg4
    int kurve = 0;              // 0..3, its output's scaling
    int zeitbasis = 0;          // 1..6, or 0 for the finest whose image fits
    double toleranz = aufzeichnung::kToleranzStandard;
};

struct Uebernahme {
    int code = 0;
    std::string meldung;
    std::vector<Kurvenpunkt> punkte;
    int zeitbasis = 0;
    long speicherbedarf = 0;  // bytes of the whole image with this curve in place
    std::size_t messwerte = 0;
    // When the curve does not fit: the next time base, and the least tolerance in the chosen
    // time base (doubling from the one asked), with which it would; 0 when none does.
    int vorschlagZeitbasis = 0;
    double vorschlagToleranz = 0.0;
};

// Whether the column's unit differs from the curve output's unit (the operator is asked).
bool EinheitenVerschieden(const Erfassung& e, std::size_t spalte, const Konfiguration& konfig,
                          int kurve);

// The curve from the chosen column. Refusals: kFehlerParameter (tolerance, choice),
// kFehlerKeineDaten (no samples), kFehlerZeile (running time going back, named by its line),
// kurvenfunktion::kFehlerBereich (a value the output cannot give, named by its line),
// abbild::kPlatzReichtNicht (the memory message, with the proposals filled in).
Uebernahme AufzeichnungUebernehmen(const Aufzeichnung& a, const Uebernahmewahl& wahl,
                                   const Konfiguration& konfig,
                                   const std::array<Kurve, kKurvenAnzahl>& kurven);

// "Mit der Zeitbasis 100ms oder einer Toleranz von 8 Codes paßt die Kurve." for the refusal.
std::string VorschlagText(const Uebernahme& u);

}  // namespace plv7::kurven
