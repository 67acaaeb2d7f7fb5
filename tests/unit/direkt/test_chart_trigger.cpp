#include <gtest/gtest.h>

#include <vector>

#include "direkt/Grafik.h"

using namespace plv7::direkt;

namespace {

Grafikwert wertMit(double eingang1, double laufzeit = 0.0) {
    Grafikwert w;
    w.eingangProzent = {eingang1, 2.0, 3.0, 4.0};
    w.ausgangProzent = {10.0, 20.0, 30.0, 40.0};
    w.datum = "03-17-2024";
    w.uhrzeit = "09:05:01";
    w.laufzeit = laufzeit;
    return w;
}

Grafik grafikMit(int punkteProDiv, Triggereinstellung trigger, int xTeilungen = kXTeilungen) {
    Grafik g(xTeilungen);
    g.setPunkteProDiv(punkteProDiv);
    g.setTrigger(trigger);
    return g;
}

}  // namespace

TEST(GrafikEinteilung, PointsPerDivisionKeepAFrameInsideTheBuffer) {
    Grafik g;
    EXPECT_EQ(g.setPunkteProDiv(26), 26);
    EXPECT_EQ(g.bildlaenge(), 312);
    EXPECT_EQ(g.setPunkteProDiv(1000), 832);
    EXPECT_EQ(g.bildlaenge(), 9984);
    EXPECT_EQ(g.setPunkteProDiv(0), 1);
    EXPECT_EQ(g.setPunkteProDiv(-5), 1);
}

TEST(GrafikOhneTrigger, FramesFollowEachOtherAndPlotEverySample) {
    Grafik g = grafikMit(1, {});  // P = 12
    for (int i = 0; i < 12; ++i) {
        const Zeichnung z = g.neuerWert(wertMit(i));
        EXPECT_EQ(z.bildBeginn, i == 0);
        EXPECT_EQ(z.von, i);
        EXPECT_EQ(z.anzahl, 1);
        EXPECT_EQ(g.bildSpur(0)[i], i);
        EXPECT_EQ(z.triggertext, Triggertext::Unveraendert);
    }
    EXPECT_FALSE(g.bildLaeuft());
    const Zeichnung naechstes = g.neuerWert(wertMit(100));
    EXPECT_TRUE(naechstes.bildBeginn);
    EXPECT_EQ(naechstes.von, 0);
    EXPECT_EQ(g.bildanfang(), 12);
    EXPECT_EQ(g.bildX().size(), 12u);
    EXPECT_EQ(g.bildX()[11], 11.0);
}

TEST(GrafikTrigger, PositiveEdgeFiresOnlyAfterTheSignalWasBelow) {
    Grafik g = grafikMit(1, {1, 1, 50.0, 0});
    for (double v : {60.0, 70.0, 55.0, 50.0}) {
        const Zeichnung z = g.neuerWert(wertMit(v));
        EXPECT_EQ(z.anzahl, 0) << v;
        EXPECT_EQ(z.triggertext, Triggertext::Warten);
    }
    EXPECT_EQ(g.neuerWert(wertMit(49.9)).triggertext, Triggertext::Warten);  // arms
    const Zeichnung z = g.neuerWert(wertMit(50.0));
    EXPECT_EQ(z.triggertext, Triggertext::Leer);
    EXPECT_TRUE(z.bildBeginn);
    EXPECT_EQ(z.anzahl, 1);
    EXPECT_EQ(g.bildanfang(), 5);
    EXPECT_TRUE(g.bildLaeuft());
}

TEST(GrafikTrigger, NegativeEdgeMirrorsThePositiveOne) {
    Grafik g = grafikMit(1, {1, -1, 30.0, 0});
    EXPECT_EQ(g.neuerWert(wertMit(20.0)).triggertext, Triggertext::Warten);  // not armed
    EXPECT_EQ(g.neuerWert(wertMit(31.0)).triggertext, Triggertext::Warten);  // arms
    EXPECT_EQ(g.neuerWert(wertMit(30.0)).triggertext, Triggertext::Leer);
    EXPECT_EQ(g.bildanfang(), 2);
}

