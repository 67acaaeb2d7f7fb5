#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/Fehlercodes.h"
#include "kennlinien/Kennlinie.h"
#include "konfig/Konfiguration.h"

namespace plv7::kennlinien {

// A characteristic as the box keeps it at the start of one of its ten slots in memory area 4;
// big-endian 16-bit words. Header: checksum (1 + every byte from offset 2 on, modulo 65536),
// point count, output-2 code, time constant in ms, 24 reserved bytes. Then per point its
// absolute X position and its output code.

namespace kennlinien_block {
inline constexpr std::size_t kKopf = 32;
inline constexpr std::size_t kSlotGroesse = 3264;
inline constexpr int kSlots = 10;
// The writer refuses a point whose 4 bytes would end past byte 3263, so it takes 807 points;
// the reader takes a full slot, 808.
inline constexpr std::size_t kSchreibGrenze = 3263;
inline constexpr std::size_t kLeseMaxDaten = kSlotGroesse - kKopf;

}  // namespace kennlinien_block

// Address of slot 1..10 in memory area 4.
long KennlinienSlotAdresse(int kurvenNr);

struct KennlinienblockKopf {
    std::uint16_t pruefsumme = 0;
    std::uint16_t anzahl = 0;
    std::uint16_t ausgang2Code = 0;
    std::uint16_t zeitkonstanteMs = 0;
};

// The header fields of a block's first 32 bytes.
KennlinienblockKopf KennlinienblockKopfLesen(std::span<const std::uint8_t> block);

// 1 + the sum of the bytes from offset 2 to the end of `block`, modulo 65536.
std::uint16_t KennlinienblockPruefsumme(std::span<const std::uint8_t> block);

// The 36-byte block the program puts into slots of an area that holds no characteristics:
// one point at X 0 with output 205.
std::array<std::uint8_t, 36> LeererKennlinienblock();

// The output-2 field (user unit of output 2) as the block's raw code: limited to the user
// values of codes 0 and 4095 (lower end first), converted and rounded.
std::uint16_t Ausgang2Blockcode(double wert, const Konfiguration& konfig);
// The time constant in seconds limited to 0..65.535, as whole milliseconds.
std::uint16_t ZeitkonstanteBlockMs(double sekunden);

// Builds the block (32 + 4 * anzahl bytes): 0, kFehlerZuVielePunkte (808 points or more),
// kFehlerXUngueltig, kFehlerYUngueltig or kFehlerAnzahl. block is only changed on success.
int KennlinienblockErzeugen(const Kennlinie& kennlinie, std::uint16_t ausgang2Code,
                            std::uint16_t zeitkonstanteMs, std::vector<std::uint8_t>& block);

// Decodes the points of a block (header and the 4 * anzahl bytes behind it): X 0 first, X
// rising, outputs limited to 4095, the last length 0, raster codes 0. 0,
// kFehlerBlockZuLang (more than 808 points, or fewer bytes than announced), kFehlerErstesX
// (also for a block without points) or kFehlerXNichtSteigend. punkte is only changed on
// success. The checksum is the caller's business.
int KennlinienblockDekodieren(std::span<const std::uint8_t> block,
                              std::vector<Kennlinienpunkt>& punkte);

}  // namespace plv7::kennlinien
