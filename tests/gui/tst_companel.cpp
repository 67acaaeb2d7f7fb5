// The serial-port window: connecting, scanning, identification, the box's rate, direct help,
// its settings and the status poll.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "SimulatedPort.h"
#include "com/ComPanel.h"
#include "com/ComPort.h"
#include "common/ConnectionPicture.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "hilfe/Direkthilfe.h"
#include "link/PortTable.h"
#include "link/plv7Funktionen.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
using plv7::sim::SimulatedPort;

namespace {

ComPanel* com() {
    return ComPanel::instance();
}

SimulatedPort* simPort(int port = 1) {
    return dynamic_cast<SimulatedPort*>(plv7::openedPort(port));
}

// Chooses an entry the way the operator does: select, then commit.
void commit(QComboBox* box, const QVariant& value) {
    const int index = box->findData(value);
    QVERIFY2(index >= 0, qPrintable(value.toString()));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// A read time-out no open sets: it survives exactly as long as the port is not reopened.
constexpr double kMarker = 0.123;
void markPort() {
    ORVPLV7_Timeout(1, kMarker);
}
bool reopenedSinceMark() {
    return simPort() && simPort()->readTimeout() != kMarker;
}

// The widgets carry no meta-object of their own, so findChildren cannot tell them apart.
template <typename T>
QList<T*> allOf() {
    QList<T*> found;
    for (QWidget* widget : gMainpanel->findChildren<QWidget*>()) {
        if (auto* wanted = dynamic_cast<T*>(widget)) found.append(wanted);
    }
    return found;
}

QList<ErrorIndicator*> allIndicators() {
    return allOf<ErrorIndicator>();
}

QList<ConnectionPicture*> allPictures() {
    return allOf<ConnectionPicture>();
}

void verifyPicturesShow(int port) {
    const auto pictures = allPictures();
    QVERIFY(pictures.size() >= 2);  // the main window's and this window's at least
    for (const ConnectionPicture* picture : pictures) QCOMPARE(picture->port(), port);
}

QString settingsText(const ProgramFixture& fixture) {
    QFile file(fixture.iniPath());
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class TestComPanel : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setAcquisitionRunning(false); }

    void sameSelectionDoesNotReopenButARateCommitAlwaysDoes() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        QCOMPARE(fixture.start(), 0);
        QCOMPARE(OffenerComPort(), 1);
        QCOMPARE(simPort()->baud(), 9600L);
        QCOMPARE(simPort()->readTimeout(), ComPanel::kLeseTimeout);
        verifyPicturesShow(1);

        auto* port = fixture.find<QComboBox>("COMPNL_PORT");
        auto* baud = fixture.find<QComboBox>("COMPNL_BAUDRATE");
        markPort();
        commit(port, 1);
        QVERIFY(!reopenedSinceMark());
        commit(baud, 9600);
        QVERIFY(reopenedSinceMark());
        QCOMPARE(OffenerComPort(), 1);

        commit(port, ComPanel::kKeinPort);
        QCOMPARE(OffenerComPort(), -1);
        QCOMPARE(plv7::openedPort(1), nullptr);
        verifyPicturesShow(-1);
        // A rate chosen without a port opens nothing; the port then opens at that rate.
        commit(baud, 38400);
        QCOMPARE(plv7::openedPort(1), nullptr);
        commit(port, 1);
        QCOMPARE(simPort()->baud(), 38400L);
        QCOMPARE(com()->baudrate(), 38400L);
        QCOMPARE(com()->letzterPort(), 1);
        verifyPicturesShow(1);
        for (ErrorIndicator* indicator : allIndicators()) QCOMPARE(indicator->number(), "0");
    }

