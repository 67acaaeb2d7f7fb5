#pragma once

#include "CliGemeinsam.h"

// The curve commands: curves-export, curves-import and curves-image work on files alone;
// curves-write and curves-read move the curves to and from the box.
namespace plv7::cli {

const DateiBefehle& kurvenDateiBefehle();
const GeraetBefehle& kurvenGeraetBefehle();

}  // namespace plv7::cli
