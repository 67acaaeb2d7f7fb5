// The characteristic block of the box: exact bytes, the writer's and reader's limits, decoding
// refusals and round trips.
#include <gtest/gtest.h>

#include <random>

#include "kennlinien/Kennlinienblock.h"
#include "konfig/KonfigUmrechnung.h"

using namespace plv7;
using namespace plv7::kennlinien;
namespace kb = plv7::kennlinien::kennlinien_block;

namespace {

Kennlinie mitPunkten(int anzahl) {
    Kennlinie k;
    k.punkte.assign(static_cast<std::size_t>(anzahl), Kennlinienpunkt{100, 1, 0});
    k.punkte.back().laenge = 0;
    return k;
}

std::vector<std::uint8_t> blockAus(std::vector<std::pair<int, int>> punkte, int anzahl = -1) {
    std::vector<std::uint8_t> b(32 + 4 * punkte.size(), 0);
    const int n = anzahl < 0 ? static_cast<int>(punkte.size()) : anzahl;
    b[2] = static_cast<std::uint8_t>(n >> 8);
    b[3] = static_cast<std::uint8_t>(n);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        b[32 + 4 * i] = static_cast<std::uint8_t>(punkte[i].first >> 8);
        b[33 + 4 * i] = static_cast<std::uint8_t>(punkte[i].first);
        b[34 + 4 * i] = static_cast<std::uint8_t>(punkte[i].second >> 8);
        b[35 + 4 * i] = static_cast<std::uint8_t>(punkte[i].second);
    }
    return b;
}

}  // namespace

TEST(Kennlinienblock, EmptyAndDefaultBlocksByteForByte) {
    const auto leer = LeererKennlinienblock();
    std::array<std::uint8_t, 36> erwartet{};
    erwartet[1] = 0xCF;
    erwartet[3] = 1;
    erwartet[35] = 0xCD;
    EXPECT_EQ(leer, erwartet);

    std::vector<std::uint8_t> block;
    ASSERT_EQ(KennlinienblockErzeugen(KennlinieStandard(), 0x0123, 1500, block), 0);
    std::vector<std::uint8_t> standard(36, 0);
    standard[3] = 1;
    standard[4] = 0x01;
    standard[5] = 0x23;
    standard[6] = 0x05;
    standard[7] = 0xDC;
    standard[34] = 0x0F;
    standard[35] = 0xFF;
    const unsigned summe = 1 + 1 + 0x01 + 0x23 + 0x05 + 0xDC + 0x0F + 0xFF;
    standard[0] = static_cast<std::uint8_t>(summe >> 8);
    standard[1] = static_cast<std::uint8_t>(summe);
    EXPECT_EQ(block, standard);
}

TEST(Kennlinienblock, WriterTakes807PointsAndRefuses808) {
    std::vector<std::uint8_t> block;
    ASSERT_EQ(KennlinienblockErzeugen(mitPunkten(807), 0, 0, block), 0);
    EXPECT_EQ(block.size(), 3260u);
    block.clear();
    EXPECT_EQ(KennlinienblockErzeugen(mitPunkten(808), 0, 0, block), kb::kFehlerZuVielePunkte);
    EXPECT_TRUE(block.empty());

    Kennlinie weit = mitPunkten(2);
    weit.punkte[0].laenge = 65536;
    EXPECT_EQ(KennlinienblockErzeugen(weit, 0, 0, block), kb::kFehlerXUngueltig);
    Kennlinie hoch = mitPunkten(2);
    hoch.punkte[1].y = 65536;
    EXPECT_EQ(KennlinienblockErzeugen(hoch, 0, 0, block), kb::kFehlerYUngueltig);
}

