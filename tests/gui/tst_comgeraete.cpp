// The serial-port window on a real PC: the device choice, adapters plugged in and out, port
// errors with their reasons, and an adapter pulled during sampling, a curve transfer and a
// scan.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "SimulatedPort.h"
#include "com/ComPanel.h"
#include "com/ComPort.h"
#include "common/ConnectionPicture.h"
#include "common/Lamp.h"
#include "common/Zahlenfeld.h"
#include "ini/IniStore.h"
#include "link/PortTable.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
using plv7::SerialDevice;

namespace {

const SerialDevice kFtdi{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A10K3XYZ",
                         "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0"};
const SerialDevice kCh340{"/dev/ttyUSB1", "USB Serial", "QinHeng", "", ""};

// One read time-out, and slack for a machine busy with other builds.
constexpr qint64 kEinTimeout = static_cast<qint64>(1000 * ComPanel::kLeseTimeout) + 500;

template <typename T = QWidget>
T* control(const ProgramFixture& fixture, const char* name) {
    T* found = fixture.find<T>(QLatin1String(name));
    if (!found) qFatal("control %s missing", name);
    return found;
}

QComboBox* geraet(const ProgramFixture& fixture) {
    return control<QComboBox>(fixture, "COMPNL_GERAET");
}

QStringList eintraege(const QComboBox* box) {
    QStringList texte;
    for (int i = 0; i < box->count(); ++i) texte << box->itemText(i);
    return texte;
}

void waehlen(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

bool startConnected(ProgramFixture& fixture) {
    fixture.line->box('1')->setBaud(115200);
    fixture.writeConnectedSettings(115200);
    return fixture.start() == 0 && OffenerComPort() == 1;
}

// What the operator sees of a port that was closed because its device went.
void verifyDisconnected(const ProgramFixture& fixture) {
    QCOMPARE(OffenerComPort(), ComPanel::kKeinPort);
    QCOMPARE(control<QComboBox>(fixture, "COMPNL_PORT")->currentText(),
             QStringLiteral("kein Port"));
    for (const auto* picture : gMainpanel->findChildren<ConnectionPicture*>())
        QCOMPARE(picture->port(), ComPanel::kKeinPort);
    QVERIFY(!control<Lamp>(fixture, "COMPNL_LED_STATUS0")->isEnabled());
}

// Plugs the adapter back: the same device on a fresh line.
void wiederEinstecken(ProgramFixture& fixture) {
    fixture.line = std::make_shared<plv7::sim::Line>();
    fixture.line->addBox('1');
    fixture.line->box('1')->setBaud(115200);
    plv7::setSerialPortFactory(plv7::makeSerialPortFactory(fixture.line));
}

}  // namespace

class TestComGeraete : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setAcquisitionRunning(false); }

    void theChoiceOffersTheDevicesAndMapsThePortByItsStablePath() {
        ProgramFixture fixture;
        fixture.devices->list = {{"/dev/ttyS0", {}, {}, {}, {}}, kFtdi, kCh340};
        QVERIFY(startConnected(fixture));
        ZeigeChildpanel(gCompanel);
        QCOMPARE(eintraege(geraet(fixture)),
                 (QStringList{QStringLiteral("Standard: /dev/ttyS0"),
                              QStringLiteral("/dev/ttyUSB0 — FT232R USB UART, FTDI, Nr. A10K3XYZ"),
                              QStringLiteral("/dev/ttyUSB1 — USB Serial, QinHeng"),
                              QStringLiteral("sim — simuliertes Gerät")}));
        QCOMPARE(geraet(fixture)->currentIndex(), 3);

        // The adapter is chosen but has no box behind it here: the port stays mapped and the
        // fields say why it did not open.
        waehlen(geraet(fixture),
                QStringLiteral("/dev/ttyUSB0 — FT232R USB UART, FTDI, Nr. A10K3XYZ"));
        QCOMPARE(plv7::portMap().device(1), QString::fromStdString(kFtdi.stablePath));
        QCOMPARE(OffenerComPort(), ComPanel::kKeinPort);
        QCOMPARE(control<QLineEdit>(fixture, "COMPNL_FEHLERNR")->text(), QStringLiteral("100003"));
        const QString text = control<QLineEdit>(fixture, "COMPNL_FEHLERSTRING")->text();
        QVERIFY2(
            text.startsWith(QStringLiteral("Fehler beim öffnen der seriellen Schnittstelle: ")) &&
                text.endsWith(QStringLiteral(" ist nicht vorhanden: der Adapter ist nicht "
                                             "eingesteckt. Adapter einstecken oder ein "
                                             "anderes Gerät wählen.")),
            qPrintable(text));
        QVERIFY(control<QComboBox>(fixture, "COMPNL_PORT")
                    ->itemText(1)
                    .endsWith(QStringLiteral(" — FT232R USB UART")));
        plv7::IniStore store;
        static_cast<ComPanel*>(gCompanel)->WriteIniCompanel(store);
        QCOMPARE(store.getString("com", "geraet1").value_or(""), kFtdi.stablePath);

        // A device without a serial number is stored as it is named; the default maps nothing.
        waehlen(geraet(fixture), QStringLiteral("/dev/ttyUSB1 — USB Serial, QinHeng"));
        QCOMPARE(plv7::portMap().device(1), QStringLiteral("/dev/ttyUSB1"));
        waehlen(geraet(fixture), QStringLiteral("Standard: /dev/ttyS0"));
        QVERIFY(!plv7::portMap().isMapped(1));
    }

    void aMappedAdapterMissingAtStartKeepsItsMappingAndSaysSo() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        plv7::IniStore store;
        store.readFile(fixture.iniPath().toStdString());
        store.putString("com", "geraet1", kFtdi.stablePath);
        fixture.writeSettings(store);
        fixture.start();
        QCOMPARE(OffenerComPort(), ComPanel::kKeinPort);
        QCOMPARE(control<QLineEdit>(fixture, "COMPNL_FEHLERNR")->text(), QStringLiteral("100003"));
        QCOMPARE(geraet(fixture)->currentText(), QString::fromStdString(kFtdi.stablePath) +
                                                     QStringLiteral(" (nicht angeschlossen)"));
        fixture.finish();
        QVERIFY(QFile(fixture.iniPath()).open(QIODevice::ReadOnly));
        plv7::IniStore saved;
        saved.readFile(fixture.iniPath().toStdString());
        QCOMPARE(saved.getString("com", "geraet1").value_or(""), kFtdi.stablePath);
    }

    void theListFollowsAdaptersWhileTheWindowIsShown() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        ZeigeChildpanel(gCompanel);
        QCOMPARE(geraet(fixture)->count(), 2);  // the default and the simulated box
        fixture.devices->list = {kFtdi};
        QTRY_COMPARE_WITH_TIMEOUT(geraet(fixture)->count(), 3, 3000);
        QCOMPARE(geraet(fixture)->currentText(), QStringLiteral("sim — simuliertes Gerät"));
        fixture.devices->list.clear();
        QTRY_COMPARE_WITH_TIMEOUT(geraet(fixture)->count(), 2, 3000);
        // Hidden, the window does not look.
        ZeigeChildpanel(nullptr);
        fixture.devices->list = {kCh340};
        QTest::qWait(2 * ComPanel::kGeraeteTakt);
        QCOMPARE(geraet(fixture)->count(), 2);
        ZeigeChildpanel(gCompanel);
        QCOMPARE(geraet(fixture)->count(), 3);
    }

    void anAdapterPulledDuringSamplingStopsItAndClosesThePort() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        ZeigeChildpanel(gDirektpanel);
        control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT")->setValue(0.1);
        auto* abfragen = control<QPushButton>(fixture, "DIREKTPNL_ABFRAGEN");
        abfragen->click();
        QVERIFY(abfragen->isChecked());
        QTest::qWait(300);
        QElapsedTimer uhr;
        uhr.start();
        fixture.line->vanishAt(plv7::sim::SimulatedPort::now());
        QTRY_VERIFY_WITH_TIMEOUT(!abfragen->isChecked(), 3000);
        QVERIFY(uhr.elapsed() < kEinTimeout);
        QVERIFY(fixture.dialogs->lastTitle("message").startsWith(QStringLiteral("Fehler #")));
        QTRY_VERIFY_WITH_TIMEOUT(OffenerComPort() == ComPanel::kKeinPort, 3000);
        verifyDisconnected(fixture);
        QCOMPARE(control<Zahlenfeld>(fixture, "DIREKTPNL_ABTASTZEIT")->value(), 0.1);

        // Plugged back, the connection picture connects again.
        wiederEinstecken(fixture);
        ComPanel::instance()->ComPicture_Callback();
        QCOMPARE(OffenerComPort(), 1);
        abfragen->click();
        QVERIFY(abfragen->isChecked());
        abfragen->click();
        QVERIFY(!abfragen->isChecked());
    }

    void anAdapterPulledBeforeAnOutputChangeKeepsTheTypedValue() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        ZeigeChildpanel(gDirektpanel);
        fixture.line->vanishAt(plv7::sim::SimulatedPort::now());
        QElapsedTimer uhr;
        uhr.start();
        auto* ausgang = control<Zahlenfeld>(fixture, "DIREKTPNL_AUSGANG1");
        ausgang->setValue(6.0);
        QVERIFY(uhr.elapsed() < kEinTimeout);
        QVERIFY(control<QLineEdit>(fixture, "DIREKTPNL_FEHLERNR")->text() != QStringLiteral("0"));
        QTRY_VERIFY_WITH_TIMEOUT(OffenerComPort() == ComPanel::kKeinPort, 3000);
        verifyDisconnected(fixture);
        QCOMPARE(ausgang->value(), 6.0);
    }

    void anAdapterPulledDuringACurveTransferEndsItWithItsError() {
        ProgramFixture fixture;
        QVERIFY(startConnected(fixture));
        ZeigeChildpanel(gKurvenpanel);
        fixture.dialogs->questionAnswers = {0, 0, 0};
        // The adapter goes after the transfer's first block.
        fixture.line->faults().add(plv7::sim::FaultKind::Vanish, 1);
        QElapsedTimer uhr;
        uhr.start();
        control<QPushButton>(fixture, "KURVENPNL_SCHREIBEN")->click();
        QVERIFY(uhr.elapsed() < kEinTimeout);
        QVERIFY(control<QLineEdit>(fixture, "COMPNL_FEHLERNR")->text() != QStringLiteral("0"));
        QTRY_VERIFY_WITH_TIMEOUT(OffenerComPort() == ComPanel::kKeinPort, 3000);
        verifyDisconnected(fixture);
        wiederEinstecken(fixture);
        ComPanel::instance()->ComPicture_Callback();
        QCOMPARE(OffenerComPort(), 1);
    }

    void anAdapterPulledDuringAScanEndsItWithItsError() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();  // the box answers at the scan's first rate
        fixture.start();
        ZeigeChildpanel(gCompanel);
        // The box at address 1 answers; the adapter goes when the scan asks address 2.
        fixture.line->faults().add(plv7::sim::FaultKind::Vanish, 1);
        QElapsedTimer uhr;
        uhr.start();
        control<QPushButton>(fixture, "COMPNL_SCANN")->click();
        QVERIFY(uhr.elapsed() < kEinTimeout);
        QVERIFY(control<Lamp>(fixture, "COMPNL_LED1")->isOn());
        // The next probe's first step, emptying the buffers, finds the port gone.
        QCOMPARE(control<QLineEdit>(fixture, "COMPNL_FEHLERNR")->text(), QStringLiteral("124148"));
        verifyDisconnected(fixture);
        wiederEinstecken(fixture);
        ComPanel::instance()->ComPicture_Callback();
        QCOMPARE(OffenerComPort(), 1);
    }
};

QTEST_MAIN(TestComGeraete)
#include "tst_comgeraete.moc"
