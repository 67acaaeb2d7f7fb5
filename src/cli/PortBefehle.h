#pragma once

#include "CliGemeinsam.h"

namespace plv7::cli {

// `ports`: the PC's serial devices, one a line, without opening any.
const DateiBefehle& portBefehle();

}  // namespace plv7::cli
