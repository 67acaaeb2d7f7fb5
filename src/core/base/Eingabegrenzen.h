#pragma once

#include <algorithm>
#include <limits>

namespace plv7 {

// The range a numeric field holds the operator's numbers to; a side without a limit is
// infinite. Whole-number fields (points per division, percent, delay) round what is typed.
struct Eingabebereich {
    double untergrenze = -std::numeric_limits<double>::infinity();
    double obergrenze = std::numeric_limits<double>::infinity();
    bool ganzzahlig = false;

    // The same range with a further upper limit on top, as an output's "Begrenzung".
    Eingabebereich hoechstens(double grenze) const {
        Eingabebereich b = *this;
        b.obergrenze = std::min(obergrenze, grenze);
        return b;
    }
};

// The number a field commits for a number the operator typed: the whole number, held to the
// range. A number past an end becomes that end, so typing 12 where 10 is the most gives 10,
// never 1. Where a further upper limit lies below the range, the lower end wins: a field
// never commits a number below its range. A number that is not finite is returned as it is;
// the field refuses it before.
double eingabeBegrenzen(double wert, const Eingabebereich& bereich);

}  // namespace plv7
