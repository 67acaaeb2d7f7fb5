#pragma once

#include <string>

namespace plv7::cli {

// The whole usage text of plv7ctl: the call, its options, every command, the exit statuses.
std::string usageText();

}  // namespace plv7::cli
