// The command line of plv7steuerung and the run it sets up.
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "Aufruf.h"
#include "Line.h"
#include "PortMap.h"
#include "ini/IniStore.h"

using namespace plv7::gui;
using Art = Aufruf::Art;

class TestAufruf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { plv7::portMap().setDevice(1, QString()); }

    void readsTheCommandLine_data() {
        QTest::addColumn<QStringList>("argumente");  // after the program's name
        QTest::addColumn<Art>("art");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("demo");
        QTest::newRow("nothing") << QStringList{} << Art::Starten << "" << false;
        QTest::newRow("settings") << QStringList{"--settings", "stand2.ini"} << Art::Starten
                                  << "stand2.ini" << false;
        QTest::newRow("settings= and demo")
            << QStringList{"--settings=a b.ini", "--demo"} << Art::Starten << "a b.ini" << true;
        QTest::newRow("settings without file")
            << QStringList{"--settings"} << Art::Fehler << "" << false;
        QTest::newRow("settings empty")
            << QStringList{"--settings", ""} << Art::Fehler << "" << false;
        QTest::newRow("unknown option") << QStringList{"--port", "1"} << Art::Fehler << "" << false;
        QTest::newRow("stray argument") << QStringList{"box.ini"} << Art::Fehler << "" << false;
        QTest::newRow("help") << QStringList{"--help"} << Art::Hilfe << "" << false;
        QTest::newRow("version beside window-system options")
            << QStringList{"-platform", "offscreen", "--version"} << Art::Version << "" << false;
        QTest::newRow("resource folder")
            << QStringList{"--resource-dir"} << Art::Ressourcenordner << "" << false;
    }
    void readsTheCommandLine() {
        QFETCH(QStringList, argumente);
        QFETCH(Art, art);
        QFETCH(QString, datei);
        QFETCH(bool, demo);
        argumente.prepend(QStringLiteral("plv7steuerung"));
        const Aufruf aufruf = aufrufLesen(argumente);
        QCOMPARE(aufruf.art, art);
        QCOMPARE(aufruf.fehler.isEmpty(), art != Art::Fehler);
        if (art != Art::Starten) return;
        QCOMPARE(aufruf.einstellungsdatei, datei);
        QCOMPARE(aufruf.demo, demo);
    }

    void aSettingsFileReplacesTheOneInTheCurrentFolder() {
        Aufruf aufruf;
        QCOMPARE(programmOptionen(aufruf).iniPath, QStringLiteral("plv7rs232bSteuerung.ini"));
        aufruf.einstellungsdatei = QStringLiteral("/stands/2/plv7.ini");
        const ProgrammOptionen optionen = programmOptionen(aufruf);
        QCOMPARE(optionen.iniPath, aufruf.einstellungsdatei);
        QVERIFY(!optionen.simLine);
        QVERIFY(!QFile::exists(aufruf.einstellungsdatei));
    }

    void theDemoStartsANewSettingsFileOnPortOneAndKeepsAnExistingOne() {
        QTemporaryDir folder;
        Aufruf aufruf;
        aufruf.demo = true;
        aufruf.einstellungsdatei = folder.filePath(QStringLiteral("demo.ini"));
        const ProgrammOptionen neu = programmOptionen(aufruf);
        QCOMPARE(neu.iniPath, aufruf.einstellungsdatei);
        QVERIFY(neu.simLine);
        QCOMPARE(plv7::portMap().device(1), plv7::PortMap::kSimulated);
        plv7::IniStore store;
        QCOMPARE(store.readFile(aufruf.einstellungsdatei.toStdString()),
                 plv7::IniStore::ReadResult::Ok);
        QCOMPARE(store.getInt("com", "port"), std::optional<long>(1));

        QFile file(aufruf.einstellungsdatei);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[com]\r\nport = 3\r\n\r\n");
        file.close();
        programmOptionen(aufruf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[com]\r\nport = 3\r\n\r\n"));
    }

    void theDemoKeepsItsOwnSettingsApart() {
        Aufruf aufruf;
        aufruf.demo = true;
        const QString path = programmOptionen(aufruf).iniPath;
        QVERIFY(path.endsWith(QStringLiteral("/demo/plv7rs232bSteuerung.ini")));
        QVERIFY(QFile::exists(path));
        QFile::remove(path);
    }
};

QTEST_GUILESS_MAIN(TestAufruf)
#include "tst_aufruf.moc"
