#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "KurvenZufall.h"
#include "Line.h"
#include "SimulatedPort.h"
#include "kurven/KurvenUebertragung.h"
#include "link/MitschneidenderPort.h"
#include "link/PortTable.h"
#include "link/plv7Funktionen.h"

namespace plv7::kurven {
namespace {

using namespace uebertragung;

// The simulated box on port 1 at 115200 baud, and the window's side: port, address, progress.
struct KurvenUebertragungTest : ::testing::Test, Geraetezugang, Fortschritt {
    std::shared_ptr<sim::Line> line = std::make_shared<sim::Line>();
    sim::Box* box = nullptr;
    int port = 1;
    std::vector<std::string> dialog;
    std::function<void()> nachBlock;  // runs after each block the dialog counts

    int offenerPort() override { return port; }
    char adresse() override { return '1'; }
    void beginnen(std::string_view titel) override {
        dialog.push_back("auf " + std::string(titel));
    }
    void setzen(int prozent) override {
        dialog.push_back(std::to_string(prozent));
        if (nachBlock) nachBlock();
    }
    void beenden() override { dialog.push_back("zu"); }

    void SetUp() override {
        box = line->addBox('1');
        box->setBaud(115200);
        setSerialPortFactory([l = line](int) { return std::make_unique<sim::SimulatedPort>(l); });
        ASSERT_EQ(ORVPLV7_Open(1, 115200), 0);
    }
    void TearDown() override {
        closeAllPorts();
        setSerialPortFactory(nullptr);
    }

    std::vector<std::uint8_t> abbild(const Kurvenmodell& m) {
        std::vector<std::uint8_t> bild;
        EXPECT_EQ(SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild), 0);
        return bild;
    }
};

TEST_F(KurvenUebertragungTest, WrittenCurvesReadBackAndMarkTheMemory) {
    std::mt19937 zufall(7);
    const Kurvenmodell m = test::zufallsKurven(zufall, 40);
    const auto bild = abbild(m);
    box->setMode(0x82);  // characteristics and a bit of the box's own
    ASSERT_EQ(SpeicherabbildSenden(*this, *this, bild), 0);
    EXPECT_EQ(box->mode(), 0x84);
    EXPECT_TRUE(std::equal(bild.begin(), bild.end(), box->memory().begin()));

    dialog.clear();
    Kurvendaten daten;
    const auto ergebnis = SpeicherabbildLesen(*this, *this, daten);
    ASSERT_EQ(ergebnis.code, 0);
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        EXPECT_EQ(daten.punkte[k], m.kurven[k].punkte);
        EXPECT_EQ(daten.zyklen[k], m.einstellungen[k].zyklen);
    }
    ASSERT_GE(dialog.size(), 3u);
    EXPECT_EQ(dialog.front(), "auf Daten lesen");
    EXPECT_EQ(dialog[dialog.size() - 2], "100");
    EXPECT_EQ(dialog.back(), "zu");

    Kurvenmodell ziel;
    ziel.dateipfad = "alt.plr";
    KurvendatenUebernehmen(ziel, daten);
    EXPECT_EQ(ziel.kurven[2].punkte, m.kurven[2].punkte);
    EXPECT_EQ(ziel.dateipfad, "");
    EXPECT_EQ(ziel.fenster.max, Kurvendauer(m.kurven[0].punkte) - 1);
    EXPECT_FALSE(ziel.geaendert);
}

TEST_F(KurvenUebertragungTest, SendingReportsWholePercentsPerPiece) {
    Kurvenmodell m;
    m.kurven[0].punkte.assign(40, {1, 2, 1});  // 52 - 5 + 200 = 247 bytes: four pieces
    ASSERT_EQ(SpeicherabbildSenden(*this, *this, abbild(m)), 0);
    EXPECT_EQ(dialog,
              (std::vector<std::string>{"auf Daten senden", "25", "51", "77", "100", "zu"}));
}

TEST_F(KurvenUebertragungTest, AMemoryWithoutCurvesIsRefused) {
    ASSERT_EQ(SpeicherabbildSenden(*this, *this, abbild(Kurvenmodell{})), 0);
    for (const int modus : {0x00, 0x02, 0x06}) {
        box->setMode(static_cast<std::uint8_t>(modus));
        Kurvendaten daten;
        const auto ergebnis = SpeicherabbildLesen(*this, *this, daten);
        EXPECT_EQ(ergebnis.code, kFehlerKeineKurven) << modus;
        EXPECT_EQ(ergebnis.anzeige, Fehleranzeige::Fehlerfelder);
    }
}

TEST_F(KurvenUebertragungTest, WithoutAPortNothingIsSentOrRead) {
    port = -1;
    EXPECT_EQ(SpeicherabbildSenden(*this, *this, abbild(Kurvenmodell{})), kFehlerKeinPortSenden);
    Kurvendaten daten;
    const auto ergebnis = SpeicherabbildLesen(*this, *this, daten);
    EXPECT_EQ(ergebnis.code, kFehlerKeinPortLesen);
    EXPECT_EQ(ergebnis.anzeige, Fehleranzeige::Fehlerpopup);
    EXPECT_TRUE(dialog.empty());
}

