// The characteristic window's table import and its operating point on the simulated box wired
// as in the demo (output 2 drives input 2): one undo step, refusals that change nothing, the
// marker and label following input 2, the pause during a transfer and in direct help, and a
// failed read shown once.
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "Box.h"
#include "GuiTestSupport.h"
#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/Arbeitspunktanzeige.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"

using namespace plv7;
using namespace plv7::kennlinien;
using namespace plv7::gui;
using namespace plv7::gui::test;

namespace {

Arbeitspunktanzeige& anzeige() {
    return *kennlinienfenster().findChild<Arbeitspunktanzeige*>();
}

QAction* aktion(const char* name) {
    return menuAktion(&kennlinienfenster(), QStringLiteral("KENNLI_") + QLatin1String(name));
}

QLabel* beschriftung() {
    return kennlinienfenster().findChild<QLabel*>(QStringLiteral("KENNLPNL_ARBEITSPUNKT"));
}

using Punkte = std::vector<std::pair<int, int>>;

Punkte punkte() {
    Punkte p;
    const Kennlinie& k = kennlinienfenster().zustand().kennlinie;
    for (std::size_t i = 0; i < k.punkte.size(); ++i)
        p.emplace_back(static_cast<int>(KennlinienPosition(k, i)), k.punkte[i].y);
    return p;
}

// The marker on a graph: its one point, or nothing.
std::optional<QPointF> marke(QCustomPlot* grafik) {
    QCPLayer* ebene = grafik->layer(QStringLiteral("arbeitspunkt"));
    if (!ebene) return std::nullopt;
    for (QCPLayerable* l : ebene->children()) {
        auto* g = qobject_cast<QCPGraph*>(l);
        if (g && g->dataCount() == 1)
            return QPointF(g->data()->at(0)->key, g->data()->at(0)->value);
    }
    return std::nullopt;
}

}  // namespace

