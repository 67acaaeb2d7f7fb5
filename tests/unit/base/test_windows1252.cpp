// The Windows-1252 codec and the text fields of the curve and characteristic files that use it:
// every byte survives a round trip, comments and units with bytes of the code page read as the
// characters a Windows PC shows, and comments written by earlier UTF-8 builds still read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Windows1252.h"
#include "kennlinien/KennlinienDatei.h"
#include "kurven/KurvenDatei.h"

namespace plv7 {
namespace {

using namespace kennlinien;

using Bytes = std::vector<std::uint8_t>;

std::string alleBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

void textEinsetzen(Bytes& datei, std::size_t offset, std::string_view text) {
    std::ranges::copy(text, datei.begin() + static_cast<std::ptrdiff_t>(offset));
}

TEST(Windows1252, EveryByteComesBackUnchanged) {
    const std::string bytes = alleBytes();
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(bytes)), bytes);
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        EXPECT_EQ(cp1252::encode(cp1252::decode(byte)), byte) << b;
    }
}

TEST(Windows1252, CharactersOfTheUpperHalf) {
    struct Fall {
        std::uint8_t byte;
        char32_t zeichen;
    };
    for (const Fall f : std::initializer_list<Fall>{{0x80, U'€'},
                                                    {0x84, U'„'},
                                                    {0x89, U'‰'},
                                                    {0x96, U'–'},
                                                    {0x9F, U'Ÿ'},
                                                    {0xB0, U'°'},
                                                    {0xB5, U'µ'},
                                                    {0xE4, U'ä'},
                                                    {0xFF, U'ÿ'},
                                                    // the five bytes the code page leaves undefined
                                                    {0x81, U'\u0081'},
                                                    {0x8D, U'\u008D'},
                                                    {0x8F, U'\u008F'},
                                                    {0x90, U'\u0090'},
                                                    {0x9D, U'\u009D'}}) {
        EXPECT_EQ(cp1252::decode(f.byte), f.zeichen) << int{f.byte};
        EXPECT_EQ(cp1252::encode(f.zeichen), f.byte) << int{f.byte};
    }
    EXPECT_EQ(cp1252::toUtf8("\x80 \xB0"
                             "C \xB5"
                             "A \xE4"),
              "€ °C µA ä");
}

TEST(Windows1252, RefusesWhatTheCodePageCannotHold) {
    for (const std::string_view text : {"→", "Ω", "\xC2\x80", "\xF0\x9F\x98\x80", "\xC3", "\x80",
                                        "\xC0\x80", "\xED\xA0\x80", "a\xE2\x82"}) {
        EXPECT_FALSE(cp1252::fromUtf8(text)) << text;
    }
    EXPECT_FALSE(cp1252::encode(U'\u0080'));
    EXPECT_EQ(cp1252::fromUtf8("Prüfung €"),
              "Pr\xFC"
              "fung \x80");
}

TEST(Windows1252, CommentsOfEarlierUtf8BuildsAreRecognised) {
    struct Fall {
        std::string_view bytes;
        std::string_view text;
    };
    for (const Fall f : std::initializer_list<Fall>{
             {"Pr\xFC"
              "fung",
              "Prüfung"},  // Windows-1252
             {"Pr\xC3\xBC"
              "fung",
              "Prüfung"},  // UTF-8 of an earlier build
             {"ASCII", "ASCII"},
             {"\xE2\x86\x92", "â†’"},     // UTF-8, but '→' has no byte: kept as bytes
             {"\xC3\xBC\xFC", "Ã¼ü"}}) {  // not valid UTF-8
        EXPECT_EQ(cp1252::commentToUtf8(f.bytes), f.text) << f.bytes;
    }
}

TEST(Windows1252, FieldsTakeAsManyCharactersAsBytes) {
    std::vector<std::uint8_t> feld(1000, 0xEE);
    std::string umlaute;
    for (int i = 0; i < 1200; ++i) umlaute += "ä";
    cp1252::writeTextField(umlaute, feld);
    EXPECT_EQ(std::ranges::count(feld, std::uint8_t{0xE4}), 999);
    EXPECT_EQ(feld.back(), 0);
    EXPECT_EQ(cp1252::readCommentField(feld), cp1252::fitToBytes(umlaute, 999));
    EXPECT_EQ(cp1252::fitToBytes(umlaute, 999).size(), 2u * 999);

    cp1252::writeTextField("a→b", std::span(feld).first(3));
    EXPECT_EQ(feld[0], 'a');
    EXPECT_EQ(feld[1], 'b');
    EXPECT_EQ(feld[2], 0);
}

