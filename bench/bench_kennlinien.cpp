// The characteristic window with an 807-point characteristic (the most a box slot takes):
// the time to redraw the window in each display mode and the time a drag preview costs a
// mouse event, against what keeps every edit immediate for the operator; and the import of a
// table of a row for every input code, thinned to fit a slot, against a prompt answer.
//
//   build/bench/bench_kennlinien [repetitions]   (default 50)
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FensterBench.h"
#include "hilfe/Dialoge.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"
#include "kennlinien/KennlinienTabelle.h"
#include "konfig/Konfiguration.h"

using namespace plv7;
using namespace plv7::gui;
using plv7::bench::drucken;
using plv7::bench::messen;

namespace {

constexpr double kZielNeuzeichnenMs = 16.0;
constexpr double kZielVorschauMs = 2.0;
constexpr double kZielTabelleMs = 100.0;
constexpr int kPunkte = 807;

Kennlinie zickzack() {
    Kennlinie k;
    k.punkte.clear();
    for (int i = 0; i < kPunkte; ++i) k.punkte.push_back({(i % 2) ? 3900 : 200, 5, 0});
    k.punkte.back().laenge = 0;
    return k;
}

void maus(KennlinienGrafik* g, QEvent::Type art, double x, double y) {
    const QPointF p = g->pixelBei(x, y);
    QMouseEvent e(
        art, p, g->mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton),
        Qt::NoModifier);
    QApplication::sendEvent(g, &e);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    setDialoge(std::make_unique<plv7::bench::GedruckteDialoge>());
    KonfigurationStandardwerte();
    {
        KennlinienPanel fenster;
        fenster.KennlinienpanelInit();
        fenster.resize(1100, 700);
        fenster.show();
        fenster.zustand().kennlinie = zickzack();
        fenster.neuZeichnen();
        QApplication::processEvents();
        const auto aktion = [&fenster](const char* name) {
            return fenster.findChild<QAction*>(QStringLiteral("KENNLI_") + QLatin1String(name));
        };

        std::printf("Kennlinienfenster, %d Punkte, %d Wiederholungen\n", kPunkte, wiederholungen);
        aktion("LINST")->trigger();
        drucken("Neuzeichnen Linien + Stufen",
                messen(wiederholungen,
                       [&](int) {
                           fenster.neuZeichnen();
                           QApplication::processEvents();
                       }),
                kZielNeuzeichnenMs);
        aktion("LIN")->trigger();
        drucken("Neuzeichnen Linien",
                messen(wiederholungen,
                       [&](int) {
                           fenster.neuZeichnen();
                           QApplication::processEvents();
                       }),
                kZielNeuzeichnenMs);
        aktion("ST")->trigger();
        drucken("Neuzeichnen Stufen",
                messen(wiederholungen,
                       [&](int) {
                           fenster.neuZeichnen();
                           QApplication::processEvents();
                       }),
                kZielNeuzeichnenMs);
        aktion("LINST")->trigger();

        // A point in the middle dragged up and down between its neighbours.
        aktion("VERSCHIEBEN")->trigger();
        KennlinienGrafik* g = fenster.grafik();
        const double x = 400.0 * 5.0;
        maus(g, QEvent::MouseButtonPress, x, 3900.0);
        drucken("Vorschau Punkt verschieben",
                messen(wiederholungen * 4,
                       [&](int i) {
                           maus(g, QEvent::MouseMove, x + (i % 3) - 1, 100.0 + 37.0 * (i % 100));
                           QApplication::processEvents();
                       }),
                kZielVorschauMs);
        maus(g, QEvent::MouseButtonRelease, x, 3900.0);
        aktion("ZEICHNEN")->trigger();
        drucken("Vorschau Punkt zeichnen",
                messen(wiederholungen * 4,
                       [&](int i) {
                           maus(g, i == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove,
                                4040.0 + (i % 50), 37.0 * (i % 100));
                           QApplication::processEvents();
                       }),
                kZielVorschauMs);
        fenster.zustand().geaendert = false;
    }
    {
        // A sine over every input code in volts with a decimal comma: 4096 rows to thin.
        std::string tabelle = "X;Y\n";
        for (int x = 0; x <= 4095; ++x) {
            const double y = 5.0 + 4.8 * std::sin(x / 300.0);
            tabelle += std::to_string(x * 10.0 / 4095.0) + ";" + std::to_string(y) + "\n";
        }
        for (char& c : tabelle) c = c == '.' ? ',' : c;
        kennlinien::Tabellenimport ergebnis;
        drucken("Tabelle importieren, 4096 Zeilen",
                messen(wiederholungen,
                       [&](int) { kennlinien::KennlinieAusTabelle(tabelle, gKonfig, ergebnis); }),
                kZielTabelleMs);
    }
    setDialoge(nullptr);
    return 0;
}
