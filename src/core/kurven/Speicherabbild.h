#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/Fehlercodes.h"
#include "kurven/Kurvenmodell.h"

// The curves as the box stores them in its memory area 4: a 32-byte header with checksum,
// the last byte index of each curve, cycles and rest values, then the records of curves 1 to 4.
// Numbers are unsigned 16-bit, big-endian. A record is either an Einzelsatz (one point whose
// length is not 1) or a Laufsatz (a run of length-1 points of one time base: the first value,
// the count of further values, the code with bit 5 set, then the further values).
namespace plv7::kurven {

namespace abbild {
inline constexpr std::size_t kPuffer = 32768;
inline constexpr long kGrenze = 32767;  // no record may end beyond byte index 32766
inline constexpr std::size_t kKopf = 32;
inline constexpr std::size_t kPruefsumme = 0;
inline constexpr std::size_t kLetztesByte = 2;  // + 2 x curve
inline constexpr std::size_t kZyklen = 10;      // + 2 x curve
inline constexpr std::size_t kRuhewerte = 18;   // + 2 x curve
inline constexpr std::size_t kSatz = 5;
inline constexpr std::size_t kFolgewert = 2;
inline constexpr std::uint8_t kLaufBit = 0x20;
inline constexpr std::uint8_t kCodeMaske = 0x1F;

// Sending: the curves do not fit; the caller shows kPlatzMeldung and nothing else.
inline constexpr int kPlatzReichtNicht = -1;
inline constexpr char kPlatzMeldung[] =
    "Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz in der PLV-7.";

}  // namespace abbild

// What the image carries of the curves.
struct Kurvendaten {
    std::array<std::vector<Kurvenpunkt>, kKurvenAnzahl> punkte;
    std::array<std::int32_t, kKurvenAnzahl> zyklen{};
    std::array<std::int32_t, kKurvenAnzahl> ruhewerte{};

    bool operator==(const Kurvendaten&) const = default;
};

// The image's bytes 0 to its last byte. Returns 0, abbild::kPlatzReichtNicht (bild then
// empty) or abbild::kFehlerDatenUngueltig for a value outside 0..4095, a length outside
// 1..65535, a time base outside 1..6 or a rest value outside 0..4095. Cycles are stored by
// their low 16 bits.
int SpeicherabbildErzeugen(const std::array<Kurve, kKurvenAnzahl>& kurven,
                           const std::array<Kurveneinstellungen, kKurvenAnzahl>& einstellungen,
                           std::vector<std::uint8_t>& bild);

// The sum of bytes 2 to the end, plus 1, modulo 65536.
std::uint16_t AbbildPruefsumme(std::span<const std::uint8_t> bild);

// The last byte index that a header (at least 32 bytes) announces.
long AbbildLetztesByte(std::span<const std::uint8_t> kopf);

// Decodes a whole image (bytes 0 to its last byte as the header announces it; bytes beyond
// are ignored). Checks the checksum and the four ranges, then decodes all four curves.
// Returns 0 or the first failure; on a failure `ziel` is left as it was.
int SpeicherabbildDekodieren(std::span<const std::uint8_t> bild, Kurvendaten& ziel);

}  // namespace plv7::kurven
