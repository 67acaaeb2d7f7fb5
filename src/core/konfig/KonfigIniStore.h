#pragma once

#include "ini/IniStore.h"
#include "konfig/Konfiguration.h"

namespace plv7 {

// Reads section "konfig" into the record (see KonfigIniLesen).
void KonfigAusIniLesen(const IniStore& store, Konfiguration& ziel);
// Puts the record's 42 items into section "konfig".
void KonfigInIniSchreiben(const Konfiguration& konfig, IniStore& store);

}  // namespace plv7