TEST_F(KurvenUebertragungTest, ABadImageInTheBoxChangesNoCurve) {
    Kurvenmodell m;
    m.kurven[1].punkte = {{7, 3, 1}, {8, 1, 1}};
    ASSERT_EQ(SpeicherabbildSenden(*this, *this, abbild(m)), 0);
    Kurvendaten daten;
    daten.zyklen = {3, 3, 3, 3};
    const Kurvendaten vorher = daten;

    box->memory()[1] ^= 1;  // checksum off by one
    EXPECT_EQ(SpeicherabbildLesen(*this, *this, daten).code, abbild::kFehlerPruefsumme);
    box->memory()[1] ^= 1;
    box->memory()[8] = 0x80;  // an end beyond the memory: nothing more is read
    dialog.clear();
    EXPECT_EQ(SpeicherabbildLesen(*this, *this, daten).code, abbild::kFehlerEndeUngueltig);
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(daten, vorher);
}

TEST_F(KurvenUebertragungTest, ALinkFailureClosesTheDialogAndLeavesTheModeAlone) {
    Kurvenmodell m;
    m.kurven[0].punkte.assign(40, {1, 2, 1});
    line->faults().add(sim::FaultKind::Nak, 1);
    EXPECT_EQ(SpeicherabbildSenden(*this, *this, abbild(m)), -402127);
    EXPECT_EQ(dialog, (std::vector<std::string>{"auf Daten senden", "zu"}));
    EXPECT_EQ(box->mode(), 0);
}

// Every block of a read asks for the port and the mode again: a port closed or a memory
// overwritten with characteristics between two blocks stops the read there.
TEST_F(KurvenUebertragungTest, EveryBlockOfAReadChecksPortAndModeAgain) {
    Kurvenmodell m;
    m.kurven[0].punkte.assign(40, {1, 2, 1});
    ASSERT_EQ(SpeicherabbildSenden(*this, *this, abbild(m)), 0);
    struct Fall {
        const char* was;
        std::function<void(KurvenUebertragungTest&)> stoeren;
        int code;
    };
    const std::vector<Fall> faelle = {
        {"port closed", [](KurvenUebertragungTest& t) { t.port = -1; }, kFehlerKeinPortBlock},
        {"characteristics stored", [](KurvenUebertragungTest& t) { t.box->setMode(0x06); },
         kFehlerKeineKurvenBlock},
        {"curves flag gone", [](KurvenUebertragungTest& t) { t.box->setMode(0x00); },
         kFehlerKeineKurvenBlock},
    };
    for (const auto& f : faelle) {
        port = 1;
        box->setMode(0x04);
        dialog.clear();
        nachBlock = [this, &f] {
            f.stoeren(*this);
            nachBlock = nullptr;
        };
        Kurvendaten daten;
        daten.zyklen = {9, 9, 9, 9};
        const Kurvendaten vorher = daten;
        const auto ergebnis = SpeicherabbildLesen(*this, *this, daten);
        EXPECT_EQ(ergebnis.code, f.code) << f.was;
        EXPECT_EQ(ergebnis.anzeige, Fehleranzeige::Fehlerfelder) << f.was;
        EXPECT_EQ(dialog, (std::vector<std::string>{"auf Daten lesen", "29", "zu"})) << f.was;
        EXPECT_EQ(daten, vorher) << f.was;
    }
}

// The box must never see curves marked while characteristics are still marked: the
// characteristics flag goes first, then the curves flag is set.
TEST_F(KurvenUebertragungTest, SendingClearsTheCharacteristicsFlagBeforeMarkingCurves) {
    std::vector<std::string> gesendet;
    setSerialPortFactory([l = line, &gesendet](int) {
        return std::make_unique<plv7::test::MitschneidenderPort>(
            std::make_unique<sim::SimulatedPort>(l), gesendet);
    });
    closeAllPorts();
    ASSERT_EQ(ORVPLV7_Open(1, 115200), 0);
    box->setMode(0x82);
    ASSERT_EQ(SpeicherabbildSenden(*this, *this, abbild(Kurvenmodell{})), 0);
    std::vector<std::string> modus;
    for (const auto& frame : gesendet)
        if (frame.find("M1") != std::string::npos) modus.push_back(frame.substr(frame.find("M1")));
    EXPECT_EQ(modus, (std::vector<std::string>{"M1C02\r", "M1S04\r"}));
    EXPECT_EQ(box->mode(), 0x84);
}

TEST(KurvenUebertragung, LengthWarningListsCurvesOfMoreThanOnePoint) {
    Kurvenmodell m;
    m.kurven[0].punkte = {{0, 2, 3}, {1, 1, 3}};    // 3 s
    m.kurven[2].punkte = {{0, 299, 2}, {1, 1, 2}};  // 30 s
    EXPECT_EQ(LaengenWarnung(m.kurven),
              "Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n"
              "Kurve 1: 3.000 sek\nKurve 3: 30.000 sek\n");
    m.kurven[2].punkte = {{0, 29, 2}, {1, 1, 2}};
    EXPECT_FALSE(LaengenWarnung(m.kurven).has_value());
    EXPECT_TRUE(KurvenImSpeicher(0x84));
    EXPECT_FALSE(KurvenImSpeicher(0x06));
}

}  // namespace
}  // namespace plv7::kurven
