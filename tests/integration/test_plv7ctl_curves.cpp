// plv7ctl's curve commands against plv7-sim on a pseudo-terminal: files, the transfer in both
// directions with the mode bits, and the simulated box playing what it stores.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "CtlRun.h"
#include "KurvenOrdner.h"

namespace plv7::testing {
namespace {

const std::string kDreiKurven =
    "0\t0\t10ms\t1\n0.03\t100\t10ms\t1\n0.04\t1\t10ms\t1\n0.05\t2\t10ms\t1\n"
    "0\t50\t1sek\t2\n3600\t25\t1std\t2\n"
    "0\t0\t100ms\t4\n0.1\t10\t10ms\t4\n0.11\t20\t10ms\t4\n";

TEST_F(CurveFiles, WrittenCurvesReadBackTheSame) {
    SimProcess sim({"--box", "1,baud=115200"});
    ASSERT_SIM_READY(sim);
    const auto plr = curves("k.plr", kDreiKurven);
    const auto written = plv7ctlOn(sim, {"-b", "115200", "curves-write", plr});
    EXPECT_EQ(written.exitCode, 0) << written;
    // Durations differ: the window's warning is told, and the curves are written anyway.
    EXPECT_NE(written.err.find("Kurven sind nicht gleich lang"), std::string::npos) << written;
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "mode"}), "04\n");

    const auto back = file("back.plr");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "curves-read", back}), "");
    const auto image = plv7ctl({"curves-image", plr});
    EXPECT_EQ(image.exitCode, 0) << image;
    EXPECT_PRINTS(plv7ctl({"curves-image", back}), image.out);
    EXPECT_PRINTS(plv7ctl({"curves-export", back, file("back.txt")}), "");
    EXPECT_PRINTS(plv7ctl({"curves-export", plr, file("k2.txt")}), "");
    std::ifstream a(file("back.txt")), b(file("k2.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}),
              std::string(std::istreambuf_iterator<char>(b), {}));
}

TEST_F(CurveFiles, ABoxHoldingCharacteristicsIsNotReadAsCurves) {
    SimProcess sim({"--mode", "02"});
    ASSERT_SIM_READY(sim);
    const auto back = file("nichts.plr");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"curves-read", back}), 1018404,
                      "Im PLV-7 sind keine Kurven gespeichert.");
    EXPECT_FALSE(std::filesystem::exists(back));
}

TEST_F(CurveFiles, ImageOfFreshCurvesAndOfCurvesThatDoNotFit) {
    const auto fresh = curves("frisch.plr", "0\t0\t10ms\t1\n");
    EXPECT_PRINTS(plv7ctl({"curves-image", fresh}),
                  "0137"                  // checksum
                  "00240029002E0033"      // last bytes 36, 41, 46, 51
                  "0001000100010001"      // cycles
                  "0000000000000000"      // rest values
                  "000000000000"          // reserved
                  "00000000210000000021"  // one run record a curve
                  "00000000210000000021\n");
    std::string gross;
    for (int i = 0; i <= 6600; ++i) gross += std::to_string(i * 0.02) + "\t0\t10ms\t1\n";
    const auto big = curves("gross.plr", gross);
    const auto result = plv7ctl({"curves-image", big});
    EXPECT_EQ(result.exitCode, 1) << result;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz in der "
              "PLV-7.\n");
}

TEST_F(CurveFiles, AFileCutShortLoadsWithAWarningPerCurve) {
    const auto plr = curves("k.plr", kDreiKurven);
    std::filesystem::resize_file(plr, 4472 + 4 * 12 + 2 * 12 + 6);
    const auto result = plv7ctl({"curves-export", plr, file("k.txt")});
    EXPECT_EQ(result.exitCode, 0) << result;
    EXPECT_EQ(result.err,
              "Warnung: Kurve 3 unvollständig, als Einzelpunkt geladen.\n"
              "Warnung: Kurve 4 unvollständig, als Einzelpunkt geladen.\n");
}

TEST_F(CurveFiles, ImportErrorsPrintTheMessageThenTheCodeAndWriteNothing) {
    const auto plr = file("nie.plr");
    const auto result =
        plv7ctl({"curves-import", file("f.txt", "0\t0\t10ms\t1\n0.015\t0\t10ms\t1\n"), plr});
    EXPECT_EQ(result.exitCode, 1) << result;
    EXPECT_EQ(result.err,
              "Fehler in Zeile 2:\nZeitunterschied von 0.015 Sekunden läßt sich nicht\ndurch die "
              "Zeitbasis 10ms ausdrücken.\n"
              "Fehler #312446: Aus Datei gelesene Daten haben nicht das erwartete Format\n");
    EXPECT_FALSE(std::filesystem::exists(plr));
    EXPECT_EQ(plv7ctl({"curves-export", plr}).exitCode, 2);
}

double volts(const ProgramResult& r) {
    return std::stod(r.out);
}

TEST_F(CurveFiles, TheBoxPlaysAStoredRampOnItsOutput) {
    SimProcess sim({"--box", "1,baud=115200", "--input", "1=output"});
    ASSERT_SIM_READY(sim);
    // 0 to 10 V in ten ticks of 100 ms, back to 0 V in one more; one cycle, rest value 0.
    const auto plr = curves("rampe.plr", "0\t0\t100ms\t1\n1.0\t100\t100ms\t1\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "curves-write", plr}), "");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "start"}), "");
    auto at = [&start](double seconds) {
        std::this_thread::sleep_until(start + std::chrono::duration<double>(seconds));
    };
    at(0.35);
    const auto first = plv7ctlOn(sim, {"-b", "115200", "input", "1"});
    at(0.75);
    const auto second = plv7ctlOn(sim, {"-b", "115200", "input", "1"});
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "status", "1"}), "01\n");
    // A step is 1 V; the readings may lag a step behind the clock of this test.
    EXPECT_GE(volts(first), 2.0) << first;
    EXPECT_LE(volts(first), 4.1) << first;
    EXPECT_GE(volts(second), 6.0) << second;
    EXPECT_LE(volts(second), 8.1) << second;
    at(1.4);
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "input", "1"}), "0.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "status", "1"}), "00\n");
}

}  // namespace
}  // namespace plv7::testing
