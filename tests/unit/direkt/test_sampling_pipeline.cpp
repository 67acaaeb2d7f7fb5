#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "direkt/Abtastpipeline.h"

using namespace plv7::direkt;
using ::testing::ElementsAre;

namespace {

// Records every call of the link and of the window's side in one list, so that the order
// of the steps inside a tick is visible.
struct Aufzeichnung : Eingangsabfrage, Abtastverbraucher {
    std::vector<std::string> aufrufe;
    int port = 3;
    int sendenCode = 0;
    int empfangenCode = 0;
    int protokollCode = 0;
    bool ganzesBild = false;
    double naechsteSpannung = 1.0;  // each answer carries this on every input, then +1
    std::vector<Messwert> angezeigt;

    int offenerPort() override { return port; }
    char adresse() override { return '2'; }
    int senden(int p, char a, unsigned maske) override {
        aufrufe.push_back("senden " + std::to_string(p) + a + " " + std::to_string(maske));
        return sendenCode;
    }
    int empfangen(int, char, unsigned maske, std::array<double, 4>& volts) override {
        aufrufe.push_back("empfangen " + std::to_string(maske));
        volts = {naechsteSpannung, naechsteSpannung, naechsteSpannung, naechsteSpannung};
        volts[0] = 99.0;  // a value that a failed read left behind must never be shown
        if (empfangenCode != 0) return empfangenCode;
        volts[0] = naechsteSpannung;
        naechsteSpannung += 1.0;
        return 0;
    }
    bool anzeigen(const Messwert& wert) override {
        aufrufe.push_back("anzeigen " + std::to_string(static_cast<int>(wert.volts[1])));
        angezeigt.push_back(wert);
        return ganzesBild;
    }
    int protokollieren(const Messwert& wert) override {
        aufrufe.push_back("protokollieren " + std::to_string(static_cast<int>(wert.volts[1])));
        return protokollCode;
    }
};

class AbtastpipelineTest : public ::testing::Test {
protected:
    Aufzeichnung a;
    Abtastpipeline pipeline{a, a};
    double jetzt = 10.0;

    Taktergebnis takt(double intervall, std::array<bool, 4> plot = {true, true, true, true}) {
        Takteingabe e;
        e.jetzt = jetzt;
        e.intervall = intervall;
        e.plot = plot;
        jetzt += intervall;
        return pipeline.takt(e);
    }
};

}  // namespace

TEST(Abfragebits, OneBitPerTraceToggle) {
    EXPECT_EQ(abfragebits({false, false, false, false}), 0u);
    EXPECT_EQ(abfragebits({true, false, false, false}), 1u);
    EXPECT_EQ(abfragebits({false, true, false, true}), 0x0Au);
    EXPECT_EQ(abfragebits({true, true, true, true}), 0x0Fu);
}

TEST_F(AbtastpipelineTest, SlowTickRequestsReceivesShowsAndLogsItsOwnSample) {
    pipeline.starten();
    const auto r = takt(0.1, {true, false, true, false});
    EXPECT_TRUE(r.verarbeitet);
    EXPECT_FALSE(r.gestoppt);
    EXPECT_THAT(a.aufrufe,
                ElementsAre("senden 32 5", "empfangen 5", "anzeigen 1", "protokollieren 1"));
    takt(0.1);
    EXPECT_EQ(a.aufrufe[4], "senden 32 15");
    EXPECT_EQ(a.aufrufe[6], "anzeigen 2");
}

TEST_F(AbtastpipelineTest, FastPathShowsEachSampleOneTickAfterItsRequest) {
    pipeline.starten();
    const auto erster = takt(0.05);
    EXPECT_FALSE(erster.verarbeitet);
    EXPECT_THAT(a.aufrufe, ElementsAre("senden 32 15"));
    a.aufrufe.clear();
    // The answer that travelled meanwhile is collected first, the next request goes out at
    // once, and only then is the sample shown and logged.
    EXPECT_TRUE(takt(0.05, {true, true, false, false}).verarbeitet);
    EXPECT_THAT(a.aufrufe,
                ElementsAre("empfangen 15", "senden 32 3", "anzeigen 1", "protokollieren 1"));
    a.aufrufe.clear();
    takt(0.05);
    // The answer is read with the mask of its own request.
    EXPECT_THAT(a.aufrufe,
                ElementsAre("empfangen 3", "senden 32 15", "anzeigen 2", "protokollieren 2"));
}

TEST_F(AbtastpipelineTest, EveryStartSkipsTheFirstFastTickAgain) {
    pipeline.starten();
    takt(0.05);
    takt(0.05);
    pipeline.stoppen();
    EXPECT_FALSE(takt(0.05).verarbeitet);  // a stopped pipeline does nothing
    pipeline.starten();
    a.aufrufe.clear();
    // The answer to the request before the stop is never collected.
    EXPECT_FALSE(takt(0.05).verarbeitet);
    EXPECT_THAT(a.aufrufe, ElementsAre("senden 32 15"));
}

