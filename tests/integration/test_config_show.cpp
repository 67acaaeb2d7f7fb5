// plv7ctl config-show: a configuration file as the items of settings section "konfig".
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <string>

#include "base/Windows1252.h"
#include "konfig/KonfigDatei.h"
#include "konfig/KonfigIni.h"

namespace {

struct CtlRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CtlRun plv7ctl(const QStringList& arguments, const QString& locale = QStringLiteral("C")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PLV7CTL_PATH), arguments);
    if (!process.waitForFinished(20000)) return {};
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

class ConfigShow : public ::testing::Test {
protected:
    ConfigShow() {
        KonfigurationStandardwerte(konfig);
        konfig.voutmax = 4.095;
        konfig.outmin[1] = 0.1 + 0.2;
        konfig.inskalamax[0] = 1000;
        konfig.inskalamin[3] = -2.5e-7;
        plv7::EinheitSetzen(konfig.outeinheit[2], "mBar abs");
        plv7::EinheitSetzen(konfig.ineinheit[1], "\xB5V");
        plv7::EinheitSetzen(konfig.outeinheit[3],
                            "\x80/\xB0"
                            "C\x81");  // Windows-1252 bytes
    }
    QString write(const std::string& name, const Konfiguration& k) const {
        const QString path = folder.filePath(QString::fromStdString(name));
        EXPECT_EQ(plv7::KonfigDateiSpeichern(path.toStdString(), k), 0);
        return path;
    }
    static std::string expected(const Konfiguration& k) {
        std::string text;
        for (const auto& line : plv7::KonfigIniZeilen(k)) text += plv7::cp1252::toUtf8(line) + "\n";
        return text;
    }

    QTemporaryDir folder;
    Konfiguration konfig;
};

TEST_F(ConfigShow, PrintsTheFortyTwoItemsInWriteOrder) {
    const CtlRun run = plv7ctl({"config-show", write("a.plo", konfig)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expected(konfig));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 42);
    EXPECT_TRUE(run.out.starts_with("voutmax = 4.095\nvinmax = 10\noutmin0 = 0\noutmax0 = 10\n"));
    EXPECT_NE(run.out.find("\noutmin1 = 0.3\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nouteinheit2 = \"mBar abs\"\n"), std::string::npos);
    // The file's Windows-1252 units reach the terminal as UTF-8.
    EXPECT_NE(run.out.find("\nineinheit1 = \"µV\"\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nouteinheit3 = \"€/°C\u0081\"\n"), std::string::npos);
    EXPECT_NE(run.out.find("\ninskalamin3 = -2.5e-07\n"), std::string::npos);
}

TEST_F(ConfigShow, KeepsTheDotUnderAGermanLocale) {
    const CtlRun run = plv7ctl({"config-show", write("de.plo", konfig)}, "de_DE.UTF-8");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, expected(konfig));
    EXPECT_NE(run.out.find("voutmax = 4.095\n"), std::string::npos);
}

TEST_F(ConfigShow, NeedsNoPort) {
    // A device that is not there: any command that opened it would fail.
    const QString absent = folder.filePath("no-such-tty");
    EXPECT_EQ(plv7ctl({"-p", absent, "id"}).exitCode, 1);
    const CtlRun run = plv7ctl({"-p", absent, "config-show", write("b.plo", konfig)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, expected(konfig));
}

TEST_F(ConfigShow, BrokenFilesGiveTheirErrorLine) {
    const QString good = write("c.plo", konfig);
    QFile::copy(good, folder.filePath("short.plo"));
    QFile::resize(folder.filePath("short.plo"), 391);
    const struct {
        QString path;
        std::string line;
    } cases[] = {
        {folder.filePath("short.plo"), "Fehler #304264: Fehler beim Lesen der Datei\n"},
        {folder.filePath("missing.plo"), "Fehler #308263: Fehler beim Öffnen der Datei\n"},
        {folder.path(), "Fehler #304264: Fehler beim Lesen der Datei\n"},
    };
    for (const auto& c : cases) {
        const CtlRun run = plv7ctl({"config-show", c.path});
        EXPECT_EQ(run.exitCode, 1) << c.path.toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.line);
    }
}

TEST_F(ConfigShow, WantsExactlyOneFile) {
    EXPECT_EQ(plv7ctl({"config-show"}).exitCode, 2);
    EXPECT_EQ(plv7ctl({"config-show", "a.plo", "b.plo"}).exitCode, 2);
}

}  // namespace
