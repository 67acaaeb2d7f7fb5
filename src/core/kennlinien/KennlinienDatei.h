#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"
#include "kennlinien/KennlinienZustand.h"
#include "konfig/Konfiguration.h"

namespace plv7::kennlinien {

// The characteristic file ".ple": a 1424-byte header (identifier, version 2, comment, the
// scaling record, point count, output-2 value as an unrounded raw code of the input-2 scaling,
// time constant in seconds) followed by the points, 12 bytes each; little-endian.

namespace kennlinien_datei {
inline constexpr std::size_t kKopfGroesse = 1424;
inline constexpr std::size_t kKommentarOffset = 36;
inline constexpr std::size_t kKommentarBreite = 1000;
inline constexpr std::size_t kKonfigOffset = 1040;
inline constexpr std::size_t kAnzahlOffset = 1392;
inline constexpr std::size_t kAusgang2Offset = 1400;
inline constexpr std::size_t kZeitkonstanteOffset = 1408;
inline constexpr std::size_t kNullOffset = 1416;
inline constexpr std::string_view kKennung = "plv7 Kennlinien Datei";
inline constexpr std::string_view kErweiterung = ".ple";

}  // namespace kennlinien_datei

struct KennlinienDateiInhalt {
    Kennlinie kennlinie;
    Konfiguration konfig;
    double ausgang2Roh = 0.0;  // raw code under the input-2 scaling, unrounded
    double zeitkonstante = 0.0;
    // The file ended inside its point records: the characteristic is the single default point.
    bool unvollstaendig = false;
};

// What the operator is told when a file ended inside its point records.
std::string KennlinienDateiUnvollstaendigText(const std::filesystem::path& pfad);

// The file's bytes. The comment is cut to 999 bytes; unused bytes and padding are 0.
std::vector<std::uint8_t> KennlinienDateiBild(const Kennlinie& kennlinie,
                                              const Konfiguration& konfig, double ausgang2Roh,
                                              double zeitkonstante);

// Decodes a file's bytes: 0, kFehlerLadenLesen (shorter than the header),
// kFehlerKeineKennliniendatei, kFehlerFalscheVersion, kFehlerPunktespeicher (negative count),
// kFehlerPunkteUngueltig. A file cut inside the points (or holding none) gives the single
// default point with `unvollstaendig` set. On a failure ziel is left as it was.
int KennlinienDateiBildLesen(std::span<const std::uint8_t> bytes, KennlinienDateiInhalt& ziel);

// Writes the file in one step; a previous file stays intact on a failure. 0,
// kFehlerSpeichernOeffnen or kFehlerSpeichernKopf.
int KennlinienDateiSpeichern(const std::filesystem::path& pfad, const Kennlinie& kennlinie,
                             const Konfiguration& konfig, double ausgang2Roh, double zeitkonstante);

// Reads a file: 0, kFehlerLadenOeffnen or the codes of KennlinienDateiBildLesen. Reads no more
// of the file than the header and the points it announces.
int KennlinienDateiLaden(const std::filesystem::path& pfad, KennlinienDateiInhalt& ziel);

// "Kennlinie speichern" to a chosen path: the output-2 field converted with the input-2
// scaling of `konfig`, which is also the record stored. On success the state takes the path
// and is no longer modified; on a failure path and flag stay.
int KennlinieSpeichern(const std::filesystem::path& pfad, KennlinienZustand& zustand,
                       const Konfiguration& konfig);

// "Kennlinie laden" from a chosen path, up to the configuration question: the path is cleared
// first; on success the characteristic, comment, output-2 field (converted with the input-2
// scaling of `aktuell`) and time constant are taken, the path is set and the modified flag
// cleared. `datei` receives everything the file held, its record included. On a failure the
// state keeps everything but the path.
int KennlinieLaden(const std::filesystem::path& pfad, KennlinienZustand& zustand,
                   const Konfiguration& aktuell, KennlinienDateiInhalt& datei);

}  // namespace plv7::kennlinien