TEST_F(AbtastpipelineTest, SwitchingBetweenPathsNeverShowsASampleTwice) {
    pipeline.starten();
    takt(0.5);  // shows sample 1
    a.aufrufe.clear();
    takt(0.05);  // sample 1 was shown already: nothing to show yet
    EXPECT_THAT(a.aufrufe, ElementsAre("senden 32 15"));
    takt(0.05);  // shows sample 2
    EXPECT_EQ(a.angezeigt.size(), 2u);
    EXPECT_EQ(a.angezeigt.back().volts[1], 2.0);
    // Back to the slow path: the answer in transit is left to the next request's flush.
    a.aufrufe.clear();
    takt(0.5);
    EXPECT_THAT(a.aufrufe,
                ElementsAre("senden 32 15", "empfangen 15", "anzeigen 3", "protokollieren 3"));
}

TEST_F(AbtastpipelineTest, DelayedFrameRestartsTimingAndDropsTheAnswerInTransit) {
    pipeline.starten();
    takt(0.01);
    a.ganzesBild = true;
    takt(0.01);  // shows sample 1, whose chart frame is drawn whole
    a.ganzesBild = false;
    EXPECT_FALSE(pipeline.zeitstatistik().gestartet());
    a.aufrufe.clear();
    // The answer to the request sent before the drawing is not collected.
    const auto r = takt(0.01);
    EXPECT_FALSE(r.verarbeitet);
    EXPECT_THAT(a.aufrufe, ElementsAre("senden 32 15"));
    takt(0.01);
    EXPECT_EQ(a.angezeigt.back().volts[1], 2.0);
}

TEST_F(AbtastpipelineTest, NoPortStopsWithRequestCodeAndWaitsForNoAnswer) {
    pipeline.starten();
    a.port = -1;
    const auto r = takt(0.5);
    EXPECT_TRUE(r.gestoppt);
    ASSERT_EQ(r.anzahlFehler, 1);
    EXPECT_EQ(r.fehler[0], kFehlerAnfrageOhnePort);
    EXPECT_FALSE(r.verarbeitet);
    EXPECT_TRUE(a.aufrufe.empty());
    EXPECT_FALSE(pipeline.laeuft());
}

TEST_F(AbtastpipelineTest, PortVanishingBeforeTheAnswerGivesReceiveCodeInErrorFields) {
    struct Verschwindend : Aufzeichnung {
        int aufruf = 0;
        int offenerPort() override { return ++aufruf == 1 ? 3 : -1; }
    } v;
    Abtastpipeline p(v, v);
    p.starten();
    Takteingabe e;
    e.intervall = 0.5;
    const auto r = p.takt(e);
    ASSERT_EQ(r.anzahlFehler, 1);
    EXPECT_EQ(r.fehler[0], kFehlerEmpfangOhnePort);
    EXPECT_TRUE(r.portFehlerAnzeigen);
    EXPECT_FALSE(r.verarbeitet);
}

TEST_F(AbtastpipelineTest, FailedAnswerIsNeitherShownNorLogged) {
    pipeline.starten();
    takt(0.5);
    a.empfangenCode = -402049;
    a.aufrufe.clear();
    const auto r = takt(0.5);
    EXPECT_TRUE(r.gestoppt);
    ASSERT_EQ(r.anzahlFehler, 1);
    EXPECT_EQ(r.fehler[0], -402049);
    EXPECT_THAT(a.aufrufe, ElementsAre("senden 32 15", "empfangen 15"));
    EXPECT_EQ(pipeline.messwert().volts[0], 1.0);
}

TEST_F(AbtastpipelineTest, FastPathStillShowsThePreviousGoodAnswerWhenTheRequestFails) {
    pipeline.starten();
    takt(0.05);
    a.sendenCode = -101047;
    a.aufrufe.clear();
    const auto r = takt(0.05);
    EXPECT_TRUE(r.gestoppt);
    EXPECT_EQ(r.fehler[0], -101047);
    EXPECT_THAT(a.aufrufe,
                ElementsAre("empfangen 15", "senden 32 15", "anzeigen 1", "protokollieren 1"));
}

TEST_F(AbtastpipelineTest, FastPathFailedAnswerStopsBeforeTheNextRequest) {
    pipeline.starten();
    takt(0.05);
    a.empfangenCode = -403051;
    a.aufrufe.clear();
    const auto r = takt(0.05);
    EXPECT_TRUE(r.gestoppt);
    ASSERT_EQ(r.anzahlFehler, 1);
    EXPECT_EQ(r.fehler[0], -403051);
    EXPECT_FALSE(r.verarbeitet);
    EXPECT_THAT(a.aufrufe, ElementsAre("empfangen 15"));
}