// A .plr and a .ple as a Windows PC writes them: comments and units in the code page.
constexpr std::string_view kKommentar1252 =
    "20 \xB0"
    "C, 5 \xB5"
    "A, Pr\xFC"
    "fung: 3 \x80\x81";
constexpr std::string_view kKommentarText = "20 °C, 5 µA, Prüfung: 3 €\u0081";

TEST(Windows1252, CurveFileTextsReadAndWriteBackByteForByte) {
    using namespace kurven;
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    Bytes datei = KurvenDateiErzeugen(Kurvenmodell{}, konfig);
    textEinsetzen(datei, kurven_datei::kKommentare + kurven_datei::kKommentarBreite * 2,
                  kKommentar1252);
    textEinsetzen(datei, kurven_datei::kKonfig + konfig_bild::kOuteinheit,
                  "\xB0"
                  "C");
    textEinsetzen(datei, kurven_datei::kKonfig + konfig_bild::kIneinheit + 9,
                  "\xB5"
                  "A\xE4\x80");

    KurvenDateiInhalt inhalt;
    ASSERT_EQ(KurvenDateiLesen(datei, inhalt), 0);
    EXPECT_EQ(inhalt.kommentare[2], kKommentarText);
    EXPECT_EQ(EinheitAlsUtf8(inhalt.konfig.outeinheit[0]), "°C");
    EXPECT_EQ(EinheitAlsUtf8(inhalt.konfig.ineinheit[1]), "µAä€");

    Kurvenmodell m;
    KurvenDateiUebernehmen(m, inhalt);
    EXPECT_EQ(KurvenDateiErzeugen(m, inhalt.konfig), datei);
}

TEST(Windows1252, CharacteristicFileTextsReadAndWriteBackByteForByte) {
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    Bytes datei = KennlinienDateiBild(KennlinieStandard(), konfig, 0.0, 0.0);
    textEinsetzen(datei, kennlinien_datei::kKommentarOffset, kKommentar1252);
    textEinsetzen(datei, kennlinien_datei::kKonfigOffset + konfig_bild::kIneinheit + 9,
                  "\xB0"
                  "C");
    textEinsetzen(datei, kennlinien_datei::kKonfigOffset + konfig_bild::kOuteinheit, "\x80/\xB5l");

    KennlinienDateiInhalt inhalt;
    ASSERT_EQ(KennlinienDateiBildLesen(datei, inhalt), 0);
    EXPECT_EQ(inhalt.kennlinie.kommentar, kKommentarText);
    EXPECT_EQ(EinheitAlsUtf8(inhalt.konfig.ineinheit[1]), "°C");
    EXPECT_EQ(EinheitAlsUtf8(inhalt.konfig.outeinheit[0]), "€/µl");
    EXPECT_EQ(KennlinienDateiBild(inhalt.kennlinie, inhalt.konfig, inhalt.ausgang2Roh,
                                  inhalt.zeitkonstante),
              datei);

    // An earlier build's UTF-8 comment reads as its characters and is written in the code page.
    textEinsetzen(datei, kennlinien_datei::kKommentarOffset,
                  "Pr\xC3\xBC"
                  "fung");
    datei[kennlinien_datei::kKommentarOffset + 8] = 0;
    ASSERT_EQ(KennlinienDateiBildLesen(datei, inhalt), 0);
    EXPECT_EQ(inhalt.kennlinie.kommentar, "Prüfung");
    const Bytes neu = KennlinienDateiBild(inhalt.kennlinie, inhalt.konfig, inhalt.ausgang2Roh,
                                          inhalt.zeitkonstante);
    EXPECT_EQ(std::string(neu.begin() + kennlinien_datei::kKommentarOffset,
                          neu.begin() + kennlinien_datei::kKommentarOffset + 8),
              std::string("Pr\xFC"
                          "fung\0",
                          8));
}

}  // namespace
}  // namespace plv7
