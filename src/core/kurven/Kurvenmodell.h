#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Rueckgaengigring.h"
#include "base/Sichtfenster.h"
#include "kurven/Kurve.h"

// The state of the curve generator: the four curves with their settings and undo histories,
// and what the window keeps across them (current curve, view, marking, clipboard, file).
namespace plv7::kurven {

struct Kurveneinstellungen {
    std::int32_t zyklen = 1;    // how often the box plays the curve; 0 = endlessly
    std::int32_t ruhewert = 0;  // raw value the output keeps after the last cycle
    std::int32_t yMin = 0;      // value range shown while the curve is edited (raw)
    std::int32_t yMax = kWertMax;
    double yRaster = 0.0;  // value grid in the curve's user unit; 0 = none

    bool operator==(const Kurveneinstellungen&) const = default;
};

// The visible part of a curve in ms.
using Zeitfenster = Sichtfenster;
inline constexpr Zeitfenster kFensterStandard{0, kFensterStandardMax};

class Kurvenmodell {
public:
    Kurvenmodell();

    std::array<Kurve, kKurvenAnzahl> kurven;
    std::array<Kurveneinstellungen, kKurvenAnzahl> einstellungen;
    int aktuelleKurve = 0;  // 0..3
    Darstellung darstellung = Darstellung::LinienUndStufen;
    Zeitfenster fenster = kFensterStandard;
    Markierung markierung;   // in ms
    bool geaendert = false;  // changes since the last save, load or append
    std::string dateipfad;   // empty while the curves have no file
    std::vector<Kurvenpunkt> zwischenablage;

    Kurve& aktuell() { return kurven[index(aktuelleKurve)]; }
    const Kurve& aktuell() const { return kurven[index(aktuelleKurve)]; }

    // Called by every edit just before it changes the points of the current curve: keeps
    // them for undo, marks the curves changed and clears the redo steps.
    void BearbeitungsschrittSichern();
    // Both do nothing (and return false) when there is no step to take.
    bool Rueckgaengig();
    bool Wiederherstellen();
    // What the window dims: "Rückgängig" at 0 undo steps, "Wiederherstellen" at 0 redo steps.
    int rueckgaengigSchritte(int kurve) const {
        return verlauf_[index(kurve)].rueckgaengigSchritte();
    }
    int wiederherstellenSchritte(int kurve) const {
        return verlauf_[index(kurve)].wiederherstellenSchritte();
    }
    bool RueckgaengigMoeglich() const { return rueckgaengigSchritte(aktuelleKurve) > 0; }
    bool WiederherstellenMoeglich() const { return wiederherstellenSchritte(aktuelleKurve) > 0; }

    // "Neu": four one-point curves without comments, cycles 1, rest value 0, no file, the
    // initial time window. Value ranges, rasters and undo histories stay.
    void Neu();
    // The cycles and rest value controls of the current curve: the rest value comes in the
    // unit of the curve's output and is stored as a raw value within 0..4095; cycles are kept
    // within the 16 bits the box stores. Marks the curves changed; no undo step. Returns the
    // stored rest value, which the control shows again in its unit.
    std::int32_t ZyklenUndRuhezustandSetzen(std::int32_t zyklen, double ruhewertEinheit);

    // The time window over the whole current curve: 0 .. duration - 1 ms.
    void GanzeKurveZeigen();
    std::size_t SegmentBeiZeit(double x) const;
    long Speicherbedarf() const { return kurven::Speicherbedarf(kurven); }

private:
    static std::size_t index(int kurve) {
        return static_cast<std::size_t>(kurve >= 0 && kurve < kKurvenAnzahl ? kurve : 0);
    }
    // Each curve has its own ten undo steps.
    std::array<Rueckgaengigring<std::vector<Kurvenpunkt>>, kKurvenAnzahl> verlauf_;
};

}  // namespace plv7::kurven
