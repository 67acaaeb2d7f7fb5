// The direct input/output window on a simulated box whose inputs are wired to its outputs.
#include <QCheckBox>
#include <QDial>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "GuiTestSupport.h"
#include "SimulatedPort.h"
#include "com/ComPanel.h"
#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "common/Zahlenfeld.h"
#include "common/Zeigerinstrument.h"
#include "direkt/DirektPanel.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigUmrechnung.h"
#include "link/plv7Funktionen.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
using Answer = plv7::gui::Dialoge::FileAnswer;

namespace {

DirektPanel* panel() {
    return qobject_cast<DirektPanel*>(gDirektpanel);
}

// Starts the program and connects port 1 at 115200 baud, so that ticks are short.
bool startConnected(ProgramFixture& fixture) {
    fixture.line->box('1')->setBaud(115200);
    fixture.writeConnectedSettings(115200);
    return fixture.start() == 0 && OffenerComPort() == 1;
}

template <typename T>
T* control(ProgramFixture& fixture, const char* name) {
    T* found = fixture.find<T>(QLatin1String(name));
    if (!found) qFatal("control %s missing", name);
    return found;
}

// Lamps and meters are plain widgets: found by name, then taken as what they are.
plv7::gui::Lamp* lamp(ProgramFixture& fixture, const char* name) {
    return static_cast<plv7::gui::Lamp*>(control<QWidget>(fixture, name));
}
Zeigerinstrument* meter(ProgramFixture& fixture, const char* name) {
    return static_cast<Zeigerinstrument*>(control<QWidget>(fixture, name));
}

void setSamplingInterval(ProgramFixture& fixture, double seconds) {
    control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT")->setValue(seconds);
}

QStringList lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

}  // namespace

