#include "konfig/Konfiguration.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/ByteOrder.h"
#include "base/Windows1252.h"

namespace {

constexpr void setzeStandardwerte(Konfiguration& konfig) {
    for (std::size_t k = 0; k < 4; ++k) {
        konfig.outmin[k] = 0.0;
        konfig.outmax[k] = 10.0;
        konfig.outskalamin[k] = 0.0;
        konfig.outskalamax[k] = 10.0;
        konfig.outeinheit[k][0] = 'V';
        konfig.outeinheit[k][1] = '\0';
        konfig.inmin[k] = 0.0;
        konfig.inmax[k] = 10.0;
        konfig.inskalamin[k] = 0.0;
        konfig.inskalamax[k] = 10.0;
        konfig.ineinheit[k][0] = 'V';
        konfig.ineinheit[k][1] = '\0';
    }
    konfig.voutmax = 10.0;
    konfig.vinmax = 10.0;
}

constexpr Konfiguration mitStandardwerten() {
    Konfiguration konfig;
    setzeStandardwerte(konfig);
    return konfig;
}

std::function<void()>& konfigAnzeige() {
    static std::function<void()> anzeigen;
    return anzeigen;
}

using Bild = std::span<std::uint8_t, plv7::konfig_bild::kGroesse>;
using ConstBild = std::span<const std::uint8_t, plv7::konfig_bild::kGroesse>;

void putDoubles(Bild bild, std::size_t offset, const std::array<double, 4>& werte) {
    for (std::size_t k = 0; k < 4; ++k) plv7::le::putDouble(bild, offset + 8 * k, werte[k]);
}

void getDoubles(ConstBild bild, std::size_t offset, std::array<double, 4>& werte) {
    for (std::size_t k = 0; k < 4; ++k) werte[k] = plv7::le::getDouble(bild, offset + 8 * k);
}

void putEinheiten(Bild bild, std::size_t offset,
                  const std::array<Konfiguration::Einheit, 4>& einheiten) {
    for (std::size_t k = 0; k < 4; ++k) {
        std::ranges::copy(einheiten[k],
                          bild.begin() + static_cast<std::ptrdiff_t>(
                                             offset + plv7::konfig_bild::kEinheitBreite * k));
    }
}

void getEinheiten(ConstBild bild, std::size_t offset,
                  std::array<Konfiguration::Einheit, 4>& einheiten) {
    for (std::size_t k = 0; k < 4; ++k) {
        const auto anfang = offset + plv7::konfig_bild::kEinheitBreite * k;
        for (std::size_t i = 0; i < plv7::konfig_bild::kEinheitBreite; ++i) {
            einheiten[k][i] = static_cast<char>(bild[anfang + i]);
        }
        // A field without a NUL would let every reader of the text run past it.
        einheiten[k].back() = '\0';
    }
}

}  // namespace

constinit Konfiguration gKonfig = mitStandardwerten();

void KonfigurationStandardwerte(Konfiguration& konfig) {
    setzeStandardwerte(konfig);
}

void KonfigurationStandardwerte() {
    setzeStandardwerte(gKonfig);
}

int KonfigurationenVergleichen(Konfiguration a, Konfiguration b) {
    using plv7::EinheitText;
    for (std::size_t k = 0; k < 4; ++k) {
        if (a.outmin[k] != b.outmin[k]) return 0;
        if (a.outmax[k] != b.outmax[k]) return 0;
        if (a.outskalamin[k] != b.outskalamin[k]) return 0;
        if (a.outskalamax[k] != b.outskalamax[k]) return 0;
        if (EinheitText(a.outeinheit[k]) != EinheitText(b.outeinheit[k])) return 0;
        if (a.inmin[k] != b.inmin[k]) return 0;
        if (a.inmax[k] != b.inmax[k]) return 0;
        if (a.inskalamin[k] != b.inskalamin[k]) return 0;
        if (a.inskalamax[k] != b.inskalamax[k]) return 0;
        if (EinheitText(a.ineinheit[k]) != EinheitText(b.ineinheit[k])) return 0;
    }
    if (a.voutmax != b.voutmax) return 0;
    if (a.vinmax != b.vinmax) return 0;
    return 1;
}

