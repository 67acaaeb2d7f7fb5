// What the curve and the characteristic window share, driven in both as the operator does:
// the '?' toggles, undo and redo keys with the focus in a number field, damaged files, the
// unsaved question, the memory display and the layout of their fields.
#include <qcustomplot.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <filesystem>

#include "GuiTestSupport.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/KennlinienDatei.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenPanel.h"

using namespace plv7;
using namespace plv7::gui;
using namespace plv7::gui::test;

namespace {

// One of the two editor windows, as the tests of this file see it.
struct Editor {
    Panel* panel;
    const char* aktionen;  // prefix of the actions' object names
    const char* felder;    // prefix of the controls' object names
    const char* laden;     // the file menu's items
    const char* speichern;
    const char* neu;
    const char* endung;
    const char* titel;  // the window's title without a file

    QAction* aktion(const char* name) const {
        return menuAktion(panel, QLatin1String(aktionen) + QLatin1String(name));
    }
    template <typename T = QWidget>
    T* feld(const char* name) const {
        return panel->findChild<T*>(QLatin1String(felder) + QLatin1String(name));
    }
    bool geaendert() const {
        return panel == gKurvenpanel ? kurvenfenster().modell().geaendert
                                     : kennlinienfenster().zustand().geaendert;
    }
    void ungeaendert() const {
        if (panel == gKurvenpanel) {
            kurvenfenster().modell().geaendert = false;
        } else {
            kennlinienfenster().zustand().geaendert = false;
        }
    }
    std::size_t punktzahl() const {
        return panel == gKurvenpanel ? kurvenfenster().modell().aktuell().punkte.size()
                                     : kennlinienfenster().zustand().kennlinie.punkte.size();
    }
};

Editor editor(const QString& name) {
    if (name == QLatin1String("kurven")) {
        return {gKurvenpanel,      "KURVEN_",   "KURVENPNL_", "DATEI_LADEN",
                "DATEI_SPEICHERN", "DATEI_NEU", ".plr",       "Kurvengenerator"};
    }
    return {gKennlinienpanel, "KENNLI_", "KENNLPNL_", "LADEN",
            "SPEICHERN",      "NEU",     ".ple",      "Kennlinienregler"};
}

void maus(QWidget* ziel, QEvent::Type art, QPointF pixel) {
    const Qt::MouseButtons gedrueckt =
        art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(art, pixel, ziel->mapToGlobal(pixel), knopf, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(ziel, &e);
}

void klickAufGraph(QWidget* graph, QPointF pixel) {
    maus(graph, QEvent::MouseButtonPress, pixel);
    maus(graph, QEvent::MouseMove, pixel);
    maus(graph, QEvent::MouseButtonRelease, pixel);
}

// A new point drawn with the mouse, the window's drawing tool chosen first.
void punktZeichnen(const Editor& e) {
    if (e.panel == gKurvenpanel) {
        e.aktion("BEARBEITEN_ZEICHNEN")->trigger();
        KurvenGraph& g = kurvenfenster().graph();
        klickAufGraph(g.gross(), g.pixel({150.0, 3000.0}));
    } else {
        e.aktion("ZEICHNEN")->trigger();
        KennlinienGrafik* g = kennlinienfenster().grafik();
        klickAufGraph(g, g->pixelBei(2000.0, 1000.0));
    }
}

// Writes a file of the window's kind with two points on its first curve, then cuts it.
QString beschaedigteDatei(const Editor& e, const QTemporaryDir& ordner) {
    const QString pfad = ordner.filePath(QStringLiteral("kaputt") + QLatin1String(e.endung));
    if (e.panel == gKurvenpanel) {
        kurven::Kurvenmodell m;
        m.kurven[0].punkte = {{0, 20, 2}, {3000, 1, 2}};
        const auto bytes = kurven::KurvenDateiErzeugen(m, gKonfig);
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly)) return {};
        datei.write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qint64>(bytes.size()) - 3);
    } else {
        kennlinien::Kennlinie k;
        k.punkte = {{0, 100, 0}, {4095, 0, 0}};
        if (kennlinien::KennlinienDateiSpeichern(pfad.toStdString(), k, gKonfig, 0.0, 0.5) != 0)
            return {};
        std::filesystem::resize_file(pfad.toStdString(),
                                     std::filesystem::file_size(pfad.toStdString()) - 3);
    }
    return pfad;
}

