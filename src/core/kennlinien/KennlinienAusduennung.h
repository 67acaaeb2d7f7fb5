#pragma once

#include <vector>

#include "kennlinien/KennlinienEditor.h"

namespace plv7::kennlinien {

// The fewest of the points, the first and the last always among them, whose polyline stays
// within `toleranz` output codes of the polyline through all of them at every X. The X
// positions must rise strictly. Between two kept points both lines are straight, so checking
// the skipped points is checking every X.
std::vector<Rohpunkt> Ausduennen(const std::vector<Rohpunkt>& punkte, double toleranz = 1.0);

}  // namespace plv7::kennlinien
