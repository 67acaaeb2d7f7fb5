#pragma once

#include <string>

namespace plv7::direkt {

// Appends value with the given number of decimals, exactly as printf's "%.Nf" in the C
// locale writes it: always a dot, whatever locale the program runs under.
void haengeFestkommaAn(std::string& text, double value, int decimals);

std::string festkomma(double value, int decimals);

}  // namespace plv7::direkt
