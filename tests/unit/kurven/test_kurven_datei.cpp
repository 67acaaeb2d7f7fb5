#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "KurvenZufall.h"
#include "base/ByteOrder.h"
#include "kurven/KurvenDatei.h"

namespace plv7::kurven {
namespace {

using namespace kurven_datei;
using Bytes = std::vector<std::uint8_t>;

Konfiguration eigeneKonfig() {
    Konfiguration k;
    KonfigurationStandardwerte(k);
    k.outmax[2] = 5.0;
    EinheitSetzen(k.outeinheit[2], "bar");
    return k;
}

Kurvenmodell dreiKurven() {
    Kurvenmodell m;
    m.kurven[0].punkte = {{0, 3, 2}, {4095, 1, 2}};
    m.kurven[1].punkte = {{10, 1, 1}, {20, 7, 3}, {30, 1, 3}};
    m.kurven[2].punkte = {{1, 2, 1}, {2, 2, 1}, {3, 1, 1}};
    m.kurven[3].punkte = {{5, 1, 6}};
    m.kurven[1].kommentar = "Zeile 1\nZeile 2";
    m.einstellungen[2] = {0, 4095, 0, 4095, 0.0};
    return m;
}

TEST(KurvenDatei, LayoutOfHeaderAndPoints) {
    const Kurvenmodell m = dreiKurven();
    const Bytes d = KurvenDateiErzeugen(m, eigeneKonfig());
    ASSERT_EQ(d.size(), 4472u + 9 * 12);
    EXPECT_EQ(std::string(d.begin(), d.begin() + 27),
              std::string("plv7 Kurvengenerator Datei\0", 27));
    EXPECT_EQ(le::getI32(d, 32), 2);
    EXPECT_EQ(std::string(d.begin() + 1036, d.begin() + 1051), std::string("Zeile 1\nZeile 2"));
    EXPECT_EQ(d[1051], 0);
    EXPECT_EQ(le::getI32(d, 4036 + 8), 0);     // cycles of curve 3
    EXPECT_EQ(le::getI32(d, 4052 + 8), 4095);  // rest value of curve 3
    const auto bild = KonfigurationInBild(eigeneKonfig());
    EXPECT_TRUE(std::equal(bild.begin(), bild.end(), d.begin() + 4072));
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(le::getI32(d, 4424 + 12 * k), static_cast<int>(m.kurven[k].punkte.size()));
        EXPECT_EQ(le::getI32(d, 4432 + 12 * k), 0);
    }
    // Curve 2's second point: value, length, time base, three zero bytes.
    const std::size_t p = 4472 + 3 * 12;
    EXPECT_EQ(le::getI32(d, p), 20);
    EXPECT_EQ(le::getI32(d, p + 4), 7);
    EXPECT_EQ(Bytes(d.begin() + p + 8, d.begin() + p + 12), (Bytes{3, 0, 0, 0}));
}

TEST(KurvenDatei, RandomCurvesComeBackAsTheyWere) {
    std::mt19937 zufall(4472);
    for (int runde = 0; runde < 100; ++runde) {
        const Kurvenmodell m = test::zufallsKurven(zufall);
        KurvenDateiInhalt inhalt;
        ASSERT_EQ(KurvenDateiLesen(KurvenDateiErzeugen(m, eigeneKonfig()), inhalt), 0);
        Kurvenmodell zurueck;
        KurvenDateiUebernehmen(zurueck, inhalt);
        EXPECT_EQ(zurueck.kurven, m.kurven);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(zurueck.einstellungen[k].zyklen, m.einstellungen[k].zyklen);
            EXPECT_EQ(zurueck.einstellungen[k].ruhewert, m.einstellungen[k].ruhewert);
        }
        EXPECT_EQ(KonfigurationenVergleichen(inhalt.konfig, eigeneKonfig()), 1);
        EXPECT_EQ(inhalt.unvollstaendig, (std::array<bool, 4>{}));
    }
}

TEST(KurvenDatei, FileCutInsideCurveThreeLoadsItAsOnePointAndSaysSo) {
    const Kurvenmodell m = dreiKurven();
    Bytes d = KurvenDateiErzeugen(m, eigeneKonfig());
    d.resize(4472 + (2 + 3 + 1) * 12 + 5);  // curves 1 and 2, one point and a bit of curve 3
    KurvenDateiInhalt inhalt;
    ASSERT_EQ(KurvenDateiLesen(d, inhalt), 0);
    EXPECT_EQ(inhalt.punkte[0], m.kurven[0].punkte);
    EXPECT_EQ(inhalt.punkte[1], m.kurven[1].punkte);
    EXPECT_EQ(inhalt.punkte[2], Einzelpunkt());
    EXPECT_EQ(inhalt.punkte[3], Einzelpunkt());  // its bytes do not follow
    EXPECT_EQ(inhalt.unvollstaendig, (std::array<bool, 4>{false, false, true, true}));
    EXPECT_EQ(inhalt.kommentare[1], m.kurven[1].kommentar);
    EXPECT_EQ(
        UnvollstaendigWarnungen(inhalt),
        (std::vector<std::string>{"Warnung: Kurve 3 unvollständig, als Einzelpunkt geladen.",
                                  "Warnung: Kurve 4 unvollständig, als Einzelpunkt geladen."}));
}