TEST(Kennlinienblock, FieldValuesAreLimitedAndRounded) {
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    konfig.outskalamax[1] = 100.0;                     // output 2: 0..10 V onto 0..100
    EXPECT_EQ(Ausgang2Blockcode(50.0, konfig), 2048);  // 2047.5 rounds up
    EXPECT_EQ(Ausgang2Blockcode(-5.0, konfig), 0);
    EXPECT_EQ(Ausgang2Blockcode(1e9, konfig), 4095);
    EXPECT_EQ(ZeitkonstanteBlockMs(1.2345), 1235);
    EXPECT_EQ(ZeitkonstanteBlockMs(-1.0), 0);
    EXPECT_EQ(ZeitkonstanteBlockMs(100.0), 65535);
    EXPECT_EQ(ZeitkonstanteBlockMs(std::nan("")), 0);
}

TEST(Kennlinienblock, DecodingRefusals) {
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> block;
        int code;
    };
    const Fall faelle[] = {
        {"809 points", blockAus(std::vector<std::pair<int, int>>(809, {0, 0})),
         kb::kFehlerBlockZuLang},
        {"fewer bytes than announced", blockAus({{0, 0}}, 2), kb::kFehlerBlockZuLang},
        {"no point", blockAus({}), kb::kFehlerErstesX},
        {"first X not 0", blockAus({{1, 0}}), kb::kFehlerErstesX},
        {"equal X", blockAus({{0, 0}, {5, 1}, {5, 2}}), kb::kFehlerXNichtSteigend},
        {"falling X", blockAus({{0, 0}, {5, 1}, {4, 2}}), kb::kFehlerXNichtSteigend},
    };
    for (const Fall& fall : faelle) {
        std::vector<Kennlinienpunkt> punkte = {{7, 0, 0}};
        EXPECT_EQ(KennlinienblockDekodieren(fall.block, punkte), fall.code) << fall.name;
        EXPECT_EQ(punkte.size(), 1u) << fall.name;
    }
}

TEST(Kennlinienblock, AFullSlotOf808PointsDecodesWithOutputsLimited) {
    std::vector<std::pair<int, int>> punkte;
    for (int i = 0; i < 808; ++i) punkte.emplace_back(i * 5, i == 1 ? 65535 : i);
    const auto block = blockAus(punkte);
    ASSERT_EQ(block.size(), 3264u);
    std::vector<Kennlinienpunkt> decodiert;
    ASSERT_EQ(KennlinienblockDekodieren(block, decodiert), 0);
    ASSERT_EQ(decodiert.size(), 808u);
    EXPECT_EQ(decodiert[1].y, 4095);
    EXPECT_EQ(decodiert[0].laenge, 5);
    EXPECT_EQ(decodiert.back().laenge, 0);
}

TEST(Kennlinienblock, RandomCharacteristicsRoundTripThroughTheBlock) {
    std::mt19937 zufall(5);
    for (int runde = 0; runde < 200; ++runde) {
        Kennlinie k;
        k.punkte.clear();
        const int anzahl = std::uniform_int_distribution(1, 807)(zufall);
        for (int i = 0; i < anzahl; ++i)
            k.punkte.push_back({std::uniform_int_distribution(0, 4095)(zufall),
                                std::uniform_int_distribution(1, 5)(zufall), 0});
        k.punkte.back().laenge = runde % 2;  // 0 or 1 gives the same block
        std::vector<std::uint8_t> block;
        ASSERT_EQ(KennlinienblockErzeugen(k, 4095, 65535, block), 0);
        EXPECT_EQ(KennlinienblockPruefsumme(block), KennlinienblockKopfLesen(block).pruefsumme);
        std::vector<Kennlinienpunkt> zurueck;
        ASSERT_EQ(KennlinienblockDekodieren(block, zurueck), 0);
        k.punkte.back().laenge = 0;
        EXPECT_EQ(zurueck, k.punkte);
    }
}

TEST(Kennlinienblock, SlotAddresses) {
    EXPECT_EQ(KennlinienSlotAdresse(1), 0);
    EXPECT_EQ(KennlinienSlotAdresse(7), 19584);
    EXPECT_EQ(KennlinienSlotAdresse(10), 29376);
}
