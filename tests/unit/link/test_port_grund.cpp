// Why a port cannot be opened: the texts the operator reads, lock files, and what a trial
// open finds on a pseudo-terminal; the reason travelling with code 100003.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Fehlergrund.h"
#include "base/ORV_errorV3ibox.h"
#include "link/PortGrund.h"
#include "link/ScriptedPort.h"
#include "link/plv7Funktionen.h"

namespace plv7 {
namespace {

namespace fs = std::filesystem;
using Art = PortGrund::Art;

TEST(PortGrundText, SaysWhyAndWhatToDo) {
    const struct {
        PortGrund grund;
        const char* text;
    } cases[] = {
        {{Art::KeineBerechtigung, "/dev/ttyUSB0", {}, 0, {}},
         "Keine Berechtigung für /dev/ttyUSB0. Der Benutzer muss zur Gruppe dialout gehören "
         "(sudo usermod -aG dialout BENUTZER, danach neu anmelden)."},
        {{Art::Belegt, "/dev/ttyUSB0", "minicom", 4711, {}},
         "/dev/ttyUSB0 wird von einem anderen Programm benutzt (minicom, Prozess-ID 4711). Das "
         "Programm beenden, danach erneut verbinden."},
        {{Art::Belegt, "/dev/ttyUSB0", {}, 4711, {}},
         "/dev/ttyUSB0 wird von einem anderen Programm benutzt (Prozess-ID 4711). Das Programm "
         "beenden, danach erneut verbinden."},
        {{Art::Belegt, "/dev/ttyACM0", {}, 0, {}},
         "/dev/ttyACM0 wird von einem anderen Programm benutzt. Das Programm beenden, danach "
         "erneut verbinden."},
        {{Art::NichtVorhanden, "/dev/serial/by-id/usb-X", {}, 0, {}},
         "/dev/serial/by-id/usb-X ist nicht vorhanden: der Adapter ist nicht eingesteckt. "
         "Adapter einstecken oder ein anderes Gerät wählen."},
        {{Art::Unbekannt, "/dev/ttyS0", {}, 0, "Input/output error"},
         "/dev/ttyS0: Input/output error."},
        {{Art::Unbekannt, "/dev/ttyS0", {}, 0, {}}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(portGrundText(c.grund), c.text);
}

TEST(Sperrdatei, NamesTheHolderWhereTheFileDoes) {
    const struct {
        const char* inhalt;
        long prozess;
        const char* programm;
    } cases[] = {
        {"      4711\n", 4711, ""},                      // UUCP: ten columns, line end
        {"4711", 4711, ""},                              // the number alone
        {"4711\nminicom\nwerkbank\n", 4711, "minicom"},  // Qt: id, program, host
        {"4711\r\nputty \r\n", 4711, "putty"},
        {"", 0, ""},
        {"minicom\n", 0, ""},
        {"-12\n", 0, ""},
        {"0\n", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inhalt);
        const Sperrinhaber inhaber = sperrdateiLesen(c.inhalt);
        EXPECT_EQ(inhaber.prozess, c.prozess);
        EXPECT_EQ(inhaber.programm, inhaber.prozess ? c.programm : "");
    }
}

// A pseudo-terminal of this process: the device under test.
class Terminal : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        slave_ = ::ptsname(master_);
        locks_ = fs::temp_directory_path() / ("plv7-sperren-" + std::to_string(::getpid()));
        fs::create_directories(locks_);
    }
    void TearDown() override {
        fs::remove_all(locks_);
        if (master_ >= 0) ::close(master_);
    }
    PortGrund ermitteln() const { return portGrundErmitteln(slave_, {locks_.string()}); }
    void sperren(const std::string& inhalt) const {
        std::string name = slave_.substr(5);  // without "/dev/"
        for (char& c : name) c = c == '/' ? '_' : c;
        std::ofstream(locks_ / ("LCK.." + name)) << inhalt;
    }

    int master_ = -1;
    std::string slave_;
    fs::path locks_;
};

TEST_F(Terminal, AFreeTerminalGivesNoReason) {
    const PortGrund grund = ermitteln();
    EXPECT_EQ(grund.art, Art::Unbekannt);
    EXPECT_EQ(portGrundText(grund), "");
}

TEST_F(Terminal, ATerminalOnlyRootMayOpenAsksForTheGroupDialout) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    ASSERT_EQ(::chmod(slave_.c_str(), 0), 0);
    const PortGrund grund = ermitteln();
    EXPECT_EQ(grund.art, Art::KeineBerechtigung);
    EXPECT_NE(portGrundText(grund).find("Keine Berechtigung für " + slave_ +
                                        ". Der Benutzer muss zur Gruppe dialout gehören"),
              std::string::npos);
}

TEST_F(Terminal, ALiveLockFileNamesItsHolderAndAStaleOneIsIgnored) {
    const long parent = static_cast<long>(::getppid());
    sperren(std::to_string(parent) + "\n");
    PortGrund grund = ermitteln();
    EXPECT_EQ(grund.art, Art::Belegt);
    EXPECT_EQ(grund.prozess, parent);
    EXPECT_FALSE(grund.programm.empty());  // from /proc: the process is alive
    // A process id no system hands out: the lock outlived its program.
    sperren("2147483646\nminicom\n");
    grund = ermitteln();
    EXPECT_EQ(grund.art, Art::Unbekannt);
    // Our own lock is no other program's.
    sperren(std::to_string(::getpid()) + "\n");
    EXPECT_EQ(ermitteln().art, Art::Unbekannt);
}

TEST_F(Terminal, AnExclusivelyHeldTerminalIsBusy) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root from opening it";
    const int held = ::open(slave_.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::ioctl(held, TIOCEXCL), 0);
    EXPECT_EQ(ermitteln().art, Art::Belegt);
    ::close(held);
}

