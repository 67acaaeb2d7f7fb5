// The direct window's log read back and turned into a curve: several acquisitions, line ends,
// damaged lines, gaps, the tolerance, the units and the memory with its proposals.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "direkt/Protokoll.h"
#include "konfig/Konfiguration.h"
#include "kurven/AufzeichnungKurve.h"
#include "kurven/Ausduennung.h"
#include "kurven/Kurvenfunktion.h"
#include "kurven/Speicherabbild.h"

namespace plv7::kurven {
namespace {

using namespace aufzeichnung;

direkt::Protokollkopf kopf(const std::string& einheit1) {
    direkt::Protokollkopf k;
    for (auto& kanal : k.eingaenge) kanal = {0.0, 10.0, 3, "V"};
    for (auto& kanal : k.ausgaenge) kanal = {0.0, 10.0, 2, "V"};
    k.eingaenge[0] = {0.0, 250.0, 1, einheit1};
    return k;
}

// One acquisition as the log writer writes it; Eing2 carries `werte`, Ausg3 twice them.
std::string erfassung(const std::vector<std::pair<double, double>>& werte, bool beendet = true,
                      const std::string& einheit1 = "bar") {
    const auto k = kopf(einheit1);
    std::string text = direkt::startzeile(direkt::Protokollart::Datenerfassung) +
                       direkt::bereichszeilen("Eingang", k.eingaenge) +
                       direkt::bereichszeilen("Ausgang", k.ausgaenge) + direkt::spaltenkopf(k);
    for (const auto& [zeit, wert] : werte) {
        direkt::Protokollzeile z{
            "12-24-2026", "13:05:07", zeit, {1, wert, 3, 4}, {5, 6, 2 * wert, 8}};
        text += direkt::zeitspalten(z) + direkt::wertspalten(z.eingaenge, k.eingaenge, false) +
                direkt::wertspalten(z.ausgaenge, k.ausgaenge, true);
    }
    if (beendet) text += direkt::kDatenerfassungBeendet;
    return text;
}

std::vector<std::pair<double, double>> rampe(int n, double schritt = 0.01) {
    std::vector<std::pair<double, double>> w;
    for (int i = 0; i < n; ++i) w.emplace_back(i * schritt, 10.0 * i / (n - 1));
    return w;
}

Konfiguration standard() {
    Konfiguration k;
    KonfigurationStandardwerte(k);
    return k;
}

TEST(Aufzeichnung, SeveralAcquisitionsAppendedAreReadInOrder) {
    const std::string text = erfassung(rampe(3)) + erfassung(rampe(5), false) + erfassung({});
    for (const bool crlf : {false, true}) {
        std::string t = text;
        if (crlf)
            for (std::size_t p = 0; (p = t.find('\n', p)) != std::string::npos; p += 2)
                t.insert(p, "\r");
        const Aufzeichnung a = AufzeichnungLesen(t);
        ASSERT_EQ(a.code, 0) << a.meldung;
        ASSERT_EQ(a.erfassungen.size(), 3u);
        EXPECT_EQ(a.erfassungen[0].startzeile, 3u);
        EXPECT_EQ(a.erfassungen[1].startzeile, 19u);
        EXPECT_EQ(a.erfassungen[0].zeilen.size(), 3u);
        EXPECT_EQ(a.erfassungen[1].zeilen.size(), 5u);
        EXPECT_TRUE(a.erfassungen[2].zeilen.empty());
        const Erfassung& e = a.erfassungen[1];
        EXPECT_EQ(e.einheiten[0], "bar");
        EXPECT_EQ(e.einheiten[7], "V");
        EXPECT_EQ(e.datum, "24.12.2026");
        EXPECT_EQ(e.uhrzeit, "13:05:07");
        EXPECT_EQ(e.zeilen[4].zeile, e.startzeile + 9 + 5);
        EXPECT_DOUBLE_EQ(e.zeilen[4].laufzeit, 0.04);
        EXPECT_DOUBLE_EQ(e.zeilen[4].werte[1], 10.0);
        EXPECT_DOUBLE_EQ(e.zeilen[4].werte[6], 20.0);
    }
}

TEST(Aufzeichnung, ADamagedLineRefusesTheWholeFileWithItsNumber) {
    const std::string gut = erfassung(rampe(3)) + erfassung(rampe(3));
    struct Fall {
        std::string ersetzt;  // replaces this text once
        std::string durch;
        std::size_t zeile;
    };
    const Fall faelle[] = {
        {"0.010\t1.0", "0.010\tx.0", 14},  // a value that is no number
        {"\t8.00\n", "\t8.00\t9\n", 13},   // a ninth value
        {"\t8.00\n", "\n", 13},            // a value missing
        {"0.020\t1.0", "nan\t1.0", 15},    // running time no number
        {"Eingang2: ", "Eingang 2: ", 5},  // range line garbled
        {"Ausgang4: 0.00..10.00 V", "Ausgang4: 0.00 10.00 V", 11},
        {"Eing3[V]", "Eing3 [V]", 12},  // column header
        {"\tAusg4[V]", "", 12},
        {"\n\nDatenerfassung gestartet\n", "Kopf\n\nDatenerfassung gestartet\n", 1},
        {"Datenerfassung beendet\n", "Datenerfassung beendet\nRest\n", 17},
    };
    for (const auto& f : faelle) {
        std::string text = gut;
        const auto p = text.find(f.ersetzt);
        ASSERT_NE(p, std::string::npos) << f.ersetzt;
        text.replace(p, f.ersetzt.size(), f.durch);
        const Aufzeichnung a = AufzeichnungLesen(text);
        EXPECT_EQ(a.code, kFehlerZeile) << f.durch;
        EXPECT_EQ(a.meldung.substr(0, a.meldung.find(':') + 1),
                  "Fehler in Zeile " + std::to_string(f.zeile) + ":")
            << f.durch;
        EXPECT_TRUE(a.erfassungen.empty());
    }
    // A file that ends inside a header, and one without any acquisition.
    EXPECT_EQ(AufzeichnungLesen(gut.substr(0, gut.find("Ausgang3"))).code, kFehlerZeile);
    EXPECT_EQ(AufzeichnungLesen("").code, kFehlerKeineDaten);
    EXPECT_EQ(AufzeichnungLesen("\n\n").code, kFehlerKeineDaten);
}

Uebernahme uebernehmen(const std::string& text, Uebernahmewahl wahl,
                       const Kurvenmodell& m = Kurvenmodell{}) {
    return AufzeichnungUebernehmen(AufzeichnungLesen(text), wahl, standard(), m.kurven);
}

TEST(AufzeichnungKurve, ARampBecomesTwoPointsOfTheLastAcquisitionByDefault) {
    const std::string text = erfassung(rampe(3)) + erfassung(rampe(101));
    const Uebernahme u = uebernehmen(text, {1, 1, 0, 1, 2.0});
    ASSERT_EQ(u.code, 0) << u.meldung;
    const std::vector<Kurvenpunkt> erwartet = {{0, 100, 1}, {4095, 1, 1}};
    EXPECT_EQ(u.punkte, erwartet);
    EXPECT_EQ(u.messwerte, 101u);
    EXPECT_EQ(u.speicherbedarf, 32 + 5 + 5 + 3 * 5);
    // Ausg3 holds twice the values: 20 V is beyond output 1's range, named with its line.
    const Uebernahme zuGross = uebernehmen(text, {1, 6, 0, 1, 2.0});
    EXPECT_EQ(zuGross.code, kurvenfunktion::kFehlerBereich);
    EXPECT_EQ(zuGross.meldung.substr(0, 19), "Fehler in Zeile 80:") << zuGross.meldung;
    EXPECT_TRUE(zuGross.punkte.empty());
}

TEST(AufzeichnungKurve, EverySampleStaysWithinTheTolerance) {
    std::mt19937 zufall(21);
    std::uniform_real_distribution<double> rauschen(-0.05, 0.05);
    std::vector<std::pair<double, double>> werte;
    double zeit = 0.0;
    for (int i = 0; i < 3000; ++i) {
        // Uneven sampling with a few long gaps, one far beyond 65535 ticks.
        zeit += i % 500 == 499 ? 7.3 : (i == 1500 ? 900.0 : 0.012);
        werte.emplace_back(zeit, 5.0 + 4.0 * std::sin(i / 80.0) + rauschen(zufall));
    }
    const Aufzeichnung a = AufzeichnungLesen(erfassung(werte));
    for (const double toleranz : {0.5, 2.0, 7.0}) {
        const Uebernahme u =
            AufzeichnungUebernehmen(a, {0, 1, 0, 1, toleranz}, standard(), Kurvenmodell{}.kurven);
        ASSERT_EQ(u.code, 0) << u.meldung;
        for (const auto& p : u.punkte) EXPECT_LE(p.laenge, kLaengeMax);
        const double start = a.erfassungen[0].zeilen[0].laufzeit;
        std::int64_t vorher = -1;
        for (const auto& z : a.erfassungen[0].zeilen) {
            const auto t = std::llround((z.laufzeit - start) * 100.0);
            if (t == vorher) continue;  // equal ticks keep the first sample
            vorher = t;
            EXPECT_NEAR(LinienwertBeiTick(u.punkte, t), z.werte[1] * 409.5, toleranz + 1e-6)
                << "tolerance " << toleranz << " line " << z.zeile;
        }
        EXPECT_EQ(Kurvendauer(u.punkte), (vorher + 1) * 10);
    }
}

TEST(AufzeichnungKurve, RefusalsAndTheUnitQuestion) {
    const std::string text = erfassung(rampe(20));
    EXPECT_EQ(uebernehmen(text, {0, 1, 0, 1, 0.4}).code, kurvenfunktion::kFehlerParameter);
    EXPECT_EQ(uebernehmen(text, {1, 1, 0, 1, 2}).code, kurvenfunktion::kFehlerParameter);
    EXPECT_EQ(uebernehmen(text, {0, 8, 0, 1, 2}).code, kurvenfunktion::kFehlerParameter);
    EXPECT_EQ(uebernehmen(erfassung({}), {0, 1, 0, 1, 2}).code, kFehlerKeineDaten);
    EXPECT_EQ(uebernehmen("", {0, 1, 0, 1, 2}).code, kFehlerKeineDaten);
    auto ruecklauf = rampe(20);
    ruecklauf[7].first = 0.01;
    const Uebernahme r = uebernehmen(erfassung(ruecklauf), {0, 1, 0, 1, 2});
    EXPECT_EQ(r.code, kFehlerZeile);
    EXPECT_EQ(r.meldung, "Fehler in Zeile 20:\nZeitangaben nicht fortlaufend.");

    const Aufzeichnung a = AufzeichnungLesen(text);
    const Konfiguration k = standard();
    EXPECT_TRUE(EinheitenVerschieden(a.erfassungen[0], 0, k, 0));  // bar onto V
    EXPECT_FALSE(EinheitenVerschieden(a.erfassungen[0], 1, k, 0));
    EXPECT_FALSE(EinheitenVerschieden(a.erfassungen[0], 7, k, 3));
}

TEST(AufzeichnungKurve, ACurveThatDoesNotFitGetsTheMemoryMessageAndProposals) {
    // Alternating values every 10 ms: every sample is a point of its own at 10 ms.
    std::vector<std::pair<double, double>> werte;
    for (int i = 0; i < 20000; ++i) werte.emplace_back(i * 0.01, i % 2 ? 5.0 : 5.1);
    const std::string text = erfassung(werte);
    const Uebernahme u = uebernehmen(text, {0, 1, 0, 1, 2.0});
    EXPECT_EQ(u.code, abbild::kPlatzReichtNicht);
    EXPECT_EQ(u.meldung, abbild::kPlatzMeldung);
    EXPECT_EQ(u.vorschlagZeitbasis, 2);
    EXPECT_EQ(u.vorschlagToleranz, 32.0);
    EXPECT_EQ(VorschlagText(u),
              "Die Kurve paßt mit der Zeitbasis 100ms oder mit einer Toleranz von 32.0 Codes.");
    EXPECT_EQ(uebernehmen(text, {0, 1, 0, 1, 32.0}).code, 0);
    // Automatic: the finest time base that fits.
    const Uebernahme automatisch = uebernehmen(text, {0, 1, 0, 0, 2.0});
    EXPECT_EQ(automatisch.code, 0);
    EXPECT_EQ(automatisch.zeitbasis, 2);
}

}  // namespace
}  // namespace plv7::kurven