TEST_F(AbtastpipelineTest, LogFailureStopsTheAcquisitionAfterTheSampleWasShown) {
    pipeline.starten();
    takt(0.05);
    a.protokollCode = -301311;
    a.aufrufe.clear();
    const auto r = takt(0.05);
    EXPECT_THAT(a.aufrufe,
                ElementsAre("empfangen 15", "senden 32 15", "anzeigen 1", "protokollieren 1"));
    ASSERT_EQ(r.anzahlFehler, 1);
    EXPECT_EQ(r.fehler[0], -301311);
    EXPECT_FALSE(pipeline.laeuft());
}

TEST_F(AbtastpipelineTest, MinimumAndMaximumFollowTheSamplesAndTheResetFlag) {
    pipeline.starten();
    a.naechsteSpannung = 5.0;
    takt(0.5);  // the first sample ever fills both
    const Messwert& m = pipeline.messwert();
    EXPECT_EQ(m.minimum[1], 5.0);
    EXPECT_EQ(m.maximum[1], 5.0);
    EXPECT_TRUE(m.neuesMinimum[1]);
    EXPECT_TRUE(m.neuesMaximum[1]);
    a.naechsteSpannung = 7.0;
    takt(0.5);
    EXPECT_EQ(m.maximum[1], 7.0);
    EXPECT_TRUE(m.neuesMaximum[1]);
    EXPECT_FALSE(m.neuesMinimum[1]);
    a.naechsteSpannung = 3.0;
    takt(0.5);
    EXPECT_EQ(m.minimum[1], 3.0);
    EXPECT_EQ(m.maximum[1], 7.0);

    pipeline.minMaxZuruecksetzen();
    EXPECT_EQ(m.minimum[1], 3.0);  // the reset waits for the next sample
    a.naechsteSpannung = 0.0;      // even 0 V, equal to the old reset value, becomes both
    takt(0.5);
    EXPECT_EQ(m.minimum[1], 0.0);
    EXPECT_EQ(m.maximum[1], 0.0);
    EXPECT_TRUE(m.neuesMaximum[1]);
    EXPECT_TRUE(m.neuesMinimum[1]);
}

TEST_F(AbtastpipelineTest, PercentOfInputFullScaleAndRunningTime) {
    pipeline.starten();
    a.naechsteSpannung = 2.5;
    Takteingabe e;
    e.jetzt = 20.0;
    e.vinmax = 5.0;
    pipeline.takt(e);
    EXPECT_DOUBLE_EQ(pipeline.messwert().prozent[2], 50.0);
    EXPECT_DOUBLE_EQ(pipeline.messwert().laufzeit, 0.0);
    e.jetzt = 20.5;
    e.vinmax = 0.0;  // a scaling record of zeros: no division by zero
    pipeline.takt(e);
    EXPECT_DOUBLE_EQ(pipeline.messwert().prozent[2], 0.0);
    EXPECT_DOUBLE_EQ(pipeline.messwert().laufzeit, 0.5);
}

TEST_F(AbtastpipelineTest, TimingErrorsAreReportedPerTick) {
    pipeline.starten();
    Takteingabe e;
    e.jetzt = 1.0;
    EXPECT_FALSE(pipeline.takt(e).zeitfehler);
    e.jetzt = 1.503;
    EXPECT_TRUE(pipeline.takt(e).zeitfehler);
    EXPECT_EQ(pipeline.zeitstatistik().anzeige().fehler, 1);
}

TEST_F(AbtastpipelineTest, AnAnswerCollectedAheadIsShownByItsTickWithoutAnotherRead) {
    pipeline.starten();
    EXPECT_FALSE(pipeline.antwortVorziehen().gestoppt);  // nothing in transit yet
    takt(0.05);
    a.aufrufe.clear();
    EXPECT_FALSE(pipeline.antwortVorziehen().gestoppt);
    EXPECT_THAT(a.aufrufe, ElementsAre("empfangen 15"));
    EXPECT_FALSE(pipeline.antwortVorziehen().gestoppt);  // collected once only
    a.aufrufe.clear();
    EXPECT_TRUE(takt(0.05).verarbeitet);
    EXPECT_THAT(a.aufrufe, ElementsAre("senden 32 15", "anzeigen 1", "protokollieren 1"));
}

TEST_F(AbtastpipelineTest, AFailedAnswerCollectedAheadStopsTheAcquisition) {
    pipeline.starten();
    takt(0.05);
    a.empfangenCode = -403051;
    const auto r = pipeline.antwortVorziehen();
    EXPECT_TRUE(r.gestoppt);
    EXPECT_EQ(r.fehler[0], -403051);
    EXPECT_FALSE(pipeline.laeuft());
}
