#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "direkt/Direkterfassung.h"

using namespace plv7::direkt;
namespace fs = std::filesystem;

namespace {

// A box whose input 1 climbs by 1 V per answer, the others read 0 V.
struct Rampe : Eingangsabfrage {
    double volts = 0.0;
    int offenerPort() override { return 1; }
    char adresse() override { return '1'; }
    int senden(int, char, unsigned) override { return 0; }
    int empfangen(int, char, unsigned, std::array<double, 4>& v) override {
        v = {volts, 0.0, 0.0, 0.0};
        volts += 1.0;
        return 0;
    }
};

double identisch(int, double code) {
    return 10.0 / 4095.0 * code;
}

Direkterfassung::Kontext kontext() {
    Direkterfassung::Kontext k;
    k.zeitpunkt = {"01-02-2025", "12:00:00"};
    k.ausgangProzent = {50.0, 0.0, 0.0, 0.0};
    k.eingangCodeInEinheit = identisch;
    k.ausgangCodeInEinheit = identisch;
    return k;
}

}  // namespace

TEST(Direkterfassung, FastSamplingShowsEachSampleOneTickLateAndNeverRestartsTheTiming) {
    // The window draws in its own thread: no tick waits for a drawing, so the statistics
    // run on through whole frames.
    Rampe box;
    Direkterfassung e(box);
    e.starten();
    const auto k = kontext();
    Takteingabe t;
    t.intervall = 0.01;
    for (int i = 0; i < 30; ++i) {
        t.jetzt = 1.0 + 0.01 * i;
        const Taktergebnis ergebnis = e.takt(t, k);
        EXPECT_EQ(ergebnis.verarbeitet, i > 0);
        if (i > 0) {
            EXPECT_DOUBLE_EQ(e.pipeline().messwert().volts[0], i - 1.0);
        }
    }
    EXPECT_TRUE(e.pipeline().zeitstatistik().gestartet());
    EXPECT_EQ(e.pipeline().zeitstatistik().anzeige().messungen, 29);
}

TEST(Direkterfassung, LogsEverySampleAndTheEndOfTheAcquisition) {
    const fs::path pfad = fs::temp_directory_path() / "plv7_direkterfassung.txt";
    fs::remove(pfad);
    Rampe box;
    box.volts = 2.0;
    Direkterfassung e(box);
    Protokollkopf kopf;
    for (auto& c : kopf.eingaenge) c.einheit = "V";
    for (auto& c : kopf.ausgaenge) c.einheit = "V";
    ASSERT_EQ(e.protokoll().oeffnen(pfad, Protokollart::Datenerfassung, kopf), 0);
    e.starten();
    auto k = kontext();
    Takteingabe t;
    t.jetzt = 5.0;
    e.takt(t, k);
    t.jetzt = 5.5;
    e.takt(t, k);
    EXPECT_EQ(e.beenden(), 0);
    EXPECT_FALSE(e.protokoll().offen());
    EXPECT_FALSE(e.pipeline().laeuft());

    std::ifstream datei(pfad, std::ios::binary);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    const std::string text = inhalt.str();
    const std::string ende =
        "02.01.2025\t12:00:00\t0.000\t2.000\t0.000\t0.000\t0.000\t5.000\t0.000\t0.000\t0.000\n"
        "02.01.2025\t12:00:00\t0.500\t3.000\t0.000\t0.000\t0.000\t5.000\t0.000\t0.000\t0.000\n"
        "Datenerfassung beendet\n";
    ASSERT_GE(text.size(), ende.size());
    EXPECT_EQ(text.substr(text.size() - ende.size()), ende);
    fs::remove(pfad);
}
