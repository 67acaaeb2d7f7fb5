// The program shell: start-up, window switching, proportions, direct help and the end.
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "Demo.h"
#include "GuiTestSupport.h"
#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "hilfe/Direkthilfe.h"
#include "hilfe/HelpPopup.h"
#include "link/plv7Funktionen.h"
#include "shell/InfoPanel.h"
#include "shell/Panel.h"
#include "shell/Uebersetzung.h"

using namespace plv7::gui;
using namespace plv7::gui::test;

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheDirectWindowAndDimmedButtons() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        QCOMPARE(fixture.start(), 0);
        QCOMPARE(gMainpanel->windowTitle(), QStringLiteral("PLV7-RS232-B-Steuerung"));
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);
        const char* names[] = {"MAINPANEL_COM",    "MAINPANEL_KONFIG",    "MAINPANEL_DIREKT",
                               "MAINPANEL_KURVEN", "MAINPANEL_KENNLINIE", "MAINPANEL_INFO",
                               "MAINPANEL_ENDE"};
        for (const char* name : names) {
            QVERIFY2(!fixture.find<QPushButton>(QLatin1String(name))->isEnabled(), name);
        }
        ZeigeChildpanel(nullptr);
        QCOMPARE(gMainpanel->childpanel(), nullptr);
        QVERIFY(fixture.find<QPushButton>("MAINPANEL_COM")->isEnabled());
        QVERIFY(fixture.find<QPushButton>("MAINPANEL_INFO")->isEnabled());
        // Both editor windows are reachable from the main window.
        fixture.find<QPushButton>("MAINPANEL_KURVEN")->click();
        QCOMPARE(gMainpanel->childpanel(), gKurvenpanel);
        ZeigeChildpanel(nullptr);
        fixture.find<QPushButton>("MAINPANEL_KENNLINIE")->click();
        QCOMPARE(gMainpanel->childpanel(), gKennlinienpanel);
        ZeigeChildpanel(nullptr);
        fixture.find<QPushButton>("MAINPANEL_COM")->click();
        QCOMPARE(gMainpanel->childpanel(), gCompanel);
        QCOMPARE(fixture.dialogs->count("message"), 0);
    }

    void aMissingSettingsFileIsReportedAndTheProgramStartsDisconnected() {
        ProgramFixture fixture;
        QCOMPARE(fixture.start(), 0);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #801202"));
        QCOMPARE(fixture.dialogs->lastText("message"),
                 QStringLiteral("Fehler beim lesen der INI-Datei"));
        QCOMPARE(plv7::openedPort(1), nullptr);
    }

    void keepsItsProportionsAndNeverShrinksBelowTheDesign() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        const plv7::PanelSize designed = gMainpanel->designedSize();
        gMainpanel->resize(designed.width * 2, designed.height * 3 / 2);
        QCOMPARE(gMainpanel->width(), designed.width * 3 / 2);
        QCOMPARE(gMainpanel->height(), designed.height * 3 / 2);
        gMainpanel->resize(designed.width - 100, designed.height + 50);
        QCOMPARE(gMainpanel->size(), QSize(designed.width, designed.height));
    }

    void helpPopupOpensTowardTheCentre() {
        const QSize window(800, 600);
        const QSize popup(200, 50);
        QCOMPARE(helpPopupOrigin({100, 100}, popup, window), QPoint(100, 100));
        QCOMPARE(helpPopupOrigin({700, 550}, popup, window), QPoint(500, 500));
        QCOMPARE(helpPopupOrigin({700, 100}, popup, window), QPoint(500, 100));
    }

    void directHelpShowsTextsAndBlocksActions() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        QVERIFY(plv7::openedPort(1) != nullptr);
        ZeigeChildpanel(nullptr);
        auto* toggle = fixture.find<QToolButton>("MAINPANEL_DIREKTHILFE");
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(gHilfeAktiv);
        QCOMPARE(fixture.dialogs->lastText("help"), kHelpModeOnText);

        auto* com = fixture.find<QPushButton>("MAINPANEL_COM");
        QTest::mouseClick(com, Qt::LeftButton);
        QCOMPARE(gMainpanel->childpanel(), nullptr);
        QVERIFY(fixture.dialogs->lastText("help").startsWith("Öffnen, Schließen und Einstellen"));

        // "Beenden" has no text and does nothing in the mode.
        const int helps = fixture.dialogs->count("help");
        QTest::mouseClick(fixture.find<QPushButton>("MAINPANEL_ENDE"), Qt::LeftButton);
        QVERIFY(!gMainpanel->ended());
        QCOMPARE(fixture.dialogs->count("help"), helps);

        // The connection picture shows its text and leaves the port as it is.
        auto* picture = fixture.find("MAINPANEL_PICTURERING");
        QVERIFY(picture);
        QTest::mouseClick(picture, Qt::LeftButton);
        QVERIFY(plv7::openedPort(1) != nullptr);
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Öffnet bzw. trennt die serielle Verbindung zur PLV-7.")));

        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!gHilfeAktiv);
        QTest::mouseClick(com, Qt::LeftButton);
        QCOMPARE(gMainpanel->childpanel(), gCompanel);
    }

    void everyWindowSharesTheProgramWideCommands() {
        ProgramFixture fixture;
        QCOMPARE(fixture.start(), 0);
        QAction* beenden = menuAktion(gCompanel, QStringLiteral("BEENDEN"));
        QVERIFY(beenden);
        QCOMPARE(menuAktion(gKonfigpanel, QStringLiteral("BEENDEN")), beenden);
        QCOMPARE(menuAktion(gDirektpanel, QStringLiteral("BEENDEN")), beenden);
        QAction* hilfe = nullptr;
        for (const char* name : {"MAINPANEL_DIREKTHILFE", "COMPNL_DIREKTHILFE",
                                 "KONFIGPNL_DIREKTHILFE", "DIREKTPNL_DIREKTHILFE"}) {
            auto* knopf = fixture.find<QToolButton>(QLatin1String(name));
            QVERIFY2(knopf && knopf->defaultAction(), name);
            QCOMPARE(knopf->text(), QStringLiteral("?"));
            if (!hilfe) hilfe = knopf->defaultAction();
            QCOMPARE(knopf->defaultAction(), hilfe);
        }
        // Switching the mode on one window shows it switched on every other.
        fixture.find<QToolButton>("KONFIGPNL_DIREKTHILFE")->click();
        QVERIFY(gHilfeAktiv);
        QVERIFY(fixture.find<QToolButton>("COMPNL_DIREKTHILFE")->isChecked());
        fixture.find<QToolButton>("COMPNL_DIREKTHILFE")->click();
        QVERIFY(!gHilfeAktiv);
        QVERIFY(!hilfe->isChecked());
    }

    void errorFieldsOfEveryWindowShowTheSameCode() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        ErrorIndicator own("TEST");
        const QList<ErrorIndicator*> indicators = gMainpanel->findChildren<ErrorIndicator*>()
                                                  << &own;
        ComFehlerSetzen(-402010);
        for (ErrorIndicator* indicator : indicators) {
            QVERIFY(indicator->lampOn());
            QCOMPARE(indicator->text(), QStringLiteral("Fehlermeldung (NAK) vom Gerät erhalten"));
            QCOMPARE(indicator->number(), QStringLiteral("402010"));
        }
        // Class -6 lights the lamp without a text; a success clears everything.
        ComFehlerSetzen(-6001);
        QVERIFY(indicators.first()->lampOn());
        QCOMPARE(indicators.first()->text(), QString());
        ComFehlerSetzen(-12);
        QCOMPARE(indicators.first()->text(), QStringLiteral("Es ist kein Fehler aufgetreten"));
        QCOMPARE(indicators.first()->number(), QStringLiteral("12"));
        ComFehlerSetzen(0);
        for (ErrorIndicator* indicator : indicators) {
            QVERIFY(!indicator->lampOn());
            QCOMPARE(indicator->text(), QString());
            QCOMPARE(indicator->number(), QStringLiteral("0"));
        }
    }

    void infoWindowShowsVersionDateAndLicence() {
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        fixture.start();
        ZeigeChildpanel(nullptr);
        fixture.find<QPushButton>("MAINPANEL_INFO")->click();
        QCOMPARE(fixture.dialogs->lastTitle("modal"), QStringLiteral("Info"));
        QCOMPARE(gInfopanel->findChild<QLabel*>("INFOPNL_VERSION")->text(),
                 QStringLiteral("V 0.9.1b"));
        QCOMPARE(gInfopanel->findChild<QLabel*>("INFOPNL_DATUM")->text(),
                 QStringLiteral("11/2007"));
        QCOMPARE(gInfopanel->findChild<QLabel*>("INFOPNL_LIZENZ")->text(),
                 QStringLiteral("Lizenz: GNU GPL, Version 3 oder später"));
    }

    void aCancelledEndWritesNothing() {
        // A window that keeps unsaved work cancels the end: nothing is written.
        class Unsaved : public Panel {
        public:
            Unsaved() : Panel("UNSAVED", "Unsaved") {}
            int abbruchWeilNichtGespeichert() override { return 1; }
        };
        ProgramFixture fixture;
        fixture.writeConnectedSettings();
        QFile before(fixture.iniPath());
        before.open(QIODevice::ReadOnly);
        const QByteArray original = before.readAll();
        before.close();
        fixture.start();
        Unsaved unsaved;
        Panel* direkt = gDirektpanel;
        gDirektpanel = &unsaved;
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 1);
        QVERIFY(!gMainpanel->ended());
        gDirektpanel = direkt;
        QFile after(fixture.iniPath());
        after.open(QIODevice::ReadOnly);
        QCOMPARE(after.readAll(), original);
        QCOMPARE(ProgrammendeFallsAllesGespeichert(), 0);
        QVERIFY(gMainpanel->ended());
    }

    void standardButtonsSpeakGerman() {
        QVERIFY(QtTexteDeutsch());
        QVERIFY(QtTexteDeutsch());  // a second time changes nothing
        QDialogButtonBox knoepfe(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(knoepfe.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
    }

    void theDemoBoxAnswersAtTheRateAndAddressTheDemoSettingsOpen() {
        // A first demo writes its settings and finds the box at once.
        for (const bool ersteDemo : {true, false}) {
            ProgramFixture fixture;
            if (!ersteDemo) {
                // What the operator left at the end of the last demo.
                plv7::IniStore store;
                store.putInt("com", "port", 1);
                store.putInt("com", "lport", 1);
                store.putInt("com", "baud", 57600);
                store.putInt("com", "adresse", '3');
                fixture.writeSettings(store);
            }
            const ProgrammOptionen optionen = demoOptionen(fixture.iniPath());
            QCOMPARE(optionen.iniPath, fixture.iniPath());
            fixture.line = optionen.simLine;
            QCOMPARE(fixture.start(), 0);
            QCOMPARE(OffenerComPort(), 1);
            QCOMPARE(ComAdresse(), ersteDemo ? '1' : '3');
            std::string id;
            QCOMPARE(ORVPLV7_IDLesen(1, ComAdresse(), id), 0);
            QCOMPARE(fixture.dialogs->count("message"), 0);
        }
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
