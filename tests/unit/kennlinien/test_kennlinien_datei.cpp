// The characteristic model and its file: default, memory need, the line under a position, the
// exact layout, refused and cut files, and round trips.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "base/ByteOrder.h"
#include "kennlinien/KennlinienDatei.h"
#include "konfig/KonfigUmrechnung.h"

using namespace plv7;
using namespace plv7::kennlinien;
namespace kd = plv7::kennlinien::kennlinien_datei;

namespace {

Kennlinie zufaellig(std::mt19937& zufall, int maxPunkte) {
    Kennlinie k;
    const int anzahl = std::uniform_int_distribution(1, maxPunkte)(zufall);
    k.punkte.clear();
    int x = 0;
    for (int i = 0; i < anzahl && x < 4095; ++i) {
        const int laenge = std::uniform_int_distribution(1, std::max(1, (4095 - x) / 8))(zufall);
        k.punkte.push_back({std::uniform_int_distribution(0, 4095)(zufall), laenge, 0});
        x += laenge;
    }
    k.punkte.back().laenge = std::uniform_int_distribution(0, 1)(zufall);
    return k;
}

Konfiguration standard() {
    Konfiguration k;
    KonfigurationStandardwerte(k);
    return k;
}

struct Ordner {
    std::filesystem::path pfad = std::filesystem::temp_directory_path() /
                                 ("plv7-kennl-" + std::to_string(std::random_device{}()));
    Ordner() { std::filesystem::create_directories(pfad); }
    ~Ordner() { std::filesystem::remove_all(pfad); }
};

}  // namespace

TEST(KennlinienModell, DefaultMemoryNeedAndPositions) {
    const Kennlinie k = KennlinieStandard();
    ASSERT_EQ(k.anzahl(), 1);
    EXPECT_EQ(k.punkte[0], (Kennlinienpunkt{4095, 0, 0}));
    EXPECT_EQ(KennlinienGesamtlaenge(k), 0);
    EXPECT_NEAR(KennlinienSpeicherbedarf(1), 1.1029, 0.00005);
    EXPECT_NEAR(KennlinienSpeicherbedarf(808), 100.0, 1e-9);

    Kennlinie drei;
    drei.punkte = {{0, 10, 0}, {1000, 5, 0}, {0, 1, 0}};
    EXPECT_EQ(KennlinienPosition(drei, 2), 15);
    EXPECT_EQ(KennlinienGesamtlaenge(drei), 15);
    // The last point's length never moves a position.
    drei.punkte[2].laenge = 0;
    EXPECT_EQ(KennlinienGesamtlaenge(drei), 15);
    const std::pair<double, std::size_t> lagen[] = {{0.0, 0},  {9.9, 0},  {10.0, 1},
                                                    {14.5, 1}, {15.0, 2}, {4000, 2}};
    for (const auto& [x, gerade] : lagen) EXPECT_EQ(KennlinienGeradeBei(drei, x), gerade) << x;
}

TEST(KennlinienModell, NeuSetsTheDefaultsAndKeepsTheModifiedFlag) {
    Konfiguration konfig = standard();
    konfig.inskalamin[1] = 100.0;  // input 2: 0..10 V onto 100..200
    konfig.inskalamax[1] = 200.0;
    KennlinienZustand z;
    z.kennlinie.punkte = {{1, 2, 0}, {3, 0, 0}};
    z.kennlinie.kommentar = "alt";
    z.zeitkonstante = 3;
    z.geaendert = true;
    z.pfad = "a.ple";
    KennlinieNeu(z, konfig);
    EXPECT_EQ(z.kennlinie.punkte, KennlinieStandard().punkte);
    EXPECT_EQ(z.kennlinie.kommentar, "");
    EXPECT_DOUBLE_EQ(z.ausgang2, 100.0);
    EXPECT_EQ(z.zeitkonstante, 0.0);
    EXPECT_TRUE(z.pfad.empty());
    EXPECT_TRUE(z.geaendert);
    EXPECT_EQ(KennlinienTitel(z.pfad), "Kennlinienregler");
    EXPECT_EQ(KennlinienTitel("/x/y/kurve.ple"), "Kennlinienregler - kurve.ple");
}

