#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// The channel-scaling record: for each of the four outputs and inputs a voltage interval that
// maps linearly onto an interval of a user unit, plus the full-scale voltage of the box's
// outputs and inputs. Index 0..3 is channel 1..4.
struct Konfiguration {
    using Einheit = std::array<char, 9>;  // at most 8 characters plus NUL

    double voutmax = 0.0;
    std::array<double, 4> outmin{};
    std::array<double, 4> outmax{};
    std::array<double, 4> outskalamin{};
    std::array<double, 4> outskalamax{};
    std::array<Einheit, 4> outeinheit{};
    double vinmax = 0.0;
    std::array<double, 4> inmin{};
    std::array<double, 4> inmax{};
    std::array<double, 4> inskalamin{};
    std::array<double, 4> inskalamax{};
    std::array<Einheit, 4> ineinheit{};
};

// Writes the defaults into the record: every channel 0..10 V onto 0..10 "V", both full-scale
// voltages 10. The bytes behind a unit text's NUL stay as they were.
void KonfigurationStandardwerte(Konfiguration& konfig);

// The current scaling that every conversion reads. A program starts with the defaults, so the
// conversions are defined even when no settings could be read.
extern Konfiguration gKonfig;

// Writes the defaults into gKonfig.
void KonfigurationStandardwerte();

// 1 when both records are equal, 0 when they differ: per channel outmin, outmax, outskalamin,
// outskalamax, outeinheit, inmin, inmax, inskalamin, inskalamax, ineinheit, then voutmax and
// vinmax. Numbers compare with ==, unit texts as NUL-terminated text (bytes behind the NUL and
// the alignment gaps are never looked at).
int KonfigurationenVergleichen(Konfiguration a, Konfiguration b);

// Makes k the current scaling and lets the configuration window show it (see
// plv7::setKonfigAnzeige). Does not rescale other windows.
void KonfigurationSetzen(Konfiguration k);

namespace plv7 {

// The window that shows gKonfig installs this so that KonfigurationSetzen refreshes it.
void setKonfigAnzeige(std::function<void()> anzeigen);

// A unit text as text: up to its NUL, never more than 8 characters.
std::string_view EinheitText(const Konfiguration::Einheit& einheit);
// Stores text as unit text, cut to 8 characters, with its NUL; bytes behind stay as they were.
void EinheitSetzen(Konfiguration::Einheit& einheit, std::string_view text);
// The record keeps a unit as the Windows-1252 bytes of its files; these two convert to and from
// the UTF-8 that windows and plv7ctl show. Characters the code page cannot hold are left out.
std::string EinheitAlsUtf8(const Konfiguration::Einheit& einheit);
void EinheitAusUtf8(Konfiguration::Einheit& einheit, std::string_view utf8);
// Whether a character can stand in a unit text: the code page holds it, and it is no C0 control
// character or DEL, which would break the settings file's lines. The five bytes the code page
// leaves undefined (C1 code points here) pass, so that a unit read from a file stays whole.
bool EinheitZeichenTauglich(char32_t zeichen);

// The record's 352-byte file image: little-endian IEEE doubles, 9-byte unit fields.
namespace konfig_bild {
inline constexpr std::size_t kGroesse = 352;
inline constexpr std::size_t kEinheitBreite = 9;
inline constexpr std::size_t kVoutmax = 0;
inline constexpr std::size_t kOutmin = 8;
inline constexpr std::size_t kOutmax = 40;
inline constexpr std::size_t kOutskalamin = 72;
inline constexpr std::size_t kOutskalamax = 104;
inline constexpr std::size_t kOuteinheit = 136;
inline constexpr std::size_t kVinmax = 176;
inline constexpr std::size_t kInmin = 184;
inline constexpr std::size_t kInmax = 216;
inline constexpr std::size_t kInskalamin = 248;
inline constexpr std::size_t kInskalamax = 280;
inline constexpr std::size_t kIneinheit = 312;
}  // namespace konfig_bild

using KonfigBild = std::array<std::uint8_t, konfig_bild::kGroesse>;

// Encodes the record; the alignment gaps at 172 and 348 are written as zeros.
void KonfigurationInBild(const Konfiguration& konfig,
                         std::span<std::uint8_t, konfig_bild::kGroesse> bild);
KonfigBild KonfigurationInBild(const Konfiguration& konfig);

// Decodes an image. A unit field whose nine bytes hold no NUL is cut to its first eight
// characters, so every unit text in memory is terminated.
Konfiguration KonfigurationAusBild(std::span<const std::uint8_t, konfig_bild::kGroesse> bild);

}  // namespace plv7
