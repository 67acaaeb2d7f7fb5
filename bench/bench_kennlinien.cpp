// The characteristic window with an 807-point characteristic (the most a box slot takes):
// the time to redraw the window in each display mode and the time a drag preview costs a
// mouse event, against what keeps every edit immediate for the operator.
//
//   build/bench/bench_kennlinien [repetitions]   (default 50)
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "GedruckteDialoge.h"
#include "hilfe/Dialoge.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"
#include "konfig/Konfiguration.h"

using namespace plv7;
using namespace plv7::gui;

namespace {

constexpr double kZielNeuzeichnenMs = 16.0;
constexpr double kZielVorschauMs = 2.0;
constexpr int kPunkte = 807;

Kennlinie zickzack() {
    Kennlinie k;
    k.punkte.clear();
    for (int i = 0; i < kPunkte; ++i) k.punkte.push_back({(i % 2) ? 3900 : 200, 5, 0});
    k.punkte.back().laenge = 0;
    return k;
}

struct Messung {
    double median = 0.0;
    double hoechstens = 0.0;
};

// The processor time of this thread: the machine is shared, and other programs' load must
// not count as the window's.
double prozessorMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

template <typename F>
Messung messen(int wiederholungen, F schritt) {
    std::vector<double> ms;
    for (int i = 0; i < wiederholungen; ++i) {
        const double vorher = prozessorMs();
        schritt(i);
        QApplication::processEvents();
        ms.push_back(prozessorMs() - vorher);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void zeigen(const char* was, const Messung& m, double ziel) {
    std::printf("%-30s Median %7.3f ms  max %7.3f ms  Ziel %5.1f ms  Verhältnis %.2f\n", was,
                m.median, m.hoechstens, ziel, m.median / ziel);
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
        zeigen("Neuzeichnen Linien + Stufen",
               messen(wiederholungen, [&](int) { fenster.neuZeichnen(); }), kZielNeuzeichnenMs);
        aktion("LIN")->trigger();
        zeigen("Neuzeichnen Linien", messen(wiederholungen, [&](int) { fenster.neuZeichnen(); }),
               kZielNeuzeichnenMs);
        aktion("ST")->trigger();
        zeigen("Neuzeichnen Stufen", messen(wiederholungen, [&](int) { fenster.neuZeichnen(); }),
               kZielNeuzeichnenMs);
        aktion("LINST")->trigger();

        // A point in the middle dragged up and down between its neighbours.
        aktion("VERSCHIEBEN")->trigger();
        KennlinienGrafik* g = fenster.grafik();
        const double x = 400.0 * 5.0;
        maus(g, QEvent::MouseButtonPress, x, 3900.0);
        zeigen("Vorschau Punkt verschieben",
               messen(wiederholungen * 4,
                      [&](int i) {
                          maus(g, QEvent::MouseMove, x + (i % 3) - 1, 100.0 + 37.0 * (i % 100));
                      }),
               kZielVorschauMs);
        maus(g, QEvent::MouseButtonRelease, x, 3900.0);
        aktion("ZEICHNEN")->trigger();
        zeigen("Vorschau Punkt zeichnen",
               messen(wiederholungen * 4,
                      [&](int i) {
                          maus(g, i == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove,
                               4040.0 + (i % 50), 37.0 * (i % 100));
                      }),
               kZielVorschauMs);
        fenster.zustand().geaendert = false;
    }
    setDialoge(nullptr);
    return 0;
}
