// The curve window's files and transfer, with their questions.
#include <QFile>
#include <QLineEdit>

#include "GuiTestSupport.h"
#include "kurven/KurvenAblage.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenPanel.h"
#include "kurven/KurvenUebertragung.h"
#include "kurven/Speicherabbild.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
using namespace plv7::kurven;
using Answer = Dialoge::FileAnswer;

namespace {

// The curve window's curves and their files, as its menus reach them.
KurvenAblage& kurvenAblage() {
    return kurvenfenster().ablage();
}

}  // namespace

class TestKurvenAblage : public QObject {
    Q_OBJECT

private slots:
    void theEndOfTheProgramAsksAboutUnsavedCurves() {
        ProgramFixture fixture;
        fixture.start();
        auto& ablage = kurvenAblage();
        ablage.modell().BearbeitungsschrittSichern();
        auto& d = *fixture.dialogs;

        d.questionAnswers = {2};  // "Abbrechen"
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 1);
        QCOMPARE(d.lastTitle("question"), QStringLiteral("Warnung"));
        QCOMPARE(d.lastText("question"),
                 QStringLiteral("Möchten Sie die Änderungen in Kurvengenerator speichern?"));

        d.questionAnswers = {0};  // "Ja", then no file chosen: the curves are still unsaved
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 1);
        QVERIFY(!gMainpanel->ended());

        const QString pfad = fixture.folder.filePath("ende.plr");
        d.questionAnswers = {0};
        d.fileAnswers = {gewaehlt(pfad)};
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 0);
        QVERIFY(QFile::exists(pfad));
        QVERIFY(!ablage.modell().geaendert);
        QCOMPARE(ablage.fenstertitel(), QStringLiteral("Kurvengenerator - ende.plr"));
    }

    void neuKeepsEverythingWhenCancelled() {
        ProgramFixture fixture;
        fixture.start();
        auto& ablage = kurvenAblage();
        ablage.modell().BearbeitungsschrittSichern();
        ablage.modell().kurven[0].punkte.push_back({5, 1, 1});
        fixture.dialogs->questionAnswers = {2};
        QCOMPARE(ablage.neu(), 0);
        QCOMPARE(ablage.modell().kurven[0].punkte.size(), std::size_t{2});
        fixture.dialogs->questionAnswers = {1};  // "Nein": throw the changes away
        ablage.neu();
        QCOMPARE(ablage.modell().kurven[0].punkte, Einzelpunkt());
    }

    void loadingTellsIncompleteCurvesAndOffersTheConfiguration() {
        ProgramFixture fixture;
        fixture.start();
        Kurvenmodell m;
        m.kurven[2].punkte = {{1, 2, 1}, {2, 1, 1}};
        Konfiguration andere = gKonfig;
        andere.outmax[0] = 5.0;
        auto bytes = KurvenDateiErzeugen(m, andere);
        bytes.resize(bytes.size() - 13);  // into curve 3's points
        const QString pfad = fixture.folder.filePath("kurz.plr");
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        datei.close();

        auto& d = *fixture.dialogs;
        d.fileAnswers = {gewaehlt(pfad)};
        d.questionAnswers = {0};  // "laden"
        kurvenAblage().Menu_Kurven_Datei(KurvenAblage::Dateibefehl::Laden);
        QCOMPARE(d.lastTitle("message"), QStringLiteral("Warnung"));
        QCOMPARE(d.lastText("message"),
                 QStringLiteral("Warnung: Kurve 3 unvollständig, als Einzelpunkt geladen.\n"
                                "Warnung: Kurve 4 unvollständig, als Einzelpunkt geladen."));
        QCOMPARE(d.lastTitle("question"), QStringLiteral("Konfiguration laden?"));
        QCOMPARE(gKonfig.outmax[0], 5.0);
        // What is left of the damaged file is not the curves' file: saving asks for a name.
        QCOMPARE(kurvenAblage().fenstertitel(), QStringLiteral("Kurvengenerator"));
        QVERIFY(kurvenAblage().modell().geaendert);
    }

    void aRefusedFileShowsItsCodeAndForgetsThePath() {
        ProgramFixture fixture;
        fixture.start();
        auto& ablage = kurvenAblage();
        ablage.modell().dateipfad = "alt.plr";
        const QString pfad = fixture.folder.filePath("v1.plr");
        auto bytes = KurvenDateiErzeugen(Kurvenmodell{}, gKonfig);
        bytes[32] = 1;
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        datei.close();
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        ablage.Menu_Kurven_Datei(KurvenAblage::Dateibefehl::Anhaengen);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #303428"));
        QCOMPARE(ablage.fenstertitel(), QStringLiteral("Kurvengenerator"));
    }

    void anImportErrorShowsItsMessageThenItsCode() {
        ProgramFixture fixture;
        fixture.start();
        const QString pfad = fixture.folder.filePath("i.txt");
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("0\t0\t10ms\t9\n");
        datei.close();
        fixture.dialogs->shown.clear();
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        kurvenAblage().Menu_Kurven_Datei(KurvenAblage::Dateibefehl::Importieren);
        const auto& shown = fixture.dialogs->shown;
        QCOMPARE(shown.size(), 3);  // file dialog, the import's message, the error box
        QCOMPARE(shown[1].title, QStringLiteral("Importfehler"));
        QCOMPARE(shown[1].text,
                 QStringLiteral("Fehler in Zeile 1:\nKurvennummer 9 ist nicht erlaubt."));
        QCOMPARE(shown[2].title, QStringLiteral("Fehler #312438"));
        QVERIFY(!kurvenAblage().modell().geaendert);
    }

    void curvesGoToTheBoxAndComeBack() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings(115200);
        fixture.line->box('1')->setBaud(115200);
        fixture.start();
        auto& ablage = kurvenAblage();
        ablage.modell().kurven[1].punkte = {{100, 20, 1}, {4000, 1, 1}};
        ablage.modell().kurven[3].punkte = {{7, 2, 2}, {8, 1, 2}};
        ablage.modell().einstellungen[1].zyklen = 0;
        fixture.dialogs->questionAnswers = {0};  // "Kurven senden" despite the durations
        ablage.KurveSenden_Callback(true);
        QCOMPARE(fixture.dialogs->lastTitle("question"), QStringLiteral("Warnung"));
        QCOMPARE(fixture.line->box('1')->mode(), std::uint8_t{0x04});

        const auto gesendet = ablage.modell().kurven;
        ablage.modell() = Kurvenmodell{};  // the window's curves back to a fresh start
        kurvenAblage().modell().dateipfad = "alt.plr";
        kurvenAblage().KurveSenden_Callback(false);
        QCOMPARE(kurvenAblage().modell().kurven[1].punkte, gesendet[1].punkte);
        QCOMPARE(kurvenAblage().modell().kurven[3].punkte, gesendet[3].punkte);
        QCOMPARE(kurvenAblage().modell().einstellungen[1].zyklen, 0);
        QCOMPARE(kurvenAblage().fenstertitel(), QStringLiteral("Kurvengenerator"));
        QCOMPARE(fixture.find<QLineEdit>("COMPNL_FEHLERNR")->text(), QStringLiteral("0"));

        fixture.line->box('1')->setMode(0x02);
        kurvenAblage().KurveSenden_Callback(false);
        QCOMPARE(fixture.find<QLineEdit>("COMPNL_FEHLERNR")->text(), QStringLiteral("1018404"));
        QCOMPARE(kurvenAblage().modell().kurven[1].punkte, gesendet[1].punkte);
    }

    void curvesThatDoNotFitShowOnlyTheSpaceMessage() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        kurvenAblage().modell().kurven[0].punkte.assign(6600, {1, 2, 1});
        kurvenAblage().KurveSenden_Callback(true);
        QCOMPARE(fixture.dialogs->count("message"), 1);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler"));
        QCOMPARE(fixture.dialogs->lastText("message"), QString::fromUtf8(abbild::kPlatzMeldung));
        QCOMPARE(fixture.line->box('1')->mode(), std::uint8_t{0});
    }
};

QTEST_MAIN(TestKurvenAblage)
#include "tst_kurvenablage.moc"
