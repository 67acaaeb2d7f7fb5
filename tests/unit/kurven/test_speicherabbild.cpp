#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "KurvenZufall.h"
#include "kurven/Speicherabbild.h"

namespace plv7::kurven {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes abbildVon(const Kurvenmodell& m) {
    Bytes bild;
    EXPECT_EQ(SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild), 0);
    return bild;
}

unsigned u16(const Bytes& b, std::size_t i) {
    return unsigned{b[i]} << 8 | b[i + 1];
}

void pruefsummeNeu(Bytes& bild) {
    const auto summe = AbbildPruefsumme(bild);
    bild[0] = static_cast<std::uint8_t>(summe >> 8);
    bild[1] = static_cast<std::uint8_t>(summe);
}

TEST(Speicherabbild, FreshCurvesGiveFiftyTwoBytes) {
    const Bytes bild = abbildVon(Kurvenmodell{});
    ASSERT_EQ(bild.size(), 52u);
    EXPECT_EQ(u16(bild, 2), 36u);
    EXPECT_EQ(u16(bild, 4), 41u);
    EXPECT_EQ(u16(bild, 6), 46u);
    EXPECT_EQ(u16(bild, 8), 51u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(u16(bild, 10 + 2 * k), 1u);  // cycles
        EXPECT_EQ(u16(bild, 18 + 2 * k), 0u);  // rest values
        EXPECT_EQ(Bytes(bild.begin() + 32 + 5 * static_cast<long>(k),
                        bild.begin() + 37 + 5 * static_cast<long>(k)),
                  (Bytes{0, 0, 0, 0, 0x21}));
    }
    // 1 + the sum of bytes 2..51: indices 36+41+46+51, four cycles of 1, four 0x21 codes.
    EXPECT_EQ(u16(bild, 0), (1u + 36 + 41 + 46 + 51 + 4 + 4 * 0x21) & 0xFFFF);
}

TEST(Speicherabbild, RunOfTenThenASingleRecord) {
    Kurvenmodell m;
    auto& p = m.kurven[0].punkte;
    p.clear();
    for (int i = 0; i < 10; ++i) p.push_back({i * 100, 1, 1});
    p.push_back({4095, 5, 1});
    const Bytes bild = abbildVon(m);
    EXPECT_EQ(u16(bild, 2), 32u + 5 + 18 + 5 - 1);
    EXPECT_EQ(Bytes(bild.begin() + 32, bild.begin() + 37), (Bytes{0, 0, 0, 9, 0x21}));
    for (std::size_t i = 1; i < 10; ++i) EXPECT_EQ(u16(bild, 37 + 2 * (i - 1)), i * 100);
    EXPECT_EQ(Bytes(bild.begin() + 55, bild.begin() + 60), (Bytes{0x0F, 0xFF, 0, 5, 0x01}));
}

TEST(Speicherabbild, AdjacentTimeBasesGiveTwoRuns) {
    Kurvenmodell m;
    m.kurven[0].punkte = {{1, 1, 1}, {2, 1, 2}};
    const Bytes bild = abbildVon(m);
    EXPECT_EQ(Bytes(bild.begin() + 32, bild.begin() + 42),
              (Bytes{0, 1, 0, 0, 0x21, 0, 2, 0, 0, 0x22}));
}

TEST(Speicherabbild, ARunNeverSpansTwoCurves) {
    Kurvenmodell m;
    m.kurven[0].punkte = {{1, 1, 1}, {2, 1, 1}};
    const Bytes bild = abbildVon(m);
    EXPECT_EQ(u16(bild, 32 + 2), 1u);  // curve 1's run: one follower
    EXPECT_EQ(u16(bild, 2), 38u);
    EXPECT_EQ(bild[39 + 4], 0x21);  // curve 2 opens its own run
}

TEST(Speicherabbild, SpaceEndsAtByte32766) {
    Kurvenmodell m;
    // 32 + 3 x 5 + curve 1: exactly up to byte index 32766 with single records and one run.
    const long frei = 32767 - 32 - 15;
    auto& p = m.kurven[0].punkte;
    p.assign(static_cast<std::size_t>(frei / 5), {0, 2, 1});
    ASSERT_EQ(frei % 5, 0);
    Bytes bild;
    ASSERT_EQ(SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild), 0);
    EXPECT_EQ(bild.size(), 32767u);
    EXPECT_EQ(u16(bild, 8), 32766u);

    p.push_back({0, 2, 1});
    EXPECT_EQ(SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild), abbild::kPlatzReichtNicht);
    EXPECT_TRUE(bild.empty());
}

