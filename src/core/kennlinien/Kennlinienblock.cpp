#include "kennlinien/Kennlinienblock.h"

#include <algorithm>

#include "base/ByteOrder.h"
#include "konfig/KonfigUmrechnung.h"

namespace plv7::kennlinien {

using namespace kennlinien_block;

using be::getU16;
using be::putU16;

long KennlinienSlotAdresse(int kurvenNr) {
    return static_cast<long>(kurvenNr - 1) * static_cast<long>(kSlotGroesse);
}

KennlinienblockKopf KennlinienblockKopfLesen(std::span<const std::uint8_t> block) {
    return {getU16(block, 0), getU16(block, 2), getU16(block, 4), getU16(block, 6)};
}

std::uint16_t KennlinienblockPruefsumme(std::span<const std::uint8_t> block) {
    std::uint16_t summe = 1;
    for (std::size_t i = 2; i < block.size(); ++i)
        summe = static_cast<std::uint16_t>(summe + block[i]);
    return summe;
}

std::array<std::uint8_t, 36> LeererKennlinienblock() {
    std::array<std::uint8_t, 36> block{};
    putU16(block, 2, 1);
    putU16(block, 34, 205);
    putU16(block, 0, KennlinienblockPruefsumme(block));
    return block;
}

std::uint16_t Ausgang2Blockcode(double wert, const Konfiguration& konfig) {
    const double unten = AusgangCodeInEinheit(konfig, 1, 0.0);
    const double oben = AusgangCodeInEinheit(konfig, 1, kennlinie::kRohMax);
    if (!(wert >= unten)) wert = unten;
    if (wert > oben) wert = oben;
    // An unusable scaling of output 2 could still convert outside the code range.
    const double code = std::clamp(AusgangEinheitInCode(konfig, 1, wert) + 0.5, 0.0,
                                   static_cast<double>(kennlinie::kRohMax));
    return static_cast<std::uint16_t>(code);
}

std::uint16_t ZeitkonstanteBlockMs(double sekunden) {
    if (!(sekunden >= 0.0)) sekunden = 0.0;
    sekunden = std::min(sekunden, 65.535);
    return static_cast<std::uint16_t>(1000.0 * sekunden + 0.5);
}

int KennlinienblockErzeugen(const Kennlinie& kennlinie, std::uint16_t ausgang2Code,
                            std::uint16_t zeitkonstanteMs, std::vector<std::uint8_t>& block) {
    std::vector<std::uint8_t> neu(kKopf + 4 * kennlinie.punkte.size(), 0);
    std::int64_t x = 0;
    for (std::size_t i = 0; i < kennlinie.punkte.size(); ++i) {
        const std::size_t offset = kKopf + 4 * i;
        if (offset + 4 > kSchreibGrenze) return kFehlerZuVielePunkte;
        if (x < 0 || x > 65535) return kFehlerXUngueltig;
        const std::int32_t y = kennlinie.punkte[i].y;
        if (y < 0 || y > 65535) return kFehlerYUngueltig;
        putU16(neu, offset, static_cast<std::uint32_t>(x));
        putU16(neu, offset + 2, static_cast<std::uint32_t>(y));
        x += kennlinie.punkte[i].laenge;
    }
    if (kennlinie.punkte.size() > 65535) return kFehlerAnzahl;
    putU16(neu, 2, static_cast<std::uint32_t>(kennlinie.punkte.size()));
    putU16(neu, 4, ausgang2Code);
    putU16(neu, 6, zeitkonstanteMs);
    putU16(neu, 0, KennlinienblockPruefsumme(neu));
    block = std::move(neu);
    return 0;
}

int KennlinienblockDekodieren(std::span<const std::uint8_t> block,
                              std::vector<Kennlinienpunkt>& punkte) {
    if (block.size() < kKopf) return kFehlerBlockZuLang;
    const std::size_t anzahl = KennlinienblockKopfLesen(block).anzahl;
    if (4 * anzahl > kLeseMaxDaten || block.size() < kKopf + 4 * anzahl) return kFehlerBlockZuLang;
    if (anzahl == 0) return kFehlerErstesX;
    std::vector<Kennlinienpunkt> neu(anzahl);
    int vorigesX = 0;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const int x = getU16(block, kKopf + 4 * i);
        const int y = getU16(block, kKopf + 4 * i + 2);
        if (i == 0 && x != 0) return kFehlerErstesX;
        if (i > 0) {
            if (x <= vorigesX) return kFehlerXNichtSteigend;
            neu[i - 1].laenge = x - vorigesX;
        }
        neu[i].y = std::min(y, kennlinie::kRohMax);
        vorigesX = x;
    }
    punkte = std::move(neu);
    return 0;
}

}  // namespace plv7::kennlinien
