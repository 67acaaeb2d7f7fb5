#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "direkt/Grafikeinteilung.h"

namespace plv7::direkt {

// One sample as the chart records it.
struct Grafikwert {
    std::array<double, 4> eingangProzent{};
    std::array<double, 4> ausgangProzent{};
    std::string_view datum;    // month-day-year, at most 10 characters are kept
    std::string_view uhrzeit;  // hours:minutes:seconds, at most 8 characters are kept
    double laufzeit = 0.0;
};

// The chart's record of the last 10000 samples, written cyclically. Allocated once;
// writing a sample allocates nothing.
class Grafikpuffer {
public:
    Grafikpuffer();

    // Writes the sample at the write position, advances it and returns the row written.
    int schreibe(const Grafikwert& wert);
    int schreibposition() const { return schreibposition_; }
    // Sets the input values of every row to 0; times and outputs stay.
    void eingaengeLoeschen();

    double eingang(int kanal, int zeile) const { return eingang_[kanal][zeile]; }
    double ausgang(int kanal, int zeile) const { return ausgang_[kanal][zeile]; }
    std::string_view datum(int zeile) const { return datum_[zeile].data(); }
    std::string_view uhrzeit(int zeile) const { return uhrzeit_[zeile].data(); }
    double laufzeit(int zeile) const { return laufzeit_[zeile]; }

    // The row schritte rows after zeile (negative: before), wrapping within 0..9999.
    static int zeile(int zeile, int schritte);

private:
    std::array<std::vector<double>, 4> eingang_;
    std::array<std::vector<double>, 4> ausgang_;
    std::vector<std::array<char, 11>> datum_;
    std::vector<std::array<char, 9>> uhrzeit_;
    std::vector<double> laufzeit_;
    int schreibposition_ = 0;
};

}  // namespace plv7::direkt