    void portSelectorShowsEachPortsDevice() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        auto* port = fixture.find<QComboBox>("COMPNL_PORT");
        QCOMPARE(port->count(), 9);
        QCOMPARE(port->itemText(0), QStringLiteral("kein Port"));
        QCOMPARE(port->itemData(0).toInt(), -1);
        QCOMPARE(port->itemText(1), QStringLiteral("COM1  sim — simuliertes Gerät"));
        QVERIFY(port->itemText(2).startsWith(QStringLiteral("COM2  /dev/ttyS1")));
        QCOMPARE(port->itemData(8).toInt(), 8);
        auto* address = fixture.find<QComboBox>("COMPNL_ADRESSE");
        QCOMPARE(address->count(), 16);
        QCOMPARE(address->itemText(9), QStringLiteral("a"));
        QCOMPARE(address->itemData(15).toInt(), int('&'));
    }

    void aMissingPortIsReportedOnEveryWindowAndLeavesNoPortSelected() {
        ProgramFixture fixture;
        plv7::IniStore store;
        store.putInt("com", "port", 3);
        store.putInt("com", "lport", 1);
        store.putString("com", "geraet3", "/nonexistent/plv7-port");
        fixture.writeSettings(store);
        fixture.start();
        auto* port = fixture.find<QComboBox>("COMPNL_PORT");
        QCOMPARE(port->currentData().toInt(), -1);
        QCOMPARE(OffenerComPort(), -1);
        QCOMPARE(com()->letzterPort(), 1);
        verifyPicturesShow(-1);
        for (ErrorIndicator* indicator : allIndicators()) {
            QVERIFY(indicator->lampOn());
            QCOMPARE(indicator->number(), QStringLiteral("100003"));
            // The code's text, then why the port did not open.
            QCOMPARE(indicator->text(),
                     QStringLiteral("Fehler beim öffnen der seriellen Schnittstelle: "
                                    "/nonexistent/plv7-port ist nicht vorhanden: der Adapter "
                                    "ist nicht eingesteckt. Adapter einstecken oder ein "
                                    "anderes Gerät wählen."));
        }
        QCOMPARE(fixture.dialogs->count("message"), 0);

        commit(port, 3);
        QCOMPARE(port->currentData().toInt(), -1);
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("100003"));
        commit(port, 1);
        QCOMPARE(OffenerComPort(), 1);
        QVERIFY(!allIndicators().first()->lampOn());
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("0"));
    }

    void theConnectionPictureReopensTheLastGoodPort() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        ZeigeChildpanel(nullptr);
        auto* picture = fixture.find<ConnectionPicture>("MAINPANEL_PICTURERING");
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(OffenerComPort(), -1);
        verifyPicturesShow(-1);

        // The selector shows another port; the picture still brings back port 1.
        auto* port = fixture.find<QComboBox>("COMPNL_PORT");
        port->setCurrentIndex(port->findData(5));
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(OffenerComPort(), 1);
        QCOMPARE(port->currentData().toInt(), 1);
        verifyPicturesShow(1);
    }

    void withoutALastPortThePictureStaysDisconnected() {
        ProgramFixture fixture;
        plv7::IniStore store;
        store.putInt("com", "port", -1);
        fixture.writeSettings(store);
        fixture.start();
        ZeigeChildpanel(gCompanel);
        QTest::mouseClick(fixture.find("COMPNL_PICTURERING"), Qt::LeftButton);
        QCOMPARE(OffenerComPort(), -1);
        QCOMPARE(fixture.find<QComboBox>("COMPNL_PORT")->currentData().toInt(), -1);
        verifyPicturesShow(-1);
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("0"));
    }

    void aScanFindsTheBoxAtItsAddressAndRate() {
        ProgramFixture fixture;
        fixture.line = std::make_shared<plv7::sim::Line>();
        fixture.line->addBox('3')->setBaud(19200);
        fixture.writeConnectedSettings();
        fixture.start();
        ZeigeChildpanel(gCompanel);
        auto* lamp5 = fixture.find<Lamp>("COMPNL_LED5");
        lamp5->setOn(true);  // what an earlier scan had shown
        ComFehlerSetzen(-403012);

        // The status line must be painted while the scan runs.
        QStringList seen;
        QTimer watcher;
        auto* text = fixture.find<QLineEdit>("COMPNL_TEXT");
        auto* back = fixture.find<QPushButton>("COMPNL_ZURUECK");
        connect(&watcher, &QTimer::timeout, [&] {
            if (!seen.contains(text->text())) seen.append(text->text());
            // The operator's clicks during the scan are dropped, not kept for later.
            if (seen.size() == 3) QTest::mouseClick(back, Qt::LeftButton);
        });
        watcher.start(0);  // at every turn of the event loop
        fixture.find<QPushButton>("COMPNL_SCANN")->click();
        watcher.stop();

        QVERIFY2(seen.contains(QStringLiteral("Suche nach Gerät 1 mit 9600 Baud")),
                 qPrintable(seen.join('|')));
        QVERIFY(seen.contains(QStringLiteral("Suche nach Gerät 9 mit 19200 Baud")));
        for (const QString& shown : seen) QVERIFY2(!shown.contains("38400"), qPrintable(shown));
        QCOMPARE(text->text(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(gMainpanel->childpanel(), gCompanel);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);

        QCOMPARE(fixture.find<QComboBox>("COMPNL_BAUDRATE")->currentData().toLongLong(), 19200);
        QCOMPARE(com()->adressAuswahl(), '3');
        QCOMPARE(ComAdresse(), '3');
        QCOMPARE(fixture.find<QLineEdit>("COMPNL_IDSTRING")->text(),
                 QStringLiteral("ORV-PLV7RS232B-V1.00"));
        for (int led = 1; led <= 9; ++led) {
            auto* lamp = fixture.find<Lamp>(QStringLiteral("COMPNL_LED%1").arg(led));
            QCOMPARE(lamp->isOn(), led == 3);
        }
        QCOMPARE(fixture.find<Lamp>("COMPNL_LED3")->onColour(), QColor(0x00, 0xCC, 0x00));
        QCOMPARE(simPort()->baud(), 19200L);
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("0"));
        verifyPicturesShow(1);

        // The box answers at the new rate straight away.
        fixture.find<QPushButton>("COMPNL_IDLESEN")->click();
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("0"));
    }

    void aForeignDeviceLightsRedAndEndsTheRateLoop() {
        ProgramFixture fixture;
        fixture.line = std::make_shared<plv7::sim::Line>();
        fixture.line->addForeign('2', "MESSGERAET-7");
        fixture.line->addBox('4')->setIdentification("ORV-PLV7RS232B-V1.04");
        fixture.line->addBox('7')->setIdentification("ORV-PLV7RS232B-V1.07");
        fixture.line->addBox('5')->setBaud(19200);  // never reached
        fixture.writeConnectedSettings();
        fixture.start();
        fixture.find<QPushButton>("COMPNL_SCANN")->click();

        auto* red = fixture.find<Lamp>("COMPNL_LED2");
        QVERIFY(red->isOn());
        QCOMPARE(red->onColour(), QColor(0xFF, 0x00, 0x00));
        QVERIFY(!fixture.find<Lamp>("COMPNL_LED5")->isOn());
        QCOMPARE(fixture.find<Lamp>("COMPNL_LED4")->onColour(), QColor(0x00, 0xCC, 0x00));
        QVERIFY(fixture.find<Lamp>("COMPNL_LED4")->isOn());
        QVERIFY(fixture.find<Lamp>("COMPNL_LED7")->isOn());
        // Several boxes: the highest address wins, with its identification.
        QCOMPARE(ComAdresse(), '7');
        QCOMPARE(fixture.find<QLineEdit>("COMPNL_IDSTRING")->text(),
                 QStringLiteral("ORV-PLV7RS232B-V1.07"));
        QCOMPARE(fixture.find<QComboBox>("COMPNL_BAUDRATE")->currentData().toLongLong(), 9600);
        QCOMPARE(simPort()->baud(), 9600L);

        // A later scan switches the lamp of an address that no longer answers off.
        fixture.line->box('2')->setBaud(115200);
        fixture.line->box('4')->setBaud(115200);
        fixture.line->box('7')->setBaud(115200);
        fixture.line->box('5')->setBaud(9600);
        fixture.find<QPushButton>("COMPNL_SCANN")->click();
        QVERIFY(!red->isOn());
        QVERIFY(fixture.find<Lamp>("COMPNL_LED5")->isOn());
        QVERIFY(!fixture.find<Lamp>("COMPNL_LED7")->isOn());
        QCOMPARE(ComAdresse(), '5');
    }

    void identificationStartAndStopReportTheirResults() {
        ProgramFixture fixture;
        fixture.line->box('1')->setIdentification("ORV-PLV7RS232B-V2.34");
        fixture.writeConnectedSettings();
        fixture.start();
        auto* id = fixture.find<QLineEdit>("COMPNL_IDSTRING");
        auto* first = allIndicators().first();
        fixture.find<QPushButton>("COMPNL_IDLESEN")->click();
        QCOMPARE(id->text(), QStringLiteral("ORV-PLV7RS232B-V2.34"));
        QCOMPARE(fixture.find<QLineEdit>("COMPNL_TEXT")->text(), QString());
        QCOMPARE(first->number(), QStringLiteral("0"));

        QCOMPARE(Start_Callback(), 0);
        QVERIFY(fixture.line->box('1')->running());
        QCOMPARE(Stopp_Callback(), 0);
        QVERIFY(!fixture.line->box('1')->running());

        // No box at address 2: the old identification goes, the failure shows.
        com()->setAdressAuswahl('2');
        fixture.find<QPushButton>("COMPNL_IDLESEN")->click();
        QCOMPARE(id->text(), QString());
        QVERIFY(first->lampOn());
        QVERIFY(first->number().startsWith(QStringLiteral("403")));

        commit(fixture.find<QComboBox>("COMPNL_PORT"), -1);
        fixture.find<QPushButton>("COMPNL_IDLESEN")->click();
        QCOMPARE(first->number(), QStringLiteral("122232"));
        QCOMPARE(first->text(), QStringLiteral("Serielle Schnittstelle ist nicht geöffnet"));
        fixture.find<QPushButton>("COMPNL_SCANN")->click();
        QCOMPARE(first->number(), QStringLiteral("122233"));
        QCOMPARE(Start_Callback(), -122234);
        QCOMPARE(first->number(), QStringLiteral("122234"));
        QCOMPARE(Stopp_Callback(), -122235);
        QCOMPARE(first->number(), QStringLiteral("122235"));
    }

    void theBoxRateChangesOnlyAfterTheQuestion() {
        ProgramFixture fixture;
        plv7::IniStore store;
        store.putInt("com", "lport", 1);
        fixture.writeSettings(store);
        fixture.start();
        auto* baud19200 = menuAktion(gCompanel, "BAUD19200");
        QVERIFY(baud19200);
        baud19200->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler"));
        QCOMPARE(fixture.dialogs->lastText("message"), QStringLiteral("Kein COM-Port geöffnet"));
        QCOMPARE(fixture.dialogs->count("question"), 0);

        com()->ComPicture_Callback();
        QCOMPARE(OffenerComPort(), 1);
        baud19200->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("question"), QStringLiteral("Achtung"));
        QCOMPARE(fixture.dialogs->lastText("question"),
                 QStringLiteral("Die Baudrate des PLV-7 Geräts wird\njetzt auf 19200 umgestellt."));
        QCOMPARE(fixture.line->box('1')->baud(), 9600L);  // cancelled

        fixture.dialogs->questionAnswers = {0};
        menuAktion(gCompanel, "BAUD57600")->trigger();
        QCOMPARE(fixture.line->box('1')->baud(), 57600L);
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("0"));
        // The port keeps its rate until the operator chooses the new one.
        QCOMPARE(simPort()->baud(), 9600L);
        QCOMPARE(fixture.find<QComboBox>("COMPNL_BAUDRATE")->currentData().toLongLong(), 9600);
    }

    void directHelpShowsTheTextsAndBlocksEveryAction() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        ZeigeChildpanel(gCompanel);
        QTest::mouseClick(fixture.find<QToolButton>("COMPNL_DIREKTHILFE"), Qt::LeftButton);
        QVERIFY(gHilfeAktiv);

        auto* scann = fixture.find<QPushButton>("COMPNL_SCANN");
        QTest::mouseClick(scann, Qt::LeftButton);
        QCOMPARE(fixture.dialogs->lastText("help"),
                 QStringLiteral("Durchsucht die geöffnete serielle Schnittstelle\nnach PLV-7 "
                                "Geräten. Das Ergebnis wird mit den LED's\n1 bis 8 dargestellt."));
        QTest::mouseClick(fixture.find("COMPNL_LED8"), Qt::LeftButton);
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Das Ergebnis des letzten 'Scann' Befehls für\n")));
        const int helps = fixture.dialogs->count("help");
        QTest::mouseClick(fixture.find("COMPNL_LED9"), Qt::LeftButton);
        QCOMPARE(fixture.dialogs->count("help"), helps);
        QTest::mouseClick(fixture.find("COMPNL_FEHLERNR"), Qt::LeftButton);
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Zeigt an, ob bei der Datenübertragung")));
        QTest::mouseClick(fixture.find("COMPNL_PICTURERING"), Qt::LeftButton);
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Öffnet bzw. trennt die serielle Verbindung zur PLV-7.\n")));
        QCOMPARE(OffenerComPort(), 1);
        QCOMPARE(Direkthilfe::instance().textFor("MAINPANEL_LED_FEHLER4"),
                 QStringLiteral("Eine verkleinerte Darstellung der LED's 'PLV-7 Status'\nund "
                                "'PLV-7 Fehler' aus dem Fenster 'COM-Einstellung'."));
        QCOMPARE(Direkthilfe::instance().textFor("BAUD115200"),
                 QStringLiteral("Stellt die Baudrate an der PLV-7 um."));
        QCOMPARE(Direkthilfe::instance().textFor("COMPNL_BAUDRATE"),
                 QStringLiteral("Stellt die Baudrate der Seriellen\nSchnittstelle in."));

        // Actions started any other way do nothing either.
        markPort();
        fixture.find<Lamp>("COMPNL_LED6")->setOn(true);
        scann->click();
        QVERIFY(fixture.find<Lamp>("COMPNL_LED6")->isOn());
        fixture.find<QPushButton>("COMPNL_IDLESEN")->click();
        QCOMPARE(fixture.find<QLineEdit>("COMPNL_IDSTRING")->text(), QString());
        commit(fixture.find<QComboBox>("COMPNL_BAUDRATE"), 19200);
        commit(fixture.find<QComboBox>("COMPNL_PORT"), -1);
        QVERIFY(!reopenedSinceMark());
        QCOMPARE(OffenerComPort(), 1);
        menuAktion(gCompanel, "BAUD9600")->trigger();
        QCOMPARE(fixture.dialogs->count("question"), 0);
        QCOMPARE(fixture.dialogs->count("message"), 0);
        menuAktion(gCompanel, "BEENDEN")->trigger();
        QVERIFY(!gMainpanel->ended());
        fixture.find<QPushButton>("COMPNL_ZURUECK")->click();
        QCOMPARE(gMainpanel->childpanel(), gCompanel);
        QCOMPARE(Start_Callback(), 0);
        QVERIFY(!fixture.line->box('1')->running());

        QTest::mouseClick(fixture.find<QToolButton>("COMPNL_DIREKTHILFE"), Qt::LeftButton);
        QVERIFY(!gHilfeAktiv);
        fixture.find<QPushButton>("COMPNL_ZURUECK")->click();
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);
        menuAktion(gCompanel, "BEENDEN")->trigger();
        QVERIFY(gMainpanel->ended());
    }

    void settingsAndPortMappingSurviveARestart() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        com()->setAdressAuswahl('b');
        commit(fixture.find<QComboBox>("COMPNL_BAUDRATE"), 19200);
        plv7::portMap().setDevice(4, QStringLiteral("/dev/ttyUSB7"));
        fixture.finish();
        const QString written = settingsText(fixture);
        QVERIFY2(written.startsWith(
                     QStringLiteral("[com]\r\nadresse = 98\r\nbaud = 19200\r\ngeraet1 = \"sim\"\r\n"
                                    "geraet4 = \"/dev/ttyUSB7\"\r\nlport = 1\r\nport = 1\r\n\r\n")),
                 qPrintable(written));

        // The mapping read from the file, not the test's, opens port 1 on the simulated box.
        fixture.program.reset();
        plv7::portMap() = plv7::PortMap();
        fixture.start();
        QCOMPARE(OffenerComPort(), 1);
        QCOMPARE(simPort()->baud(), 19200L);
        QCOMPARE(ComAdresse(), 'b');
        QCOMPARE(com()->letzterPort(), 1);
        QCOMPARE(plv7::portMap().device(4), QStringLiteral("/dev/ttyUSB7"));
        QVERIFY(!plv7::portMap().isMapped(2));
        auto* port = fixture.find<QComboBox>("COMPNL_PORT");
        QCOMPARE(port->currentData().toInt(), 1);
        QVERIFY(port->itemText(4).startsWith(QStringLiteral("COM4  /dev/ttyUSB7")));

        // Closed at the end: the next run starts disconnected but remembers port 1.
        com()->ComPicture_Callback();
        fixture.finish();
        QVERIFY(settingsText(fixture).contains(QStringLiteral("lport = 1\r\nport = -1\r\n")));
        QCOMPARE(plv7::openedPort(1), nullptr);
        fixture.program.reset();
        fixture.start();
        QCOMPARE(OffenerComPort(), -1);
        QCOMPARE(com()->letzterPort(), 1);
    }

    void statusLampsFollowTheBoxWhileNoSamplingRuns() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        plv7::sim::Box* box = fixture.line->box('1');
        box->setStatus(1, 0x05);
        box->setStatus(2, 0x12);
        fixture.start();
        auto* status0 = fixture.find<Lamp>("MAINPANEL_LED_STATUS0");
        // The poll runs by itself soon after the port opened.
        QTRY_VERIFY_WITH_TIMEOUT(status0->isOn(), 3000);
        QVERIFY(status0->isEnabled());
        QVERIFY(!fixture.find<Lamp>("MAINPANEL_LED_STATUS1")->isOn());
        QVERIFY(fixture.find<Lamp>("MAINPANEL_LED_STATUS2")->isOn());
        QVERIFY(!fixture.find<Lamp>("MAINPANEL_LED_FEHLER0")->isOn());
        QVERIFY(fixture.find<Lamp>("MAINPANEL_LED_FEHLER1")->isOn());
        QVERIFY(fixture.find<Lamp>("MAINPANEL_LED_FEHLER4")->isOn());
        QVERIFY(fixture.find<Lamp>("COMPNL_LED_FEHLER4")->isOn());

        // Sampling owns the line: the lamps keep what they showed.
        box->setStatus(1, 0x08);
        setAcquisitionRunning(true);
        com()->StatusAbfragen();
        QVERIFY(status0->isOn());
        setAcquisitionRunning(false);
        com()->StatusAbfragen();
        QVERIFY(!status0->isOn());
        QVERIFY(fixture.find<Lamp>("MAINPANEL_LED_STATUS3")->isOn());

        // A box that does not answer dims the lamps, quietly.
        ComFehlerSetzen(0);
        com()->setAdressAuswahl('9');
        com()->StatusAbfragen();
        QVERIFY(!fixture.find<Lamp>("MAINPANEL_LED_STATUS3")->isOn());
        QVERIFY(!fixture.find<Lamp>("MAINPANEL_LED_STATUS3")->isEnabled());
        QCOMPARE(allIndicators().first()->number(), QStringLiteral("0"));
        QCOMPARE(fixture.dialogs->shown.size(), 0);
        // The commands still wait the full read time-out.
        QCOMPARE(simPort()->readTimeout(), ComPanel::kLeseTimeout);

        com()->setAdressAuswahl('1');
        com()->StatusAbfragen();
        QVERIFY(fixture.find<Lamp>("MAINPANEL_LED_STATUS3")->isEnabled());
        com()->ComPicture_Callback();
        QVERIFY(!fixture.find<Lamp>("MAINPANEL_LED_STATUS3")->isOn());
        QVERIFY(!fixture.find<Lamp>("MAINPANEL_LED_STATUS3")->isEnabled());
    }

    void screenshot() {
        const QString folder = qEnvironmentVariable("PLV7_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("PLV7_SCREENSHOTS names no folder");
        ProgramFixture fixture;
        fixture.line->addForeign('2', "MESSGERAET-7");
        fixture.line->box('1')->setStatus(1, 0x03);
        fixture.writeConnectedSettings();
        fixture.start();
        ZeigeChildpanel(gCompanel);
        fixture.find<QPushButton>("COMPNL_SCANN")->click();
        com()->StatusAbfragen();
        com()->setAdressAuswahl('4');
        fixture.find<QPushButton>("COMPNL_IDLESEN")->click();
        QVERIFY(gMainpanel->grab().save(folder + QStringLiteral("/companel.png")));
    }
};

QTEST_MAIN(TestComPanel)
#include "tst_companel.moc"
