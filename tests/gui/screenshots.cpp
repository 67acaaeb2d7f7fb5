// Renders every window of the program, as the operator sees it on a simulated box, to PNG.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "Box.h"
#include "GuiTestSupport.h"
#include "com/ComPort.h"
#include "common/ConnectionPicture.h"
#include "common/Zahlenfeld.h"
#include "direkt/DirektPanel.h"
#include "direkt/Protokoll.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/HelpPopup.h"
#include "kennlinien/KennlinienPanel.h"
#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"
#include "kurven/KurvenPanel.h"
#include "shell/InfoPanel.h"
#include "shell/Panel.h"
#include "shell/Uebersetzung.h"

using namespace plv7::gui;

namespace {

void save(QWidget* widget, const QString& folder, const QString& name) {
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// A short acquisition with a signal on every input of the box, so that the direct window is
// pictured with a whole frame on its chart and the timing statistics of that run.
void direktfensterMitBild(plv7::sim::Box& box) {
    using plv7::sim::InputKind;
    constexpr double kIntervall = 0.005;
    auto* panel = qobject_cast<DirektPanel*>(gDirektpanel);
    ConnectionPicture::showPortEverywhere(OffenerComPort());
    box.setInputSource(1, {InputKind::Sine, 0.0, 4.0, 0.9});
    box.setInputSource(2, {InputKind::Sine, 0.0, 2.5, 0.45});
    box.setInputSource(3, {InputKind::Ramp, 0.0, 1.0, 0.7});
    box.setInputSource(4, {InputKind::Sine, 0.0, 1.0, 1.5});

    panel->findChild<Zahlenfeld*>(QStringLiteral("DIREKTPNL_ABTASTZEIT"))->setValue(kIntervall);
    panel->abfragenUmschalten(true);
    QElapsedTimer uhr;
    uhr.start();
    const int bild = panel->grafik().bildlaenge();
    const qint64 hoechstens = static_cast<qint64>(bild * kIntervall * 1000.0 * 3.0) + 1000;
    // The window takes the samples in batches, and a whole frame starts the next one: stop a
    // few samples before the frame is full.
    while (panel->erfassungLaeuft() && panel->streifenschreiber()->punkteInSpur(0) < bild - 12 &&
           uhr.elapsed() < hoechstens) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    panel->abfragenUmschalten(false);
    // The statistics dialog shows the run as its button would open it; it is pictured later.
    panel->findChild<QPushButton*>(QStringLiteral("DIREKTPNL_FEHLERSTATISTIK"))->click();
    panel->findChild<QDialog*>(QStringLiteral("FEHLERPNL"))->hide();
}

// A curve with steps, markers, a marking, a background curve and the closing segment.
void kurvenfensterMitKurve() {
    auto* panel = qobject_cast<KurvenPanel*>(gKurvenpanel);
    auto aktion = [panel](const char* name) {
        return panel->findChild<QAction*>(QStringLiteral("KURVEN_") + QLatin1String(name));
    };
    plv7::kurven::Kurvenmodell& m = panel->modell();
    m.aktuell().punkte = {{0, 20, 2},    {3000, 10, 2}, {3000, 15, 2}, {800, 4, 3},
                          {2500, 30, 2}, {3600, 10, 2}, {1200, 1, 3}};
    m.aktuell().kommentar = "Anfahrrampe mit Haltephase";
    m.kurven[1].punkte = {{1000, 40, 2}, {2000, 60, 2}, {1500, 1, 2}};
    aktion("BEARBEITEN_HINTERGRUND_K2")->setChecked(true);
    m.GanzeKurveZeigen();
    aktion("BEARBEITEN_MARKIEREN")->trigger();
    m.markierung = {2000, 3500, true};
    panel->modellZeigen();
}

// The standard dialogs as the seam shows them: a message and a help pop-up whose first line
// starts with a capital umlaut, and the file dialog on a folder with a file and a subfolder.
void standarddialoge(const QString& folder) {
    const auto box =
        makeMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Überträgt keine Daten.\nÖffnen fehlgeschlagen."), false);
    box->setStandardButtons(QMessageBox::Ok);
    box->show();
    QApplication::processEvents();
    save(box.get(), folder, QStringLiteral("MELDUNG"));
    const auto popup =
        makeHelpPopup(QStringLiteral("Öffnet eine Kennlinie.\nÜberträgt sie."), nullptr);
    popup->show();
    QApplication::processEvents();
    save(popup.get(), folder, QStringLiteral("HILFETEXT"));
    QDir(folder).mkpath(QStringLiteral("dateidialog/Verzeichnis"));
    QFile datei(QDir(folder).filePath(QStringLiteral("dateidialog/kurven.plr")));
    if (datei.open(QIODevice::WriteOnly)) datei.write(QByteArray(2500, '\0'));
    datei.close();
    const auto dialog =
        makeFileDialog({QStringLiteral("Kurve laden"), QStringLiteral("*.plr"), false,
                        QDir(folder).filePath(QStringLiteral("dateidialog"))});
    dialog->setNameFilter(QStringLiteral("Alle Dateien (*)"));
    dialog->show();
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 20);
    save(dialog.get(), folder, QStringLiteral("DATEIDIALOG"));
}

// "Kurve erzeugen" over the window after it made a sine of 2 V around 5 V at 0.5 Hz for ten
// periods: the dialog is pictured where it opens, with the curve it made behind it.
void kurveErzeugenMitSinus(const QString& folder) {
    ZeigeChildpanel(gKurvenpanel);
    auto* panel = qobject_cast<KurvenPanel*>(gKurvenpanel);
    panel->findChild<QAction*>(QStringLiteral("KURVEN_BEARBEITEN_KURVE_K3"))->trigger();
    auto* erzeugen = panel->findChild<QAction*>(QStringLiteral("KURVEN_BEARBEITEN_ERZEUGEN"));
    erzeugen->trigger();
    auto* dialog = panel->findChild<QDialog*>(QStringLiteral("KERZEUGENPNL"));
    const auto feld = [dialog](const char* name) {
        return dialog->findChild<Zahlenfeld*>(QStringLiteral("KERZEUGENPNL_") +
                                              QLatin1String(name));
    };
    dialog->findChild<QComboBox*>(QStringLiteral("KERZEUGENPNL_FORM"))->setCurrentIndex(0);
    feld("AMPLITUDE")->setValue(2.0);
    feld("OFFSET")->setValue(5.0);
    feld("PERIODE")->setValue(2.0);
    feld("PERIODEN")->setValue(10);
    dialog->accept();
    panel->modell().GanzeKurveZeigen();
    panel->modellZeigen();
    erzeugen->trigger();
    QApplication::processEvents();
    QPixmap bild = gMainpanel->grab();
    const QPixmap vorne = dialog->grab();
    QPainter maler(&bild);
    const QPoint ecke((bild.width() - vorne.width()) / 2, (bild.height() - vorne.height()) / 2);
    maler.drawPixmap(ecke, vorne);
    maler.setPen(QColor(0x40, 0x40, 0x40));
    maler.drawRect(QRect(ecke, vorne.size()).adjusted(-1, -1, 0, 0));
    maler.end();
    bild.save(QDir(folder).filePath(QStringLiteral("KERZEUGENPNL_SINUS.png")));
    dialog->reject();
}

// "Aufzeichnung übernehmen" for a log of two acquisitions, opened on the last one.
void aufzeichnungDialog(test::ScriptedDialoge& dialoge, const QString& folder) {
    namespace d = plv7::direkt;
    d::Protokollkopf kopf;
    for (auto& kanal : kopf.eingaenge) kanal = {0.0, 10.0, 3, "V"};
    for (auto& kanal : kopf.ausgaenge) kanal = {0.0, 10.0, 3, "V"};
    kopf.eingaenge[1] = {0.0, 250.0, 1, "bar"};
    std::string text;
    for (const int n : {40, 400}) {
        text += d::startzeile(d::Protokollart::Datenerfassung) +
                d::bereichszeilen("Eingang", kopf.eingaenge) +
                d::bereichszeilen("Ausgang", kopf.ausgaenge) + d::spaltenkopf(kopf);
        for (int i = 0; i < n; ++i) {
            const double v = 5.0 + 3.0 * std::sin(i / 30.0);
            d::Protokollzeile z{"12-08-2026", "13:20:00", i * 0.05, {v, 25 * v, 0, 0}, {}};
            text += d::zeitspalten(z) + d::wertspalten(z.eingaenge, kopf.eingaenge, false) +
                    d::wertspalten(z.ausgaenge, kopf.ausgaenge, true);
        }
        text += d::kDatenerfassungBeendet;
    }
    const QString pfad = QDir(folder).filePath(QStringLiteral("messung.txt"));
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(text.data(), static_cast<qint64>(text.size()));
    datei.close();
    dialoge.fileAnswers.push_back(test::gewaehlt(pfad));
    gKurvenpanel->findChild<QAction*>(QStringLiteral("KURVEN_DATEI_AUFZEICHNUNG"))->trigger();
    QFile::remove(pfad);
    auto* dialog = gKurvenpanel->findChild<QDialog*>(QStringLiteral("KAUFZEICHNUNGPNL"));
    QApplication::processEvents();
    save(dialog, folder, dialog->objectName());
    dialog->reject();
}

// The serial-port window with its device choice open on a PC with three adapters; the open
// list is a window of its own, painted over the window where it stands.
void geraeteauswahlOffen(test::ProgramFixture& fixture, const QString& folder) {
    fixture.devices->list = {{"/dev/ttyS0", "", "", "", ""},
                             {"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A10K3XYZ",
                              "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0"},
                             {"/dev/ttyUSB1", "USB Serial", "QinHeng", "", ""},
                             {"/dev/ttyACM0", "USB-RS232 Kabel", "Prolific", "0042",
                              "/dev/serial/by-id/usb-Prolific_USB-RS232_Kabel_0042-if00"}};
    ZeigeChildpanel(gCompanel);
    auto* geraet = gCompanel->findChild<QComboBox*>(QStringLiteral("COMPNL_GERAET"));
    geraet->showPopup();
    QApplication::processEvents();
    QPixmap bild = gMainpanel->grab();
    QWidget* liste = geraet->view()->window();
    {
        QPainter maler(&bild);
        maler.drawPixmap(gMainpanel->mapFromGlobal(liste->mapToGlobal(QPoint(0, 0))),
                         liste->grab());
    }
    bild.save(QDir(folder).filePath(QStringLiteral("COMPNL_GERAET.png")));
    geraet->hidePopup();
}

// A heater's power over temperature imported from a German spreadsheet's table, with the
// operating point where input 2 stands.
void kennlinienfensterMitArbeitspunkt(test::ProgramFixture& fixture, const QString& folder) {
    auto* kennlinien = &test::kennlinienfenster();
    const Konfiguration vorher = gKonfig;
    gKonfig.inskalamax[1] = 200.0;
    plv7::EinheitAusUtf8(gKonfig.ineinheit[1], "°C");
    gKonfig.outskalamax[0] = 5.0;
    plv7::EinheitSetzen(gKonfig.outeinheit[0], "kW");
    kennlinien->Kennlinienpanel_SkaliereYAchse();
    const QString pfad = QDir(folder).filePath(QStringLiteral("heizung.csv"));
    QFile tabelle(pfad);
    tabelle.open(QIODevice::WriteOnly);
    tabelle.write("Temperatur [°C];Leistung [kW]\r\n");
    for (int t = 20; t <= 180; t += 2) {
        const double p = 0.2 + 4.3 / (1.0 + std::exp((t - 100) / 15.0));
        tabelle.write(QString::asprintf("%d;%.3f\r\n", t, p).replace('.', ',').toUtf8());
    }
    tabelle.close();
    fixture.dialogs->fileAnswers.push_back(test::gewaehlt(pfad));
    test::menuAktion(kennlinien, QStringLiteral("KENNLI_ZOOMVOLL"))->trigger();
    kennlinien->findChild<Zahlenfeld*>(QStringLiteral("KENNLPNL_YZOOMMAX"))->setValue(5.0);
    test::menuAktion(kennlinien, QStringLiteral("KENNLI_TABELLE"))->trigger();
    // Input 2 follows output 2 again, at 90 °C.
    fixture.line->box('1')->setInputSource(2, {});
    fixture.line->box('1')->setOutputMillivolts(2, 4500);
    test::menuAktion(kennlinien, QStringLiteral("KENNLI_ARBEITSPUNKT"))->trigger();
    QApplication::processEvents();
    save(gMainpanel, folder, QStringLiteral("KENNLPNL_ARBEITSPUNKT"));
    test::menuAktion(kennlinien, QStringLiteral("KENNLI_ARBEITSPUNKT"))->trigger();
    QFile::remove(pfad);
    gKonfig = vorher;
    kennlinien->Kennlinienpanel_SkaliereYAchse();
    kennlinien->zustand().geaendert = false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtTexteDeutsch();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    test::ProgramFixture fixture;
    // The box answers at its fastest rate, so that the chart fills a frame quickly.
    fixture.line->box('1')->setBaud(115200);
    fixture.writeConnectedSettings(115200);
    fixture.start();
    QApplication::processEvents();

    ZeigeChildpanel(nullptr);
    save(gMainpanel, folder, QStringLiteral("MAINPANEL"));
    for (Panel* panel : {gDirektpanel, gCompanel, gKonfigpanel, gKurvenpanel, gKennlinienpanel}) {
        ZeigeChildpanel(panel);
        if (panel == gDirektpanel) direktfensterMitBild(*fixture.line->box('1'));
        if (panel == gKurvenpanel) kurvenfensterMitKurve();
        QApplication::processEvents();
        save(gMainpanel, folder, panel->objectName());
    }
    geraeteauswahlOffen(fixture, folder);
    // The curve window with its time-base markers.
    ZeigeChildpanel(gKurvenpanel);
    gKurvenpanel->findChild<QAction*>(QStringLiteral("KURVEN_BEARBEITEN_ZEITBASISZEIG"))->trigger();
    QApplication::processEvents();
    save(gMainpanel, folder, QStringLiteral("KURVENPNL_ZEITBASIS"));
    gKurvenpanel->findChild<QAction*>(QStringLiteral("KURVEN_BEARBEITEN_ZEICHNEN"))->trigger();
    kurveErzeugenMitSinus(folder);
    aufzeichnungDialog(*fixture.dialogs, folder);
    // The characteristic window zoomed into a few short lines, so that the stored lines, the
    // digitised steps and the completion piece show side by side.
    auto* kennlinien = &test::kennlinienfenster();
    kennlinien->zustand().kennlinie.punkte = {
        {0, 2000, 0}, {35, 40, 0}, {10, 50, 0}, {30, 110, 0}, {5, 0, 0}};
    ZeigeChildpanel(kennlinien);
    for (int i = 0; i < 6; ++i)
        test::menuAktion(kennlinien, QStringLiteral("KENNLI_ZOOMPLUS"))->trigger();
    kennlinien->findChild<Zahlenfeld*>(QStringLiteral("KENNLPNL_YZOOMMAX"))
        ->setValue(plv7::AusgangCodeInEinheit(gKonfig, 0, 40.5));
    QApplication::processEvents();
    save(gMainpanel, folder, QStringLiteral("KENNLPNL_GEZOOMT"));
    kennlinienfensterMitArbeitspunkt(fixture, folder);
    gInfopanel->show();
    save(gInfopanel, folder, QStringLiteral("INFOPNL"));
    gInfopanel->hide();
    standarddialoge(folder);
    // Dialogs of the windows that stand on their own.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        const QString name = top->objectName();
        if (name.endsWith(QLatin1String("PNL")) && top != gInfopanel) {
            top->show();
            QApplication::processEvents();
            save(top, folder, name);
            top->hide();
        }
    }
    // The direct window scaled: a long input unit, an output scaled absurdly far, an input
    // whose two voltages are equal, and the chart waiting for a trigger that does not come.
    plv7::EinheitSetzen(gKonfig.ineinheit[0], "mBar abs");
    gKonfig.inskalamax[0] = 1000.0;
    gKonfig.inmin[2] = gKonfig.inmax[2] = 5.0;
    plv7::EinheitSetzen(gKonfig.outeinheit[0], "Newton");
    gKonfig.outskalamax[0] = 1e300;
    Direktpanel_SkaliereElemente();
    gDirektpanel->findChild<Zahlenfeld*>(QStringLiteral("DIREKTPNL_BEGRENZUNG1"))->setValue(1e300);
    gDirektpanel->findChild<Zahlenfeld*>(QStringLiteral("DIREKTPNL_AUSGANG1"))->setValue(4e299);
    ZeigeChildpanel(gDirektpanel);
    auto* quelle = gDirektpanel->findChild<QComboBox*>(QStringLiteral("TRIGGERPNL_QUELLE"));
    quelle->setCurrentIndex(0);
    emit quelle->activated(0);
    gDirektpanel->findChild<Zahlenfeld*>(QStringLiteral("TRIGGERPNL_SCHWELLE"))->setValue(100.0);
    auto* abfragen = gDirektpanel->findChild<QPushButton*>(QStringLiteral("DIREKTPNL_ABFRAGEN"));
    auto* triggertext = gDirektpanel->findChild<QLabel*>(QStringLiteral("DIREKTPNL_TRIGGERTEXT"));
    abfragen->click();
    QElapsedTimer uhr;
    uhr.start();
    while (triggertext->text().isEmpty() && uhr.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    save(gMainpanel, folder, QStringLiteral("DIREKTPNL_SKALIERT"));
    abfragen->click();
    fixture.finish();
    return 0;
}
