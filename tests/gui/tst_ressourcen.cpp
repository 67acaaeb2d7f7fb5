// The lookup of the program's resources relative to its own folder.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "common/Ressourcen.h"

using namespace plv7::gui;

class TestRessourcen : public QObject {
    Q_OBJECT

private slots:
    void everyToolBarImageIsFoundFromTheBuildFolder() {
        // The images the curve and characteristic windows put on their tool bars.
        const char* names[] = {
            "new",       "open",     "save",         "undo",      "redo",
            "mark",      "stift",    "verschieben",  "punktinfo", "xyzeigen",
            "xyzeigen2", "punktdel", "geradeteilen", "zeitbasis", "geradenlaenge",
            "cut",       "copy",     "paste",        "del",       "zoomplus",
            "zoomminus", "zoommark", "zoomvoll",     "leer",      "help",
            "k1",        "k2",       "k3",           "k4"};
        for (const char* name : names) {
            const QString path = ressourcenDatei(QStringLiteral("buttons/%1.png").arg(name));
            QVERIFY2(!path.isEmpty(), name);
            QVERIFY2(!QImage(path).isNull(), name);
        }
        QCOMPARE(ressourcenDatei(QStringLiteral("buttons/none.png")), QString());
    }

    void theInstalledLayoutComesFirstAndNothingElseIsTaken_data() {
        QTest::addColumn<QStringList>("folders");  // made below a temporary root
        QTest::addColumn<QString>("program");      // the program's folder
        QTest::addColumn<QString>("expected");     // the resource folder, empty for none
        QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/plv7steuerung"} << "usr/bin"
                                   << "usr/share/plv7steuerung";
        QTest::newRow("build folder")
            << QStringList{"build/src/app", "build/share/plv7steuerung"} << "build/src/app"
            << "build/share/plv7steuerung";
        QTest::newRow("installed beats a build folder around it")
            << QStringList{"b/usr/bin", "b/usr/share/plv7steuerung", "b/share/plv7steuerung"}
            << "b/usr/bin"
            << "b/usr/share/plv7steuerung";
        QTest::newRow("an installation without resources")
            << QStringList{"usr/bin", "usr/share/other", "share/other"} << "usr/bin"
            << "";
    }
    void theInstalledLayoutComesFirstAndNothingElseIsTaken() {
        QFETCH(QStringList, folders);
        QFETCH(QString, program);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QDir dir(root.path());
        for (const QString& folder : folders) QVERIFY(dir.mkpath(folder));
        const QString found = ressourcenOrdner(dir.filePath(program));
        QCOMPARE(found,
                 expected.isEmpty() ? QString() : QDir(dir.filePath(expected)).canonicalPath());
    }
};

QTEST_GUILESS_MAIN(TestRessourcen)
#include "tst_ressourcen.moc"