TEST(KurvenDatei, HeaderFailuresChangeNothing) {
    const Bytes gut = KurvenDateiErzeugen(dreiKurven(), eigeneKonfig());
    struct Fall {
        const char* was;
        std::function<void(Bytes&)> verderben;
        int code;
    };
    const std::vector<Fall> faelle = {
        {"version 1", [](Bytes& d) { le::putI32(d, 32, 1); }, kFehlerFalscheVersion},
        {"other identification", [](Bytes& d) { d[5] = 'k'; }, kFehlerKeineKurvendatei},
        {"identification without its end", [](Bytes& d) { d[26] = 'X'; }, kFehlerKeineKurvendatei},
        {"header cut short", [](Bytes& d) { d.resize(4471); }, kFehlerKopfKurz},
        {"negative point count", [](Bytes& d) { le::putI32(d, 4424 + 12, -1); },
         kFehlerPunktanzahl},
    };
    for (const auto& f : faelle) {
        Bytes d = gut;
        f.verderben(d);
        KurvenDateiInhalt inhalt;
        inhalt.zyklen = {9, 9, 9, 9};
        EXPECT_EQ(KurvenDateiLesen(d, inhalt), f.code) << f.was;
        EXPECT_EQ(inhalt.zyklen, (std::array<std::int32_t, 4>{9, 9, 9, 9})) << f.was;
    }
    // What follows the identification's NUL is not significant.
    Bytes d = gut;
    d[30] = 'Z';
    KurvenDateiInhalt inhalt;
    EXPECT_EQ(KurvenDateiLesen(d, inhalt), 0);
}

TEST(KurvenDatei, AppendContinuesTheCurveAndSkipsIncompleteOnes) {
    Kurvenmodell m = dreiKurven();
    const auto vorher = m.kurven;
    Bytes d = KurvenDateiErzeugen(dreiKurven(), eigeneKonfig());
    le::putI32(d, 4424 + 36, 0);  // curve 4 stored without points
    d.resize(d.size() - 12);
    KurvenDateiInhalt inhalt;
    ASSERT_EQ(KurvenDateiLesen(d, inhalt), 0);
    m.einstellungen[0].zyklen = 5;
    KurvenDateiAnhaengen(m, inhalt);
    ASSERT_EQ(m.kurven[0].punkte.size(), 4u);
    // The former closing segment now leads to the first appended point.
    EXPECT_EQ(PunktStartzeit(m.kurven[0].punkte, 2), Kurvendauer(vorher[0].punkte));
    EXPECT_EQ(m.kurven[0].punkte[2], vorher[0].punkte[0]);
    EXPECT_EQ(m.kurven[3].punkte, vorher[3].punkte);
    EXPECT_EQ(m.einstellungen[0].zyklen, 5);
    EXPECT_EQ(UnvollstaendigWarnungen(inhalt, true),
              (std::vector<std::string>{"Warnung: Kurve 4 unvollständig, nicht angehängt."}));
}

TEST(KurvenDatei, SaveReplacesTheFileAndLoadReadsIt) {
    const auto ordner = std::filesystem::temp_directory_path() / "plv7_kurven_datei_test";
    std::filesystem::create_directories(ordner);
    const auto pfad = ordner / "k.plr";
    ASSERT_EQ(KurvenDateiSpeichern(pfad, dreiKurven(), eigeneKonfig()), 0);
    KurvenDateiInhalt inhalt;
    ASSERT_EQ(KurvenDateiLaden(pfad, inhalt), 0);
    EXPECT_EQ(inhalt.punkte[1], dreiKurven().kurven[1].punkte);
    EXPECT_EQ(KurvenDateiLaden(ordner / "fehlt.plr", inhalt), kFehlerLadenOeffnen);
    EXPECT_EQ(KurvenDateiSpeichern(ordner / "nicht" / "da.plr", dreiKurven(), eigeneKonfig()),
              kFehlerSpeichernOeffnen);
    std::filesystem::remove_all(ordner);
}

}  // namespace
}  // namespace plv7::kurven
