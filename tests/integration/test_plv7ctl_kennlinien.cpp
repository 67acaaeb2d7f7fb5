// plv7ctl's characteristic commands against plv7-sim on a pseudo-terminal: the ten slots and
// the mode bits, write and read back, refusals, selection over output 4, and the box applying
// a characteristic.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CtlRun.h"
#include "kennlinien/Kennlinienblock.h"

namespace plv7::testing {
namespace {

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes)
        text += "0123456789ABCDEF"[b >> 4], text += "0123456789ABCDEF"[b & 15];
    return text;
}

std::string inhalt(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    std::stringstream text;
    text << datei.rdbuf();
    return text.str();
}

struct KennlinienBox : ::testing::Test {
    QTemporaryDir ordner;

    std::string pfad(const char* name) const { return ordner.filePath(name).toStdString(); }

    // A characteristic file made by importing text.
    std::string datei(const char* name, const std::string& text) {
        const std::string txt = pfad("quelle.txt");
        std::ofstream(txt, std::ios::binary) << text;
        const std::string ple = pfad(name);
        EXPECT_PRINTS(plv7ctl({"kennlinie-import", txt, ple}), "");
        return ple;
    }
};

TEST_F(KennlinienBox, WritingOverCurvesInitialisesAllTenSlotsAndSetsTheModeBits) {
    SimProcess sim({"--mode", "04"});
    ASSERT_SIM_READY(sim);
    const std::string ple = datei("a.ple", "0\t0\n50\t100\n100\t0\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-write", ple, "3"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode"}), "02\n");
    const std::string leer = hex(LeererKennlinienblock()) + "\n";
    for (int slot : {1, 2, 4, 9, 10}) {
        EXPECT_PRINTS(
            plv7ctlOn(sim, {"mem-read", std::to_string(KennlinienSlotAdresse(slot)), "36"}), leer);
    }
    const auto block = plv7ctl({"kennlinie-block", ple});
    ASSERT_EQ(block.exitCode, 0) << block;
    EXPECT_PRINTS(plv7ctlOn(sim, {"mem-read", "6528", std::to_string((block.out.size() - 1) / 2)}),
                  block.out);
}

TEST_F(KennlinienBox, WriteThenReadOfSlot7GivesTheSamePoints) {
    SimProcess sim({});
    ASSERT_SIM_READY(sim);
    std::string text;
    for (int i = 0; i <= 100; i += 2)
        text += std::to_string(i) + "\t" + std::to_string((i * 7) % 101) + "\n";
    const std::string ple = datei("b.ple", text);
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-write", ple, "7"}), "");
    const std::string gelesen = pfad("gelesen.ple");
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-read", "7", gelesen}), "");
    EXPECT_PRINTS(plv7ctl({"kennlinie-export", ple, pfad("b.txt")}), "");
    EXPECT_PRINTS(plv7ctl({"kennlinie-export", gelesen, pfad("gelesen.txt")}), "");
    EXPECT_EQ(inhalt(pfad("gelesen.txt")), inhalt(pfad("b.txt")));
    const std::string export_ = inhalt(pfad("b.txt"));
    EXPECT_EQ(std::count(export_.begin(), export_.end(), '\t'), 51);
}

TEST_F(KennlinienBox, AStoredCountOf0IsRefusedAndNoFileIsWritten) {
    SimProcess sim({"--mode", "02"});
    ASSERT_SIM_READY(sim);
    // A header with N = 0: only the checksum 1 is set.
    EXPECT_PRINTS(plv7ctlOn(sim, {"mem-write", "0", "0001" + std::string(60, '0')}), "");
    const std::string ziel = pfad("nichts.ple");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"kennlinie-read", "1", ziel}), 895094,
                      "Ungültige Speichergröße.");
    EXPECT_FALSE(std::filesystem::exists(ziel));
    // One point, but the checksum 0 instead of 2.
    EXPECT_PRINTS(plv7ctlOn(sim, {"mem-write", "3264", "00000001" + std::string(64, '0')}), "");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"kennlinie-read", "2", ziel}), 897517,
                      "Checksummenfehler im EEPROM Speicher.");
}

TEST_F(KennlinienBox, AnAreaWithoutCharacteristicsAndTooManyPointsAreRefused) {
    SimProcess sim({"--mode", "06"});
    ASSERT_SIM_READY(sim);
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"kennlinie-read", "1", pfad("x.ple")}), 1026514,
                      "Im PLV-7 sind keine Kennlinien gespeichert.");
    std::string text = "0\t0\n";
    for (int i = 1; i < 808; ++i) text += std::to_string(i * 0.1) + "\t50\n";
    const std::string gross = datei("gross.ple", text);
    EXPECT_FAILS_WITH(plv7ctl({"kennlinie-block", gross}), 1023504,
                      "Nicht genug Speicherplatz auf der PLV-7.\nReduzieren Sie die Anzahl der "
                      "Kurvenpunkte.");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"kennlinie-write", gross, "1"}), 1023504,
                      "Nicht genug Speicherplatz auf der PLV-7.\nReduzieren Sie die Anzahl der "
                      "Kurvenpunkte.");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode"}), "06\n");  // nothing was sent
    EXPECT_EQ(plv7ctlOn(sim, {"kennlinie-select", "11"}).exitCode, 2);
}