TEST(Speicherabbild, DataTheImageCannotCarryIsRefused) {
    for (const Kurvenpunkt p :
         {Kurvenpunkt{4096, 1, 1}, Kurvenpunkt{-1, 1, 1}, Kurvenpunkt{0, 0, 1},
          Kurvenpunkt{0, 65536, 1}, Kurvenpunkt{0, 1, 7}, Kurvenpunkt{0, 1, 0}}) {
        Kurvenmodell m;
        m.kurven[3].punkte = {p};
        Bytes bild;
        EXPECT_EQ(SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild),
                  abbild::kFehlerDatenUngueltig)
            << p.wert << " " << p.laenge << " " << int{p.zeitbasis};
    }
    Kurvenmodell m;
    m.einstellungen[0].ruhewert = 4096;
    Bytes bild;
    EXPECT_EQ(SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild),
              abbild::kFehlerDatenUngueltig);
}

TEST(Speicherabbild, DecodingFailuresLeaveTheTargetAlone) {
    const Bytes gut = abbildVon(Kurvenmodell{});
    struct Fall {
        const char* was;
        std::function<void(Bytes&)> verderben;
        int code;
    };
    const std::vector<Fall> faelle = {
        {"checksum off by one", [](Bytes& b) { ++b[1]; }, abbild::kFehlerPruefsumme},
        {"code 7",
         [](Bytes& b) {
             b[36] = 0x27;
             pruefsummeNeu(b);
         },
         abbild::kFehlerZeitbasis},
        {"bits 5-7 are 010",
         [](Bytes& b) {
             b[36] = 0x41;
             pruefsummeNeu(b);
         },
         abbild::kFehlerSatzart},
        {"curve 2 ends before it starts",
         [](Bytes& b) {
             b[5] = 30;
             pruefsummeNeu(b);
         },
         abbild::kFehlerStartUngueltig},
        {"a run announces a value that is not there",
         [](Bytes& b) {
             b[35] = 1;
             pruefsummeNeu(b);
         },
         abbild::kFehlerFolgewertFehlt},
        {"a record cut short",
         [](Bytes& b) {
             b[3] = 35;
             pruefsummeNeu(b);
         },
         abbild::kFehlerSatzUnvollstaendig},
        {"the end lies beyond the bytes", [](Bytes& b) { b[9] = 60; },
         abbild::kFehlerEndeUngueltig},
        {"a header cut short", [](Bytes& b) { b.resize(20); }, abbild::kFehlerEndeUngueltig},
        // A box whose mode says curves but whose memory holds none.
        {"an all-zero image", [](Bytes& b) { std::ranges::fill(b, std::uint8_t{0}); },
         abbild::kFehlerStartUngueltig},
        {"the last byte on the header's last byte",
         [](Bytes& b) {
             b.resize(abbild::kKopf);
             b[8] = 0;
             b[9] = 31;
         },
         abbild::kFehlerStartUngueltig},
    };
    for (const auto& f : faelle) {
        Bytes bild = gut;
        f.verderben(bild);
        Kurvendaten ziel;
        ziel.zyklen = {7, 7, 7, 7};
        const Kurvendaten vorher = ziel;
        EXPECT_EQ(SpeicherabbildDekodieren(bild, ziel), f.code) << f.was;
        EXPECT_EQ(ziel, vorher) << f.was;
    }
}

TEST(Speicherabbild, RandomCurvesComeBackAsTheyWere) {
    std::mt19937 zufall(20261208);
    for (int runde = 0; runde < 300; ++runde) {
        const Kurvenmodell m = test::zufallsKurven(zufall);
        const Bytes bild = abbildVon(m);
        EXPECT_EQ(static_cast<long>(bild.size()), m.Speicherbedarf());
        Kurvendaten daten;
        ASSERT_EQ(SpeicherabbildDekodieren(bild, daten), 0);
        for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
            ASSERT_EQ(daten.punkte[k], m.kurven[k].punkte) << "round " << runde << " curve " << k;
            EXPECT_EQ(daten.zyklen[k], m.einstellungen[k].zyklen);
            EXPECT_EQ(daten.ruhewerte[k], m.einstellungen[k].ruhewert);
        }
    }
}

}  // namespace
}  // namespace plv7::kurven
