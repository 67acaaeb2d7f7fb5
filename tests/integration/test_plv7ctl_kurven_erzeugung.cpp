// curves-generate and curves-from-log: the report, the other curves kept, the refusals, and a
// generated square written to the simulated box and played back on an input.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "CtlRun.h"
#include "KurvenOrdner.h"
#include "direkt/Protokoll.h"

namespace plv7::testing {
namespace {

class CurveGeneration : public CurveFiles {
protected:
    std::string exported(const std::string& plr) {
        const auto txt = file("export.txt");
        EXPECT_PRINTS(plv7ctl({"curves-export", plr, txt}), "");
        std::ifstream in(txt);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

// A log as the direct window writes it: a short first acquisition, then a 0..10 V ramp on
// Eing2 over one second; Eing1 is in bar.
std::string log(const std::string& damaged = {}) {
    direkt::Protokollkopf k;
    for (auto& kanal : k.eingaenge) kanal = {0.0, 10.0, 3, "V"};
    for (auto& kanal : k.ausgaenge) kanal = {0.0, 10.0, 3, "V"};
    k.eingaenge[0].einheit = "bar";
    std::string text;
    for (const int n : {3, 101}) {
        text += direkt::startzeile(direkt::Protokollart::Datenerfassung) +
                direkt::bereichszeilen("Eingang", k.eingaenge) +
                direkt::bereichszeilen("Ausgang", k.ausgaenge) + direkt::spaltenkopf(k);
        for (int i = 0; i < n; ++i) {
            const double v = 10.0 * i / (n - 1);
            direkt::Protokollzeile z{"12-08-2026", "13:00:00", i * 0.01, {v, v, 0, 0}, {}};
            text += direkt::zeitspalten(z) + direkt::wertspalten(z.eingaenge, k.eingaenge, false) +
                    direkt::wertspalten(z.ausgaenge, k.ausgaenge, true);
        }
        text += direkt::kDatenerfassungBeendet;
    }
    if (!damaged.empty()) text.replace(text.find("\t0.010\t"), 7, damaged);
    return text;
}

// The export lines of one curve.
std::string kurve(const std::string& export_, int n) {
    std::string zeilen;
    const std::string ende = "\t" + std::to_string(n) + "\r\n";
    for (std::size_t a = 0, e; (e = export_.find('\n', a)) != std::string::npos; a = e + 1) {
        const std::string zeile = export_.substr(a, e - a + 1);
        if (zeile.ends_with(ende)) zeilen += zeile;
    }
    return zeilen;
}

TEST_F(CurveGeneration, AGeneratedCurveReplacesItsCurveAndKeepsTheOthers) {
    const auto plr = file("k.plr");
    EXPECT_PRINTS(plv7ctl({"curves-generate", plr, "1", "square", "5", "5", "1", "2"}),
                  "Punkte: 8\nZeitbasis: 10ms\nSpeicherbedarf: 87 Bytes (0.3 %)\n");
    const std::string vorher = exported(plr);
    EXPECT_EQ(kurve(vorher, 1).rfind("0.000\t100.00\t10ms\t1\r\n0.490\t100.00\t10ms\t1\r\n"
                                     "0.500\t0.00\t10ms\t1\r\n",
                                     0),
              0u)
        << vorher;

    // A sine of 2 V around 5 V at 0.5 Hz for ten periods into curve 3 of the same file.
    const auto r = plv7ctl({"curves-generate", plr, "3", "sine", "2", "5", "2", "10"});
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.out.rfind("Punkte: ", 0), 0u) << r;
    EXPECT_NE(r.out.find("\nZeitbasis: 10ms\n"), std::string::npos) << r;
    const std::string nachher = exported(plr);
    EXPECT_EQ(kurve(nachher, 1), kurve(vorher, 1));
    EXPECT_EQ(kurve(nachher, 2), kurve(vorher, 2));
    EXPECT_NE(kurve(nachher, 3), kurve(vorher, 3));
}

TEST_F(CurveGeneration, RefusalsLeaveTheFileAlone) {
    const auto plr = file("k.plr");
    const auto bereich = plv7ctl({"curves-generate", plr, "2", "triangle", "3", "8", "1", "1"});
    EXPECT_EQ(bereich.exitCode, 1) << bereich;
    EXPECT_EQ(bereich.err,
              "Die Werte von 5.000 bis 11.000 V liegen außerhalb des Bereichs von\n"
              "Ausgang 2: 0.000 bis 10.000 V.\n" +
                  failureLine(500451, "Parameter außerhalb der Grenzwerte"));
    EXPECT_FALSE(std::filesystem::exists(plr));
    const auto zuLang =
        plv7ctl({"curves-generate", plr, "1", "sine", "2", "5", "0.1", "100000", "0"});
    EXPECT_EQ(zuLang.exitCode, 1) << zuLang;
    EXPECT_EQ(zuLang.err.rfind("Benötigter Platz für die Kurven", 0), 0u) << zuLang;
    EXPECT_FALSE(std::filesystem::exists(plr));
    for (const auto& falsch : std::vector<std::vector<std::string>>{
             {"curves-generate", plr, "5", "sine", "1", "5", "1", "1"},
             {"curves-generate", plr, "1", "cosine", "1", "5", "1", "1"},
             {"curves-generate", plr, "1", "sine", "1", "5", "1"},
             {"curves-generate", plr, "1", "sine", "1", "5", "1", "1.5"},
             {"curves-from-log", plr, "Eing5", "1", plr},
             {"curves-from-log", plr, "Eing1", "1", plr, "2", "3"}}) {
        EXPECT_EQ(plv7ctl(falsch).exitCode, 2) << falsch[1];
    }
}

TEST_F(CurveGeneration, TheLastAcquisitionOfALogBecomesACurve) {
    const auto txt = file("log.txt", log());
    const auto plr = file("k.plr");
    EXPECT_PRINTS(plv7ctl({"curves-from-log", txt, "Eing2", "2", plr}),
                  "Punkte: 2\nZeitbasis: 10ms\nSpeicherbedarf: 57 Bytes (0.2 %)\n");
    const std::string text = exported(plr);
    EXPECT_NE(text.find("0.000\t0.00\t10ms\t2\r\n1.000\t100.00\t10ms\t2\r\n"), std::string::npos)
        << text;
    // bar onto volts: told, and taken.
    const auto bar = plv7ctl({"curves-from-log", txt, "Eing1", "1", plr, "0.5"});
    EXPECT_EQ(bar.exitCode, 0) << bar;
    EXPECT_EQ(bar.err, "Warnung: Werte in bar werden als Werte in V übernommen.\n");
}

TEST_F(CurveGeneration, ADamagedLogIsRefusedWithItsLine) {
    const auto plr = file("k.plr");
    const auto r =
        plv7ctl({"curves-from-log", file("log.txt", log("\t0.0x0\t")), "Eing2", "1", plr});
    EXPECT_EQ(r.exitCode, 1) << r;
    EXPECT_EQ(r.err,
              "Fehler in Zeile 14:\nDie Zeile entspricht nicht dem Aufbau einer "
              "Protokolldatei.\n" +
                  failureLine(312455,
                              "Aus Datei gelesene Daten haben nicht das "
                              "erwartete Format"));
    EXPECT_FALSE(std::filesystem::exists(plr));
    EXPECT_EQ(plv7ctl({"curves-from-log", file("fehlt.txt"), "Eing2", "1", plr}).exitCode, 1);
}

double volts(const ProgramResult& r) {
    return std::stod(r.out);
}

TEST_F(CurveGeneration, TheBoxPlaysAGeneratedSquareOnItsOutput) {
    SimProcess sim({"--box", "1,baud=115200", "--input", "1=output"});
    ASSERT_SIM_READY(sim);
    // 10 V for the first half of each second, 0 V for the second half, two periods.
    const auto plr = file("rechteck.plr");
    const auto erzeugt = plv7ctl({"curves-generate", plr, "1", "square", "5", "5", "1", "2"});
    EXPECT_EQ(erzeugt.exitCode, 0) << erzeugt;
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "curves-write", plr}), "");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "start"}), "");
    auto at = [&start, &sim](double seconds) {
        std::this_thread::sleep_until(start + std::chrono::duration<double>(seconds));
        return plv7ctlOn(sim, {"-b", "115200", "input", "1"});
    };
    const auto hoch1 = at(0.25);
    const auto tief1 = at(0.75);
    const auto hoch2 = at(1.25);
    const auto tief2 = at(1.75);
    EXPECT_GE(volts(hoch1), 9.9) << hoch1;
    EXPECT_LE(volts(tief1), 0.1) << tief1;
    EXPECT_GE(volts(hoch2), 9.9) << hoch2;
    EXPECT_LE(volts(tief2), 0.1) << tief2;
    at(2.4);
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "status", "1"}), "00\n");
}

}  // namespace
}  // namespace plv7::testing
