#include "kennlinien/KennlinienZustand.h"

#include "konfig/KonfigUmrechnung.h"

namespace plv7::kennlinien {

void KennlinieNeu(KennlinienZustand& zustand, const Konfiguration& konfig) {
    zustand.kennlinie = KennlinieStandard();
    zustand.ausgang2 = plv7::EingangCodeInEinheit(konfig, 1, 0.0);
    zustand.zeitkonstante = 0.0;
    zustand.pfad.clear();
}

std::string KennlinienTitel(const std::filesystem::path& pfad) {
    if (pfad.empty()) return "Kennlinienregler";
    const auto name = pfad.filename().u8string();
    return "Kennlinienregler - " + std::string(name.begin(), name.end());
}

}  // namespace plv7::kennlinien
