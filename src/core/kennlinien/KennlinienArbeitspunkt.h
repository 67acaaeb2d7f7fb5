#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kennlinien/Kennlinie.h"
#include "konfig/Konfiguration.h"

// The operating point: where on the characteristic the box works, from a reading of its
// input 2 (the characteristic's input) while the window shows the characteristic.
namespace plv7::kennlinien {

// The output code a characteristic gives at input code x, as the box steps it: on a line from
// (x0, y0) to (x1, y1) floor(y0 + (y1 - y0) * (x - x0) / (x1 - x0) + 0.5); flat at the last
// point's output beyond it.
int KennlinienWert(const std::vector<Kennlinienpunkt>& punkte, int x);

struct Arbeitspunkt {
    int xCode = 0;   // input 2, raw
    int yCode = 0;   // the characteristic there, raw
    double x = 0.0;  // the same in the channels' units
    double y = 0.0;
};

// The point for a reading of input 2 in volts: rounded to the nearest input code (limited to
// 0..4095) and the characteristic's output there.
Arbeitspunkt ArbeitspunktBei(const Kennlinie& kennlinie, const Konfiguration& konfig,
                             double eingang2Volt);

// "Arbeitspunkt: X = 2.500 V, Y = 7.000 V".
std::string ArbeitspunktText(const Arbeitspunkt& punkt, const Konfiguration& konfig);

// The periodic reading. It reads only while the window is shown, a port is open and no other
// exchange holds the line (a transfer with its progress dialog, the direct window's sampling)
// and direct help is off; otherwise the tick pauses without traffic.
class Arbeitspunktabfrage {
public:
    struct Lage {
        bool sichtbar = false;
        int port = -1;
        bool leitungBelegt = false;
        bool hilfeAktiv = false;
    };
    enum class Schritt { Pause, KeinPort, Punkt, Fehler };
    // Reads input 2 in volts; 0 or the driver's error code.
    using Lesen = std::function<int(double& volt)>;

    Schritt takt(const Lage& lage, const Lesen& lesen, const Kennlinie& kennlinie,
                 const Konfiguration& konfig);

    const Arbeitspunkt& punkt() const { return punkt_; }
    int fehler() const { return fehler_; }
    int lesungen() const { return lesungen_; }
    int pausen() const { return pausen_; }

private:
    Arbeitspunkt punkt_;
    int fehler_ = 0;
    int lesungen_ = 0;
    int pausen_ = 0;
};

}  // namespace plv7::kennlinien
