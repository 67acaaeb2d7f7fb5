#include "direkt/Grafikpuffer.h"

#include <algorithm>

namespace plv7::direkt {

namespace {
template <std::size_t N>
void kopiereText(std::array<char, N>& ziel, std::string_view text) {
    const std::size_t laenge = std::min(text.size(), N - 1);
    std::copy_n(text.data(), laenge, ziel.data());
    ziel[laenge] = '\0';
}
}  // namespace

Grafikpuffer::Grafikpuffer()
    : datum_(kGrafikZeilen), uhrzeit_(kGrafikZeilen), laufzeit_(kGrafikZeilen, 0.0) {
    for (auto& spalte : eingang_) spalte.assign(kGrafikZeilen, 0.0);
    for (auto& spalte : ausgang_) spalte.assign(kGrafikZeilen, 0.0);
    for (auto& text : datum_) text[0] = '\0';
    for (auto& text : uhrzeit_) text[0] = '\0';
}

int Grafikpuffer::schreibe(const Grafikwert& wert) {
    const int z = schreibposition_;
    for (std::size_t k = 0; k < 4; ++k) {
        eingang_[k][z] = wert.eingangProzent[k];
        ausgang_[k][z] = wert.ausgangProzent[k];
    }
    kopiereText(datum_[z], wert.datum);
    kopiereText(uhrzeit_[z], wert.uhrzeit);
    laufzeit_[z] = wert.laufzeit;
    schreibposition_ = zeile(z, 1);
    return z;
}

void Grafikpuffer::eingaengeLoeschen() {
    for (auto& spalte : eingang_) std::fill(spalte.begin(), spalte.end(), 0.0);
}

int Grafikpuffer::zeile(int zeile, int schritte) {
    const int z = (zeile + schritte) % kGrafikZeilen;
    return z < 0 ? z + kGrafikZeilen : z;
}

}  // namespace plv7::direkt
