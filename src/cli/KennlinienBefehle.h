#pragma once

#include "CliGemeinsam.h"

// The characteristic commands: characteristic-export, -import and -block work on files alone;
// characteristic-write, -read and -select talk to the box.
namespace plv7::cli {

const DateiBefehle& kennlinienDateiBefehle();
const GeraetBefehle& kennlinienGeraetBefehle();

}  // namespace plv7::cli
