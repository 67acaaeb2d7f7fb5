#pragma once

#include "CliGemeinsam.h"

// curves-generate and curves-from-log: one curve of a curve file from a waveform or from the
// direct window's log; they work on files alone.
namespace plv7::cli {

const DateiBefehle& kurvenErzeugungsBefehle();

}  // namespace plv7::cli
