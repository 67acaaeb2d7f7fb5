// "Kurve erzeugen…" and "Aufzeichnung übernehmen…" of the curve window: the dialogs, the undo
// step, the unit question and the refusals that change nothing.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "common/Zahlenfeld.h"
#include "direkt/Protokoll.h"
#include "hilfe/Direkthilfe.h"
#include "kurven/KurvenPanel.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
using namespace plv7::kurven;

namespace {

KurvenPanel* fenster() {
    return static_cast<KurvenPanel*>(gKurvenpanel);
}

Kurvenmodell& modell() {
    return fenster()->modell();
}

void zeigen() {
    ZeigeChildpanel(fenster());
    modell() = Kurvenmodell{};
    fenster()->modellZeigen();
    QApplication::processEvents();
}

template <typename T = QWidget>
T* im(const QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

// A log of two acquisitions; the last has a ramp of 0..10 V on Eing2 and 0..10 bar on Eing1.
QString logDatei(const QTemporaryDir& ordner, const std::string& beschaedigt = {},
                 bool rauschen = false) {
    plv7::direkt::Protokollkopf k;
    for (auto& kanal : k.eingaenge) kanal = {0.0, 10.0, 3, "V"};
    for (auto& kanal : k.ausgaenge) kanal = {0.0, 10.0, 3, "V"};
    k.eingaenge[0] = {0.0, 10.0, 1, "bar"};
    std::string text;
    for (const int n : {2, rauschen ? 20000 : 51}) {
        text += plv7::direkt::startzeile(plv7::direkt::Protokollart::Datenerfassung) +
                plv7::direkt::bereichszeilen("Eingang", k.eingaenge) +
                plv7::direkt::bereichszeilen("Ausgang", k.ausgaenge) + plv7::direkt::spaltenkopf(k);
        for (int i = 0; i < n; ++i) {
            const double v = rauschen ? 5.0 + 0.1 * (i % 2) : 10.0 * i / (n - 1);
            const double t = rauschen ? i * 0.01 : i * 0.1;
            plv7::direkt::Protokollzeile z{"12-08-2026", "13:00:00", t, {v, v, 0, 0}, {}};
            text += plv7::direkt::zeitspalten(z) +
                    plv7::direkt::wertspalten(z.eingaenge, k.eingaenge, false) +
                    plv7::direkt::wertspalten(z.ausgaenge, k.ausgaenge, true);
        }
    }
    text += beschaedigt;
    const QString pfad = ordner.filePath(QStringLiteral("log.txt"));
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(text.data(), static_cast<qint64>(text.size()));
    return pfad;
}

}  // namespace

class TestKurvenErzeugung : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Direkthilfe::instance().reset(); }

    void aSineReplacesTheCurrentCurveAsOneUndoStep() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        QAction* erzeugen = menuAktion(fenster(), QStringLiteral("KURVEN_BEARBEITEN_ERZEUGEN"));
        QVERIFY(erzeugen);
        auto* leiste = fenster()->findChild<QToolBar*>(QStringLiteral("KURVENPNL_WERKZEUGLEISTE"));
        QVERIFY(leiste->actions().contains(erzeugen));
        modell().geaendert = false;

        erzeugen->trigger();
        auto* dialog = fenster()->findChild<QDialog*>(QStringLiteral("KERZEUGENPNL"));
        QVERIFY(dialog && dialog->isVisible());
        im<QComboBox>(dialog, "KERZEUGENPNL_FORM")->setCurrentIndex(0);
        im<Zahlenfeld>(dialog, "KERZEUGENPNL_AMPLITUDE")->setValue(2.0);
        im<Zahlenfeld>(dialog, "KERZEUGENPNL_OFFSET")->setValue(5.0);
        im<Zahlenfeld>(dialog, "KERZEUGENPNL_PERIODE")->setValue(2.0);
        im<Zahlenfeld>(dialog, "KERZEUGENPNL_PERIODEN")->setValue(10);
        const QString ergebnis = im<QLabel>(dialog, "KERZEUGENPNL_ERGEBNIS")->text();
        QVERIFY2(ergebnis.startsWith(QStringLiteral("Punkte: ")), qPrintable(ergebnis));
        QVERIFY(ergebnis.contains(QStringLiteral("Zeitbasis: 10ms")));
        QVERIFY(!im(dialog, "KERZEUGENPNL_TASTGRAD")->isEnabled());

        im<QPushButton>(dialog, "KERZEUGENPNL_OK")->click();
        QVERIFY(!dialog->isVisible());
        const auto& punkte = modell().aktuell().punkte;
        QVERIFY(punkte.size() > 20);
        QCOMPARE(Kurvendauer(punkte), std::int64_t{20000});
        QCOMPARE(punkte[0].wert, 2048);
        QVERIFY(modell().geaendert);
        QVERIFY(ergebnis.startsWith(QStringLiteral("Punkte: %1 ").arg(punkte.size())));

        menuAktion(fenster(), QStringLiteral("KURVEN_BEARBEITEN_RUECKGAENGIG"))->trigger();
        QCOMPARE(modell().aktuell().punkte, Einzelpunkt());
        fixture.finish();
    }

    void aRangeRefusalKeepsTheDialogAndTheCurve() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        menuAktion(fenster(), QStringLiteral("KURVEN_BEARBEITEN_ERZEUGEN"))->trigger();
        auto* dialog = fenster()->findChild<QDialog*>(QStringLiteral("KERZEUGENPNL"));
        im<QComboBox>(dialog, "KERZEUGENPNL_FORM")->setCurrentIndex(2);
        QVERIFY(im(dialog, "KERZEUGENPNL_TASTGRAD")->isEnabled());
        im<Zahlenfeld>(dialog, "KERZEUGENPNL_AMPLITUDE")->setValue(2.0);
        im<Zahlenfeld>(dialog, "KERZEUGENPNL_OFFSET")->setValue(9.0);
        im<QPushButton>(dialog, "KERZEUGENPNL_OK")->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(fixture.dialogs->lastText(QStringLiteral("message"))
                    .contains(QStringLiteral("Ausgang 1: 0.000 bis 10.000 V")));
        QCOMPARE(modell().aktuell().punkte, Einzelpunkt());
        dialog->reject();
        fixture.finish();
    }

    void aLogColumnBecomesTheChosenCurveAfterTheUnitQuestion() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        QTemporaryDir ordner;
        fixture.dialogs->fileAnswers.push_back(
            {Dialoge::FileAnswer::Result::Chosen, logDatei(ordner)});
        menuAktion(fenster(), QStringLiteral("KURVEN_DATEI_AUFZEICHNUNG"))->trigger();
        auto* dialog = fenster()->findChild<QDialog*>(QStringLiteral("KAUFZEICHNUNGPNL"));
        QVERIFY(dialog && dialog->isVisible());
        auto* erfassung = im<QComboBox>(dialog, "KAUFZEICHNUNGPNL_ERFASSUNG");
        QCOMPARE(erfassung->count(), 2);
        QCOMPARE(erfassung->currentIndex(), 1);
        QCOMPARE(im<QComboBox>(dialog, "KAUFZEICHNUNGPNL_SPALTE")->itemText(0),
                 QStringLiteral("Eing1 [bar]"));
        im<QComboBox>(dialog, "KAUFZEICHNUNGPNL_KURVE")->setCurrentIndex(2);
        im<QComboBox>(dialog, "KAUFZEICHNUNGPNL_ZEITBASIS")->setCurrentIndex(2);  // 100ms

        // bar onto V: refused at the question, then taken.
        im<QPushButton>(dialog, "KAUFZEICHNUNGPNL_OK")->click();
        QCOMPARE(fixture.dialogs->count(QStringLiteral("question")), 1);
        QVERIFY(dialog->isVisible());
        QCOMPARE(modell().kurven[2].punkte, Einzelpunkt());
        fixture.dialogs->questionAnswers.push_back(0);
        im<QPushButton>(dialog, "KAUFZEICHNUNGPNL_OK")->click();
        QCOMPARE(modell().aktuelleKurve, 2);
        const std::vector<Kurvenpunkt> rampe = {{0, 50, 2}, {4095, 1, 2}};
        QCOMPARE(modell().kurven[2].punkte, rampe);
        QVERIFY(modell().Rueckgaengig());
        QCOMPARE(modell().kurven[2].punkte, Einzelpunkt());
        fixture.finish();
    }

    // Alternating values every 10 ms do not fit at 10 ms: the memory message offers the next
    // time base and a tolerance as buttons that set the field, and the dialog stays open.
    void aCurveThatDoesNotFitGetsProposals() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        QTemporaryDir ordner;
        fixture.dialogs->fileAnswers.push_back(
            {Dialoge::FileAnswer::Result::Chosen, logDatei(ordner, {}, true)});
        menuAktion(fenster(), QStringLiteral("KURVEN_DATEI_AUFZEICHNUNG"))->trigger();
        auto* dialog = fenster()->findChild<QDialog*>(QStringLiteral("KAUFZEICHNUNGPNL"));
        auto* zeitbasis = im<QComboBox>(dialog, "KAUFZEICHNUNGPNL_ZEITBASIS");
        zeitbasis->setCurrentIndex(1);  // 10ms
        im<QComboBox>(dialog, "KAUFZEICHNUNGPNL_SPALTE")->setCurrentIndex(1);
        QVERIFY(im<QLabel>(dialog, "KAUFZEICHNUNGPNL_ERGEBNIS")
                    ->text()
                    .startsWith(QStringLiteral("Benötigter Platz")));
        fixture.dialogs->questionAnswers.push_back(1);  // the tolerance
        im<QPushButton>(dialog, "KAUFZEICHNUNGPNL_OK")->click();
        QVERIFY(fixture.dialogs->lastText(QStringLiteral("question"))
                    .endsWith(QStringLiteral("Die Kurve paßt mit der Zeitbasis 100ms oder mit "
                                             "einer Toleranz von 32.0 Codes.")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(im<Zahlenfeld>(dialog, "KAUFZEICHNUNGPNL_TOLERANZ")->value(), 32.0);
        QCOMPARE(modell().aktuell().punkte, Einzelpunkt());
        fixture.dialogs->questionAnswers.push_back(0);  // the time base
        im<Zahlenfeld>(dialog, "KAUFZEICHNUNGPNL_TOLERANZ")->setValue(2.0);
        im<QPushButton>(dialog, "KAUFZEICHNUNGPNL_OK")->click();
        QCOMPARE(zeitbasis->currentData().toInt(), 2);
        im<QPushButton>(dialog, "KAUFZEICHNUNGPNL_OK")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(modell().aktuell().punkte.front().zeitbasis, std::uint8_t{2});
        fixture.finish();
    }

    void aDamagedLogIsRefusedWithItsLineAndChangesNothing() {
        ProgramFixture fixture;
        fixture.start();
        zeigen();
        QTemporaryDir ordner;
        fixture.dialogs->fileAnswers.push_back(
            {Dialoge::FileAnswer::Result::Chosen, logDatei(ordner, "kaputt\n")});
        const int vorher = fixture.dialogs->count(QStringLiteral("message"));
        menuAktion(fenster(), QStringLiteral("KURVEN_DATEI_AUFZEICHNUNG"))->trigger();
        QCOMPARE(fixture.dialogs->count(QStringLiteral("message")), vorher + 1);
        QVERIFY(fixture.dialogs->lastText(QStringLiteral("message"))
                    .startsWith(QStringLiteral("Fehler in Zeile 78:")));
        QCOMPARE(fixture.dialogs->lastTitle(QStringLiteral("message")),
                 QStringLiteral("Fehler #312455"));
        QVERIFY(!fenster()->findChild<QDialog*>(QStringLiteral("KAUFZEICHNUNGPNL")));
        QVERIFY(!modell().geaendert);
        fixture.finish();
    }
};

QTEST_MAIN(TestKurvenErzeugung)
#include "tst_kurvenerzeugung.moc"
