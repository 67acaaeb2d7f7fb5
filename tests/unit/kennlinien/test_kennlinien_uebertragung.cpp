// Writing characteristics into the box's slots, reading them back and selecting one, against a
// simulated box: the mode-bit protocol, the pieces, every check of reading.
#include <gtest/gtest.h>

#include <functional>

#include "kennlinien/KennlinienUebertragung.h"
#include "kennlinien/Kennlinienblock.h"
#include "kennlinien/SofortBox.h"
#include "konfig/KonfigUmrechnung.h"

using namespace plv7;
using namespace plv7::kennlinien;
namespace ku = plv7::kennlinien::kennlinien_uebertragung;

namespace {

class Protokoll : public Fortschritt {
public:
    void beginnen(std::string_view titel) override { ereignisse.push_back(std::string(titel)); }
    void setzen(int prozent) override {
        prozente.push_back(prozent);
        if (nachStueck) nachStueck();
    }
    void beenden() override { ereignisse.push_back("zu"); }
    std::vector<std::string> ereignisse;
    std::vector<int> prozente;
    std::function<void()> nachStueck;  // runs after each piece the dialog counts
};

struct Uebertragung : ::testing::Test {
    void SetUp() override {
        KonfigurationStandardwerte(konfig);
        geraet.port = 1;
        geraet.fehlerAnzeigen = [this](int code) { anzeigen.push_back(code); };
        geraet.fortschritt = &fortschritt;
    }

    KennlinienZustand mitPunkten(int anzahl) {
        KennlinienZustand z;
        z.kennlinie.punkte.clear();
        for (int i = 0; i < anzahl; ++i) z.kennlinie.punkte.push_back({(i * 37) % 4096, 2, 0});
        z.kennlinie.punkte.back().laenge = 0;
        z.ausgang2 = 2.5;
        z.zeitkonstante = 0.75;
        return z;
    }

    // Puts raw bytes at a slot of the box and marks the area as holding characteristics.
    void slotFuellen(int slot, const std::vector<std::uint8_t>& bytes) {
        std::ranges::copy(bytes, sim.box->memory().begin() + KennlinienSlotAdresse(slot));
        sim.box->setMode(0x02);
    }

    test::SofortBox sim;
    Konfiguration konfig;
    Protokoll fortschritt;
    std::vector<int> anzeigen;
    KennlinienGeraet geraet;
};

}  // namespace

TEST_F(Uebertragung, WritingOverCurvesInitialisesEverySlotAndEndsWithTheModeBits) {
    sim.box->setMode(0x04 | 0x80);
    std::fill(sim.box->memory().begin(), sim.box->memory().end(), 0xAA);
    ASSERT_EQ(KennlinieSchreiben(geraet, mitPunkten(3), 4, konfig), 0);
    EXPECT_EQ(anzeigen, std::vector<int>{0});
    EXPECT_EQ(sim.box->mode(), 0x82);
    const auto leer = LeererKennlinienblock();
    for (int slot = 1; slot <= 10; ++slot) {
        if (slot == 4) continue;
        const auto anfang = sim.box->memory().begin() + KennlinienSlotAdresse(slot);
        EXPECT_TRUE(std::equal(leer.begin(), leer.end(), anfang)) << slot;
    }
    // Each slot write ends with clearing 0x04 and setting 0x02.
    int modusBefehle = 0;
    for (const auto& frame : sim.frames()) modusBefehle += frame.starts_with("#1M1") ? 1 : 0;
    EXPECT_EQ(modusBefehle, 1 + 11 * 2);
    EXPECT_EQ(sim.frames().back(), "#1M1S02\r");
    EXPECT_EQ(sim.frames()[sim.frames().size() - 2], "#1M1C04\r");
}

TEST_F(Uebertragung, Slot10GoesIn64BytePiecesWithAShorterLastOne) {
    sim.box->setMode(0x02);
    ASSERT_EQ(KennlinieSchreiben(geraet, mitPunkten(807), 10, konfig), 0);
    std::vector<std::string> schreiben;
    for (const auto& frame : sim.frames())
        if (frame.starts_with("#1BDW4")) schreiben.push_back(frame.substr(6, 8));
    ASSERT_EQ(schreiben.size(), 51u);
    EXPECT_EQ(schreiben.front(), "72C00040");  // 29376, 64 bytes
    EXPECT_EQ(schreiben.back(), "7F40003C");   // 32576, the last 60 bytes
    EXPECT_EQ(fortschritt.ereignisse, (std::vector<std::string>{"Daten senden", "zu"}));
    EXPECT_EQ(fortschritt.prozente.front(), 1);
    EXPECT_EQ(fortschritt.prozente.back(), 100);
}

