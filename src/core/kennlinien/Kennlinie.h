#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plv7::kennlinien {

// A characteristic: the box's input 2 (X) mapped to its output 1 (Y), a polyline of points
// joined by straight lines. Both axes hold raw 12-bit codes; every position and length is a
// whole number of raster units (one raw code).

// One point; the same 12 bytes in the characteristic file (y, laenge, rastercode, padding).
struct Kennlinienpunkt {
    std::int32_t y = 0;       // output code 0..4095
    std::int32_t laenge = 0;  // length of the line starting here; meaningless for the last point
    std::uint8_t rastercode = 0;

    friend bool operator==(const Kennlinienpunkt&, const Kennlinienpunkt&) = default;
};

struct Kennlinie {
    std::string kommentar;  // at most 999 characters, lines separated by "\n"
    // Never empty: every operation keeps at least one point.
    std::vector<Kennlinienpunkt> punkte{Kennlinienpunkt{4095, 0, 0}};

    int anzahl() const { return static_cast<int>(punkte.size()); }
};

namespace kennlinie {

inline constexpr int kRohMax = 4095;
inline constexpr int kLaengsteGerade = 65535;
inline constexpr std::size_t kKommentarMax = 999;  // a 1000-byte buffer with its NUL
inline constexpr int kBlockKopf = 32;
inline constexpr int kBytesProPunkt = 4;
inline constexpr int kSlotGroesse = 3264;

// The single point of a fresh characteristic: X 0, output 4095.
inline constexpr Kennlinienpunkt kStandardpunkt{4095, 0, 0};

}  // namespace kennlinie

// The X position of point i: the sum of the lengths before it. 64 bits, so that the lengths
// of a corrupt file cannot overflow it.
std::int64_t KennlinienPosition(const Kennlinie& kennlinie, std::size_t i);

// The X position of the last point; beyond it the characteristic stays flat up to 4095.
std::int64_t KennlinienGesamtlaenge(const Kennlinie& kennlinie);

// The index of the line that contains X position x: the first point whose line end exceeds
// floor(x); the last point when there is none.
std::size_t KennlinienGeradeBei(const Kennlinie& kennlinie, double x);

// The share of one box slot in percent that a characteristic of `anzahl` points fills.
double KennlinienSpeicherbedarf(int anzahl);

// The default characteristic: one point at X 0 with output 4095, empty comment.
Kennlinie KennlinieStandard();

// The comment as the 1000-byte buffer keeps it: cut at the first NUL and to 999 characters, one
// byte each in the file.
std::string KommentarBegrenzen(std::string kommentar);

}  // namespace plv7::kennlinien