TEST(KennlinienDatei, TheDefaultFileHasItsExactLayout) {
    Kennlinie k;
    k.kommentar = "Zeile 1\nZeile 2";
    const auto bild = KennlinienDateiBild(k, standard(), 12.5, 0.25);
    ASSERT_EQ(bild.size(), 1436u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bild.data())), "plv7 Kennlinien Datei");
    EXPECT_EQ(le::getI32(bild, 32), 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bild[36])), k.kommentar);
    EXPECT_EQ(le::getDouble(bild, 1040), 10.0);  // voutmax of the record
    EXPECT_EQ(le::getI32(bild, 1392), 1);
    EXPECT_EQ(le::getDouble(bild, 1400), 12.5);
    EXPECT_EQ(le::getDouble(bild, 1408), 0.25);
    EXPECT_EQ(le::getI32(bild, 1416), 0);
    EXPECT_EQ(le::getI32(bild, 1424), 4095);
    EXPECT_EQ(le::getI32(bild, 1428), 0);
    EXPECT_EQ(bild[1432], 0);
}

TEST(KennlinienDatei, RefusedFilesLeaveTheTargetAlone) {
    const auto gut = KennlinienDateiBild(KennlinieStandard(), standard(), 0, 0);
    struct Fall {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> aendern;
        int code;
    };
    const Fall faelle[] = {
        {"kurz", [](auto& b) { b.resize(1423); }, kd::kFehlerLadenLesen},
        {"kennung", [](auto& b) { b[0] = 'P'; }, kd::kFehlerKeineKennliniendatei},
        {"kennung ohne NUL", [](auto& b) { b[21] = 'X'; }, kd::kFehlerKeineKennliniendatei},
        {"version 1", [](auto& b) { le::putI32(b, 32, 1); }, kd::kFehlerFalscheVersion},
        {"version 3", [](auto& b) { le::putI32(b, 32, 3); }, kd::kFehlerFalscheVersion},
        {"negative anzahl", [](auto& b) { le::putI32(b, 1392, -1); }, kd::kFehlerPunktespeicher},
        {"y zu gross", [](auto& b) { le::putI32(b, 1424, 4096); }, kd::kFehlerPunkteUngueltig},
        {"laenge 0",
         [](auto& b) {
             le::putI32(b, 1392, 2);
             b.resize(1448, 0);
         },
         kd::kFehlerPunkteUngueltig},
        {"letzter Punkt hinter 4095",
         [](auto& b) {
             le::putI32(b, 1392, 2);
             b.resize(1448, 0);
             le::putI32(b, 1428, 4096);
         },
         kd::kFehlerPunkteUngueltig},
    };
    for (const Fall& fall : faelle) {
        auto bytes = gut;
        fall.aendern(bytes);
        KennlinienDateiInhalt ziel;
        ziel.kennlinie.kommentar = "bleibt";
        EXPECT_EQ(KennlinienDateiBildLesen(bytes, ziel), fall.code) << fall.name;
        EXPECT_EQ(ziel.kennlinie.kommentar, "bleibt") << fall.name;
    }
}

TEST(KennlinienDatei, AFileCutInsideThePointsLoadsTheDefaultPointAndSaysSo) {
    Kennlinie k;
    k.kommentar = "Kommentar";
    k.punkte = {{0, 100, 0}, {4095, 0, 0}};
    auto bytes = KennlinienDateiBild(k, standard(), 7.0, 1.5);
    for (std::size_t laenge : {bytes.size() - 1, std::size_t{1424}}) {
        KennlinienDateiInhalt inhalt;
        ASSERT_EQ(KennlinienDateiBildLesen(std::span(bytes).first(laenge), inhalt), 0);
        EXPECT_TRUE(inhalt.unvollstaendig);
        EXPECT_EQ(inhalt.kennlinie.punkte, KennlinieStandard().punkte);
        EXPECT_EQ(inhalt.kennlinie.kommentar, "Kommentar");
        EXPECT_EQ(inhalt.ausgang2Roh, 7.0);
        EXPECT_EQ(inhalt.zeitkonstante, 1.5);
    }
    KennlinienDateiInhalt ganz;
    ASSERT_EQ(KennlinienDateiBildLesen(bytes, ganz), 0);
    EXPECT_FALSE(ganz.unvollstaendig);
}