TEST_F(Uebertragung, RefusalsOfTheBlockAndTheSlotComeBeforeAnyTraffic) {
    EXPECT_EQ(KennlinieSchreiben(geraet, mitPunkten(808), 1, konfig), -1023504);
    EXPECT_EQ(KennlinieSchreiben(geraet, mitPunkten(3), 11, konfig), -1024508);
    EXPECT_EQ(KennlinieSchreiben(geraet, mitPunkten(3), 0, konfig), -1024508);
    EXPECT_TRUE(sim.frames().empty());
    EXPECT_TRUE(anzeigen.empty());
}

TEST_F(Uebertragung, WriteThenReadGivesTheSamePointsAndFields) {
    KennlinienZustand quelle = mitPunkten(808 - 1);
    ASSERT_EQ(KennlinieSchreiben(geraet, quelle, 7, konfig), 0);
    KennlinienZustand ziel;
    ziel.kennlinie.kommentar = "bleibt";
    ziel.geaendert = true;
    ziel.pfad = "k.ple";
    fortschritt.prozente.clear();
    ASSERT_EQ(KennlinieLesen(geraet, 7, ziel, konfig), 0);
    EXPECT_EQ(anzeigen.back(), 0);
    EXPECT_EQ(ziel.kennlinie.punkte, quelle.kennlinie.punkte);
    EXPECT_EQ(ziel.kennlinie.kommentar, "bleibt");
    EXPECT_NEAR(ziel.ausgang2, 2.5, 10.0 / 4095);
    EXPECT_DOUBLE_EQ(ziel.zeitkonstante, 0.75);
    EXPECT_TRUE(ziel.geaendert);
    EXPECT_EQ(ziel.pfad, "k.ple");
    EXPECT_EQ(fortschritt.prozente.back(), 100);
}

TEST_F(Uebertragung, AFullSlotBlockIsRead) {
    std::vector<std::uint8_t> block(3264, 0);
    block[2] = 808 >> 8;
    block[3] = 808 & 0xFF;
    for (int i = 0; i < 808; ++i) {
        block[32 + 4 * i] = static_cast<std::uint8_t>((i * 5) >> 8);
        block[33 + 4 * i] = static_cast<std::uint8_t>(i * 5);
    }
    const auto summe = KennlinienblockPruefsumme(block);
    block[0] = static_cast<std::uint8_t>(summe >> 8);
    block[1] = static_cast<std::uint8_t>(summe);
    slotFuellen(2, block);
    KennlinienZustand ziel;
    ASSERT_EQ(KennlinieLesen(geraet, 2, ziel, konfig), 0);
    EXPECT_EQ(ziel.kennlinie.anzahl(), 808);
}

