#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "direkt/Bildexport.h"
#include "direkt/Grafik.h"
#include "direkt/Protokoll.h"

using namespace plv7::direkt;
namespace fs = std::filesystem;

namespace {

std::string lies(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

// Input 1 scaled 1..6 V onto 0..1000 mBar, the rest and the outputs at the defaults.
double eingangCodeInEinheit(int k, double code) {
    const double volts = 10.0 / 4095.0 * code;
    if (k == 0) return (volts - 1.0) * 200.0;
    return volts;
}
double ausgangCodeInEinheit(int, double code) {
    return 10.0 / 4095.0 * code;
}

Protokollkopf kopf() {
    return erstelleProtokollkopf(eingangCodeInEinheit, ausgangCodeInEinheit,
                                 {"mBar", "V", "V", "V"}, {"V", "V", "V", "V"});
}

const char kKopf[] =
    "Eingang1: -200.0..1800.0 mBar\n"
    "Eingang2: 0.000..10.000 V\n"
    "Eingang3: 0.000..10.000 V\n"
    "Eingang4: 0.000..10.000 V\n"
    "Ausgang1: 0.000..10.000 V\n"
    "Ausgang2: 0.000..10.000 V\n"
    "Ausgang3: 0.000..10.000 V\n"
    "Ausgang4: 0.000..10.000 V\n"
    "Datum\tUhrzeit\tAbtastzeit\tEing1[mBar]\tEing2[V]\tEing3[V]\tEing4[V]"
    "\tAusg1[V]\tAusg2[V]\tAusg3[V]\tAusg4[V]\n";

class ProtokollTest : public ::testing::Test {
protected:
    fs::path pfad;
    void SetUp() override {
        pfad =
            fs::temp_directory_path() /
            ("plv7_log_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".txt");
        fs::remove(pfad);
    }
    void TearDown() override { fs::remove(pfad); }
};

}  // namespace

TEST_F(ProtokollTest, AcquisitionLogIsWrittenByteForByteAndLineByLine) {
    Protokoll p;
    ASSERT_EQ(p.oeffnen(pfad, Protokollart::Datenerfassung, kopf()), 0);
    EXPECT_TRUE(p.offen());
    const std::string kopfText = std::string("\n\nDatenerfassung gestartet\n") + kKopf;
    EXPECT_EQ(lies(pfad), kopfText);  // already on disk while the file is open

    Protokollzeile z;
    z.datum = "03-17-2024";
    z.uhrzeit = "09:05:01";
    z.laufzeit = 1.5;
    z.eingaenge = {799.7557997557998, 4.998778998778999, 0.0, 10.0};
    z.ausgaenge = {2.5, 0.0005, -0.0, 10.0};
    ASSERT_EQ(p.zeile(z), 0);
    const std::string zeile =
        "17.03.2024\t09:05:01\t1.500\t799.8\t4.999\t0.000\t10.000\t2.500\t0.001\t-0.000\t10.000\n";
    EXPECT_EQ(lies(pfad), kopfText + zeile);

    ASSERT_EQ(p.text(kDatenerfassungBeendet), 0);
    p.schliessen();
    EXPECT_FALSE(p.offen());
    EXPECT_EQ(lies(pfad), kopfText + zeile + "Datenerfassung beendet\n");
}

TEST_F(ProtokollTest, AnExistingFileIsExtended) {
    { std::ofstream(pfad) << "frueher\n"; }
    Protokoll p;
    ASSERT_EQ(p.oeffnen(pfad, Protokollart::Einzelbild, kopf()), 0);
    p.schliessen();
    EXPECT_EQ(lies(pfad), std::string("frueher\n\n\nSpeichern von Einzelbild\n") + kKopf);
}

TEST_F(ProtokollTest, NumbersKeepTheirDotUnderACommaLocale) {
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale on this machine";
    Protokoll p;
    ASSERT_EQ(p.oeffnen(pfad, Protokollart::Datenerfassung, kopf()), 0);
    std::setlocale(LC_ALL, vorher.c_str());
    EXPECT_NE(lies(pfad).find("0.000..10.000 V"), std::string::npos);
}

TEST_F(ProtokollTest, WithoutOpenFileLinesAndTextsDoNothing) {
    Protokoll p;
    EXPECT_EQ(p.zeile({}), 0);
    EXPECT_EQ(p.text("x"), 0);
    EXPECT_FALSE(fs::exists(pfad));
}

TEST_F(ProtokollTest, UnopenableFileGivesOpenCodeAndNoLog) {
    Protokoll p;
    EXPECT_EQ(p.oeffnen(pfad / "nicht" / "da.txt", Protokollart::Datenerfassung, kopf()),
              kFehlerOeffnen);
    EXPECT_FALSE(p.offen());
}

TEST_F(ProtokollTest, FailedWriteClosesTheFileWithItsCode) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    Protokoll p;
    EXPECT_EQ(p.oeffnen("/dev/full", Protokollart::Datenerfassung, kopf()), kFehlerStartzeile);
    EXPECT_FALSE(p.offen());
}

TEST(Protokollzeilen, DecimalsFollowEachChannel) {
    std::array<Protokollkanal, 4> kanaele;
    kanaele[0].nachkommastellen = 0;
    kanaele[1].nachkommastellen = 1;
    kanaele[2].nachkommastellen = 3;
    kanaele[3].nachkommastellen = 5;
    EXPECT_EQ(wertspalten({2.5, 2.25, 1.0005, 1.0}, kanaele, true),
              "2\t2.2\t1.000\t1.00000\n");  // halves as printf rounds them
    EXPECT_EQ(wertspalten({0, 0, 0, 0}, kanaele, false), "0\t0.0\t0.000\t0.00000\t");
}

TEST_F(ProtokollTest, FrozenFrameOverTheBufferWrapIsExportedInOrder) {
    Grafik g(10);  // 10 divisions of 1 point: a frame of 10 samples
    g.setPunkteProDiv(1);
    g.setTrigger({1, 1, 50.0, 0});
    g.setEinzelbild(true);
    Grafikwert w;
    w.datum = "12-31-2023";
    w.uhrzeit = "23:59:59";
    for (int i = 0; i < 9995; ++i) g.neuerWert(w);  // rows 0..9994 at 0 %, trigger armed
    for (int i = 0; i < 12; ++i) {
        w.eingangProzent = {60.0 + i, 50.0, 0.0, 100.0};
        w.ausgangProzent = {25.0, 0.0, 0.0, 0.0};
        w.laufzeit = 9995 + i;
        g.neuerWert(w);
    }
    ASSERT_TRUE(g.eingefroren());
    EXPECT_EQ(g.bildanfang(), 9995);
    EXPECT_EQ(g.puffer().schreibposition(), 5);

    Protokoll p;
    ASSERT_EQ(bildSpeichern(g, p, pfad, kopf(), eingangCodeInEinheit, ausgangCodeInEinheit), 0);
    EXPECT_FALSE(p.offen());

    std::string erwartet = std::string("\n\nSpeichern von Einzelbild\n") + kKopf;
    for (int i = 0; i < 10; ++i) {
        // input 1: (10 V × (60 + i) % − 1 V) × 200 mBar/V
        erwartet += "31.12.2023\t23:59:59\t" + std::to_string(9995 + i) + ".000\t" +
                    std::to_string(1000 + 20 * i) + ".0" +
                    "\t5.000\t0.000\t10.000\t2.500\t0.000\t0.000\t0.000\n";
    }
    erwartet += "Einzelbild beendet\n";
    EXPECT_EQ(lies(pfad), erwartet);
}