// The items of a menu or tool bar in order: object names without the window's prefix, "|" for
// a separator, "(Feld)" for a control on the tool bar.
QString folge(const QList<QAction*>& aktionen) {
    static const QRegularExpression praefix(QStringLiteral("^(KENNLI|KURVEN)_"));
    QStringList teile;
    for (const QAction* a : aktionen) {
        if (a->isSeparator()) {
            teile << QStringLiteral("|");
        } else {
            QString name = a->objectName();
            teile << (name.isEmpty() ? QStringLiteral("(Feld)") : name.remove(praefix));
        }
    }
    return teile.join(QLatin1Char(' '));
}

void beideFenster() {
    QTest::addColumn<QString>("fenster");
    QTest::newRow("Kurvengenerator") << QStringLiteral("kurven");
    QTest::newRow("Kennlinienregler") << QStringLiteral("kennlinien");
}

}  // namespace

class TestEditorfenster : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fixture_ = std::make_unique<ProgramFixture>();
        QCOMPARE(fixture_->start(), 0);
    }
    void cleanup() {
        Direkthilfe::instance().reset();
        for (const char* name : {"kurven", "kennlinien"}) editor(QLatin1String(name)).ungeaendert();
        fixture_.reset();
    }

    void everyQuestionMarkSwitchesDirectHelpBothWays_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("knopf");
        QTest::newRow("Kurven, Werkzeugleiste")
            << QStringLiteral("kurven") << QStringLiteral("KURVENPNL_WERKZEUG_DIREKTHILFE");
        QTest::newRow("Kurven, unten")
            << QStringLiteral("kurven") << QStringLiteral("KURVENPNL_DIREKTHILFE");
        QTest::newRow("Kennlinien, Werkzeugleiste")
            << QStringLiteral("kennlinien") << QStringLiteral("KENNLPNL_DIREKTHILFE");
    }
    void everyQuestionMarkSwitchesDirectHelpBothWays() {
        QFETCH(QString, fenster);
        QFETCH(QString, knopf);
        const Editor e = editor(fenster);
        ZeigeChildpanel(e.panel);
        QApplication::processEvents();
        auto* toggle = e.panel->findChild<QToolButton*>(knopf);
        QVERIFY(toggle && toggle->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(gHilfeAktiv);
        QCOMPARE(fixture_->dialogs->lastText("help"), kHelpModeOnText);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!gHilfeAktiv);
        QVERIFY(!Direkthilfe::instance().aktion()->isChecked());
    }

    void undoAndRedoKeysReachTheWindowFromANumberField_data() { beideFenster(); }
    void undoAndRedoKeysReachTheWindowFromANumberField() {
        QFETCH(QString, fenster);
        const Editor e = editor(fenster);
        ZeigeChildpanel(e.panel);
        gMainpanel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(gMainpanel));
        const std::size_t vorher = e.punktzahl();
        punktZeichnen(e);
        QCOMPARE(e.punktzahl(), vorher + 1);

        auto* raster = e.feld<Zahlenfeld>("YRASTER");
        QTest::mouseClick(raster, Qt::LeftButton);
        QVERIFY(raster->hasFocus());
        tippen(raster, QStringLiteral("0.2"));
        QWidget* fokus = QApplication::focusWidget();
        QVERIFY(fokus == raster || raster->isAncestorOf(fokus));

        QTest::keyClick(fokus, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.punktzahl(), vorher);
        QVERIFY(e.aktion(e.panel == gKurvenpanel ? "BEARBEITEN_WIEDERHERST" : "WIEDERHERST")
                    ->isEnabled());
        QTest::keyClick(fokus, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.punktzahl(), vorher + 1);
    }

    void aDamagedFileIsReplacedOnlyWhereTheOperatorChoosesIt_data() { beideFenster(); }
    void aDamagedFileIsReplacedOnlyWhereTheOperatorChoosesIt() {
        QFETCH(QString, fenster);
        const Editor e = editor(fenster);
        ZeigeChildpanel(e.panel);
        const QString pfad = beschaedigteDatei(e, fixture_->folder);
        QVERIFY(!pfad.isEmpty());
        const qint64 groesse = QFileInfo(pfad).size();
        auto& d = *fixture_->dialogs;
        d.fileAnswers = {gewaehlt(pfad)};
        e.aktion(e.laden)->trigger();
        QVERIFY(d.count("message") > 0);  // the warning about the cut file
        QCOMPARE(e.panel->windowTitle(), QLatin1String(e.titel));
        QVERIFY(e.geaendert());

        // "speichern" asks for a name; cancelled, the damaged file stays as it was.
        const int dateifragen = d.count("file");
        e.aktion(e.speichern)->trigger();
        QCOMPARE(d.count("file"), dateifragen + 1);
        QCOMPARE(QFileInfo(pfad).size(), groesse);
        QVERIFY(e.geaendert());
        // The end of the program asks too.
        QCOMPARE(e.panel->abbruchWeilNichtGespeichert(), 1);
        QCOMPARE(d.lastTitle("question"), QStringLiteral("Warnung"));
    }

    void yesThenACancelledSaveDialogKeepsTheChanges_data() { beideFenster(); }
    void yesThenACancelledSaveDialogKeepsTheChanges() {
        QFETCH(QString, fenster);
        const Editor e = editor(fenster);
        ZeigeChildpanel(e.panel);
        const std::size_t vorher = e.punktzahl();
        punktZeichnen(e);
        QVERIFY(e.geaendert());
        auto& d = *fixture_->dialogs;
        d.questionAnswers = {0};  // "Ja", then the save dialog cancelled
        e.aktion(e.neu)->trigger();
        QCOMPARE(d.lastText("question"),
                 QStringLiteral("Möchten Sie die Änderungen in %1 speichern?").arg(e.titel));
        QCOMPARE(d.lastTitle("file"), e.panel == gKurvenpanel
                                          ? QStringLiteral("Kurve speichern")
                                          : QStringLiteral("Kennlinie speichern"));
        QCOMPARE(e.punktzahl(), vorher + 1);
        QVERIFY(e.geaendert());
        d.questionAnswers = {0};
        QCOMPARE(e.panel->abbruchWeilNichtGespeichert(), 1);
        QVERIFY(e.geaendert());
    }

    void theMemoryNeedLooksAndReadsAlikeInBoth_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("anzeige");
        // 52 of 32768 bytes (0.159 %); one of 808 points of a slot (1.103 %).
        QTest::newRow("Kurvengenerator") << QStringLiteral("kurven") << QStringLiteral("0.2");
        QTest::newRow("Kennlinienregler") << QStringLiteral("kennlinien") << QStringLiteral("1.1");
    }
    void theMemoryNeedLooksAndReadsAlikeInBoth() {
        QFETCH(QString, fenster);
        QFETCH(QString, anzeige);
        const Editor e = editor(fenster);
        ZeigeChildpanel(e.panel);
        QApplication::processEvents();
        auto* feld = e.feld<QLineEdit>("SPEICHERBEDARF");
        QCOMPARE(feld->text(), anzeige);
        QVERIFY(feld->isReadOnly());
        QCOMPARE(feld->focusPolicy(), Qt::NoFocus);
        QCOMPARE(feld->styleSheet(), QStringLiteral("background: #C0C0C0;"));
    }

    void labelsStandApartFromTheFieldBeforeThem() {
        const Editor e = editor(QStringLiteral("kennlinien"));
        ZeigeChildpanel(e.panel);
        QApplication::processEvents();
        const auto abstand = [&](const char* feld, const QString& text) {
            QLabel* label = nullptr;
            for (QLabel* l : e.panel->findChildren<QLabel*>()) {
                if (l->text() == text) label = l;
            }
            if (!label) return -1;
            // The label's text is right-aligned: the gap ends where its letters begin.
            const int textAnfang =
                label->geometry().right() - label->fontMetrics().horizontalAdvance(label->text());
            return textAnfang - e.feld(feld)->geometry().right();
        };
        QVERIFY(abstand("XKOORDINATE", QStringLiteral("Y [V]")) >= 8);
        QVERIFY(abstand("XRASTER", QStringLiteral("Y-Raster [V]")) >= 8);
    }

    void theTimeBaseMenuCarriesItsTitle() {
        const Editor e = editor(QStringLiteral("kurven"));
        ZeigeChildpanel(e.panel);
        QApplication::processEvents();
        e.aktion("BEARBEITEN_ZEITBASIS")->trigger();
        KurvenGraph& g = kurvenfenster().graph();
        maus(g.gross(), QEvent::MouseButtonPress, g.pixel({5.0, 2000.0}));
        auto* menue = e.feld<QMenu>("ZEITBASISMENUE");
        QVERIFY(menue && menue->isVisible());
        auto* kopf = qobject_cast<QWidgetAction*>(menue->actions().constFirst());
        QVERIFY(kopf);
        auto* titel = qobject_cast<QLabel*>(kopf->defaultWidget());
        QVERIFY(titel && titel->isVisible());
        QCOMPARE(titel->text(), QStringLiteral("Zeitbasis"));
        menue->close();
    }

    // Both windows build their menus and tool bar from a table of commands; this is the order
    // and grouping the operator knows.
    void menusAndToolBarKeepTheirOrderAndGroups_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("menue");  // its title, or empty for the tool bar
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Kennlinien, Werkzeugleiste")
            << QStringLiteral("kennlinien") << QString()
            << QStringLiteral(
                   "NEU LADEN SPEICHERN | RUECKGAENGIG WIEDERHERST | MARKIEREN "
                   "ZEICHNEN VERSCHIEBEN PUNKTKOORDINAT KOORDINATZEIG PUNKTLOESCHEN "
                   "GERADETEILEN | ZOOMPLUS ZOOMMINUS ZOOMMARK ZOOMVOLL | LINST LIN ST "
                   "| DIREKTHILFE");
        QTest::newRow("Kennlinien, Datei")
            << QStringLiteral("kennlinien") << QStringLiteral("Datei")
            << QStringLiteral("NEU LADEN SPEICHERN SPEICHERNUNTER IMPORT TABELLE EXPORT | BEENDEN");
        QTest::newRow("Kennlinien, Bearbeiten")
            << QStringLiteral("kennlinien") << QStringLiteral("Bearbeiten")
            << QStringLiteral(
                   "ALLESMARK RUECKGAENGIG WIEDERHERST | MARKIEREN ZEICHNEN "
                   "VERSCHIEBEN PUNKTKOORDINAT KOORDINATZEIG PUNKTLOESCHEN "
                   "GERADETEILEN | ZOOMPLUS ZOOMMINUS ZOOMMARK ZOOMVOLL");
        QTest::newRow("Kurven, Werkzeugleiste")
            << QStringLiteral("kurven") << QString()
            << QStringLiteral(
                   "DATEI_NEU DATEI_LADEN DATEI_SPEICHERN | BEARBEITEN_MARKIEREN "
                   "BEARBEITEN_ZEICHNEN "
                   "BEARBEITEN_VERSCHIEBEN BEARBEITEN_PUNKTKOORDINAT BEARBEITEN_ZEITBASISZEIG "
                   "BEARBEITEN_PUNKTLOESCHEN BEARBEITEN_GERADETEILEN BEARBEITEN_ZEITBASIS "
                   "BEARBEITEN_LAENGEAENDERN | (Feld) | BEARBEITEN_AUSSCHNEIDEN "
                   "BEARBEITEN_KOPIEREN "
                   "BEARBEITEN_EINFUEGEN BEARBEITEN_LOESCHEN | BEARBEITEN_RUECKGAENGIG "
                   "BEARBEITEN_WIEDERHERST | BEARBEITEN_ZOOMPLUS BEARBEITEN_ZOOMMINUS "
                   "BEARBEITEN_ZOOMMARK BEARBEITEN_ZOOMVOLL BEARBEITEN_ERZEUGEN | "
                   "BEARBEITEN_KURVE_K1 BEARBEITEN_KURVE_K2 BEARBEITEN_KURVE_K3 "
                   "BEARBEITEN_KURVE_K4 | "
                   "BEARBEITEN_HINTERGRUND_K1 BEARBEITEN_HINTERGRUND_K2 BEARBEITEN_HINTERGRUND_K3 "
                   "BEARBEITEN_HINTERGRUND_K4 | ANSICHT_LINIENSTUFEN ANSICHT_LINIEN ANSICHT_STUFEN "
                   "| "
                   "DIREKTHILFE");
    }
    void menusAndToolBarKeepTheirOrderAndGroups() {
        QFETCH(QString, fenster);
        QFETCH(QString, menue);
        QFETCH(QString, erwartet);
        const Editor e = editor(fenster);
        QList<QAction*> aktionen;
        if (menue.isEmpty()) {
            auto* leiste = e.feld<QToolBar>("WERKZEUGLEISTE");
            QVERIFY(leiste);
            aktionen = leiste->actions();
        } else {
            for (QAction* m : e.panel->menuBar()->actions())
                if (m->text() == menue) aktionen = m->menu()->actions();
        }
        QCOMPARE(folge(aktionen), erwartet);
    }

private:
    std::unique_ptr<ProgramFixture> fixture_;
};

QTEST_MAIN(TestEditorfenster)
#include "tst_editorfenster.moc"
