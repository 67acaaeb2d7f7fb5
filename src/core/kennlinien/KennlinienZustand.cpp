#include "kennlinien/KennlinienZustand.h"

#include "konfig/KonfigUmrechnung.h"

void KennlinieNeu(KennlinienZustand& zustand, const Konfiguration& konfig) {
    zustand.kennlinie = plv7::KennlinieStandard();
    zustand.ausgang2 = plv7::EingangCodeInEinheit(konfig, 1, 0.0);
    zustand.zeitkonstante = 0.0;
    zustand.pfad.clear();
}

namespace plv7 {

std::string KennlinienTitel(const std::filesystem::path& pfad) {
    if (pfad.empty()) return "Kennlinienregler";
    const auto name = pfad.filename().u8string();
    return "Kennlinienregler - " + std::string(name.begin(), name.end());
}

}  // namespace plv7
