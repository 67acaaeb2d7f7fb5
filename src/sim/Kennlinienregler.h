#pragma once

#include <cstdint>
#include <vector>

#include "kennlinien/Kennlinie.h"

namespace plv7::sim {

class Box;

// The box's characteristic control: while the box runs and its memory holds characteristics,
// output 1 follows the selected characteristic of input 2 through a low-pass filter with the
// slot's time constant, and output 2 holds the slot's fixed value. Input 3 selects the slot:
// n volts select slot n. A slot whose block fails its checksum or cannot be decoded leaves
// the outputs as they are.
class Kennlinienregler {
public:
    // Brings the outputs up to time `seconds` (the box's clock).
    void takt(Box& box, double seconds);

private:
    struct Slot {
        int nummer = 0;  // 0: nothing decoded yet
        bool gueltig = false;
        std::vector<Kennlinienpunkt> punkte;
        int ausgang2Code = 0;
        double zeitkonstante = 0.0;  // seconds
    };

    const Slot& slot(const Box& box, int nummer);
    void schritt(Box& box, double zeit, double dauer);

    bool laeuft_ = false;
    double zeit_ = 0.0;
    double ausgang1_ = 0.0;  // filtered output 1, millivolts
    Slot slot_;
};

// The output code of a characteristic at input code x, as the box's steps give it (the same
// value the window shows as its operating point).
int kennlinienWert(const std::vector<Kennlinienpunkt>& punkte, int x);

}  // namespace plv7::sim
