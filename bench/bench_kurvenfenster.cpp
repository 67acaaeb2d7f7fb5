// The curve window in the offscreen platform: the full redraw of both graphs with a
// 5000-point current curve and three 5000-point background curves in "Linien + Stufen", and
// the preview of one mouse event while a point is dragged with "Punkt verschieben".
//
//   build/bench/bench_kurvenfenster
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <vector>

#include <qcustomplot.h>

#include "FensterBench.h"
#include "Line.h"
#include "hilfe/Dialoge.h"
#include "kurven/KurvenPanel.h"
#include "shell/Fenster.h"
#include "shell/MainPanel.h"
#include "shell/Programm.h"

using namespace plv7;
using namespace plv7::gui;
using namespace plv7::kurven;
using plv7::bench::drucken;
using plv7::bench::messen;

namespace {

constexpr double kZielNeuZeichnenMs = 16.0;
constexpr double kZielVorschauMs = 2.0;
constexpr int kPunkte = 5000;

// Segments of 1 to 8 ticks in "10ms" and "100ms", values on a slow sine with some noise.
std::vector<Kurvenpunkt> kurve(int nummer) {
    std::vector<Kurvenpunkt> punkte;
    for (int i = 0; i < kPunkte; ++i) {
        const double wert = 2047.0 + 1800.0 * std::sin(i * 0.01 * (nummer + 1)) + (i * 37 % 101);
        punkte.push_back({static_cast<std::int32_t>(wert), 1 + (i * 7 + nummer) % 8,
                          static_cast<std::uint8_t>(1 + (i / 50) % 2)});
    }
    punkte.back().laenge = 1;
    return punkte;
}

void maus(QCustomPlot* graph, QEvent::Type typ, QPointF pixel, Qt::MouseButtons gedrueckt) {
    QMouseEvent e(typ, pixel, graph->mapToGlobal(pixel), Qt::LeftButton, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(graph, &e);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setDialoge(std::make_unique<plv7::bench::GedruckteDialoge>());
    QTemporaryDir ordner;
    ProgrammOptionen optionen;
    optionen.iniPath = ordner.filePath(QStringLiteral("plv7rs232bSteuerung.ini"));
    optionen.simLine = std::make_shared<sim::Line>();
    Programm programm(optionen);
    programm.starten();
    auto* panel = qobject_cast<KurvenPanel*>(gKurvenpanel);
    ZeigeChildpanel(panel);
    QApplication::processEvents();

    Kurvenmodell& m = panel->modell();
    for (int k = 0; k < kKurvenAnzahl; ++k) m.kurven[static_cast<std::size_t>(k)].punkte = kurve(k);
    m.darstellung = Darstellung::LinienUndStufen;
    for (const char* h : {"KURVEN_BEARBEITEN_HINTERGRUND_K2", "KURVEN_BEARBEITEN_HINTERGRUND_K3",
                          "KURVEN_BEARBEITEN_HINTERGRUND_K4"}) {
        panel->findChild<QAction*>(QLatin1String(h))->trigger();
    }
    m.GanzeKurveZeigen();
    QCustomPlot* graph = panel->graph().gross();
    std::printf(
        "Kurvenfenster: %d Punkte je Kurve, 3 Hintergrundkurven, Linien + Stufen, "
        "Grafik %dx%d Pixel\n",
        kPunkte, graph->width(), graph->height());

    drucken("Neu zeichnen, ganze Kurve", messen(20, [&](int) { panel->KurvenNeuZeichnen(); }),
            kZielNeuZeichnenMs);
    m.darstellung = Darstellung::Linien;
    drucken("Neu zeichnen, ganze Kurve, nur Linien",
            messen(20, [&](int) { panel->KurvenNeuZeichnen(); }), kZielNeuZeichnenMs);
    m.darstellung = Darstellung::Stufen;
    drucken("Neu zeichnen, ganze Kurve, nur Stufen",
            messen(20, [&](int) { panel->KurvenNeuZeichnen(); }), kZielNeuZeichnenMs);
    m.darstellung = Darstellung::LinienUndStufen;
    m.fenster = {0, Kurvendauer(m.aktuell().punkte) / 20};
    drucken("Neu zeichnen, ein Zwanzigstel", messen(20, [&](int) { panel->KurvenNeuZeichnen(); }),
            kZielNeuZeichnenMs);

    m.GanzeKurveZeigen();
    panel->KurvenNeuZeichnen();
    panel->findChild<QAction*>(QStringLiteral("KURVEN_BEARBEITEN_VERSCHIEBEN"))->trigger();
    const QPointF start = panel->graph().pixel(
        {static_cast<double>(PunktStartzeit(m.aktuell().punkte, 2500)), 2047.0});
    maus(graph, QEvent::MouseButtonPress, start, Qt::LeftButton);
    drucken("Vorschau beim Verschieben, je Mausereignis",
            messen(200,
                   [&](int i) {
                       maus(graph, QEvent::MouseMove, start + QPointF(i % 7 - 3, (i % 40) - 20),
                            Qt::LeftButton);
                   }),
            kZielVorschauMs);
    maus(graph, QEvent::MouseButtonRelease, start, Qt::NoButton);

    panel->modell().geaendert = false;
    programm.beenden();
    setDialoge(nullptr);
    return 0;
}
