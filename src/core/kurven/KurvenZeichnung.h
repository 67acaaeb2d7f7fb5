#pragma once

#include <array>
#include <vector>

#include "kurven/Kurvenmodell.h"

// What the curve window's two graphs draw, computed from the curves and the visible time
// window: the large graph shows only the segments that reach into the window, the small one
// the whole current curve. Times in ms, values raw.
namespace plv7::kurven {

struct Linienzug {
    std::vector<double> x;
    std::vector<double> y;

    void anfuegen(double a, double b) {
        x.push_back(a);
        y.push_back(b);
    }
    void leeren() {
        x.clear();
        y.clear();
    }
};

// One curve on the large graph. Each series is one polyline; the steps are the corner points
// of a step plot whose steps keep the value of their left point. The closing segment leads
// from the last point back to the first value.
struct Kurvenbild {
    Linienzug linien;
    Linienzug schlusslinie;  // empty unless drawn apart
    Linienzug stufen;
    Linienzug schlussstufen;  // empty unless drawn apart
    Linienzug punkte;         // markers on the starting points
};

// How a curve is drawn: the current curve has its closing segment apart and markers; a
// background curve neither.
struct Zeichenart {
    bool linien = true;
    bool stufen = true;
    bool schlussGetrennt = false;
    bool punkte = false;
};

// Steps and markers are thinned to what `breitePx` pixels over the window can show apart.
void KurveZeichnen(const std::vector<Kurvenpunkt>& punkte, const Zeitfenster& fenster,
                   double breitePx, const Zeichenart& art, Kurvenbild& bild);

// Where the time base changes inside the window: a yellow line with the new time base's name;
// the first time base is named at 0 without a line.
struct Zeitbasismarke {
    double zeit = 0.0;
    int zeitbasis = 0;
    bool linie = false;
};

// Both graphs of the curve window.
struct Kurvengrafik {
    std::array<Kurvenbild, kKurvenAnzahl> hintergrund;  // of the current curve: empty
    Kurvenbild aktuell;
    std::vector<Zeitbasismarke> marken;  // empty unless asked for
    Linienzug uebersicht;                // the whole current curve with its closing segment
    double dauer = 0.0;                  // of the current curve, the overview's X range
};

// Background curves are drawn where `hintergrund` asks, as steps or in "Linien" as lines.
void KurvengrafikZeichnen(const Kurvenmodell& modell,
                          const std::array<bool, kKurvenAnzahl>& hintergrund, bool zeitbasisMarken,
                          double breitePx, Kurvengrafik& grafik);

}  // namespace plv7::kurven
