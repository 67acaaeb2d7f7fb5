// The start and the point records of the program's own files.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Dateiformat.h"

namespace plv7 {
namespace {

constexpr int kKurz = -1;
constexpr int kFremd = -2;
constexpr int kVersion = -3;
constexpr Dateiart kKennlinie{"plv7 Kennlinien Datei", 40, kKurz, kFremd, kVersion};

struct KopfFall {
    std::string text;  // the first 32 bytes as written, NULs included
    std::uint8_t version;
    int erwartet;
};

TEST(Dateiformat, OnlyTheTextWithItsNulAndVersionTwoPass) {
    using namespace std::string_literals;
    const std::vector<KopfFall> faelle{
        {"plv7 Kennlinien Datei"s, 2, 0},
        {"plv7 Kennlinien Datei\0xyz"s, 2, 0},  // behind the NUL nothing counts
        {"plv7 Kennlinien Datei"s, 3, kVersion},
        {"plv7 Kennlinien Dateien"s, 2, kFremd},
        {"plv7 Kennlinien"s, 2, kFremd},
        {"plv7 Kurvengenerator Datei"s, 2, kFremd},
        {std::string(32, 'x'), 2, kFremd},  // no NUL in the field
    };
    for (const KopfFall& f : faelle) {
        std::array<std::uint8_t, 40> kopf{};
        std::copy(f.text.begin(), f.text.end(), kopf.begin());
        kopf[32] = f.version;  // the version's low byte
        EXPECT_EQ(DateikopfPruefen(kopf, kKennlinie), f.erwartet) << f.text;
        // The header has to be there whole before anything in it counts.
        EXPECT_EQ(DateikopfPruefen(std::span(kopf).first(39), kKennlinie), kKurz) << f.text;
    }
}

TEST(Dateiformat, WrittenHeaderReadsBack) {
    std::array<std::uint8_t, 40> datei;
    datei.fill(0xEE);
    DateikopfSchreiben(datei, "plv7 Konfigurations Datei");
    EXPECT_EQ(DateikopfPruefen(datei, {"plv7 Konfigurations Datei", 36, kKurz, kFremd, kVersion}),
              0);
    EXPECT_EQ(datei[25], 0);
    EXPECT_EQ((std::array<std::uint8_t, 4>{datei[32], datei[33], datei[34], datei[35]}),
              (std::array<std::uint8_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(datei[36], 0xEE);
}

TEST(Dateiformat, APointRecordIsTwoIntegersAndACodeByte) {
    std::vector<std::uint8_t> datei(24, 0xEE);
    EXPECT_EQ(DateipunktSchreiben(datei, 12, {-2, 65535, 3}), 24u);  // the next record's offset
    EXPECT_EQ(datei, (std::vector<std::uint8_t>{0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,
                                                0xEE, 0xEE, 0xEE, 0xEE, 0xFE, 0xFF, 0xFF, 0xFF,
                                                0xFF, 0xFF, 0x00, 0x00, 0x03, 0xEE, 0xEE, 0xEE}));
    const Dateipunkt p = DateipunktLesen(datei, 12);
    EXPECT_EQ(p.wert, -2);
    EXPECT_EQ(p.laenge, 65535);
    EXPECT_EQ(p.code, 3);
}

}  // namespace
}  // namespace plv7
