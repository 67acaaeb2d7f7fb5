// The curve window driven through its graph's mouse events and its shared actions.
#include <qcustomplot.h>

#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolTip>
#include <QWidgetAction>

#include "GuiTestSupport.h"
#include "common/Zahlenfeld.h"
#include "common/Zeichenhinweis.h"
#include "hilfe/Direkthilfe.h"
#include "kurven/KurvenPanel.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
using namespace plv7::kurven;
using Punkte = std::vector<Kurvenpunkt>;

namespace {

KurvenPanel* fenster() {
    return static_cast<KurvenPanel*>(gKurvenpanel);
}

Kurvenmodell& modell() {
    return fenster()->modell();
}

QAction* aktion(const char* name) {
    return menuAktion(fenster(), QStringLiteral("KURVEN_") + QLatin1String(name));
}

// Shows the window with a time window of 0..1999 ms, so a pixel is a few milliseconds.
void zeigen() {
    ZeigeChildpanel(fenster());
    QApplication::processEvents();
    modell().fenster = {0, 1999};
    fenster()->KurvenNeuZeichnen();
}

void maus(QEvent::Type typ, QPointF koordinaten, Qt::MouseButtons gedrueckt) {
    QCustomPlot* graph = fenster()->graph().gross();
    const QPointF pixel = fenster()->graph().pixel(koordinaten);
    QMouseEvent e(typ, pixel, graph->mapToGlobal(pixel), Qt::LeftButton, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(graph, &e);
}

// A press at `von`, a drag to `bis` and the release there, in graph coordinates (ms, raw).
void ziehen(QPointF von, QPointF bis) {
    maus(QEvent::MouseButtonPress, von, Qt::LeftButton);
    maus(QEvent::MouseMove, (von + bis) / 2, Qt::LeftButton);
    maus(QEvent::MouseMove, bis, Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, bis, Qt::NoButton);
}

void klicken(QPointF bei) {
    ziehen(bei, bei);
}

// The combo box a tool bar carries as an action without a name.
QString leisteName(QToolBar* leiste, QAction* a) {
    QWidget* w = leiste ? leiste->widgetForAction(a) : nullptr;
    return w ? w->objectName().section(QLatin1Char('_'), -1) : QStringLiteral("?");
}

template <typename T = QWidget>
T* finden(const char* name) {
    return fenster()->findChild<T*>(QLatin1String(name));
}

}  // namespace

class TestKurvenPanel : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Direkthilfe::instance().reset(); }

    void everyToolEditsTheCurveThroughTheGraph() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        const int meldungen = fixture.dialogs->count("message");  // the missing settings file
        const auto& punkte = modell().aktuell().punkte;

        aktion("BEARBEITEN_ZEICHNEN")->trigger();
        finden<QComboBox>("KURVEN_ZEITBASIS")->setCurrentIndex(1);  // "100ms"
        ziehen({300, 100}, {1234, 2000});
        QCOMPARE(punkte.size(), std::size_t{2});
        QCOMPARE(punkte[0], (Kurvenpunkt{0, 12, 2}));
        QCOMPARE(Kurvendauer(punkte), 1300);

        aktion("BEARBEITEN_VERSCHIEBEN")->trigger();
        ziehen({1200, 2000}, {610, 2000});
        QCOMPARE(punkte[0].laenge, 6);

        aktion("BEARBEITEN_GERADETEILEN")->trigger();
        klicken({300, 0});
        QCOMPARE(punkte.size(), std::size_t{3});
        QCOMPARE(punkte[1].laenge, 3);

        aktion("BEARBEITEN_PUNKTLOESCHEN")->trigger();
        klicken({300, static_cast<double>(punkte[1].wert)});
        QCOMPARE(punkte.size(), std::size_t{2});
        QCOMPARE(punkte[0].laenge, 6);

        aktion("BEARBEITEN_PUNKTKOORDINAT")->trigger();
        klicken({600, 2000});
        auto* punktdialog = fenster()->findChild<QDialog*>(QStringLiteral("KPUNKTPNL"));
        QVERIFY(punktdialog->isVisible());
        QCOMPARE(punktdialog->windowTitle(), QStringLiteral("Punkt 2"));
        punktdialog->findChild<Zahlenfeld*>(QStringLiteral("KPUNKTPNL_YWERT"))->setValue(5.0);
        punktdialog->findChild<QPushButton*>(QStringLiteral("KPUNKTPNL_OK"))->click();
        QCOMPARE(punkte[1].wert, 2048);

        aktion("BEARBEITEN_LAENGEAENDERN")->trigger();
        klicken({300, 0});
        auto* geradendialog = fenster()->findChild<QDialog*>(QStringLiteral("KGERADEPNL"));
        QVERIFY(geradendialog->isVisible());
        geradendialog->findChild<Zahlenfeld*>(QStringLiteral("KGERADEPNL_XSEKUNDEN"))->setValue(1);
        geradendialog->findChild<Zahlenfeld*>(QStringLiteral("KGERADEPNL_XMILISEKUNDEN"))
            ->setValue(0);
        geradendialog->findChild<QPushButton*>(QStringLiteral("KGERADEPNL_OK"))->click();
        QCOMPARE(punkte[0].laenge, 10);

        aktion("BEARBEITEN_ZEITBASIS")->trigger();
        maus(QEvent::MouseButtonPress, {300, 0}, Qt::LeftButton);
        auto* menue = fenster()->findChild<QMenu*>(QStringLiteral("KURVENPNL_ZEITBASISMENUE"));
        QVERIFY(menue && menue->isVisible());
        QList<QAction*> zeitbasen;  // below the menu's title
        for (QAction* a : menue->actions()) {
            if (a->isCheckable()) zeitbasen << a;
        }
        QCOMPARE(zeitbasen.size(), 6);
        QVERIFY(zeitbasen[1]->isChecked());
        zeitbasen[2]->trigger();  // "1sek"
        menue->close();
        QCOMPARE(punkte, (Punkte{{0, 1, 3}, {2048, 1, 3}}));

        aktion("BEARBEITEN_ZEITBASISZEIG")->trigger();
        ziehen({100, 0}, {500, 4095});
        QCOMPARE(finden<QComboBox>("KURVENPNL_ZEITBASISINDICATOR")->currentText(),
                 QStringLiteral("1sek"));
        QVERIFY(std::abs(finden<QLineEdit>("KURVENPNL_XMILISEKUNDEN")->text().toInt() - 500) < 10);

        aktion("BEARBEITEN_MARKIEREN")->trigger();
        ziehen({1500, 0}, {1000, 0});
        QVERIFY(modell().markierung.vorhanden);
        QVERIFY(std::abs(modell().markierung.start - 1000) < 10);
        QVERIFY(std::abs(modell().markierung.ende - 1500) < 10);
        QCOMPARE(fixture.dialogs->count("message"), meldungen);
    }

    void aRefusalIsShownAndADialogWithoutOkChangesNothing() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        aktion("BEARBEITEN_PUNKTLOESCHEN")->trigger();
        klicken({0, 0});
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler"));
        QCOMPARE(fixture.dialogs->lastText("message"),
                 QStringLiteral("Letzter Punkt kann nicht gelöscht werden"));

        modell().aktuell().punkte = {{0, 50, 1}, {100, 1, 1}};
        aktion("BEARBEITEN_PUNKTKOORDINAT")->trigger();
        klicken({500, 100});
        auto* dialog = fenster()->findChild<QDialog*>(QStringLiteral("KPUNKTPNL"));
        dialog->findChild<Zahlenfeld*>(QStringLiteral("KPUNKTPNL_YWERT"))->setValue(9.0);
        dialog->reject();
        QCOMPARE(modell().aktuell().punkte, (Punkte{{0, 50, 1}, {100, 1, 1}}));
        QVERIFY(!modell().RueckgaengigMoeglich());
    }

    void switchingCurvesDimsUndoInMenuAndToolBar() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        QAction* rueckgaengig = aktion("BEARBEITEN_RUECKGAENGIG");
        QWidget* knopf =
            finden<QToolBar>("KURVENPNL_WERKZEUGLEISTE")->widgetForAction(rueckgaengig);
        QVERIFY(!rueckgaengig->isEnabled());
        QVERIFY(!knopf->isEnabled());
        aktion("BEARBEITEN_ZEICHNEN")->trigger();
        ziehen({0, 0}, {500, 1000});
        QVERIFY(knopf->isEnabled());
        aktion("BEARBEITEN_KURVE_K2")->trigger();
        QCOMPARE(modell().aktuelleKurve, 1);
        QVERIFY(!rueckgaengig->isEnabled());
        QVERIFY(!knopf->isEnabled());
        aktion("BEARBEITEN_KURVE_K1")->trigger();
        rueckgaengig->trigger();
        QCOMPARE(modell().aktuell().punkte, Einzelpunkt());
        QVERIFY(aktion("BEARBEITEN_WIEDERHERST")->isEnabled());
    }

    void directHelpShowsTheToolTextsAndKeepsTheTools() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        aktion("BEARBEITEN_ZEICHNEN")->trigger();
        Direkthilfe::instance().setActive(true);
        aktion("BEARBEITEN_VERSCHIEBEN")->trigger();
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Verschiebt einen bestehenden Kurvenpunkt.")));
        QCOMPARE(fenster()->werkzeug(), KurvenPanel::Werkzeug::Zeichnen);
        QVERIFY(aktion("BEARBEITEN_ZEICHNEN")->isChecked());
        QVERIFY(!aktion("BEARBEITEN_VERSCHIEBEN")->isChecked());
        aktion("BEARBEITEN_HINTERGRUND_K3")->trigger();
        QVERIFY(!aktion("BEARBEITEN_HINTERGRUND_K3")->isChecked());

        ziehen({0, 0}, {500, 1000});
        QVERIFY(fixture.dialogs->lastText("help").startsWith(
            QStringLiteral("Graphische Darstellung der Kurven")));
        QCOMPARE(modell().aktuell().punkte, Einzelpunkt());
    }

    void displayModesBackgroundCurvesAndTimeBaseMarkers() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        modell().kurven[0].punkte = {{0, 10, 1}, {4095, 10, 2}, {0, 1, 2}};
        modell().kurven[1].punkte = {{2000, 50, 1}, {2000, 1, 1}};
        const auto punkte = [](const char* plot) {
            QCustomPlot* g = fenster()->graph().gross();
            for (int i = 0; i < g->graphCount(); ++i) {
                if (g->graph(i)->name() == QLatin1String(plot)) return g->graph(i)->dataCount();
            }
            return -1;
        };
        aktion("BEARBEITEN_HINTERGRUND_K1")->trigger();
        aktion("BEARBEITEN_HINTERGRUND_K2")->trigger();
        QCOMPARE(punkte("Hintergrund 1 Stufen"), 0);  // the current curve is never background
        QCOMPARE(punkte("Hintergrund 2 Linien"), 0);
        QVERIFY(punkte("Hintergrund 2 Stufen") > 0);
        QCOMPARE(punkte("Linien"), 3);
        QCOMPARE(punkte("Schlusslinie"), 2);
        QCOMPARE(punkte("Punkte"), 3);
        QVERIFY(punkte("Schlussstufen") > 0);
        aktion("ANSICHT_LINIEN")->trigger();
        QCOMPARE(punkte("Stufen"), 0);
        QVERIFY(punkte("Hintergrund 2 Linien") > 0);
        aktion("ANSICHT_STUFEN")->trigger();
        QCOMPARE(punkte("Linien"), 0);
        QVERIFY(punkte("Stufen") > 0);

        // "Zeitbasis anzeigen": the name at 0 and a line with the name where it changes.
        const int items = fenster()->graph().gross()->itemCount();
        aktion("BEARBEITEN_ZEITBASISZEIG")->trigger();
        QCOMPARE(fenster()->graph().gross()->itemCount(), items + 3);
        aktion("BEARBEITEN_MARKIEREN")->trigger();
        QCOMPARE(fenster()->graph().gross()->itemCount(), items);
    }

    void cutAndPasteThroughTheActions() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        modell().aktuell().punkte = {{0, 10, 1}, {1, 10, 1}, {2, 10, 1}, {3, 1, 1}};
        aktion("BEARBEITEN_ALLESMARKIEREN")->trigger();
        aktion("BEARBEITEN_AUSSCHNEIDEN")->trigger();
        QCOMPARE(modell().aktuell().punkte, (Punkte{{3, 1, 1}}));
        aktion("BEARBEITEN_ALLESMARKIEREN")->trigger();
        aktion("BEARBEITEN_EINFUEGEN")->trigger();
        QCOMPARE(modell().aktuell().punkte,
                 (Punkte{{3, 10, 1}, {1, 10, 1}, {2, 10, 1}, {3, 1, 1}}));
        QCOMPARE(modell().rueckgaengigSchritte(0), 2);
        aktion("BEARBEITEN_RUECKGAENGIG")->trigger();
        QCOMPARE(modell().aktuell().punkte, (Punkte{{3, 1, 1}}));
    }

    void viewCommandsAndValueRange() {
        ProgramFixture fixture;
        fixture.start();
        ZeigeChildpanel(fenster());
        aktion("BEARBEITEN_ZOOMPLUS")->trigger();
        QCOMPARE(modell().fenster.min, 33);
        QCOMPARE(modell().fenster.max, 166);
        aktion("BEARBEITEN_ZOOMVOLL")->trigger();
        QCOMPARE(modell().fenster.max, 9);

        // A long curve: scrolling to the end keeps the width; a full memory turns red.
        modell().aktuell().punkte = Punkte(7000, Kurvenpunkt{100, 2, 1});
        modell().fenster = {0, 9999};
        fenster()->KurvenNeuZeichnen();
        auto* rollbalken = finden<QScrollBar>("KURVENPNL_SCROLLBAR");
        rollbalken->setValue(rollbalken->maximum());
        QCOMPARE(modell().fenster.min, 140000 - 10000);
        QCOMPARE(modell().fenster.max, 139999);
        QVERIFY(finden<QLineEdit>("KURVENPNL_SPEICHERBEDARF")->styleSheet().contains("FF0000"));
        modell().aktuell().punkte = Einzelpunkt();

        auto* minimum = finden<Zahlenfeld>("KURVENPNL_YZOOMMIN");
        auto* maximum = finden<Zahlenfeld>("KURVENPNL_YZOOMMAX");
        tippen(minimum, QStringLiteral("10"));
        QCOMPARE(minimum->value(), 0.0);  // equal limits: the stored range comes back
        QCOMPARE(maximum->value(), 10.0);
        tippen(minimum, QStringLiteral("2.5"));
        QCOMPARE(modell().einstellungen[0].yMin, 1023);

        auto* kommentar = finden<QPushButton>("KURVENPNL_KOMMENTAR");
        kommentar->click();
        auto* dialog = fenster()->findChild<QDialog*>(QStringLiteral("KOMM1PNL"));
        auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("KOMM1PNL_TEXTBOX"));
        // One byte each in the file: an umlaut-rich comment takes 999 characters.
        text->setPlainText(QString(1200, QChar(0x00E4)));
        QCOMPARE(text->toPlainText().size(), 999);
        // A character the file's code page cannot hold is refused where it is typed.
        text->clear();
        QTest::keyClicks(text, "a");
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QStringLiteral("→"),
                            Qt::NoModifier);
        QTest::keyClicks(text, "b");
        QCOMPARE(text->toPlainText(), QStringLiteral("ab"));
        QCOMPARE(QToolTip::text(), zeichenHinweisText(QStringLiteral("→")));
        text->setPlainText(QString(1200, QChar(0x00E4)));
        dialog->findChild<QPushButton*>(QStringLiteral("KOMM1PNL_OK"))->click();
        QCOMPARE(QString::fromStdString(modell().aktuell().kommentar).size(), 999);
        QVERIFY(modell().geaendert);
        QCOMPARE(finden<QLineEdit>("KURVENPNL_KOMMENTARVORSCHAU")->text(),
                 QString(30, QChar(0x00E4)));
    }

    void reachableFromTheMainWindowAndBack() {
        ProgramFixture fixture;
        fixture.start();
        ZeigeChildpanel(nullptr);
        fixture.find<QPushButton>("MAINPANEL_KURVEN")->click();
        QCOMPARE(gMainpanel->childpanel(), gKurvenpanel);
        aktion("FENSTER_DIREKT")->trigger();
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);
        ZeigeChildpanel(fenster());
        finden<QPushButton>("KURVENPNL_HAUPTFENSTER")->click();
        QCOMPARE(gMainpanel->childpanel(), nullptr);
    }

    // The order of the menus and the tool bar, separators ("|") included, as the operator
    // has always found them.
    void menusAndToolBarKeepTheirOrder_data() {
        QTest::addColumn<QString>("ort");
        QTest::addColumn<QString>("folge");
        const QString werkzeuge = QStringLiteral(
            "MARKIEREN ZEICHNEN VERSCHIEBEN PUNKTKOORDINAT ZEITBASISZEIG PUNKTLOESCHEN "
            "GERADETEILEN ZEITBASIS LAENGEAENDERN");
        QTest::newRow("Datei") << QStringLiteral("KURVEN_DATEI")
                               << QStringLiteral(
                                      "NEU LADEN | ANHAENGEN SPEICHERN SPEICHERNUNTER | "
                                      "IMPORT EXPORT AUFZEICHNUNG | BEENDEN");
        QTest::newRow("Bearbeiten")
            << QStringLiteral("KURVEN_BEARBEITEN")
            << werkzeuge + QStringLiteral(
                               " | AUSSCHNEIDEN KOPIEREN EINFUEGEN LOESCHEN "
                               "ALLESMARKIEREN | RUECKGAENGIG WIEDERHERST | ZOOMPLUS "
                               "ZOOMMINUS ZOOMMARK ZOOMVOLL ERZEUGEN | KURVE HINTERGRUND");
        QTest::newRow("Darstellung") << QStringLiteral("KURVEN_ANSICHT_DARSTELLUNG")
                                     << QStringLiteral("LINIENSTUFEN LINIEN STUFEN");
        QTest::newRow("Werkzeugleiste")
            << QStringLiteral("KURVENPNL_WERKZEUGLEISTE")
            << QStringLiteral("NEU LADEN SPEICHERN | ") + werkzeuge +
                   QStringLiteral(
                       " | ZEITBASIS | AUSSCHNEIDEN KOPIEREN EINFUEGEN LOESCHEN | "
                       "RUECKGAENGIG WIEDERHERST | ZOOMPLUS ZOOMMINUS ZOOMMARK "
                       "ZOOMVOLL ERZEUGEN | K1 K2 K3 K4 | K1 K2 K3 K4 | LINIENSTUFEN LINIEN "
                       "STUFEN | DIREKTHILFE");
    }
    void menusAndToolBarKeepTheirOrder() {
        QFETCH(QString, ort);
        QFETCH(QString, folge);
        ProgramFixture fixture;
        fixture.start();
        auto* widget = fenster()->findChild<QWidget*>(ort);
        QVERIFY(widget);
        QStringList namen;
        for (QAction* a : widget->actions()) {
            if (a->isSeparator()) {
                namen << QStringLiteral("|");
            } else if (a->menu()) {
                namen << a->menu()->objectName().section(QLatin1Char('_'), -1);
            } else if (auto* w = qobject_cast<QWidgetAction*>(a)) {
                namen << w->defaultWidget()->objectName().section(QLatin1Char('_'), -1);
            } else if (auto* leiste = qobject_cast<QToolBar*>(widget);
                       leiste && !leiste->widgetForAction(a)) {
                continue;
            } else if (a->objectName().isEmpty()) {
                namen << leisteName(qobject_cast<QToolBar*>(widget), a);
            } else {
                namen << a->objectName().section(QLatin1Char('_'), -1);
            }
        }
        QCOMPARE(namen.join(QLatin1Char(' ')), folge);
    }
};

QTEST_MAIN(TestKurvenPanel)
#include "tst_kurvenpanel.moc"
