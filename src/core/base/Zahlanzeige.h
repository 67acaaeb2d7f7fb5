#pragma once

#include <string>

namespace plv7 {

// A number for a display field with room for `zeichen` characters: fixed notation with the
// given decimals when that fits, else with fewer decimals, else in the shortest %g form that
// fits ("1e+300"), so that an absurd scaling still reads as a number and never runs out of its
// field. A value that rounds to zero loses its sign ("-0.000" reads as an error). The text
// is never empty for a finite number: when nothing fits, the shortest form is returned.
std::string zahlFuerAnzeige(double wert, int nachkommastellen, int zeichen);

}  // namespace plv7
