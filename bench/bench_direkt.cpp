// The direct window's sampling on the simulated box at 115200 baud, four inputs, chart on, at
// 2, 5 and 10 ms, on a quiet machine and beside one busy process per core: timing errors by
// the window's own statistics, the latest tick start after its deadline, the process's
// processor use, and the time to draw a whole delayed-display frame. Beside each condition, the
// same machine's floor: a thread at the priority the acquisition got that does nothing but
// wake 0.5 ms before each 2 ms deadline and spin to it, judged by the same statistics; its
// errors are stalls of the machine alone.
//
//   build/bench/bench_direkt [seconds per interval]   (default 20; also PLV7_BENCH_SEKUNDEN)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <vector>

#include "FensterBench.h"
#include "Last.h"
#include "Line.h"
#include "PortMap.h"
#include "common/Zahlenfeld.h"
#include "direkt/DirektPanel.h"
#include "direkt/Echtzeit.h"
#include "direkt/Erfassungsthread.h"
#include "direkt/Streifenschreiber.h"
#include "direkt/Zeitstatistik.h"
#include "hilfe/Dialoge.h"
#include "ini/IniStore.h"
#include "link/plv7Funktionen.h"
#include "shell/Fenster.h"
#include "shell/Programm.h"

using namespace plv7;
using namespace plv7::gui;

