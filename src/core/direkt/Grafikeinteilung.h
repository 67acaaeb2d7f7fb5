#pragma once

#include <string>

namespace plv7::direkt {

inline constexpr int kGrafikZeilen = 10000;
inline constexpr int kXTeilungen = 12;
inline constexpr int kYTeilungen = 5;

// Samples per X division, pulled into 1..(10000 / xdiv - 1) so that a frame fits the
// buffer: 832 for 12 divisions.
int begrenztePunkteProDiv(int punkteProDiv, int xTeilungen = kXTeilungen);
// Samples of one frame (P) and the chart's points per screen (P + 1).
inline int bildlaenge(int punkteProDiv, int xTeilungen = kXTeilungen) {
    return punkteProDiv * xTeilungen;
}

// Seconds per X division for the sampling interval.
double sekundenProDiv(int punkteProDiv, double abtastzeit, int xTeilungen = kXTeilungen);

// The left Y axis in percent: from offset to offset + range.
struct YAchse {
    double von = 0.0;
    double bis = 100.0;
};
YAchse yAchse(int prozentProDiv, int offsetProzent, int yTeilungen = kYTeilungen);

// User units per Y division of an input whose user values at code 0 and 4095 are lo and
// hi, and the label "<unit>/Div".
double einheitProDiv(double lo, double hi, int prozentProDiv);
std::string einheitProDivText(const std::string& einheit);

// The trigger line: pixel position inside the window and whether it is shown (only for a
// negative delay with a trigger source), |delay| divisions right of the plot's left edge.
struct Triggerstrich {
    bool sichtbar = false;
    int x = 0;
};
Triggerstrich triggerstrich(double plotLinks, double plotBreite, int verzoegerung, int quelle,
                            int xTeilungen = kXTeilungen);
// The same instant as a sample position in the frame (0 for delays that are not negative).
int triggerstrichPosition(int verzoegerung, int punkteProDiv);

// The cover over the plot's right edge.
struct Abdeckung {
    int links = 0;
    int breite = 0;
};
Abdeckung abdeckung(double plotRechts, double plotBreite, int punkteProDiv,
                    int xTeilungen = kXTeilungen);

}  // namespace plv7::direkt
