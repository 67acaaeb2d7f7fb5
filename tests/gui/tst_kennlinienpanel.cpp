// The characteristic window driven as the operator does: every edit mode through the graph's
// mouse events, menus and tool bar mirroring each other, direct help blocking the modes, the
// view controls, the comment and the fields that count as unsaved work.
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "common/Neuskalierung.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"
#include "konfig/Konfiguration.h"

using namespace plv7;
using namespace plv7::kennlinien;
using namespace plv7::gui;
using namespace plv7::gui::test;

namespace {

using Modus = KennlinienPanel::Modus;

void maus(QEvent::Type art, double x, double y) {
    KennlinienGrafik* g = kennlinienfenster().grafik();
    const QPointF p = g->pixelBei(x, y);
    const Qt::MouseButtons gedrueckt =
        art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ereignis(art, p, g->mapToGlobal(p), knopf, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(g, &ereignis);
}

// A gesture on the large graph in raw coordinates: press, drag through the points, release.
void geste(std::initializer_list<QPointF> weg) {
    const QPointF* p = weg.begin();
    maus(QEvent::MouseButtonPress, p->x(), p->y());
    for (; p != weg.end(); ++p) maus(QEvent::MouseMove, p->x(), p->y());
    --p;
    maus(QEvent::MouseButtonRelease, p->x(), p->y());
}

void klick(double x, double y) {
    geste({QPointF(x, y)});
}

QAction* aktion(const char* name) {
    return menuAktion(&kennlinienfenster(), QStringLiteral("KENNLI_") + QLatin1String(name));
}

void modus(const char* name) {
    aktion(name)->trigger();
}

std::vector<std::pair<int, int>> punkte() {
    std::vector<std::pair<int, int>> p;
    const Kennlinie& k = kennlinienfenster().zustand().kennlinie;
    for (std::size_t i = 0; i < k.punkte.size(); ++i)
        p.emplace_back(static_cast<int>(KennlinienPosition(k, i)), k.punkte[i].y);
    return p;
}

template <typename T = QWidget>
T* control(const char* name) {
    return kennlinienfenster().findChild<T*>(QStringLiteral("KENNLPNL_") + QLatin1String(name));
}

using Punkte = std::vector<std::pair<int, int>>;

}  // namespace

class TestKennlinienPanel : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fixture_ = std::make_unique<ProgramFixture>();
        fixture_->writeConnectedSettings();
        QCOMPARE(fixture_->start(), 0);
        ZeigeChildpanel(gKennlinienpanel);
        QApplication::processEvents();
    }
    void cleanup() {
        kennlinienfenster().zustand().geaendert = false;
        fixture_.reset();
    }

    void startsWithTheDefaultCharacteristicInTheFullView() {
        KennlinienGrafik* g = kennlinienfenster().grafik();
        QCOMPARE(g->xAxis->range().lower, 0.0);
        QCOMPARE(g->xAxis->range().upper, 4095.0);
        QCOMPARE(g->yAxis->range().upper, 4095.0);
        QCOMPARE(kennlinienfenster().windowTitle(), QStringLiteral("Kennlinienregler"));
        QVERIFY(aktion("ZEICHNEN")->isChecked());
        QVERIFY(aktion("LINST")->isChecked());
        QVERIFY(!aktion("RUECKGAENGIG")->isEnabled());
        QVERIFY(!aktion("WIEDERHERST")->isEnabled());
        QCOMPARE(control<QLineEdit>("SPEICHERBEDARF")->text(), QStringLiteral("1.1"));
        QCOMPARE(control<Zahlenfeld>("KURVENNR")->maximum(), 10.0);
        QCOMPARE(g->xAxis->label(), QStringLiteral("V"));
        // The completion piece in light red from (0, 4095) to the end of the range.
        bool ergaenzung = false;
        for (int i = 0; i < g->graphCount(); ++i) {
            QCPGraph* graph = g->graph(i);
            if (graph->pen().color() == QColor(255, 150, 150) && graph->dataCount() == 2)
                ergaenzung = graph->data()->at(1)->key == 4095.0;
        }
        QVERIFY(ergaenzung);
    }

    void everyModeThroughTheGraphsMouseEvents() {
        // Drawing: the drag previews, the release appends; X 0 goes one unit right.
        geste({QPointF(50, 100), QPointF(100, 2000)});
        QCOMPARE(punkte(), (Punkte{{0, 4095}, {100, 2000}}));
        QVERIFY(kennlinienfenster().zustand().geaendert);
        QVERIFY(aktion("RUECKGAENGIG")->isEnabled());
        QCOMPARE(control<QLineEdit>("XKOORDINATE")->text(), QStringLiteral("0.244"));
        klick(300, 0);
        QCOMPARE(punkte().back(), (std::pair{300, 0}));

        modus("VERSCHIEBEN");
        geste({QPointF(101, 1990), QPointF(150, 1000), QPointF(400, 1000)});
        QCOMPARE(punkte(), (Punkte{{0, 4095}, {299, 1000}, {300, 0}}));

        modus("GERADETEILEN");
        klick(100, 0);
        QCOMPARE(punkte().size(), 4u);
        QCOMPARE(punkte()[1].first, 100);

        modus("PUNKTLOESCHEN");
        klick(100, punkte()[1].second);
        QCOMPARE(punkte(), (Punkte{{0, 4095}, {299, 1000}, {300, 0}}));

        modus("KOORDINATZEIG");
        geste({QPointF(2047.5, 0), QPointF(4095, 4095)});
        QCOMPARE(control<QLineEdit>("XKOORDINATE")->text(), QStringLiteral("10.000"));
        QCOMPARE(punkte().size(), 3u);

        // The coordinates dialog: a move within the neighbours, then one beyond them.
        modus("PUNKTKOORDINAT");
        fixture_->dialogs->onModal = [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Punkt 2"));
            d.findChild<Zahlenfeld*>(QStringLiteral("KEPUNKTPNL_X"))->setValue(0.5);
        };
        klick(299, 1000);
        QCOMPARE(punkte()[1].first, 205);  // 0.5 V of input 2 is raw 204.75
        fixture_->dialogs->onModal = [](QDialog& d) {
            d.findChild<Zahlenfeld*>(QStringLiteral("KEPUNKTPNL_X"))->setValue(9.0);
        };
        klick(205, 1000);
        QCOMPARE(fixture_->dialogs->lastTitle("message"), QStringLiteral("Fehler"));
        QVERIFY(fixture_->dialogs->lastText("message").startsWith(
            QStringLiteral("Die angegebene X-Koordinate ist zu groß")));
        QCOMPARE(punkte()[1].first, 205);
        fixture_->dialogs->onModal = nullptr;

        // Marking, then zooming to it; choosing another mode removes a marking.
        modus("MARKIEREN");
        geste({QPointF(2000, 0), QPointF(1000, 0)});
        QVERIFY(kennlinienfenster().markierung().vorhanden);
        QCOMPARE(kennlinienfenster().markierung().start, 1000);
        QCOMPARE(kennlinienfenster().markierung().ende, 2000);
        aktion("ZOOMMARK")->trigger();
        QCOMPARE(kennlinienfenster().ansicht().fenster.min, std::int64_t{1000});
        QCOMPARE(kennlinienfenster().ansicht().fenster.max, std::int64_t{1999});
        aktion("ALLESMARK")->trigger();
        modus("ZEICHNEN");
        QVERIFY(!kennlinienfenster().markierung().vorhanden);
    }

    void refusalsLeaveTheCharacteristic() {
        modus("PUNKTLOESCHEN");
        klick(0, 4095);
        QCOMPARE(fixture_->dialogs->lastText("message"),
                 QStringLiteral("Letzter Punkt kann nicht gelöscht werden"));
        QCOMPARE(punkte().size(), 1u);
        QVERIFY(!kennlinienfenster().zustand().geaendert);
        QVERIFY(!aktion("RUECKGAENGIG")->isEnabled());
    }

    void undoAndRedoThroughTheToolBar() {
        klick(100, 0);
        klick(200, 100);
        auto* leiste = kennlinienfenster().findChild<QToolBar*>();
        auto* undo = qobject_cast<QToolButton*>(leiste->widgetForAction(aktion("RUECKGAENGIG")));
        undo->click();
        QCOMPARE(punkte().size(), 2u);
        QVERIFY(aktion("WIEDERHERST")->isEnabled());
        aktion("WIEDERHERST")->trigger();
        QCOMPARE(punkte().size(), 3u);
        QVERIFY(!aktion("WIEDERHERST")->isEnabled());
    }

    void menuAndToolBarCheckMarksMirrorEachOther() {
        auto* leiste = kennlinienfenster().findChild<QToolBar*>();
        const auto knopf = [leiste](const char* name) {
            return qobject_cast<QToolButton*>(leiste->widgetForAction(aktion(name)));
        };
        knopf("GERADETEILEN")->click();
        QVERIFY(aktion("GERADETEILEN")->isChecked());
        QVERIFY(!aktion("ZEICHNEN")->isChecked());
        QCOMPARE(kennlinienfenster().modus(), Modus::GeradeTeilen);
        aktion("LIN")->trigger();
        QVERIFY(knopf("LIN")->isChecked());
        QVERIFY(!knopf("LINST")->isChecked());
        // Lines only: no steps are drawn.
        KennlinienGrafik* g = kennlinienfenster().grafik();
        for (int i = 0; i < g->graphCount(); ++i) {
            if (g->graph(i)->lineStyle() == QCPGraph::lsStepRight)
                QCOMPARE(g->graph(i)->dataCount(), 0);
        }
    }

    void directHelpBlocksTheModesAndTheGraph() {
        Direkthilfe::instance().setActive(true);
        modus("VERSCHIEBEN");
        QCOMPARE(kennlinienfenster().modus(), Modus::Zeichnen);
        QVERIFY(aktion("ZEICHNEN")->isChecked());
        QVERIFY(fixture_->dialogs->lastText("help").startsWith(
            QStringLiteral("Verschiebt einen bestehenden Kurvenpunkt.")));
        aktion("ST")->trigger();
        QVERIFY(aktion("LINST")->isChecked());
        QTest::mouseClick(kennlinienfenster().grafik(), Qt::LeftButton, {},
                          kennlinienfenster().grafik()->pixelBei(500, 500).toPoint());
        QVERIFY(fixture_->dialogs->lastText("help").startsWith(
            QStringLiteral("Graphische Darstellung der Kennlinie")));
        QCOMPARE(punkte().size(), 1u);
        aktion("PINBELEGUNG")->trigger();
        QCOMPARE(fixture_->dialogs->count("message"), 0);
        Direkthilfe::instance().setActive(false);
    }

    void zoomScrollBarAndYZoom() {
        for (int i = 0; i < 3; ++i) aktion("ZOOMPLUS")->trigger();
        QCOMPARE(kennlinienfenster().ansicht().fenster.breite(), std::int64_t{1213});
        auto* bar = control<QScrollBar>("SCROLLBAR");
        QVERIFY(bar->isEnabled());
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(kennlinienfenster().ansicht().fenster.max, std::int64_t{4094});
        QCOMPARE(kennlinienfenster().ansicht().fenster.breite(), std::int64_t{1213});
        aktion("ZOOMVOLL")->trigger();
        QCOMPARE(kennlinienfenster().ansicht().fenster.breite(), std::int64_t{4095});

        auto* yMin = control<Zahlenfeld>("YZOOMMIN");
        auto* yMax = control<Zahlenfeld>("YZOOMMAX");
        tippen(yMin, QStringLiteral("2"));
        QCOMPARE(kennlinienfenster().ansicht().yMin, 819);
        tippen(yMax, QStringLiteral("1"));  // below the minimum: refused
        QCOMPARE(kennlinienfenster().ansicht().yMax, 4095);
        QCOMPARE(yMax->value(), 10.0);
    }

    void commentOutputTwoAndTimeConstantAreUnsavedWork() {
        const QString lang(100, QLatin1Char('k'));
        fixture_->dialogs->onModal = [&lang](QDialog& d) {
            d.findChild<QPlainTextEdit*>()->setPlainText(lang + QString(2000, QLatin1Char('x')));
        };
        control<QPushButton>("KOMMENTAR")->click();
        QCOMPARE(fixture_->dialogs->lastTitle("modal"), QStringLiteral("Kommentar - Kennlinie"));
        QCOMPARE(kennlinienfenster().zustand().kennlinie.kommentar.size(), 999u);
        QCOMPARE(control<QLineEdit>("KOMMENTARVORSCHAU")->text(), QString(30, QLatin1Char('k')));
        QVERIFY(kennlinienfenster().zustand().geaendert);

        kennlinienfenster().zustand().geaendert = false;
        tippen(control<Zahlenfeld>("BEGRENZUNG"), QStringLiteral("4.5"));
        QCOMPARE(kennlinienfenster().zustand().ausgang2, 4.5);
        QVERIFY(kennlinienfenster().zustand().geaendert);
        kennlinienfenster().zustand().geaendert = false;
        tippen(control<Zahlenfeld>("ZEITKONSTANTE"), QStringLiteral("99"));
        QCOMPARE(kennlinienfenster().zustand().zeitkonstante, 65.535);
        QVERIFY(kennlinienfenster().zustand().geaendert);

        // "Neu" after "Nein" to the not-saved question: everything back, the whole range shown.
        aktion("ZOOMPLUS")->trigger();
        fixture_->dialogs->questionAnswers = {1};
        aktion("NEU")->trigger();
        QVERIFY(control<QLineEdit>("KOMMENTARVORSCHAU")->text().isEmpty());
        QCOMPARE(control<Zahlenfeld>("ZEITKONSTANTE")->value(), 0.0);
        QCOMPARE(kennlinienfenster().ansicht().fenster.breite(), std::int64_t{4095});
    }

    void leavingTheConfigurationRelabelsAndAnUnusableGridIsNoGrid() {
        EinheitSetzen(gKonfig.outeinheit[0], "bar");
        EinheitSetzen(gKonfig.outeinheit[1], "mA");
        gKonfig.inskalamin[1] = gKonfig.inskalamax[1] = 1.0;  // no slope: no X grid
        AbhaengigeFensterNeuSkalieren();
        QCOMPARE(kennlinienfenster().grafik()->yAxis->label(), QStringLiteral("bar"));
        bool beschriftet = false;
        for (const QLabel* l : kennlinienfenster().findChildren<QLabel*>())
            beschriftet |= l->text() == QStringLiteral("Analogausgang2 [mA]");
        QVERIFY(beschriftet);
        tippen(control<Zahlenfeld>("XRASTER"), QStringLiteral("0.5"));
        klick(1234, 0);
        QCOMPARE(punkte().back().first, 1234);
    }

    void writesIntoTheBoxAndReadsItBack() {
        klick(1000, 0);
        tippen(control<Zahlenfeld>("KURVENNR"), QStringLiteral("3"));
        control<QPushButton>("SCHREIBEN")->click();
        QCOMPARE(fixture_->dialogs->count("message"), 0);
        klick(2000, 3000);
        control<QPushButton>("LESEN")->click();
        QCOMPARE(punkte(), (Punkte{{0, 4095}, {1000, 0}}));
        QCOMPARE(kennlinienfenster().windowTitle(), QStringLiteral("Kennlinienregler"));
        control<QPushButton>("AUSGANG4SETZEN")->click();
        QCOMPARE(fixture_->line->box('1')->outputMillivolts(4), 3000);
    }

private:
    std::unique_ptr<ProgramFixture> fixture_;
};

QTEST_MAIN(TestKennlinienPanel)
#include "tst_kennlinienpanel.moc"
