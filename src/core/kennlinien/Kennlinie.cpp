#include "kennlinien/Kennlinie.h"

#include <cmath>

#include "base/Windows1252.h"

namespace plv7::kennlinien {

std::int64_t KennlinienPosition(const Kennlinie& kennlinie, std::size_t i) {
    std::int64_t x = 0;
    for (std::size_t k = 0; k < i && k < kennlinie.punkte.size(); ++k)
        x += kennlinie.punkte[k].laenge;
    return x;
}

std::int64_t KennlinienGesamtlaenge(const Kennlinie& kennlinie) {
    return kennlinie.punkte.empty() ? 0
                                    : KennlinienPosition(kennlinie, kennlinie.punkte.size() - 1);
}

std::size_t KennlinienGeradeBei(const Kennlinie& kennlinie, double x) {
    if (kennlinie.punkte.empty()) return 0;
    const std::size_t letzter = kennlinie.punkte.size() - 1;
    const double ganz = std::floor(x);
    std::int64_t anfang = 0;
    for (std::size_t b = 0; b < letzter; ++b) {
        const std::int64_t ende = anfang + kennlinie.punkte[b].laenge;
        if (ganz + 1.0 <= static_cast<double>(ende)) return b;
        anfang = ende;
    }
    return letzter;
}

double KennlinienSpeicherbedarf(int anzahl) {
    return 100.0 *
           (kennlinie::kBlockKopf + kennlinie::kBytesProPunkt * static_cast<double>(anzahl)) /
           kennlinie::kSlotGroesse;
}

Kennlinie KennlinieStandard() {
    return Kennlinie{};
}

std::string KommentarBegrenzen(std::string kommentar) {
    if (const auto nul = kommentar.find('\0'); nul != std::string::npos) kommentar.resize(nul);
    return cp1252::fitToBytes(kommentar, kennlinie::kKommentarMax);
}

}  // namespace plv7::kennlinien
