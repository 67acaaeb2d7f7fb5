#include <gtest/gtest.h>

#include <vector>

#include "konfig/Konfiguration.h"
#include "kurven/Kurvenmodell.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {
namespace {

std::vector<Kurvenpunkt> laenge1(int anzahl, std::uint8_t zeitbasis = 1) {
    return std::vector<Kurvenpunkt>(static_cast<std::size_t>(anzahl), {100, 1, zeitbasis});
}

TEST(Zeitbasis, NamesTicksAndUnknownCodes) {
    EXPECT_EQ(ZeitbasisTick(1), 10);
    EXPECT_EQ(ZeitbasisTick(6), 3600000);
    EXPECT_EQ(ZeitbasisTick(0), 0);
    EXPECT_EQ(ZeitbasisTick(7), 0);
    EXPECT_EQ(ZeitbasisName(4), "10sek");
    EXPECT_EQ(ZeitbasisName(7), " ");
    EXPECT_EQ(ZeitbasisAusName("1min"), 5);
    EXPECT_EQ(ZeitbasisAusName("1 min"), 0);
    EXPECT_EQ(ZeitbasisAusName(" "), 0);
}

TEST(Kurvenmodell, FreshCurvesLastTenMillisecondsAndTakeFiftyTwoBytes) {
    Kurvenmodell m;
    for (const auto& k : m.kurven) {
        EXPECT_EQ(k.punkte, Einzelpunkt());
        EXPECT_EQ(Kurvendauer(k.punkte), 10);
        EXPECT_EQ(KurveSpeicherbedarf(k.punkte), 5);
    }
    EXPECT_EQ(m.Speicherbedarf(), 52);
    EXPECT_NEAR(SpeicherbedarfAnzeige(52), 0.209, 0.0005);
    EXPECT_FALSE(SpeicherbedarfZuGross(SpeicherbedarfAnzeige(32700)));
    EXPECT_TRUE(SpeicherbedarfZuGross(SpeicherbedarfAnzeige(32768)));
    EXPECT_EQ(m.einstellungen[2].zyklen, 1);
    EXPECT_EQ(m.fenster.max, 200);
    EXPECT_FALSE(m.RueckgaengigMoeglich());
    EXPECT_FALSE(m.WiederherstellenMoeglich());
}

TEST(Kurvenmodell, MemoryUseFollowsTheRuns) {
    struct Fall {
        const char* was;
        std::vector<Kurvenpunkt> punkte;
        long bytes;
    };
    auto wechsel = laenge1(10);
    wechsel[5].zeitbasis = 2;  // opens a run of its own, and so does the point after it
    auto lang = laenge1(10);
    lang[4].laenge = 2;
    const std::vector<Fall> faelle = {
        {"ten length-1 points", laenge1(10), 23},
        {"time base changes in the middle", wechsel, 5 + 4 * 2 + 5 + 5 + 3 * 2},
        {"a length-2 point between", lang, 5 + 3 * 2 + 5 + 5 + 4 * 2},
        {"a run holds at most 65536 points", laenge1(65537), 5 + 65535 * 2 + 5},
    };
    for (const auto& f : faelle) EXPECT_EQ(KurveSpeicherbedarf(f.punkte), f.bytes) << f.was;
}

TEST(Kurvenmodell, StartTimesDurationAndSegmentUnderATime) {
    const std::vector<Kurvenpunkt> p = {{0, 3, 2}, {4095, 2, 1}, {10, 1, 3}};  // 300, 20, 1000
    EXPECT_EQ(PunktStartzeit(p, 0), 0);
    EXPECT_EQ(PunktStartzeit(p, 1), 300);
    EXPECT_EQ(PunktStartzeit(p, 2), 320);
    EXPECT_EQ(Kurvendauer(p), 1320);
    EXPECT_EQ(SegmentBeiZeit(p, 0.0), 0u);
    EXPECT_EQ(SegmentBeiZeit(p, 299.9), 0u);
    EXPECT_EQ(SegmentBeiZeit(p, 300.0), 1u);  // exactly the start of point 1
    EXPECT_EQ(SegmentBeiZeit(p, 320.0), 2u);
    EXPECT_EQ(SegmentBeiZeit(p, 5000.0), 2u);  // beyond the end: the last point
}

TEST(Kurvenmodell, DigitisedSegmentReachesItsEndOnlyAtTheNextPoint) {
    const auto stufen = DigitalisierteGerade(0, 0, 30, 4095, 10);
    ASSERT_EQ(stufen.size(), 3u);
    EXPECT_EQ(stufen[0].wert, 0);
    EXPECT_EQ(stufen[1].wert, 1365);
    EXPECT_EQ(stufen[2].wert, 2730);
    EXPECT_DOUBLE_EQ(stufen[2].zeit, 20.0);
    EXPECT_TRUE(DigitalisierteGerade(0, 0, 30, 4095, 0).empty());
}

TEST(Kurvenmodell, TimeFieldsSplitAndJoin) {
    const Zeitangabe z = ZeitZerlegen(3723004.9);
    EXPECT_EQ(z, (Zeitangabe{1, 2, 3, 4}));
    EXPECT_EQ(ZeitZusammensetzen(z), 3723004);
    EXPECT_EQ(ZeitZerlegen(-5.0), Zeitangabe{});
}

// Each edit puts one more point at the end, so the count tells the states apart.
void bearbeiten(Kurvenmodell& m) {
    m.BearbeitungsschrittSichern();
    m.aktuell().punkte.push_back({1, 1, 1});
}

// How undo and redo walk their ten steps is the ring's test (base); here what the model adds.
TEST(Kurvenmodell, UndoHistoriesBelongToTheirCurve) {
    Kurvenmodell m;
    bearbeiten(m);
    EXPECT_TRUE(m.geaendert);
    m.aktuelleKurve = 2;
    EXPECT_FALSE(m.RueckgaengigMoeglich());
    EXPECT_FALSE(m.Rueckgaengig());
    m.aktuelleKurve = 0;
    EXPECT_TRUE(m.Rueckgaengig());
    EXPECT_EQ(m.kurven[0].punkte, Einzelpunkt());
}

TEST(Kurvenmodell, NeuResetsCurvesButKeepsRangesAndHistory) {
    Kurvenmodell m;
    bearbeiten(m);
    m.kurven[1].kommentar = "x";
    m.einstellungen[1] = {0, 99, 10, 20, 0.5};
    m.dateipfad = "a.plr";
    m.fenster = {5, 50};
    m.Neu();
    EXPECT_EQ(m.kurven[0].punkte, Einzelpunkt());
    EXPECT_EQ(m.kurven[1].kommentar, "");
    EXPECT_EQ(m.einstellungen[1], (Kurveneinstellungen{1, 0, 10, 20, 0.5}));
    EXPECT_EQ(m.dateipfad, "");
    EXPECT_EQ(m.fenster.max, 200);
    EXPECT_TRUE(m.RueckgaengigMoeglich());
}

TEST(Kurvenmodell, RestValueIsTakenInTheOutputsUnitAndKeptWithinRange) {
    KonfigurationStandardwerte();
    gKonfig.outskalamax[1] = 100.0;  // output 2: 0..10 V as 0..100 %
    Kurvenmodell m;
    m.aktuelleKurve = 1;
    EXPECT_EQ(m.ZyklenUndRuhezustandSetzen(3, 50.0), 2047);
    EXPECT_EQ(m.einstellungen[1].zyklen, 3);
    EXPECT_TRUE(m.geaendert);
    EXPECT_EQ(m.ZyklenUndRuhezustandSetzen(70000, 150.0), 4095);
    EXPECT_EQ(m.einstellungen[1].zyklen, 65535);
    EXPECT_EQ(m.ZyklenUndRuhezustandSetzen(-1, -3.0), 0);
    EXPECT_EQ(m.einstellungen[1].zyklen, 0);
    EXPECT_EQ(m.einstellungen[0].ruhewert, 0);
    KonfigurationStandardwerte();
}

}  // namespace
}  // namespace plv7::kurven