class TestKennlinienTabelle : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fixture_ = std::make_unique<ProgramFixture>();
        fixture_->line->box('1')->setBaud(115200);
        fixture_->writeConnectedSettings(115200);
        QCOMPARE(fixture_->start(), 0);
        ZeigeChildpanel(gKennlinienpanel);
        QApplication::processEvents();
    }
    void cleanup() {
        Direkthilfe::instance().reset();
        anzeige().umschalten(false);
        kennlinienfenster().zustand().geaendert = false;
        fixture_.reset();
    }

    void aTableIsOneUndoStepAndARefusalChangesNothing() {
        const QString pfad = fixture_->folder.filePath(QStringLiteral("ventil.csv"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Spannung;Durchfluss\r\n1,0;2,0\r\n1,0002;4\r\n10;10\r\n");
        datei.close();
        fixture_->dialogs->fileAnswers.push_back(gewaehlt(pfad));
        aktion("TABELLE")->trigger();
        // 1 V is code 409.5, rounded to 410; the two points there merge at their mean output.
        QCOMPARE(punkte(), (Punkte{{0, 1229}, {410, 1229}, {4095, 4095}}));
        QVERIFY(kennlinienfenster().zustand().geaendert);
        QVERIFY(aktion("RUECKGAENGIG")->isEnabled());
        const auto& gezeigt = fixture_->dialogs->shown;
        QCOMPARE(gezeigt.last().title, QStringLiteral("Tabelle importieren"));
        QVERIFY(gezeigt.last().text.contains(QStringLiteral("zusammengefasst")));
        QVERIFY(gezeigt.last().text.contains(QStringLiteral("waagrechtes Stück")));
        QCOMPARE(fixture_->dialogs->fileRequests.last().title,
                 QStringLiteral("Tabelle importieren"));

        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write("0;0\n5;5\nfuenf;6\n");
        datei.close();
        fixture_->dialogs->shown.clear();
        fixture_->dialogs->fileAnswers.push_back(gewaehlt(pfad));
        aktion("TABELLE")->trigger();
        QCOMPARE(punkte(), (Punkte{{0, 1229}, {410, 1229}, {4095, 4095}}));
        QCOMPARE(gezeigt.size(), 3);  // file dialog, the line, the code
        QCOMPARE(gezeigt[1].title, QStringLiteral("Importfehler"));
        QVERIFY(gezeigt[1].text.startsWith(QStringLiteral("Fehler in Zeile 3:\n\"fuenf;6\"")));
        QCOMPARE(gezeigt[2].title, QStringLiteral("Fehler #312554"));

        aktion("RUECKGAENGIG")->trigger();
        QCOMPARE(punkte(), (Punkte{{0, 4095}}));
    }

    void theOperatingPointFollowsInput2() {
        QVERIFY(!aktion("ARBEITSPUNKT")->isChecked());
        QVERIFY(!beschriftung()->isVisible());
        // From (0, 0) up to (1000, 4000), down to (3000, 0).
        kennlinienfenster().zustand().kennlinie.punkte = {{0, 1000, 0}, {4000, 2000, 0}, {0, 0, 0}};
        fixture_->line->box('1')->setOutputMillivolts(2, 2442);
        aktion("ARBEITSPUNKT")->trigger();
        QVERIFY(aktion("ARBEITSPUNKT")->isChecked());
        QVERIFY(beschriftung()->isVisible());
        QCOMPARE(beschriftung()->text(), QStringLiteral("Arbeitspunkt: X = 2.442 V, Y = 9.768 V"));
        QCOMPARE(marke(kennlinienfenster().grafik()), QPointF(1000, 4000));
        QCOMPARE(marke(kennlinienfenster().uebersicht()), QPointF(1000, 4000));

        // The box moves: the timer follows about five times a second.
        fixture_->line->box('1')->setOutputMillivolts(2, 7326);
        const int vorher = anzeige().abfrage().lesungen();
        QTRY_COMPARE_WITH_TIMEOUT(marke(kennlinienfenster().grafik()), QPointF(3000, 0), 2000);
        QVERIFY(anzeige().abfrage().lesungen() > vorher);
        // A redraw of the characteristic keeps the marker.
        kennlinienfenster().neuZeichnen();
        QCOMPARE(marke(kennlinienfenster().uebersicht()), QPointF(3000, 0));

        aktion("ARBEITSPUNKT")->trigger();
        QVERIFY(!anzeige().laeuft());
        QVERIFY(!beschriftung()->isVisible());
        QCOMPARE(marke(kennlinienfenster().grafik()), std::nullopt);
    }

    void theReadingPausesDuringATransferAndInDirectHelp() {
        // A characteristic of 700 points takes a while to send, long enough for timer ticks.
        auto& k = kennlinienfenster().zustand().kennlinie.punkte;
        k.assign(700, {100, 5, 0});
        k.back().laenge = 0;
        anzeige().umschalten(true);
        const int lesungen = anzeige().abfrage().lesungen();
        const int pausen = anzeige().abfrage().pausen();
        kennlinienfenster().findChild<QPushButton*>(QStringLiteral("KENNLPNL_SCHREIBEN"))->click();
        QCOMPARE(anzeige().abfrage().lesungen(), lesungen);
        QVERIFY(anzeige().abfrage().pausen() > pausen);
        QCOMPARE(fixture_->dialogs->count(QStringLiteral("message")), 0);
        QVERIFY(anzeige().laeuft());

        Direkthilfe::instance().setActive(true);
        const QString text = beschriftung()->text();
        anzeige().takt();
        QCOMPARE(anzeige().abfrage().lesungen(), lesungen);
        // Choosing the item in direct help shows its help and leaves it on.
        aktion("ARBEITSPUNKT")->trigger();
        QVERIFY(aktion("ARBEITSPUNKT")->isChecked());
        QVERIFY(anzeige().laeuft());
        QCOMPARE(fixture_->dialogs->shown.last().kind, QStringLiteral("help"));
        Direkthilfe::instance().setActive(false);
        anzeige().takt();
        QCOMPARE(anzeige().abfrage().lesungen(), lesungen + 1);
        QCOMPARE(beschriftung()->text(), text);
    }

    void aFailedReadIsShownOnceAndSwitchesTheItemOff() {
        anzeige().umschalten(true);
        QVERIFY(anzeige().abfrage().lesungen() == 1);
        fixture_->line->box('1')->setBusy(true);
        QTRY_VERIFY_WITH_TIMEOUT(!anzeige().laeuft(), 2000);
        QVERIFY(!aktion("ARBEITSPUNKT")->isChecked());
        QVERIFY(!beschriftung()->isVisible());
        const auto* fehler = kennlinienfenster().findChild<ErrorIndicator*>();
        QCOMPARE(fehler->number(), QString::number(-anzeige().abfrage().fehler()));
        const int lesungen = anzeige().abfrage().lesungen();
        QTest::qWait(3 * Arbeitspunktanzeige::kTaktMs);
        QCOMPARE(anzeige().abfrage().lesungen(), lesungen);
        QCOMPARE(fixture_->dialogs->count(QStringLiteral("message")), 0);
    }

private:
    std::unique_ptr<ProgramFixture> fixture_;
};

QTEST_MAIN(TestKennlinienTabelle)
#include "tst_kennlinien_tabelle.moc"
