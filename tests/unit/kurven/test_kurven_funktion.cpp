// Curves from a standard waveform: the shapes at phase and duty cycle, the accuracy at every
// tick, the point counts that show the thinning works, and the refusals.
#include <gtest/gtest.h>

#include <cmath>

#include "konfig/Konfiguration.h"
#include "kurven/Ausduennung.h"
#include "kurven/Kurvenfunktion.h"
#include "kurven/Speicherabbild.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {
namespace {

using namespace kurvenfunktion;

Konfiguration standard() {
    Konfiguration k;
    KonfigurationStandardwerte(k);  // 0..10 V on every output
    return k;
}

struct FormFall {
    Kurvenform form;
    double u;
    double tastgrad;
    double erwartet;
};

TEST(Kurvenfunktion, ShapesAtPhaseZero) {
    const FormFall faelle[] = {
        {Kurvenform::Sinus, 0.0, 50, 0.0},      {Kurvenform::Sinus, 0.25, 50, 1.0},
        {Kurvenform::Sinus, 0.5, 50, 0.0},      {Kurvenform::Sinus, 0.75, 50, -1.0},
        {Kurvenform::Dreieck, 0.0, 50, 0.0},    {Kurvenform::Dreieck, 0.125, 50, 0.5},
        {Kurvenform::Dreieck, 0.25, 50, 1.0},   {Kurvenform::Dreieck, 0.5, 50, 0.0},
        {Kurvenform::Dreieck, 0.75, 50, -1.0},  {Kurvenform::Dreieck, 0.875, 50, -0.5},
        {Kurvenform::Rechteck, 0.0, 30, 1.0},   {Kurvenform::Rechteck, 0.299, 30, 1.0},
        {Kurvenform::Rechteck, 0.3, 30, -1.0},  {Kurvenform::Rechteck, 0.99, 30, -1.0},
        {Kurvenform::Rechteck, 0.5, 100, 1.0},  {Kurvenform::Rechteck, 0.0, 0, -1.0},
        {Kurvenform::Saegezahn, 0.0, 50, -1.0}, {Kurvenform::Saegezahn, 0.5, 50, 0.0},
        {Kurvenform::Saegezahn, 0.75, 50, 0.5},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(Formwert(f.form, f.u, f.tastgrad), f.erwartet, 1e-12)
            << KurvenformName(f.form) << " u=" << f.u;
}

TEST(Kurvenfunktion, PhaseShiftsByItsFractionOfThePeriod) {
    const Konfiguration k = standard();
    Funktionsparameter p;
    p.amplitude = 2.0;
    p.offset = 5.0;
    p.periode = 2.0;
    struct Fall {
        Kurvenform form;
        double phase;
        double ms;
        double volt;
    };
    const Fall faelle[] = {
        {Kurvenform::Sinus, 90, 0, 7.0},       {Kurvenform::Sinus, -90, 0, 3.0},
        {Kurvenform::Sinus, 450, 0, 7.0},      {Kurvenform::Dreieck, 180, 500, 3.0},
        {Kurvenform::Rechteck, 180, 0, 3.0},   {Kurvenform::Rechteck, 180, 1000, 7.0},
        {Kurvenform::Saegezahn, 180, 0, 5.0},  {Kurvenform::Saegezahn, 0, 1999, 6.998},
        {Kurvenform::Saegezahn, 0, 2000, 3.0}, {Kurvenform::Sinus, 0, 500, 7.0},
    };
    for (const auto& f : faelle) {
        p.form = f.form;
        p.phase = f.phase;
        EXPECT_NEAR(Funktionswert(p, k, 0, f.ms), f.volt * 409.5, 1e-6)
            << KurvenformName(f.form) << " phase " << f.phase << " at " << f.ms << " ms";
    }
}

struct ErzeugungFall {
    Kurvenform form;
    double amplitude, offset, periode;
    int perioden;
    double phase, tastgrad;
    int zeitbasis;       // asked for; 0 = automatic
    std::size_t punkte;  // expected count, 0 = only bounded by the accuracy
};

// Every tick of the time base: the line through the points within 2 codes of the function,
// the curve exactly the whole periods long.
TEST(Kurvenfunktion, LineStaysWithinTwoCodesAtEveryTick) {
    const Konfiguration k = standard();
    const ErzeugungFall faelle[] = {
        {Kurvenform::Sinus, 2, 5, 2.0, 10, 0, 50, 0, 0},
        {Kurvenform::Sinus, 5, 5, 1.0, 1, 30, 50, 1, 0},
        {Kurvenform::Sinus, 0.01, 5, 1.0, 3, 0, 50, 1, 0},
        {Kurvenform::Dreieck, 4, 5, 1.0, 5, 0, 50, 1, 11},
        {Kurvenform::Dreieck, 4, 5, 1.0, 2, 45, 50, 2, 0},
        {Kurvenform::Rechteck, 2, 5, 1.0, 4, 0, 30, 1, 16},
        {Kurvenform::Rechteck, 2, 5, 1.0, 2, 90, 25, 1, 0},
        {Kurvenform::Rechteck, 2, 5, 0.37, 3, 0, 50, 1, 0},  // edges between ticks
        {Kurvenform::Saegezahn, 5, 5, 10.0, 2, 0, 50, 2, 4},
        {Kurvenform::Saegezahn, 3, 5, 1.0, 3, 120, 50, 1, 0},
        {Kurvenform::Sinus, 0, 5, 1.0, 100, 0, 50, 1, 1},  // a constant needs one point
    };
    for (const auto& f : faelle) {
        Funktionsparameter p{f.form,     f.amplitude, f.offset,  f.periode,
                             f.perioden, f.phase,     f.tastgrad};
        const Kurvenerzeugung e = KurveErzeugen(p, k, Kurvenmodell{}.kurven, 0, f.zeitbasis);
        SCOPED_TRACE(std::string(KurvenformName(f.form)) + " phase " + std::to_string(f.phase));
        ASSERT_EQ(e.code, 0) << e.meldung;
        if (f.zeitbasis != 0) {
            EXPECT_EQ(e.zeitbasis, f.zeitbasis);
        }
        if (f.punkte != 0) {
            EXPECT_EQ(e.punkte.size(), f.punkte);
        }
        const auto tick = ZeitbasisTick(e.zeitbasis);
        const auto ticks = std::llround(1000.0 * f.periode * f.perioden / double(tick));
        EXPECT_EQ(Kurvendauer(e.punkte), ticks * tick);
        for (const auto& pt : e.punkte) {
            EXPECT_EQ(pt.zeitbasis, e.zeitbasis);
            EXPECT_GE(pt.wert, 0);
            EXPECT_LE(pt.wert, kWertMax);
        }
        double schlimmste = 0.0;
        for (long long t = 0; t < ticks; ++t) {
            const double soll = Funktionswert(p, k, 0, double(t * tick));
            schlimmste = std::max(schlimmste, std::fabs(LinienwertBeiTick(e.punkte, t) - soll));
        }
        EXPECT_LE(schlimmste, kToleranz + 1e-9);
        EXPECT_EQ(e.speicherbedarf, SpeicherbedarfMit(Kurvenmodell{}.kurven, 0, e.punkte));
    }
}

// The other three curves take all but a little of the memory.
Kurvenmodell fastVoll(long freiBytes) {
    Kurvenmodell m;
    const long belegt = abbild::kGrenze - freiBytes - 32 - 5;  // curve 1 stays a single point
    for (std::size_t c = 1; c < 4; ++c)
        m.kurven[c].punkte.assign(static_cast<std::size_t>(belegt / 3 / 5), {100, 2, 1});
    return m;
}

TEST(Kurvenfunktion, AutomaticTimeBaseIsTheFinestThatFits) {
    const Konfiguration k = standard();
    Funktionsparameter p{Kurvenform::Sinus, 2, 5, 2.0, 10, 0, 50};
    const auto frei = KurveErzeugen(p, k, Kurvenmodell{}.kurven, 0, 0);
    ASSERT_EQ(frei.code, 0);
    EXPECT_EQ(frei.zeitbasis, 1);

    const Kurvenmodell m = fastVoll(KurveSpeicherbedarf(frei.punkte) - 35);
    const auto enger = KurveErzeugen(p, k, m.kurven, 0, 0);
    ASSERT_EQ(enger.code, 0) << enger.meldung;
    EXPECT_EQ(enger.zeitbasis, 2);
    EXPECT_TRUE(PasstInSpeicher(enger.speicherbedarf));

    const auto fest = KurveErzeugen(p, k, m.kurven, 0, 1);
    EXPECT_EQ(fest.code, abbild::kPlatzReichtNicht);
    EXPECT_EQ(fest.meldung, abbild::kPlatzMeldung);
    EXPECT_FALSE(PasstInSpeicher(fest.speicherbedarf));

    // Nothing fits when the memory is full; the coarse bases cannot draw a 2-second period.
    const auto voll = KurveErzeugen(p, k, fastVoll(0).kurven, 0, 0);
    EXPECT_EQ(voll.code, abbild::kPlatzReichtNicht);
}

TEST(Kurvenfunktion, Refusals) {
    const Konfiguration k = standard();
    struct Fall {
        Funktionsparameter p;
        int zeitbasis;
        int code;
        std::string meldung;
    };
    const Fall faelle[] = {
        {{Kurvenform::Sinus, 2, 9, 1, 1, 0, 50},
         0,
         kFehlerBereich,
         "Die Werte von 7.000 bis 11.000 V liegen außerhalb des Bereichs von\n"
         "Ausgang 1: 0.000 bis 10.000 V."},
        {{Kurvenform::Rechteck, 3, 2, 1, 1, 0, 50}, 0, kFehlerBereich, ""},
        {{Kurvenform::Sinus, -1, 5, 1, 1, 0, 50},
         0,
         kFehlerParameter,
         "Die Amplitude darf nicht negativ sein."},
        {{Kurvenform::Sinus, 1, 5, 0, 1, 0, 50}, 0, kFehlerParameter, ""},
        {{Kurvenform::Sinus, 1, 5, 1, 0, 0, 50}, 0, kFehlerParameter, ""},
        {{Kurvenform::Rechteck, 1, 5, 1, 1, 0, 100.5}, 0, kFehlerParameter, ""},
        {{Kurvenform::Sinus, NAN, 5, 1, 1, 0, 50}, 0, kFehlerParameter, "Ungültiger Wert."},
        {{Kurvenform::Sinus, 1, 5, 1, 1, INFINITY, 50}, 0, kFehlerParameter, ""},
        {{Kurvenform::Sinus, 1, 5, 0.015, 1, 0, 50},
         0,
         kFehlerPeriodeZuKurz,
         "Die Periode ist kürzer als vier Schritte der Zeitbasis 10ms."},
        {{Kurvenform::Sinus, 1, 5, 3.5, 1, 0, 50}, 3, kFehlerPeriodeZuKurz, ""},
        {{Kurvenform::Sinus, 1, 5, 0.035, 1, 0, 50}, 0, kFehlerPeriodeZuKurz, ""},
        {{Kurvenform::Sinus, 1, 5, 1e9, 1000, 0, 50}, 0, abbild::kPlatzReichtNicht, ""},
    };
    for (const auto& f : faelle) {
        const auto e = KurveErzeugen(f.p, k, Kurvenmodell{}.kurven, 0, f.zeitbasis);
        EXPECT_EQ(e.code, f.code) << e.meldung;
        EXPECT_TRUE(e.punkte.empty() || e.code == abbild::kPlatzReichtNicht);
        if (!f.meldung.empty()) {
            EXPECT_EQ(e.meldung, f.meldung);
        }
    }
}

TEST(Kurvenfunktion, AnInvertedScalingIsCheckedInItsOwnUnits) {
    Konfiguration k = standard();
    k.outskalamin[2] = 100.0;  // 0 V = 100 %, 10 V = 0 %
    k.outskalamax[2] = 0.0;
    EinheitSetzen(k.outeinheit[2], "%");
    Funktionsparameter p{Kurvenform::Dreieck, 50, 50, 1, 1, 0, 50};
    EXPECT_EQ(KurveErzeugen(p, k, Kurvenmodell{}.kurven, 2, 1).code, 0);
    p.offset = 60;
    const auto e = KurveErzeugen(p, k, Kurvenmodell{}.kurven, 2, 1);
    EXPECT_EQ(e.code, kFehlerBereich);
    EXPECT_NE(e.meldung.find("Ausgang 3: 0.000 bis 100.000 %"), std::string::npos) << e.meldung;
}

TEST(Kurvenfunktion, ReplacingIsOneUndoStepOfThatCurve) {
    Kurvenmodell m;
    m.geaendert = false;
    const std::vector<Kurvenpunkt> neu = {{10, 5, 1}, {20, 5, 1}};
    KurveErsetzen(m, 2, neu);
    EXPECT_EQ(m.aktuelleKurve, 2);
    EXPECT_EQ(m.kurven[2].punkte, neu);
    EXPECT_TRUE(m.geaendert);
    EXPECT_TRUE(m.Rueckgaengig());
    EXPECT_EQ(m.kurven[2].punkte, Einzelpunkt());
    EXPECT_FALSE(m.Rueckgaengig());
}

TEST(Kurvenfunktion, CommandNamesOfTheShapes) {
    Kurvenform f = Kurvenform::Sinus;
    EXPECT_TRUE(KurvenformAusBefehl("sawtooth", f));
    EXPECT_EQ(f, Kurvenform::Saegezahn);
    EXPECT_TRUE(KurvenformAusBefehl("square", f));
    EXPECT_EQ(f, Kurvenform::Rechteck);
    EXPECT_FALSE(KurvenformAusBefehl("Sinus", f));
    EXPECT_EQ(KurvenformName(Kurvenform::Saegezahn), "Sägezahn");
}

}  // namespace
}  // namespace plv7::kurven