TEST(PortGrundErmitteln, AMissingDeviceIsNotPluggedIn) {
    for (const char* device : {"/dev/ttyUSB-plv7-fehlt", "/dev/serial/by-id/usb-plv7-fehlt"}) {
        const PortGrund grund = portGrundErmitteln(device, {});
        EXPECT_EQ(grund.art, Art::NichtVorhanden) << device;
        EXPECT_EQ(grund.geraet, device);
    }
}

TEST(Fehlergrund, BelongsToTheCodeThatLeftIt) {
    setFehlergrund(-100003, "weil");
    EXPECT_EQ(fehlergrund(-100003), "weil");
    EXPECT_EQ(fehlergrund(-403012), "");
    EXPECT_EQ(fehlergrund(0), "");
    setFehlergrund(-100003, "");
    EXPECT_EQ(fehlergrund(-100003), "");
}

TEST(Fehlergrund, ThePopUpShowsTheReasonAfterTheCodesText) {
    std::string title;
    std::string text;
    setMessageBoxPresenter([&](const std::string& t, const std::string& m) {
        title = t;
        text = m;
    });
    setFehlergrund(-100003, "Keine Berechtigung für /dev/ttyUSB0.");
    ORV_Fehlerpopup(-100003);
    EXPECT_EQ(title, "Fehler #100003");
    EXPECT_EQ(text,
              "Fehler beim öffnen der seriellen Schnittstelle\n\nKeine Berechtigung für "
              "/dev/ttyUSB0.");
    ORV_Fehlerpopup(-403012);  // another code shows no reason of this one
    EXPECT_EQ(text, "Keine Antwort vom Gerät");
    setFehlergrund(-100003, "");
    setMessageBoxPresenter(nullptr);
}

TEST(Fehlergrund, AFailedOpenLeavesTheBackendsReasonAndAGoodOneNone) {
    test::ScriptedPortFixture fake;
    fake.port->fail.open = true;
    fake.port->openReason = {Art::NichtVorhanden, "/dev/ttyUSB0", {}, 0, {}};
    EXPECT_EQ(ORVPLV7_Open(1, 9600), -100003);
    EXPECT_EQ(fehlergrund(-100003), portGrundText(fake.port->openReason));
    // A backend that cannot tell leaves no stale reason behind.
    fake.port->openReason = {};
    EXPECT_EQ(ORVPLV7_Open(2, 9600), -100003);
    EXPECT_EQ(fehlergrund(-100003), "");
}

}  // namespace
}  // namespace plv7