class TestDirektPanel : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        KonfigurationStandardwerte();
        Direkthilfe::instance().reset();
    }

    void aKnobAboveItsLimitIsPulledBackBeforeAnythingIsWritten() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        auto* limit = control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG2");
        auto* knob = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG2");
        limit->setValue(4.0);
        knob->setValue(7.5);
        QCOMPARE(knob->value(), 4.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(2), 4.0);
        QVERIFY(!lamp(fixture, "DIREKTPNL_FEHLERLED")->isOn());
        // Below the limit the value goes out as it is.
        knob->setValue(2.5);
        QCOMPARE(fixture.line->box('1')->outputVolts(2), 2.5);

        // Without a port the control still keeps to its limit and the fields say why.
        ComPanel::instance()->ComPortSchliessen();
        knob->setValue(9.0);
        QCOMPARE(knob->value(), 4.0);
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_FEHLERNR")->text(),
                 QStringLiteral("122303"));
        QCOMPARE(fixture.dialogs->count("message"), 0);
    }

    void aTypedNumberPastTheRangeCommitsTheEndNeverAShorterNumber() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        auto* knob = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1");
        tippen(knob, "12");
        QCOMPARE(knob->value(), 10.0);
        QCOMPARE(knob->findChild<QLineEdit*>()->text(), QStringLiteral("10.000"));
        QCOMPARE(fixture.line->box('1')->outputVolts(1), 10.0);

        // Output 2 scaled 0..10 V onto 0..120, its limit raised above the range.
        gKonfig.outskalamax[1] = 120.0;
        Direktpanel_SkaliereElemente();
        tippen(control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG2"), "500");
        auto* knob2 = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG2");
        tippen(knob2, "150");
        QCOMPARE(knob2->value(), 120.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(2), 10.0);
        // A limit below the typed number still has the last word.
        tippen(control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG2"), "60");
        tippen(knob2, "150");
        QCOMPARE(knob2->value(), 60.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(2), 5.0);

        auto* interval = control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT");
        tippen(interval, "50000");
        QCOMPARE(interval->value(), 34560.0);
        QCOMPARE(panel()->timerIntervall(), 34560.0);
        auto* punkte = control<Zahlenfeld>(fixture, "DIREKTPNL_PUNKTEPRODIV");
        tippen(punkte, "25,4");
        QCOMPARE(punkte->ganzzahl(), 25);
        // Something that is no number leaves the value as it was.
        tippen(interval, "-");
        QCOMPARE(interval->value(), 34560.0);
    }

    void outputsToZeroWriteTheUserValueZeroHeldInsideTheRange() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        // Output 1: 0..5 V onto 2..10; output 3: 0..10 V onto -5..5.
        gKonfig.outmin[0] = 0.0;
        gKonfig.outmax[0] = 5.0;
        gKonfig.outskalamin[0] = 2.0;
        gKonfig.outskalamax[0] = 10.0;
        gKonfig.outskalamin[2] = -5.0;
        gKonfig.outskalamax[2] = 5.0;
        Direktpanel_SkaliereElemente();
        auto* knob1 = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1");
        auto* knob3 = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG3");
        QCOMPARE(knob1->minimum(), 2.0);
        QCOMPARE(knob1->maximum(), 18.0);  // code 4095 = 10 V, twice the scaled interval
        knob1->setValue(8.0);
        knob3->setValue(3.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(1), 3.75);
        QCOMPARE(fixture.line->box('1')->outputVolts(3), 8.0);

        control<QPushButton>(fixture, "DIREKTPNL_AUSGAENGEAUFNULL")->click();
        QCOMPARE(knob1->value(), 2.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(1), 0.0);
        QCOMPARE(knob3->value(), 0.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(3), 5.0);
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_FEHLERNR")->text(), QStringLiteral("0"));
        QCOMPARE(control<QPushButton>(fixture, "DIREKTPNL_AUSGAENGEAUFNULL")->shortcut(),
                 QKeySequence(Qt::Key_Escape));
    }

    void startingWithTheLogOnAndCancellingTheDialogSamplesWithoutLog() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.1);
        control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->setChecked(true);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QCOMPARE(fixture.dialogs->count("file"), 1);
        QCOMPARE(fixture.dialogs->lastTitle("file"),
                 QStringLiteral("Datei zum Speichern/Erweitern"));
        QVERIFY(panel()->erfassungLaeuft());
        QCOMPARE(control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->text(),
                 QStringLiteral("Abfragen beenden"));
        QVERIFY(!control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(panel()->taktkosten().takte >= 2, 2000);
        QVERIFY(!lamp(fixture, "DIREKTPNL_DATEISPEICHERNLED")->isOn());
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QVERIFY(!panel()->erfassungLaeuft());
        QCOMPARE(control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->text(),
                 QStringLiteral("Eingänge abfragen"));
        QVERIFY(control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->isEnabled());
        QCOMPARE(fixture.dialogs->count("message"), 0);
    }

    void aVanishedPortStopsTheAcquisitionAndLosesNoLoggedLine() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        const QString log = fixture.folder.filePath(QStringLiteral("messung.txt"));
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Chosen, log});
        setSamplingInterval(fixture, 0.1);
        control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1")->setValue(6.0);
        control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->setChecked(true);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QVERIFY(lamp(fixture, "DIREKTPNL_DATEISPEICHERNLED")->isOn());
        QTRY_VERIFY_WITH_TIMEOUT(panel()->taktkosten().takte >= 3, 3000);

        // Every sample the window has shown is in the file while it is still open; the
        // acquisition's thread may have logged the next one already.
        const long processed = panel()->taktkosten().takte;
        const QStringList whileOpen = lines(log);
        QCOMPARE(whileOpen.at(2), QStringLiteral("Datenerfassung gestartet"));
        QCOMPARE(whileOpen.at(11).left(14), QStringLiteral("Datum\tUhrzeit\t"));
        QVERIFY(whileOpen.size() - 13 >= processed);
        QVERIFY(whileOpen.last().isEmpty());  // the last line is complete
        QVERIFY(whileOpen.at(12).contains(QStringLiteral("\t6.000\t")));

        fixture.line->vanishAt(plv7::sim::SimulatedPort::now());
        QTRY_VERIFY_WITH_TIMEOUT(!panel()->erfassungLaeuft(), 3000);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #112046"));
        QVERIFY(!control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->isChecked());
        QVERIFY(!lamp(fixture, "DIREKTPNL_DATEISPEICHERNLED")->isOn());
        const QStringList afterwards = lines(log);
        QCOMPARE(afterwards.size() - 13, panel()->taktkosten().takte);
        QVERIFY(afterwards.last().isEmpty());
        QVERIFY(!afterwards.join('\n').contains(QStringLiteral("Datenerfassung beendet")));
    }

    void theDialogsOfTheWindowGoAndComeBackWithIt() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        auto* trigger = gDirektpanel->findChild<QDialog*>(QStringLiteral("TRIGGERPNL"));
        auto* statistik = gDirektpanel->findChild<QDialog*>(QStringLiteral("FEHLERPNL"));
        control<QPushButton>(fixture, "DIREKTPNL_TRIGGER")->click();
        QVERIFY(trigger->isVisible());
        gDirektpanel->findChild<QAction*>(QStringLiteral("DIREKT_FENSTER_COM"))->trigger();
        QVERIFY(!trigger->isVisible());
        ZeigeChildpanel(gDirektpanel);
        QVERIFY(trigger->isVisible());
        // A dialog closed before stays closed.
        QVERIFY(!statistik->isVisible());
        trigger->hide();
        ZeigeChildpanel(nullptr);
        ZeigeChildpanel(gDirektpanel);
        QVERIFY(!trigger->isVisible());
    }

    void theLogDialogAsksNothingAndAnExistingFileIsExtended() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        const QString log = fixture.folder.filePath(QStringLiteral("messung.txt"));
        {
            QFile frueher(log);
            QVERIFY(frueher.open(QIODevice::WriteOnly));
            frueher.write("frühere Messung\n");
        }
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Chosen, log});
        setSamplingInterval(fixture, 0.1);
        control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->setChecked(true);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_VERIFY_WITH_TIMEOUT(panel()->taktkosten().takte >= 1, 3000);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        const QStringList text = lines(log);
        QCOMPARE(text.at(0), QStringLiteral("frühere Messung"));
        QCOMPARE(text.at(3), QStringLiteral("Datenerfassung gestartet"));
        QCOMPARE(text.at(text.size() - 2), QStringLiteral("Datenerfassung beendet"));
        // Nothing is replaced, so the dialog does not ask whether to replace the file.
        const Dialoge::FileRequest request = fixture.dialogs->fileRequests.last();
        QVERIFY(request.extend);
        QVERIFY(makeFileDialog(request)->testOption(QFileDialog::DontConfirmOverwrite));
    }

    void aClosedPortStopsTheTickWithTheRequestCode() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.1);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_VERIFY_WITH_TIMEOUT(panel()->taktkosten().takte >= 1, 2000);
        ComPanel::instance()->ComPortSchliessen();
        QTRY_VERIFY_WITH_TIMEOUT(!panel()->erfassungLaeuft(), 2000);
        QCOMPARE(fixture.dialogs->count("message"), 1);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #122315"));
    }

    void minimumAndMaximumFollowTheSamplesAndTheirReset() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.1);
        auto* knob = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1");
        auto* minimum = control<QLineEdit>(fixture, "DIREKTPNL_MIN1");
        auto* maximum = control<QLineEdit>(fixture, "DIREKTPNL_MAX1");
        auto* instrument = meter(fixture, "DIREKTPNL_EINGANG1");
        knob->setValue(6.0);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_COMPARE_WITH_TIMEOUT(instrument->wertText(), QStringLiteral("6.000"), 2000);
        QCOMPARE(minimum->text(), QStringLiteral("6.000"));
        QCOMPARE(maximum->text(), QStringLiteral("6.000"));
        knob->setValue(3.0);
        QTRY_COMPARE_WITH_TIMEOUT(minimum->text(), QStringLiteral("3.000"), 2000);
        QCOMPARE(maximum->text(), QStringLiteral("6.000"));
        control<QPushButton>(fixture, "DIREKTPNL_MINMAXRESET")->click();
        QTRY_COMPARE_WITH_TIMEOUT(maximum->text(), QStringLiteral("3.000"), 2000);
        QCOMPARE(minimum->text(), QStringLiteral("3.000"));
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
    }

    void theFastPipelineShowsNothingInItsFirstTick() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.05);
        control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG2")->setValue(7.0);
        auto* instrument = meter(fixture, "DIREKTPNL_EINGANG2");
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        while (panel()->erfassungLaeuft() && panel()->taktkosten().takte < 1) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        QCOMPARE(panel()->taktkosten().takte, 1L);
        QCOMPARE(instrument->wert(), 0.0);
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_MAX2")->text(), QStringLiteral("0.000"));
        QTRY_COMPARE_WITH_TIMEOUT(instrument->wertText(), QStringLiteral("7.000"), 2000);
        QVERIFY(panel()->taktkosten().takte >= 2);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
    }

    void theIntervalAcceptsAMillisecondButTheTimerRunsAtTwo() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        auto* interval = control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT");
        QCOMPARE(interval->value(), 0.5);
        QCOMPARE(panel()->timerIntervall(), 0.5);
        interval->setValue(0.001);
        QCOMPARE(interval->value(), 0.001);
        QCOMPARE(panel()->timerIntervall(), 0.002);
        interval->setValue(0.25);
        QCOMPARE(panel()->timerIntervall(), 0.25);
        // s/Div = 20 points (no stored value) × 0.25 s.
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_SEKPRODIV")->text(), QStringLiteral("5"));
    }

    void theSettingsOfTheWindowSurviveARestart() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        control<QCheckBox>(fixture, "DIREKTPNL_PLOT3")->setChecked(false);
        control<QCheckBox>(fixture, "DIREKTPNL_GRAFIKZEIGEN")->setChecked(false);
        control<QCheckBox>(fixture, "DIREKTPNL_VERZOEGERTZEICHNEN")->setChecked(true);
        control<QCheckBox>(fixture, "DIREKTPNL_EINZELBILD")->setChecked(true);
        control<Zahlenfeld>(fixture, "DIREKTPNL_PUNKTEPRODIV")->setValue(50);
        control<Zahlenfeld>(fixture, "DIREKTPNL_PROZENTPRODIV")->setValue(10);
        control<Zahlenfeld>(fixture, "DIREKTPNL_YOFFSETINPROZENT")->setValue(30);
        setSamplingInterval(fixture, 0.25);
        control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG2")->setValue(7.5);
        control<QComboBox>(fixture, "TRIGGERPNL_QUELLE")->setCurrentIndex(1);  // Kanal 2
        control<QComboBox>(fixture, "TRIGGERPNL_FLANKE")->setCurrentIndex(1);  // negativ
        control<Zahlenfeld>(fixture, "TRIGGERPNL_SCHWELLE")->setValue(40.0);
        control<Zahlenfeld>(fixture, "TRIGGERPNL_DELAY")->setValue(-3);
        fixture.finish();
        fixture.program.reset();

        QCOMPARE(fixture.start(), 0);
        QVERIFY(!control<QCheckBox>(fixture, "DIREKTPNL_PLOT3")->isChecked());
        QVERIFY(control<QCheckBox>(fixture, "DIREKTPNL_PLOT4")->isChecked());
        QVERIFY(!panel()->streifenschreiber()->spurSichtbar(2));
        QVERIFY(panel()->streifenschreiber()->spurSichtbar(3));
        QVERIFY(!control<QCheckBox>(fixture, "DIREKTPNL_GRAFIKZEIGEN")->isChecked());
        QVERIFY(control<QCheckBox>(fixture, "DIREKTPNL_VERZOEGERTZEICHNEN")->isChecked());
        QVERIFY(control<QCheckBox>(fixture, "DIREKTPNL_EINZELBILD")->isChecked());
        QVERIFY(control<QPushButton>(fixture, "DIREKTPNL_BILDSPEICHERN")->isEnabled());
        QVERIFY(!control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->isEnabled());
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_PUNKTEPRODIV")->ganzzahl(), 50);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_PROZENTPRODIV")->ganzzahl(), 10);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_YOFFSETINPROZENT")->ganzzahl(), 30);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT")->value(), 0.25);
        QCOMPARE(panel()->timerIntervall(), 0.25);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG2")->value(), 7.5);
        QCOMPARE(control<QComboBox>(fixture, "TRIGGERPNL_QUELLE")->currentData().toInt(), 2);
        QCOMPARE(control<QComboBox>(fixture, "TRIGGERPNL_FLANKE")->currentData().toInt(), -1);
        QCOMPARE(control<Zahlenfeld>(fixture, "TRIGGERPNL_SCHWELLE")->value(), 40.0);
        QCOMPARE(control<Zahlenfeld>(fixture, "TRIGGERPNL_DELAY")->ganzzahl(), -3);
        // The stored Y scale is applied at start: 10 %/Div × 5 from 30 %.
        const QCPRange y = panel()->streifenschreiber()->yAxis->range();
        QCOMPARE(y.lower, 30.0);
        QCOMPARE(y.upper, 80.0);
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_EINHEIT1PRODIV")->text(),
                 QStringLiteral("1.000"));
        QCOMPARE(panel()->grafik().bildlaenge(), 600);
        // The trigger line stands three divisions into the frame.
        QVERIFY(panel()->streifenschreiber()->strich()->visible());
        QCOMPARE(panel()->streifenschreiber()->strich()->point1->key(), 150.0);
    }

    void outOfRangeSettingsFallBack() {
        ProgramFixture fixture;
        plv7::IniStore store;
        store.putInt("direkt", "punktediv", 500);
        store.putDouble("direkt", "abtastzeit", 0.0005);
        store.putInt("direkt", "tdelay", 12);
        store.putInt("direkt", "kurve2", 0);
        fixture.writeSettings(store);
        QCOMPARE(fixture.start(), 0);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_PUNKTEPRODIV")->ganzzahl(), 20);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT")->value(), 0.5);
        QCOMPARE(control<Zahlenfeld>(fixture, "TRIGGERPNL_DELAY")->ganzzahl(), 0);
        QVERIFY(!panel()->streifenschreiber()->spurSichtbar(1));
        QVERIFY(control<QCheckBox>(fixture, "DIREKTPNL_GRAFIKZEIGEN")->isChecked());
    }

    void aFrozenFrameIsExportedWhole() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        control<Zahlenfeld>(fixture, "DIREKTPNL_PUNKTEPRODIV")->setValue(1);  // 12 samples
        control<QCheckBox>(fixture, "DIREKTPNL_EINZELBILD")->setChecked(true);
        QVERIFY(!control<QPushButton>(fixture, "DIREKTPNL_DATEISPEICHERN")->isEnabled());
        setSamplingInterval(fixture, 0.01);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_VERIFY_WITH_TIMEOUT(panel()->grafik().eingefroren(), 3000);
        QCOMPARE(panel()->streifenschreiber()->punkteInSpur(0), 12);
        const QString bild = fixture.folder.filePath(QStringLiteral("bild.txt"));
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Chosen, bild});
        control<QPushButton>(fixture, "DIREKTPNL_BILDSPEICHERN")->click();
        QCOMPARE(panel()->streifenschreiber()->punkteInSpur(0), 12);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        const QStringList text = lines(bild);
        QCOMPARE(text.at(2), QStringLiteral("Speichern von Einzelbild"));
        QCOMPARE(text.at(12 + 12), QStringLiteral("Einzelbild beendet"));
        QCOMPARE(text.size(), 12 + 12 + 2);
        QCOMPARE(fixture.dialogs->count("message"), 0);
    }

    void delayedDisplayDrawsAWholeFrameAtOnce() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        control<Zahlenfeld>(fixture, "DIREKTPNL_PUNKTEPRODIV")->setValue(2);  // 24 samples
        control<QCheckBox>(fixture, "DIREKTPNL_VERZOEGERTZEICHNEN")->setChecked(true);
        setSamplingInterval(fixture, 0.01);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_VERIFY_WITH_TIMEOUT(panel()->streifenschreiber()->punkteInSpur(0) > 0, 3000);
        QCOMPARE(panel()->streifenschreiber()->punkteInSpur(0), 24);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
    }

    void theStatisticsDialogFollowsTheTicks() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.05);
        control<QPushButton>(fixture, "DIREKTPNL_FEHLERSTATISTIK")->click();
        auto* dialog = control<QDialog>(fixture, "FEHLERPNL");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Fehlerstatistik"));
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            control<QLineEdit>(fixture, "FEHLERPNL_MESSUNGENGESAMMT")->text().toInt() >= 3, 2000);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        control<QPushButton>(fixture, "FEHLERPNL_OK")->click();
        QVERIFY(!dialog->isVisible());
    }

    void helpModeShowsTextsAndOnlySingleFrameModeActs() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        Direkthilfe::instance().setActive(true);
        auto* start = control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN");
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(!panel()->erfassungLaeuft());
        QCOMPARE(fixture.dialogs->lastText("help"),
                 QStringLiteral("Schaltet die laufende Abfrage der\nEingänge ein und aus."));
        auto* single = control<QCheckBox>(fixture, "DIREKTPNL_EINZELBILD");
        QTest::mouseClick(single, Qt::LeftButton);
        QVERIFY(single->isChecked());
        QVERIFY(control<QPushButton>(fixture, "DIREKTPNL_BILDSPEICHERN")->isEnabled());
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Im Einzelbildmodus wird die grafische Darstellung")));
        QTest::mouseClick(control<QWidget>(fixture, "DIREKTPNL_STRIPCHART"), Qt::LeftButton);
        QCOMPARE(fixture.dialogs->lastText("help"),
                 QStringLiteral("Graphische Darstellung der Eingänge.\nSkala: 0 bis 100%"));
        Direkthilfe::instance().setActive(false);
    }

    void helpModeBlocksCommandsTheProgramTriggersAndPutsTheirControlsBack() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        ZeigeChildpanel(gDirektpanel);
        auto* trigger = gDirektpanel->findChild<QDialog*>(QStringLiteral("TRIGGERPNL"));
        control<QPushButton>(fixture, "DIREKTPNL_TRIGGER")->click();
        Direkthilfe::instance().setActive(true);

        auto* start = control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN");
        start->click();
        QVERIFY(!start->isChecked());
        QVERIFY(!panel()->erfassungLaeuft());
        QCOMPARE(fixture.dialogs->lastText("help"),
                 QStringLiteral("Schaltet die laufende Abfrage der\nEingänge ein und aus."));
        auto* knopf = control<QDial>(fixture, "DIREKTPNL_AUSGANG1_REGLER");
        knopf->setValue(500);
        QCOMPARE(knopf->value(), 0);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1")->value(), 0.0);
        control<QPushButton>(fixture, "TRIGGERPNL_OK")->click();
        QVERIFY(trigger->isVisible());
        QCOMPARE(fixture.dialogs->lastText("help"), QStringLiteral("Schließt das Fenster."));
        menuAktion(gDirektpanel, QStringLiteral("DIREKT_FENSTER_COM"))->trigger();
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);
        Direkthilfe::instance().setActive(false);
    }

    void outputsSetDuringFastSamplingLoseNoAnswer() {
        // Every output write flushes the line; the answer the next tick expects must not be
        // among what it throws away.
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.005);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        auto* knob = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG3");
        for (int i = 0; i < 40; ++i) {
            knob->setValue(i % 2 ? 6.0 : 3.0);
            QTest::qWait(3);
        }
        control<QPushButton>(fixture, "DIREKTPNL_AUSGAENGEAUFNULL")->click();
        QTest::qWait(20);
        QVERIFY(panel()->erfassungLaeuft());
        QCOMPARE(fixture.dialogs->count("message"), 0);
        QCOMPARE(fixture.line->box('1')->outputVolts(2), 0.0);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
    }

    void theTriggerWaitsForTheSignalToComeFromBelow() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        auto* knob = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1");
        auto* text = control<QLabel>(fixture, "DIREKTPNL_TRIGGERTEXT");
        knob->setValue(8.0);  // 80 %: above the threshold from the start
        auto* source = control<QComboBox>(fixture, "TRIGGERPNL_QUELLE");
        source->setCurrentIndex(0);  // Kanal 1
        emit source->activated(0);
        setSamplingInterval(fixture, 0.01);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), QStringLiteral("warte auf Trigger"), 2000);
        QTest::qWait(60);
        QCOMPARE(panel()->streifenschreiber()->punkteInSpur(0), 0);
        knob->setValue(2.0);
        QTest::qWait(60);
        QCOMPARE(panel()->streifenschreiber()->punkteInSpur(0), 0);
        knob->setValue(8.0);
        QTRY_VERIFY_WITH_TIMEOUT(panel()->streifenschreiber()->punkteInSpur(0) > 0, 2000);
        QVERIFY(text->text().isEmpty());
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QVERIFY(text->text().isEmpty());
    }

    void aTraceSwitchedOffIsNeitherRequestedNorShown() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1")->setValue(5.0);
        control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG2")->setValue(5.0);
        control<QCheckBox>(fixture, "DIREKTPNL_PLOT2")->setChecked(false);
        QVERIFY(!panel()->streifenschreiber()->spurSichtbar(1));
        setSamplingInterval(fixture, 0.1);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QTRY_COMPARE_WITH_TIMEOUT(meter(fixture, "DIREKTPNL_EINGANG1")->wertText(),
                                  QStringLiteral("5.000"), 2000);
        QCOMPARE(panel()->abfragebits(), 0b1101u);
        QCOMPARE(meter(fixture, "DIREKTPNL_EINGANG2")->wertText(), QStringLiteral("0.000"));
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
    }

    void aNewScalingRelabelsEveryChannel() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        control<Zahlenfeld>(fixture, "DIREKTPNL_PROZENTPRODIV")->setValue(10);
        control<Zahlenfeld>(fixture, "DIREKTPNL_YOFFSETINPROZENT")->setValue(50);
        QCOMPARE(panel()->streifenschreiber()->yAxis->range().lower, 50.0);
        QCOMPARE(panel()->streifenschreiber()->yAxis->range().upper, 100.0);
        // Input 2: 0..10 V onto 0..1000 bar; output 4: 0..10 V onto 0..100 %.
        gKonfig.inskalamax[1] = 1000.0;
        plv7::EinheitSetzen(gKonfig.ineinheit[1], "bar");
        gKonfig.outskalamax[3] = 100.0;
        plv7::EinheitSetzen(gKonfig.outeinheit[3], "%");
        Direktpanel_SkaliereElemente();
        Zeigerinstrument* input = meter(fixture, "DIREKTPNL_EINGANG2");
        QCOMPARE(input->einheit(), QStringLiteral("bar"));
        QCOMPARE(input->hi(), 1000.0);
        QCOMPARE(input->nachkommastellen(), 1);
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_MIN2")->text(), QStringLiteral("0.0"));
        QCOMPARE(control<QLineEdit>(fixture, "DIREKTPNL_EINHEIT2PRODIV")->text(),
                 QStringLiteral("100.0"));
        auto* output = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG4");
        QCOMPARE(output->maximum(), 100.0);
        QCOMPARE(output->decimals(), 2);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG4")->decimals(), 2);
        QCOMPARE(control<QLabel>(fixture, "DIREKTPNL_AUSGANG4_EINHEIT")->text(),
                 QStringLiteral("%"));
        // The limit stays in user units: 10 % until it is raised.
        output->setValue(50.0);
        QCOMPARE(output->value(), 10.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(4), 1.0);
        control<Zahlenfeld>(fixture, "DIREKTPNL_BEGRENZUNG4")->setValue(100.0);
        output->setValue(50.0);
        QCOMPARE(fixture.line->box('1')->outputVolts(4), 5.0);
    }

    void theChartIsSavedAsAPicture() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        const QString path = fixture.folder.filePath(QStringLiteral("grafik"));
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Chosen, path});
        menuAktion(gDirektpanel, QStringLiteral("DIREKT_DATEI_GRAFIKBILD"))->trigger();
        QFile png(path + QStringLiteral(".png"));
        QVERIFY(png.open(QIODevice::ReadOnly));
        QCOMPARE(png.read(4), QByteArray("\x89PNG"));
        // The typed suffix decides, whichever filter is chosen; a bare name takes the filter's.
        const QString typed = fixture.folder.filePath(QStringLiteral("chartimg.png"));
        const QString bare = fixture.folder.filePath(QStringLiteral("bild"));
        constexpr int kPdfFilter = 1;
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Chosen, typed, kPdfFilter});
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Chosen, bare, kPdfFilter});
        for (int i = 0; i < 2; ++i) {
            gDirektpanel->findChild<QAction*>(QStringLiteral("DIREKT_DATEI_GRAFIKBILD"))->trigger();
        }
        QFile typedFile(typed);
        QVERIFY(typedFile.open(QIODevice::ReadOnly));
        QCOMPARE(typedFile.read(4), QByteArray("\x89PNG"));
        QFile pdf(bare + QStringLiteral(".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));
        const QStringList bilder = {QStringLiteral("*.png"), QStringLiteral("*.pdf")};
        QCOMPARE(QDir(fixture.folder.path()).entryList(bilder, QDir::Files).size(), 3);
        // The dialog offers both formats and leaves the name as typed.
        const std::unique_ptr<QFileDialog> dialog =
            makeFileDialog(fixture.dialogs->fileRequests.last());
        QCOMPARE(dialog->nameFilters().at(kPdfFilter), QStringLiteral("PDF-Dokument (*.pdf)"));
        QVERIFY(dialog->defaultSuffix().isEmpty());
        fixture.dialogs->fileAnswers.push_back({Answer::Result::Failed, {}});
        menuAktion(gDirektpanel, QStringLiteral("DIREKT_DATEI_GRAFIKBILD"))->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #317305"));
    }

    void theWindowMenuStopsTheAcquisitionFirst() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        setSamplingInterval(fixture, 0.1);
        control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN")->click();
        QVERIFY(panel()->erfassungLaeuft());
        menuAktion(gDirektpanel, QStringLiteral("DIREKT_FENSTER_KONFIG"))->trigger();
        QVERIFY(!panel()->erfassungLaeuft());
        QCOMPARE(gMainpanel->childpanel(), gKonfigpanel);
        ZeigeChildpanel(gDirektpanel);
        menuAktion(gDirektpanel, QStringLiteral("DIREKT_HILFE_PINS"))->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("PLV-7 Pinbelegung"));
        QVERIFY(fixture.dialogs->lastText("message").startsWith(
            QStringLiteral("Pinbelegung\n\nPin 1:    UB +15V DC\n")));
        QVERIFY(
            fixture.dialogs->lastText("message").endsWith(QStringLiteral("Pin 16:  Eingang 4")));
    }
};

QTEST_MAIN(TestDirektPanel)
#include "tst_direktpanel.moc"