TEST_F(KennlinienBox, TheStartedBoxAppliesTheCharacteristicSelectedOverOutput4) {
    SimProcess sim({"--input", "1=output", "--input", "2=const:4", "--input", "3=output:4"});
    ASSERT_SIM_READY(sim);
    // Slot 2 rises from 0 to 100 %, slot 5 falls from 100 to 0 %.
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-write", datei("steigt.ple", "0\t0\n100\t100\n"), "2"}),
                  "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-write", datei("faellt.ple", "0\t100\n100\t0\n"), "5"}),
                  "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-select", "2"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "3"}), "2.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"start"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "1"}), "4.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"kennlinie-select", "5"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "1"}), "6.000\n");
}

TEST(KennlinienDateien, ImportErrorsAndCutFilesAreReported) {
    QTemporaryDir ordner;
    const std::string txt = ordner.filePath("f.txt").toStdString();
    const std::string ple = ordner.filePath("f.ple").toStdString();
    std::ofstream(txt) << "0\t0\n10\t1\n10\t2\n";
    const auto import = plv7ctl({"kennlinie-import", txt, ple});
    EXPECT_EQ(import.exitCode, 1) << import;
    EXPECT_EQ(import.err,
              "Fehler in Zeile 3:\nX-Achse nicht fortlaufend.\n" +
                  failureLine(312546, "Aus Datei gelesene Daten haben nicht das erwartete Format"));
    EXPECT_FALSE(std::filesystem::exists(ple));

    std::ofstream(txt, std::ios::trunc) << "0\t0\n100\t100\n";
    EXPECT_PRINTS(plv7ctl({"kennlinie-import", txt, ple}), "");
    std::filesystem::resize_file(ple, 1424 + 12);
    const auto block = plv7ctl({"kennlinie-block", ple});
    EXPECT_EQ(block.exitCode, 0) << block;
    EXPECT_EQ(block.out,
              "011000010000000000000000000000000000000000000000000000000000000000000FFF\n");
    EXPECT_EQ(block.err,
              "Die Datei f.ple ist unvollständig.\nStatt ihrer Kurvenpunkte wurde ein einzelner "
              "Standardpunkt geladen.\n");
}

TEST(KennlinienDateien, ACharacteristicFromATableWithItsNoticesAndRefusals) {
    QTemporaryDir ordner;
    const std::string txt = ordner.filePath("ventil.csv").toStdString();
    const std::string ple = ordner.filePath("ventil.ple").toStdString();
    const std::string export_ = ordner.filePath("ventil.txt").toStdString();
    std::ofstream(txt, std::ios::binary) << "0;0\n5;5\nfuenf;6\n";
    const auto abgelehnt = plv7ctl({"characteristic-table", txt, ple});
    EXPECT_EQ(abgelehnt.exitCode, 1) << abgelehnt;
    EXPECT_EQ(abgelehnt.out, "");
    EXPECT_EQ(abgelehnt.err,
              "Fehler in Zeile 3:\n\"fuenf;6\"\nDie Zeile enthält nicht zwei Zahlen (X und Y).\n" +
                  failureLine(312554, "Eine Zeile der Tabelle enthält nicht zwei Zahlen."));
    EXPECT_FALSE(std::filesystem::exists(ple));

    // Volts on both channels with the defaults: 1 V is code 410, where two rows merge.
    std::ofstream(txt, std::ios::binary | std::ios::trunc)
        << "Spannung;Durchfluss\r\n1,0;2,0\r\n1,0002;4\r\n10;10\r\n";
    const auto tabelle = plv7ctl({"characteristic-table", txt, ple});
    EXPECT_EQ(tabelle.exitCode, 0) << tabelle;
    EXPECT_EQ(tabelle.out, "");
    EXPECT_EQ(tabelle.err,
              "1 Punkt lag weniger als einen Rohwert neben dem vorigen und wurde mit ihm "
              "zusammengefasst.\nDie Tabelle beginnt erst bei X = 1.001 V; davor wurde ein "
              "waagrechtes Stück mit dem ersten Y-Wert ergänzt.\n");
    EXPECT_PRINTS(plv7ctl({"kennlinie-export", ple, export_}), "");
    EXPECT_NE(inhalt(export_).find("0.00\t30.01\r\n10.01\t30.01\r\n100.00\t100.00\r\n"),
              std::string::npos)
        << inhalt(export_);
}

}  // namespace
}  // namespace plv7::testing