void KonfigurationSetzen(Konfiguration k) {
    gKonfig = k;
    if (konfigAnzeige()) konfigAnzeige()();
}

namespace plv7 {

void setKonfigAnzeige(std::function<void()> anzeigen) {
    konfigAnzeige() = std::move(anzeigen);
}

std::string_view EinheitText(const Konfiguration::Einheit& einheit) {
    const auto* ende = std::find(einheit.begin(), einheit.end() - 1, '\0');
    return {einheit.data(), static_cast<std::size_t>(ende - einheit.begin())};
}

void EinheitSetzen(Konfiguration::Einheit& einheit, std::string_view text) {
    text = text.substr(0, std::min(text.size(), einheit.size() - 1));
    text = text.substr(0, std::min(text.size(), text.find('\0')));
    std::ranges::copy(text, einheit.begin());
    einheit[text.size()] = '\0';
}

std::string EinheitAlsUtf8(const Konfiguration::Einheit& einheit) {
    return cp1252::toUtf8(EinheitText(einheit));
}

void EinheitAusUtf8(Konfiguration::Einheit& einheit, std::string_view utf8) {
    std::array<std::uint8_t, std::tuple_size_v<Konfiguration::Einheit>> feld{};
    cp1252::writeTextField(utf8, feld);
    EinheitSetzen(einheit, std::string(feld.begin(), std::ranges::find(feld, std::uint8_t{0})));
}

bool EinheitZeichenTauglich(char32_t zeichen) {
    return zeichen >= 0x20 && zeichen != 0x7F && cp1252::encode(zeichen);
}

void KonfigurationInBild(const Konfiguration& konfig, Bild bild) {
    using namespace konfig_bild;
    std::ranges::fill(bild, std::uint8_t{0});
    le::putDouble(bild, kVoutmax, konfig.voutmax);
    putDoubles(bild, kOutmin, konfig.outmin);
    putDoubles(bild, kOutmax, konfig.outmax);
    putDoubles(bild, kOutskalamin, konfig.outskalamin);
    putDoubles(bild, kOutskalamax, konfig.outskalamax);
    putEinheiten(bild, kOuteinheit, konfig.outeinheit);
    le::putDouble(bild, kVinmax, konfig.vinmax);
    putDoubles(bild, kInmin, konfig.inmin);
    putDoubles(bild, kInmax, konfig.inmax);
    putDoubles(bild, kInskalamin, konfig.inskalamin);
    putDoubles(bild, kInskalamax, konfig.inskalamax);
    putEinheiten(bild, kIneinheit, konfig.ineinheit);
}

KonfigBild KonfigurationInBild(const Konfiguration& konfig) {
    KonfigBild bild{};
    KonfigurationInBild(konfig, bild);
    return bild;
}

Konfiguration KonfigurationAusBild(ConstBild bild) {
    using namespace konfig_bild;
    Konfiguration konfig;
    konfig.voutmax = le::getDouble(bild, kVoutmax);
    getDoubles(bild, kOutmin, konfig.outmin);
    getDoubles(bild, kOutmax, konfig.outmax);
    getDoubles(bild, kOutskalamin, konfig.outskalamin);
    getDoubles(bild, kOutskalamax, konfig.outskalamax);
    getEinheiten(bild, kOuteinheit, konfig.outeinheit);
    konfig.vinmax = le::getDouble(bild, kVinmax);
    getDoubles(bild, kInmin, konfig.inmin);
    getDoubles(bild, kInmax, konfig.inmax);
    getDoubles(bild, kInskalamin, konfig.inskalamin);
    getDoubles(bild, kInskalamax, konfig.inskalamax);
    getEinheiten(bild, kIneinheit, konfig.ineinheit);
    return konfig;
}

}  // namespace plv7
