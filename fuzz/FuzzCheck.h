#pragma once

#include <cstdlib>

namespace plv7::fuzz {

// A broken promise of the code under test: abort, so that libFuzzer keeps the input.
inline void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace plv7::fuzz
