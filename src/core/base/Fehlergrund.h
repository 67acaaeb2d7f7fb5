#pragma once

#include <string>

namespace plv7 {

// What the system told about a failure, beside its code: the reason and what to do ("Keine
// Berechtigung für /dev/ttyUSB0. …"). The code keeps its number and text; the pop-up, the
// error fields and plv7ctl add the reason where the last failure of that code left one.

// Records the reason of a failure with this code; an empty reason forgets an older one.
void setFehlergrund(int code, std::string grund);
// The reason the last failure with this code left; empty when it left none or another code
// was recorded since.
std::string fehlergrund(int code);

}  // namespace plv7
