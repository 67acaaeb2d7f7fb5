#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "base/Fehlercodes.h"
#include "konfig/Konfiguration.h"

// The configuration file ".plo": a 32-byte header text, the version as a 32-bit little-endian
// integer, four unused bytes and the record's 352-byte image; 392 bytes in all.
namespace plv7 {

namespace konfig_datei {
inline constexpr std::size_t kGroesse = 392;
inline constexpr std::size_t kBildOffset = 40;
inline constexpr std::string_view kKopfText = "plv7 Konfigurations Datei";
inline constexpr std::string_view kErweiterung = ".plo";

}  // namespace konfig_datei

using KonfigDateiBild = std::array<std::uint8_t, konfig_datei::kGroesse>;

// The file's bytes for a record; the bytes behind the header's NUL and at offset 36 are 0.
KonfigDateiBild KonfigDateiBildErzeugen(const Konfiguration& konfig);

// Checks a file's bytes (only the first 392 count) and on success decodes the record into
// ziel: 0, kFehlerLadenLesen (fewer than 392 bytes), kFehlerKeineKonfigDatei (the header text
// with its NUL is not at the start), kFehlerFalscheVersion (version not 2). On a failure ziel
// is left as it was.
int KonfigDateiBildLesen(std::span<const std::uint8_t> bytes, Konfiguration& ziel);

// Writes the file in one step (see writeFileAtomically): 0, kFehlerSpeichernOeffnen or
// kFehlerSpeichernSchreiben. A previous file stays intact on a failure.
int KonfigDateiSpeichern(const std::filesystem::path& pfad, const Konfiguration& konfig);

// Reads a file into ziel: 0, kFehlerLadenOeffnen or the codes of KonfigDateiBildLesen. On a
// failure ziel is left as it was.
int KonfigDateiLaden(const std::filesystem::path& pfad, Konfiguration& ziel);

}  // namespace plv7