TEST(GrafikTrigger, TriggerWatchesOnlyItsSourceChannel) {
    Grafik g = grafikMit(1, {2, 1, 3.0, 0});  // input 2 stays at 2 %: never reaches 3 %
    for (int i = 0; i < 20; ++i) EXPECT_EQ(g.neuerWert(wertMit(i * 10.0)).anzahl, 0);
}

TEST(GrafikTrigger, NegativeDelayOpensTheFrameWithTheHistoryBeforeTheTrigger) {
    Grafik g = grafikMit(10, {1, 1, 50.0, -2});            // P = 120
    for (int i = 0; i < 30; ++i) g.neuerWert(wertMit(i));  // rows 0..29, armed
    const Zeichnung z = g.neuerWert(wertMit(80.0));        // row 30 fires
    EXPECT_EQ(z.triggertext, Triggertext::Leer);
    EXPECT_TRUE(z.bildBeginn);
    EXPECT_EQ(z.von, 0);
    EXPECT_EQ(z.anzahl, 21);
    EXPECT_EQ(g.bildanfang(), 10);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(g.bildSpur(0)[i], 10.0 + i);
    EXPECT_EQ(g.bildSpur(0)[20], 80.0);
    EXPECT_EQ(g.bildSpur(3)[20], 4.0);

    // The frame goes on right after the 21 rows and ends after 120 samples in all.
    const Zeichnung weiter = g.neuerWert(wertMit(81.0));
    EXPECT_FALSE(weiter.bildBeginn);
    EXPECT_EQ(weiter.von, 21);
    for (int i = 0; i < 98; ++i) g.neuerWert(wertMit(0.0));
    EXPECT_FALSE(g.bildLaeuft());
    EXPECT_EQ(g.bildzeilen(), 120);
}

TEST(GrafikTrigger, NegativeDelayReachesBackOverTheBufferWrap) {
    Grafik g = grafikMit(10, {1, 1, 50.0, -2});
    for (int i = 0; i < 10005; ++i) g.neuerWert(wertMit(0.0));  // armed; rows wrap to 5
    g.neuerWert(wertMit(60.0));                                 // row 5 fires
    EXPECT_EQ(g.bildanfang(), 9985);
}

TEST(GrafikTrigger, PositiveDelayStartsTheFrameLaterAndKeepsWaitingText) {
    Grafik g = grafikMit(10, {1, 1, 50.0, 1});
    g.neuerWert(wertMit(10.0));
    EXPECT_EQ(g.neuerWert(wertMit(60.0)).triggertext, Triggertext::Leer);  // row 1 fires
    for (int i = 1; i < 10; ++i) {
        const Zeichnung z = g.neuerWert(wertMit(10.0));  // no re-arming while delay runs
        EXPECT_EQ(z.triggertext, Triggertext::Warten);
        EXPECT_EQ(z.anzahl, 0);
    }
    const Zeichnung start = g.neuerWert(wertMit(60.0));  // the 10th sample after the trigger
    EXPECT_TRUE(start.bildBeginn);
    EXPECT_EQ(start.triggertext, Triggertext::Warten);
    EXPECT_EQ(g.bildanfang(), 11);
    // While the frame runs the text is left as it is.
    EXPECT_EQ(g.neuerWert(wertMit(60.0)).triggertext, Triggertext::Unveraendert);
}

TEST(GrafikEinzelbild, FreezesAfterOneFrameAndRecordsNothingMore) {
    Grafik g = grafikMit(1, {});
    g.setEinzelbild(true);
    for (int i = 0; i < 11; ++i) g.neuerWert(wertMit(i));
    EXPECT_FALSE(g.eingefroren());
    const Zeichnung letzter = g.neuerWert(wertMit(11));
    EXPECT_EQ(letzter.anzahl, 1);  // the frame's last sample is still drawn
    EXPECT_TRUE(g.eingefroren());
    const int position = g.puffer().schreibposition();
    const Zeichnung danach = g.neuerWert(wertMit(99));
    EXPECT_EQ(danach.anzahl, 0);
    EXPECT_EQ(danach.triggertext, Triggertext::Unveraendert);
    EXPECT_EQ(g.puffer().schreibposition(), position);
    EXPECT_EQ(g.bildzeilen(), 12);

    g.neustart();  // acquisition off and on again
    EXPECT_FALSE(g.eingefroren());
    EXPECT_EQ(g.puffer().schreibposition(), position);
    EXPECT_EQ(g.puffer().eingang(0, 5), 0.0);
    EXPECT_EQ(g.puffer().ausgang(0, 5), 10.0);
}

