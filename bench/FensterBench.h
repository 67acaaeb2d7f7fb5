#pragma once

// What the benchmarks of a window need: a dialog seam that never waits for an operator, and
// a measurement of a step by wall time and by the thread's processor time.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "hilfe/Dialoge.h"

namespace plv7::bench {

// Pop-ups are printed, questions take their cancel answer.
class GedruckteDialoge : public gui::Dialoge {
public:
    void message(const QString& title, const QString& text) override {
        std::fprintf(stderr, "Meldung: %s: %s\n", qPrintable(title), qPrintable(text));
    }
    int question(const QString&, const QString&, const QStringList&, int, int cancel) override {
        return cancel;
    }
    FileAnswer file(const FileRequest&) override { return {}; }
    void help(const QString&, QWidget*, const QPoint&) override {}
    void showModal(QDialog&) override {}
};

struct Messung {
    double median = 0.0;      // wall time, ms
    double hoechstens = 0.0;  // slowest step, wall time, ms
    double rechenzeit = 0.0;  // median of the thread's processor time, ms: on a shared machine
                              // other programs' load does not count in it
};

inline double rechenzeitMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// Runs `schritt(i)` for i = 0..durchgaenge-1 and takes the medians.
template <typename F>
Messung messen(int durchgaenge, F schritt) {
    std::vector<double> zeiten;
    std::vector<double> rechnen;
    for (int i = 0; i < durchgaenge; ++i) {
        QElapsedTimer uhr;
        const double vorher = rechenzeitMs();
        uhr.start();
        schritt(i);
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) * 1e-6);
        rechnen.push_back(rechenzeitMs() - vorher);
    }
    std::ranges::sort(zeiten);
    std::ranges::sort(rechnen);
    return {zeiten[zeiten.size() / 2], zeiten.back(), rechnen[rechnen.size() / 2]};
}

// One line a figure, with its ratio to the goal by either time.
inline void drucken(const char* was, const Messung& m, double zielMs) {
    std::printf(
        "%s: Median %.3f ms, höchstens %.3f ms, Rechenzeit %.3f ms; Ziel <= %.1f ms, "
        "Verhältnis %.3f (Rechenzeit %.3f)\n",
        was, m.median, m.hoechstens, m.rechenzeit, zielMs, m.median / zielMs,
        m.rechenzeit / zielMs);
}

}  // namespace plv7::bench
