#include "konfig/KonfigIni.h"

#include <variant>

#include "ini/IniText.h"

namespace plv7 {
namespace {

using Zahlen = std::array<double, 4> Konfiguration::*;
using Einheiten = std::array<Konfiguration::Einheit, 4> Konfiguration::*;

struct KanalFeld {
    std::string_view name;
    std::variant<Zahlen, Einheiten> feld;
};

// The per-channel fields in the order they are written.
constexpr std::array<KanalFeld, 10> kKanalFelder{{
    {"outmin", &Konfiguration::outmin},
    {"outmax", &Konfiguration::outmax},
    {"outskalamin", &Konfiguration::outskalamin},
    {"outskalamax", &Konfiguration::outskalamax},
    {"outeinheit", &Konfiguration::outeinheit},
    {"inmin", &Konfiguration::inmin},
    {"inmax", &Konfiguration::inmax},
    {"inskalamin", &Konfiguration::inskalamin},
    {"inskalamax", &Konfiguration::inskalamax},
    {"ineinheit", &Konfiguration::ineinheit},
}};

std::string tagVon(std::string_view name, std::size_t k) {
    std::string tag(name);
    tag += static_cast<char>('0' + k);
    return tag;
}

std::string ohneSteuerzeichen(std::string_view text) {
    std::string ergebnis;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) ergebnis += c;
    }
    return ergebnis;
}

KonfigIniEintrag zahlEintrag(std::string tag, double wert) {
    return {.tag = std::move(tag), .istText = false, .zahl = wert, .text = {}};
}

}  // namespace

std::vector<KonfigIniEintrag> KonfigIniEintraege(const Konfiguration& konfig) {
    std::vector<KonfigIniEintrag> eintraege;
    eintraege.reserve(kKonfigIniAnzahl);
    eintraege.push_back(zahlEintrag("voutmax", konfig.voutmax));
    eintraege.push_back(zahlEintrag("vinmax", konfig.vinmax));
    for (std::size_t k = 0; k < 4; ++k) {
        for (const auto& kanalFeld : kKanalFelder) {
            auto tag = tagVon(kanalFeld.name, k);
            if (const auto* zahlen = std::get_if<Zahlen>(&kanalFeld.feld)) {
                eintraege.push_back(zahlEintrag(std::move(tag), (konfig.**zahlen)[k]));
            } else {
                const auto& einheit = (konfig.*std::get<Einheiten>(kanalFeld.feld))[k];
                eintraege.push_back({.tag = std::move(tag),
                                     .istText = true,
                                     .zahl = 0.0,
                                     .text = ohneSteuerzeichen(EinheitText(einheit))});
            }
        }
    }
    return eintraege;
}

std::string KonfigIniWert(const KonfigIniEintrag& eintrag) {
    if (eintrag.istText) return '"' + eintrag.text + '"';
    return ini::formatDouble(eintrag.zahl);
}

std::vector<std::string> KonfigIniZeilen(const Konfiguration& konfig) {
    std::vector<std::string> zeilen;
    zeilen.reserve(kKonfigIniAnzahl);
    for (const auto& eintrag : KonfigIniEintraege(konfig)) {
        zeilen.push_back(eintrag.tag + " = " + KonfigIniWert(eintrag));
    }
    return zeilen;
}

void KonfigIniLesen(const KonfigIniQuelle& quelle, Konfiguration& ziel) {
    KonfigurationStandardwerte(ziel);
    if (auto wert = quelle.zahl("voutmax")) ziel.voutmax = *wert;
    if (auto wert = quelle.zahl("vinmax")) ziel.vinmax = *wert;
    for (std::size_t k = 0; k < 4; ++k) {
        for (const auto& kanalFeld : kKanalFelder) {
            const auto tag = tagVon(kanalFeld.name, k);
            if (const auto* zahlen = std::get_if<Zahlen>(&kanalFeld.feld)) {
                if (auto wert = quelle.zahl(tag)) (ziel.**zahlen)[k] = *wert;
            } else {
                auto& einheit = (ziel.*std::get<Einheiten>(kanalFeld.feld))[k];
                EinheitSetzen(einheit, quelle.text(tag).value_or(std::string{}));
            }
        }
    }
}

}  // namespace plv7
