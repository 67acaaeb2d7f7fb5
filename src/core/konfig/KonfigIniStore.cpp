#include "konfig/KonfigIniStore.h"

#include "konfig/KonfigIni.h"

namespace plv7 {

void KonfigAusIniLesen(const IniStore& store, Konfiguration& ziel) {
    const KonfigIniQuelle quelle{
        .zahl = [&store](const std::string& tag) { return store.getDouble(kKonfigSektion, tag); },
        .text = [&store](const std::string& tag) { return store.getString(kKonfigSektion, tag); },
    };
    KonfigIniLesen(quelle, ziel);
}

void KonfigInIniSchreiben(const Konfiguration& konfig, IniStore& store) {
    for (const auto& eintrag : KonfigIniEintraege(konfig)) {
        if (eintrag.istText) {
            store.putString(kKonfigSektion, eintrag.tag, eintrag.text);
        } else {
            store.putDouble(kKonfigSektion, eintrag.tag, eintrag.zahl);
        }
    }
}

}  // namespace plv7