TEST(KennlinienDatei, ACutFileLoadsAsUnsavedWorkWithoutAFile) {
    Ordner ordner;
    Kennlinie k;
    k.punkte = {{0, 100, 0}, {4095, 0, 0}};
    auto bytes = KennlinienDateiBild(k, standard(), 7.0, 1.5);
    bytes.pop_back();
    const auto pfad = ordner.pfad / "kaputt.ple";
    {
        std::ofstream datei(pfad, std::ios::binary);
        datei.write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
    }
    KennlinienZustand z;
    z.pfad = "vorher.ple";
    KennlinienDateiInhalt datei;
    ASSERT_EQ(KennlinieLaden(pfad, z, standard(), datei), 0);
    EXPECT_TRUE(datei.unvollstaendig);
    EXPECT_TRUE(z.pfad.empty());
    EXPECT_TRUE(z.geaendert);
    EXPECT_EQ(z.kennlinie.punkte, KennlinieStandard().punkte);
}

TEST(KennlinienDatei, SaveAndLoadRoundTripRandomCharacteristics) {
    Ordner ordner;
    std::mt19937 zufall(11);
    Konfiguration konfig = standard();
    konfig.inskalamax[1] = 50.0;  // input 2: 0..10 V onto 0..50
    for (int runde = 0; runde < 30; ++runde) {
        KennlinienZustand z;
        z.kennlinie = zufaellig(zufall, 900);
        z.kennlinie.kommentar = std::string(static_cast<std::size_t>(runde * 40), 'k');
        z.ausgang2 = 17.25;
        z.zeitkonstante = 0.125 * runde;
        z.geaendert = true;
        const auto pfad = ordner.pfad / "k.ple";
        ASSERT_EQ(KennlinieSpeichern(pfad, z, konfig), 0);
        EXPECT_FALSE(z.geaendert);
        EXPECT_EQ(z.pfad, pfad);
        EXPECT_EQ(std::filesystem::file_size(pfad), 1424 + 12 * z.kennlinie.punkte.size());

        KennlinienZustand geladen;
        geladen.geaendert = true;
        KennlinienDateiInhalt datei;
        ASSERT_EQ(KennlinieLaden(pfad, geladen, konfig, datei), 0);
        EXPECT_EQ(geladen.kennlinie.punkte, z.kennlinie.punkte);
        EXPECT_EQ(geladen.kennlinie.kommentar, KommentarBegrenzen(z.kennlinie.kommentar));
        EXPECT_NEAR(geladen.ausgang2, 17.25, 1e-9);
        EXPECT_EQ(geladen.zeitkonstante, z.zeitkonstante);
        EXPECT_FALSE(geladen.geaendert);
        EXPECT_EQ(KonfigurationenVergleichen(datei.konfig, konfig), 1);
    }
}

TEST(KennlinienDatei, AFailedLoadClearsOnlyThePathAndAFailedSaveKeepsTheOldFile) {
    Ordner ordner;
    KennlinienZustand z;
    z.pfad = ordner.pfad / "alt.ple";
    z.geaendert = true;
    z.kennlinie.kommentar = "bleibt";
    KennlinienDateiInhalt datei;
    EXPECT_EQ(KennlinieLaden(ordner.pfad / "fehlt.ple", z, standard(), datei),
              kd::kFehlerLadenOeffnen);
    EXPECT_TRUE(z.pfad.empty());
    EXPECT_TRUE(z.geaendert);
    EXPECT_EQ(z.kennlinie.kommentar, "bleibt");

    z.pfad = "vorher.ple";
    EXPECT_EQ(KennlinieSpeichern(ordner.pfad / "kein" / "ordner.ple", z, standard()),
              kd::kFehlerSpeichernOeffnen);
    EXPECT_EQ(z.pfad, "vorher.ple");
    EXPECT_TRUE(z.geaendert);
}
