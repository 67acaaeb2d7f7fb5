#pragma once

#include <string>

namespace plv7 {

// The text of a double as printf's "%.16g" writes it in the "C" locale (10, 0.001, 1e-05),
// whatever locale the process runs in.
std::string formatG16(double value);

}  // namespace plv7