TEST_F(Uebertragung, ABlockThatFailsAnyCheckChangesNothing) {
    auto gueltig = [](std::vector<std::uint8_t> b) {
        const auto summe = KennlinienblockPruefsumme(b);
        b[0] = static_cast<std::uint8_t>(summe >> 8);
        b[1] = static_cast<std::uint8_t>(summe);
        return b;
    };
    // Two points at X 0 and X 0, output-2 code 100, 500 ms.
    std::vector<std::uint8_t> gleichesX(40, 0);
    gleichesX[3] = 2;
    gleichesX[5] = 100;
    gleichesX[6] = 0x01;
    gleichesX[7] = 0xF4;
    std::vector<std::uint8_t> ausgang2(36, 0);
    ausgang2[3] = 1;
    ausgang2[4] = 0x10;  // code 4096
    std::vector<std::uint8_t> ohnePunkte(32, 0);
    std::vector<std::uint8_t> zuViele(32, 0);
    zuViele[2] = 0x03;
    zuViele[3] = 0x29;  // 809
    auto falscheSumme = gueltig(ausgang2);
    falscheSumme[4] = 0;

    struct Fall {
        const char* name;
        std::vector<std::uint8_t> block;
        int ergebnis;
        int anzeige;
    };
    const Fall faelle[] = {
        {"equal X", gueltig(gleichesX), -1019533, 0},
        {"output-2 code above 4095", gueltig(ausgang2), 0, -1019518},
        {"count 0", gueltig(ohnePunkte), 0, -895094},
        {"more than 808 points", gueltig(zuViele), -1019530, 0},
        {"checksum", falscheSumme, 0, -897517},
    };
    for (const Fall& fall : faelle) {
        slotFuellen(5, fall.block);
        KennlinienZustand z = mitPunkten(2);
        const KennlinienZustand vorher = z;
        anzeigen.clear();
        EXPECT_EQ(KennlinieLesen(geraet, 5, z, konfig), fall.ergebnis) << fall.name;
        EXPECT_EQ(anzeigen.back(), fall.anzeige) << fall.name;
        EXPECT_EQ(z.kennlinie.punkte, vorher.kennlinie.punkte) << fall.name;
        EXPECT_EQ(z.ausgang2, vorher.ausgang2) << fall.name;
        EXPECT_EQ(z.zeitkonstante, vorher.zeitkonstante) << fall.name;
    }
}

TEST_F(Uebertragung, ReadingRefusesAnAreaWithoutCharacteristicsAndMissingPorts) {
    KennlinienZustand z;
    sim.box->setMode(0x06);
    EXPECT_EQ(KennlinieLesen(geraet, 1, z, konfig), 0);
    EXPECT_EQ(anzeigen.back(), -1026514);
    EXPECT_EQ(KennlinieLesen(geraet, 11, z, konfig), -1024513);

    geraet.port = -1;
    anzeigen.clear();
    EXPECT_EQ(KennlinieLesen(geraet, 1, z, konfig), -122511);
    EXPECT_EQ(KennlinieSchreiben(geraet, z, 1, konfig), 0);
    EXPECT_EQ(anzeigen.back(), -122512);
    KennlinieAuswaehlen(geraet, 3);
    EXPECT_EQ(anzeigen.back(), -122550);
}

// Every piece of a read asks for the port and the mode again: a port closed or curves written
// into the area between two pieces stops the read there, and nothing is taken.
TEST_F(Uebertragung, EveryPieceOfAReadChecksPortAndModeAgain) {
    ASSERT_EQ(KennlinieSchreiben(geraet, mitPunkten(100), 4, konfig), 0);
    struct Fall {
        const char* was;
        std::function<void()> stoeren;
        int anzeige;
    };
    const std::vector<Fall> faelle = {
        {"port closed", [this] { geraet.port = -1; }, ku::kFehlerKeinPortLesen},
        {"curves stored", [this] { sim.box->setMode(0x04); }, ku::kFehlerKeineKennlinienMehr},
        {"both flags", [this] { sim.box->setMode(0x06); }, ku::kFehlerKeineKennlinienMehr},
    };
    for (const auto& f : faelle) {
        geraet.port = 1;
        sim.box->setMode(0x02);
        fortschritt.prozente.clear();
        fortschritt.nachStueck = [&] {
            f.stoeren();
            fortschritt.nachStueck = nullptr;
        };
        KennlinienZustand z = mitPunkten(2);
        const KennlinienZustand vorher = z;
        anzeigen.clear();
        EXPECT_EQ(KennlinieLesen(geraet, 4, z, konfig), 0) << f.was;
        EXPECT_EQ(anzeigen.back(), f.anzeige) << f.was;
        EXPECT_EQ(fortschritt.prozente, std::vector<int>{16}) << f.was;  // 64 of 400 bytes
        EXPECT_EQ(z.kennlinie.punkte, vorher.kennlinie.punkte) << f.was;
        EXPECT_EQ(z.ausgang2, vorher.ausgang2) << f.was;
    }
}

TEST_F(Uebertragung, SelectionOfSlot3SetsOutput4To3Volts) {
    KennlinieAuswaehlen(geraet, 3);
    EXPECT_EQ(anzeigen, std::vector<int>{0});
    EXPECT_EQ(sim.frames().back(), "#1V4W3.000\r");
    EXPECT_EQ(sim.box->outputMillivolts(4), 3000);
}