TEST(GrafikVerzoegert, DrawsWholeFramesAtOnceAndAsksForATimingRestart) {
    Grafik g = grafikMit(1, {});
    g.setVerzoegerteAnzeige(true);
    for (int i = 0; i < 11; ++i) {
        const Zeichnung z = g.neuerWert(wertMit(i));
        EXPECT_EQ(z.anzahl, 0);
        EXPECT_FALSE(z.ganzesBild);
    }
    const Zeichnung z = g.neuerWert(wertMit(11));
    EXPECT_TRUE(z.ganzesBild);
    EXPECT_TRUE(z.bildBeginn);
    EXPECT_EQ(z.von, 0);
    EXPECT_EQ(z.anzahl, 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(g.bildSpur(0)[i], i);
    EXPECT_FALSE(g.eingefroren());
    EXPECT_EQ(g.neuerWert(wertMit(0)).anzahl, 0);  // next frame recorded silently
}

TEST(GrafikVerzoegert, FrozenDelayedFrameKeepsItsRecordedRows) {
    Grafik g = grafikMit(1, {});
    g.setVerzoegerteAnzeige(true);
    g.setEinzelbild(true);
    for (int i = 0; i < 12; ++i) g.neuerWert(wertMit(i + 1.0));
    EXPECT_TRUE(g.eingefroren());
    EXPECT_EQ(g.bildzeilen(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(g.puffer().eingang(0, i), i + 1.0);
}

TEST(GrafikVerzoegert, PreTriggerFrameIsDrawnWhenComplete) {
    Grafik g = grafikMit(2, {1, 1, 50.0, -1});  // P = 24, 3 rows of history
    g.setVerzoegerteAnzeige(true);
    for (int i = 0; i < 5; ++i) g.neuerWert(wertMit(i));
    const Zeichnung z = g.neuerWert(wertMit(70.0));
    EXPECT_EQ(z.anzahl, 0);
    for (int i = 0; i < 20; ++i) EXPECT_FALSE(g.neuerWert(wertMit(0)).ganzesBild);
    const Zeichnung fertig = g.neuerWert(wertMit(0));
    EXPECT_TRUE(fertig.ganzesBild);
    EXPECT_EQ(fertig.anzahl, 24);
    EXPECT_EQ(g.bildSpur(0)[0], 3.0);
    EXPECT_EQ(g.bildSpur(0)[2], 70.0);
}

TEST(GrafikTrigger, HistoryAsLongAsTheFrameCompletesItAtOnce) {
    Grafik g = grafikMit(1, {1, 1, 50.0, -11});  // n = 12 = P
    g.setEinzelbild(true);
    for (int i = 0; i < 11; ++i) g.neuerWert(wertMit(0));
    const Zeichnung z = g.neuerWert(wertMit(90.0));
    EXPECT_EQ(z.anzahl, 12);
    EXPECT_TRUE(g.eingefroren());
}

TEST(GrafikTrigger, ChangingSourceOrDelayRestartsEdgeAndThresholdDoNot) {
    Grafik g = grafikMit(1, {1, 1, 50.0, 0});
    g.neuerWert(wertMit(10.0));  // arms
    g.setTrigger({1, 1, 20.0, 0});
    EXPECT_EQ(g.neuerWert(wertMit(25.0)).triggertext, Triggertext::Leer);
    g.neuerWert(wertMit(10.0));
    Grafik h = grafikMit(1, {1, 1, 50.0, 0});
    h.neuerWert(wertMit(10.0));  // arms
    h.setTrigger({1, 1, 50.0, 1});
    EXPECT_EQ(h.neuerWert(wertMit(60.0)).triggertext, Triggertext::Warten);
}
