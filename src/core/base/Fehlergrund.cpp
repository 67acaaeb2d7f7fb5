#include "base/Fehlergrund.h"

#include <mutex>

namespace plv7 {
namespace {

// Failures happen on the acquisition thread too.
std::mutex sgSchutz;
int sgCode = 0;
std::string sgGrund;

}  // namespace

void setFehlergrund(int code, std::string grund) {
    const std::lock_guard lock(sgSchutz);
    sgCode = code;
    sgGrund = std::move(grund);
}

std::string fehlergrund(int code) {
    const std::lock_guard lock(sgSchutz);
    return code != 0 && code == sgCode ? sgGrund : std::string();
}

}  // namespace plv7
