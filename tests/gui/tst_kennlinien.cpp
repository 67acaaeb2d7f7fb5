// The characteristic operations inside the running program: unsaved work at the end, loading
// with the configuration question and the incomplete-file notice, import refusals, and the
// transfer to the simulated box with its progress dialog.
#include <QFile>
#include <filesystem>

#include "GuiTestSupport.h"
#include "common/ErrorIndicator.h"
#include "kennlinien/KennlinienDatei.h"
#include "kennlinien/KennlinienPanel.h"
#include "kennlinien/Kennlinienblock.h"

using namespace plv7;
using namespace plv7::kennlinien;
using namespace plv7::gui;
using namespace plv7::gui::test;

namespace {

enum { kJa, kNein, kAbbrechen };

}  // namespace

class TestKennlinien : public QObject {
    Q_OBJECT

private slots:
    void unsavedWorkIsAskedForAtTheEndOfTheProgram() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        kennlinienfenster().zustand().geaendert = true;
        // Escape keeps the program running.
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 1);
        QCOMPARE(fixture.dialogs->lastTitle("question"), QStringLiteral("Warnung"));
        QCOMPARE(fixture.dialogs->lastText("question"),
                 QStringLiteral("Möchten Sie die Änderungen in Kennlinienregler speichern?"));
        QVERIFY(!gMainpanel->ended());
        // "Ja" with a cancelled save dialog stops: the operator wants the changes kept.
        fixture.dialogs->questionAnswers = {kJa};
        QCOMPARE(kennlinienfenster().bedienung().AbbruchWeilKennlinieNichtGespeichert(), 1);
        QVERIFY(kennlinienfenster().zustand().geaendert);
        // "Ja" with a file saves it under the file's name.
        const QString pfad = fixture.folder.filePath(QStringLiteral("ende.ple"));
        fixture.dialogs->questionAnswers = {kJa};
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 0);
        QVERIFY(gMainpanel->ended());
        QCOMPARE(QFile(pfad).size(), 1436);
        QCOMPARE(kennlinienfenster().bedienung().titel(),
                 QStringLiteral("Kennlinienregler - ende.ple"));
        QVERIFY(!kennlinienfenster().zustand().geaendert);
    }

    void loadingAsksForTheFilesConfigurationAndTellsOfACutFile() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        Konfiguration andere = gKonfig;
        andere.outskalamax[0] = 60.0;
        const QString pfad = fixture.folder.filePath(QStringLiteral("k.ple"));
        Kennlinie k;
        k.punkte = {{0, 100, 0}, {4095, 0, 0}};
        QCOMPARE(KennlinienDateiSpeichern(pfad.toStdString(), k, andere, 0.0, 0.5), 0);

        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        fixture.dialogs->questionAnswers = {1};  // "nicht laden"
        QCOMPARE(kennlinienfenster().bedienung().laden(), 0);
        QCOMPARE(fixture.dialogs->lastTitle("question"), QStringLiteral("Konfiguration laden?"));
        QCOMPARE(gKonfig.outskalamax[0], 10.0);
        QCOMPARE(kennlinienfenster().zustand().kennlinie.anzahl(), 2);
        QCOMPARE(kennlinienfenster().zustand().zeitkonstante, 0.5);

        std::filesystem::resize_file(pfad.toStdString(), 1430);
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        fixture.dialogs->questionAnswers = {0};  // "laden"
        QCOMPARE(kennlinienfenster().bedienung().laden(), 0);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Kennlinie laden"));
        QVERIFY(fixture.dialogs->lastText("message").contains(QStringLiteral("unvollständig")));
        QCOMPARE(kennlinienfenster().zustand().kennlinie.anzahl(), 1);
        QCOMPARE(gKonfig.outskalamax[0], 60.0);
        // The cut file is not the characteristic's file any more: saving asks for a name.
        QCOMPARE(kennlinienfenster().bedienung().titel(), QStringLiteral("Kennlinienregler"));
        QVERIFY(kennlinienfenster().zustand().geaendert);
        kennlinienfenster().zustand().geaendert = false;
        KonfigurationStandardwerte();
    }

    void aRefusedImportShowsItsMessageAndKeepsTheCharacteristic() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        const QString pfad = fixture.folder.filePath(QStringLiteral("i.txt"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("0.5\t10\n");
        datei.close();
        int snapshots = 0;
        kennlinienfenster().bedienung().setVorAenderung([&snapshots] { ++snapshots; });
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        QCOMPARE(kennlinienfenster().bedienung().importieren(), -312545);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Importfehler"));
        QCOMPARE(fixture.dialogs->lastText("message"),
                 QStringLiteral("Fehler in Zeile 1:\nKurve muß bei X=0 beginnen."));
        QCOMPARE(snapshots, 0);
        QVERIFY(!kennlinienfenster().zustand().geaendert);

        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write("0\t10\n100\t20\n");
        datei.close();
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        QCOMPARE(kennlinienfenster().bedienung().importieren(), 0);
        QCOMPARE(snapshots, 1);
        QVERIFY(kennlinienfenster().zustand().geaendert);
        QCOMPARE(kennlinienfenster().zustand().kennlinie.anzahl(), 2);
    }

    void writeAndReadOverTheConnectedBox() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        sim::Box* box = fixture.line->box('1');
        box->setMode(0x04);
        auto& zustand = kennlinienfenster().zustand();
        zustand.kennlinie.punkte = {{0, 2000, 0}, {4095, 0, 0}};
        QCOMPARE(kennlinienfenster().bedienung().schreiben(9), 0);
        QCOMPARE(box->mode(), 0x02);
        QVERIFY(!ErrorIndicator::alle().isEmpty());
        for (ErrorIndicator* anzeige : ErrorIndicator::alle()) QVERIFY(!anzeige->lampOn());
        QVERIFY(gMainpanel->findChild<QWidget*>(QStringLiteral("FORTSCHRITT")) == nullptr);

        zustand.kennlinie = Kennlinie{};
        zustand.pfad = "alt.ple";
        QCOMPARE(kennlinienfenster().bedienung().lesen(9), 0);
        QCOMPARE(zustand.kennlinie.anzahl(), 2);
        QCOMPARE(zustand.kennlinie.punkte[0].laenge, 2000);
        QVERIFY(zustand.pfad.empty());

        // The other slots hold the empty block; a spoilt checksum is shown in the error fields
        // and nothing is taken.
        box->memory()[static_cast<std::size_t>(KennlinienSlotAdresse(10)) + 1] ^= 0xFF;
        QCOMPARE(kennlinienfenster().bedienung().lesen(10), 0);
        for (ErrorIndicator* anzeige : ErrorIndicator::alle()) {
            QVERIFY(anzeige->lampOn());
            QCOMPARE(anzeige->number(), QStringLiteral("897517"));
        }
        QCOMPARE(zustand.kennlinie.anzahl(), 2);

        kennlinienfenster().bedienung().auswaehlen(4);
        QCOMPARE(box->outputMillivolts(4), 4000);
    }
};

QTEST_MAIN(TestKennlinien)
#include "tst_kennlinien.moc"
