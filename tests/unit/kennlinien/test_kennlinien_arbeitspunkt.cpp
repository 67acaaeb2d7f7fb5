// The operating point: the characteristic's value at a reading of input 2, its label, and the
// periodic reading against the simulated box wired as in the demo (output 2 drives input 2).
#include <gtest/gtest.h>

#include "SofortBox.h"
#include "kennlinien/KennlinienArbeitspunkt.h"
#include "link/plv7Funktionen.h"

namespace plv7::kennlinien {
namespace {

using Schritt = Arbeitspunktabfrage::Schritt;

// From (0, 0) up to (1000, 4000), then down to (3000, 0), flat beyond.
Kennlinie dach() {
    Kennlinie k;
    k.punkte = {{0, 1000, 0}, {4000, 2000, 0}, {0, 0, 0}};
    return k;
}

Konfiguration standard() {
    Konfiguration k;
    KonfigurationStandardwerte(k);
    return k;
}

TEST(KennlinienArbeitspunkt, TheValueAtAReadingOfInput2) {
    struct Fall {
        double volt;
        int xCode;
        int yCode;
    };
    const Fall faelle[] = {
        {0.0, 0, 0},          {-1.0, 0, 0},      {1.0, 410, 1640}, {2.0, 819, 3276},
        {2.4420, 1000, 4000}, {5.0, 2048, 1904}, {9.0, 3686, 0},   {12.0, 4095, 0},
    };
    for (const Fall& f : faelle) {
        const Arbeitspunkt p = ArbeitspunktBei(dach(), standard(), f.volt);
        EXPECT_EQ(p.xCode, f.xCode) << f.volt;
        EXPECT_EQ(p.yCode, f.yCode) << f.volt;
        EXPECT_DOUBLE_EQ(p.x, f.xCode * 10.0 / 4095.0) << f.volt;
        EXPECT_DOUBLE_EQ(p.y, f.yCode * 10.0 / 4095.0) << f.volt;
    }
    Konfiguration konfig = standard();
    konfig.inskalamax[1] = 200.0;
    EinheitAusUtf8(konfig.ineinheit[1], "°C");
    konfig.outskalamax[0] = 5.0;
    EinheitSetzen(konfig.outeinheit[0], "bar");
    EXPECT_EQ(ArbeitspunktText(ArbeitspunktBei(dach(), konfig, 2.4420), konfig),
              "Arbeitspunkt: X = 48.840 °C, Y = 4.884 bar");
}

TEST(KennlinienArbeitspunkt, ReadsOnlyWhileShownConnectedAndTheLineIsFree) {
    test::SofortBox sim;
    sim.box->setOutputMillivolts(2, 2442);  // input 2 follows output 2
    const auto lesen = [](double& volt) { return ORVPLV7_EingangLesen(1, '1', "e2", volt); };
    struct Fall {
        const char* name;
        Arbeitspunktabfrage::Lage lage;
        Schritt schritt;
    };
    const Fall faelle[] = {
        {"hidden window", {false, 1, false, false}, Schritt::Pause},
        {"a transfer holds the line", {true, 1, true, false}, Schritt::Pause},
        {"direct help", {true, 1, false, true}, Schritt::Pause},
        {"no port", {true, -1, false, false}, Schritt::KeinPort},
        {"shown and connected", {true, 1, false, false}, Schritt::Punkt},
    };
    for (const Fall& f : faelle) {
        Arbeitspunktabfrage abfrage;
        sim.clearFrames();
        EXPECT_EQ(abfrage.takt(f.lage, lesen, dach(), standard()), f.schritt) << f.name;
        EXPECT_EQ(abfrage.lesungen(), f.schritt == Schritt::Punkt ? 1 : 0) << f.name;
        EXPECT_EQ(sim.frames().empty(), f.schritt != Schritt::Punkt) << f.name;
    }
    Arbeitspunktabfrage abfrage;
    ASSERT_EQ(abfrage.takt({true, 1, false, false}, lesen, dach(), standard()), Schritt::Punkt);
    EXPECT_EQ(abfrage.punkt().xCode, 1000);
    EXPECT_EQ(abfrage.punkt().yCode, 4000);

    // A box that does not answer: the error once, for the window to show and stop on.
    sim.box->setBusy(true);
    EXPECT_EQ(abfrage.takt({true, 1, false, false}, lesen, dach(), standard()), Schritt::Fehler);
    EXPECT_NE(abfrage.fehler(), 0);
    EXPECT_EQ(abfrage.punkt().xCode, 1000);
}

}  // namespace
}  // namespace plv7::kennlinien
