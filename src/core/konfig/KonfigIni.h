#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "konfig/Konfiguration.h"

// The scaling record's items of the settings file, without the store itself (see
// KonfigIniStore.h for the store's side).
namespace plv7 {

inline constexpr std::string_view kKonfigSektion = "konfig";
inline constexpr std::size_t kKonfigIniAnzahl = 42;

struct KonfigIniEintrag {
    std::string tag;
    bool istText = false;
    double zahl = 0.0;  // when !istText
    std::string text;   // when istText: the unit text as it is written
};

// The 42 items in the order they are written: voutmax, vinmax, then for each channel 0..3
// outmin, outmax, outskalamin, outskalamax, outeinheit, inmin, inmax, inskalamin, inskalamax,
// ineinheit, the tag being the name followed by the channel digit. Control characters of a
// unit text are left out, so that a unit can never break the line it is written on.
std::vector<KonfigIniEintrag> KonfigIniEintraege(const Konfiguration& konfig);

// The value of an item as the settings file holds it: numbers as "%.16g" with a dot, texts
// between double quotes.
std::string KonfigIniWert(const KonfigIniEintrag& eintrag);

// The 42 lines "tag = value" in the order above.
std::vector<std::string> KonfigIniZeilen(const Konfiguration& konfig);

// Where the reader finds the section's values: a number (nullopt when missing or invalid) and
// a text (nullopt when missing), each by tag.
struct KonfigIniQuelle {
    std::function<std::optional<double>(const std::string& tag)> zahl;
    std::function<std::optional<std::string>(const std::string& tag)> text;
};

// Sets the record to the defaults, then takes every number that is present as it is (no range
// check) and every unit text cut to 8 characters; a missing unit leaves the unit text empty.
void KonfigIniLesen(const KonfigIniQuelle& quelle, Konfiguration& ziel);

}  // namespace plv7