namespace {

constexpr double kZielVollbildMs = 30.0;
constexpr double kZielFehlerProzent = 0.1;
constexpr double kZielProzessorProzent = 10.0;

double prozessorSekunden() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void laufen(double sekunden) {
    QEventLoop schleife;
    QTimer::singleShot(static_cast<int>(sekunden * 1000.0), &schleife, &QEventLoop::quit);
    schleife.exec();
}

// Returns the timing-error share in percent.
double messeAbtastung(DirektPanel& panel, double intervall, double sekunden) {
    panel.findChild<plv7::gui::Zahlenfeld*>(QStringLiteral("DIREKTPNL_ABTASTZEIT"))
        ->setValue(intervall);
    panel.taktkostenZuruecksetzen();
    const double cpuVorher = prozessorSekunden();
    QElapsedTimer uhr;
    uhr.start();
    panel.abfragenUmschalten(true);
    laufen(sekunden);
    const bool liefNoch = panel.erfassungLaeuft();
    const bool echtzeit = panel.echtzeit();
    panel.abfragenUmschalten(false);
    const auto statistik = panel.zeitstatistik().anzeige();
    const double dauer = static_cast<double>(uhr.nsecsElapsed()) * 1e-9;
    const double cpu = prozessorSekunden() - cpuVorher;

    const auto& kosten = panel.taktkosten();
    const auto& warten = panel.wartekosten();
    const double mittelMs = kosten.takte ? 1000.0 * kosten.summeSekunden / kosten.takte : 0.0;
    const double zeichnenMs =
        kosten.zeichnungen ? 1000.0 * kosten.zeichnenSekunden / kosten.zeichnungen : 0.0;
    const double prozessor = 100.0 * cpu / dauer;
    const bool zielFehler = statistik.fehlerProzent <= kZielFehlerProzent;
    const bool zielProzessor = intervall != 0.002 || prozessor <= kZielProzessorProzent;
    std::printf(
        "T = %.3f s  %6.1f s  Messungen %7ld  Zeitfehler %6ld = %6.3f %%  spätester Start "
        "%.3f ms nach der Frist  Prozess %.1f %% eines Kerns  (Ziel <= %.1f %%%s: %s)%s\n",
        intervall, dauer, statistik.messungen, statistik.fehler, statistik.fehlerProzent,
        1000.0 * warten.groessteVerspaetung, prozessor, kZielFehlerProzent,
        intervall == 0.002 ? ", <= 10 % eines Kerns" : "",
        zielFehler && zielProzessor ? "erreicht" : "VERFEHLT", liefNoch ? "" : "  ABGEBROCHEN");
    std::printf(
        "    Takt (ohne Zeichnen): %.3f ms im Mittel, höchstens %.3f ms; Start mehr als "
        "0.5 ms nach der Frist: %ld\n",
        mittelMs, 1000.0 * kosten.hoechstensSekunden, warten.verspaetet);
    std::printf("    Echtzeitpriorität: %s\n", echtzeit ? "ja" : "nein");
    std::printf("    Grafik: %ld Zeichnungen, %.3f ms im Mittel\n", kosten.zeichnungen, zeichnenMs);
    std::printf(
        "    Warten: aktiv %.3f s = %.2f %% eines Kerns (%.1f us je Takt), geschlafen %.3f s\n",
        warten.aktivSekunden, 100.0 * warten.aktivSekunden / dauer,
        warten.takte ? 1e6 * warten.aktivSekunden / warten.takte : 0.0, warten.schlafSekunden);
    std::fflush(stdout);
    return statistik.fehlerProzent;
}

// Timing-error share in percent of a thread that does nothing but wait for 2 ms deadlines, with
// ample lead: what this machine allows at that priority, without the program's work.
double messeSchlaefer(bool echtzeit, double sekunden) {
    double prozent = 0.0;
    std::thread schlaefer([&] {
        namespace ez = direkt::echtzeit;
        if (!(echtzeit && ez::echtzeitAnfordern())) ez::kurzeZeitscheibe();
        direkt::Zeitstatistik statistik;
        statistik.erfassungStarten();
        const auto intervall = std::chrono::milliseconds(2);
        const auto vorlauf = std::chrono::microseconds(500);
        auto frist = std::chrono::ceil<std::chrono::milliseconds>(ez::Clock::now());
        const auto ende = frist + std::chrono::duration<double>(sekunden);
        while (frist < ende) {
            frist += intervall;
            ez::schlafenBis(frist - vorlauf);
            while (ez::Clock::now() < frist) {
            }
            statistik.takt(direkt::monotoneSekunden(), 0.002);
        }
        prozent = statistik.anzeige().fehlerProzent;
    });
    schlaefer.join();
    std::printf("Bezug, ein Thread, der nur auf die Fristen wartet (%s): Zeitfehler 2 ms %.3f %%\n",
                echtzeit ? "Echtzeitpriorität" : "normale Priorität", prozent);
    std::fflush(stdout);
    return prozent;
}

void messeVollbild(DirektPanel& panel) {
    panel.findChild<plv7::gui::Zahlenfeld*>(QStringLiteral("DIREKTPNL_PUNKTEPRODIV"))
        ->setValue(10000);
    QApplication::processEvents();
    const int punkte = panel.grafik().bildlaenge();
    std::vector<double> x(static_cast<std::size_t>(punkte));
    std::array<std::vector<double>, 4> spuren;
    for (int i = 0; i < punkte; ++i) x[static_cast<std::size_t>(i)] = i;
    for (int k = 0; k < 4; ++k) {
        spuren[k].resize(x.size());
        for (int i = 0; i < punkte; ++i)
            spuren[k][static_cast<std::size_t>(i)] = 50.0 + 40.0 * std::sin(i * 0.01 * (k + 1));
    }
    Streifenschreiber& chart = *panel.streifenschreiber();
    std::vector<double> zeiten;
    for (int durchgang = 0; durchgang < 15; ++durchgang) {
        QElapsedTimer uhr;
        uhr.start();
        chart.leeren();
        chart.zeichne(x, {spuren[0], spuren[1], spuren[2], spuren[3]}, 0, punkte);
        chart.jetztZeichnen();
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) * 1e-6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    const double median = zeiten[zeiten.size() / 2];
    std::printf(
        "Vollbild der verzögerten Anzeige (%d Punkte, 4 Kurven, %dx%d Pixel): Median %.2f ms, "
        "höchstens %.2f ms; Ziel <= %.0f ms, Verhältnis %.3f\n",
        punkte, chart.width(), chart.height(), median, zeiten.back(), kZielVollbildMs,
        median / kZielVollbildMs);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    double sekunden = 20.0;
    if (const char* env = std::getenv("PLV7_BENCH_SEKUNDEN")) sekunden = std::atof(env);
    if (argc > 1) sekunden = std::atof(argv[1]);
    if (!(sekunden > 0.0)) sekunden = 20.0;

    setDialoge(std::make_unique<plv7::bench::GedruckteDialoge>());
    QTemporaryDir ordner;
    ProgrammOptionen optionen;
    optionen.iniPath = ordner.filePath(QStringLiteral("plv7rs232bSteuerung.ini"));
    IniStore einstellungen;
    einstellungen.putInt("com", "port", 1);
    einstellungen.writeFile(optionen.iniPath.toStdString());
    portMap().setDevice(1, PortMap::kSimulated);
    optionen.simLine = std::make_shared<sim::Line>();
    sim::Box* box = optionen.simLine->addBox('1');
    box->setBaud(115200);
    for (int k = 1; k <= 4; ++k) box->setInputSource(k, {sim::InputKind::Sine, 0.0, 4.0, 1.0 * k});

    Programm programm(optionen);
    programm.starten();
    if (ORVPLV7_Open(1, 115200) != 0 || ORVPLV7_Timeout(1, 0.5) != 0) {
        std::fprintf(stderr, "Der simulierte Port ließ sich nicht öffnen.\n");
        return 1;
    }
    auto* panel = qobject_cast<DirektPanel*>(gDirektpanel);
    QApplication::processEvents();
    std::printf(
        "Direkte Abtastung: simulierte Box, 115200 Baud, 4 Eingänge, Grafik an, "
        "%.0f s je Intervall\n",
        sekunden);
    double ruhig = 0.0;
    double unterLast = 0.0;
    std::printf("ruhig:\n");
    for (double intervall : {0.002, 0.005, 0.01}) {
        const double anteil = messeAbtastung(*panel, intervall, sekunden);
        if (intervall == 0.002) ruhig = anteil;
    }
    messeSchlaefer(panel->echtzeit(), sekunden);
    {
        const plv7::bench::Last last;
        std::printf("unter Last (%zu rechnende Prozesse):\n", last.prozesse());
        for (double intervall : {0.002, 0.005, 0.01}) {
            const double anteil = messeAbtastung(*panel, intervall, sekunden);
            if (intervall == 0.002) unterLast = anteil;
        }
        messeSchlaefer(panel->echtzeit(), sekunden);
    }
    messeVollbild(*panel);
    std::printf("Zeitfehler 2 ms ruhig: %.3f %%\n", ruhig);
    std::printf("Zeitfehler 2 ms unter Last: %.3f %%\n", unterLast);
    programm.beenden();
    setDialoge(nullptr);
    return 0;
}
