#pragma once

#include <qcustomplot.h>

#include <array>
#include <span>

namespace plv7::gui {

// The direct window's strip chart: four traces of the inputs in percent of full scale over
// one frame, 12 X and 5 Y divisions as grid, the trigger line and the cover over the right
// edge. It draws what the chart core hands over and decides nothing itself.
class Streifenschreiber : public QCustomPlot {
public:
    static constexpr int kSpuren = 4;

    explicit Streifenschreiber(QWidget* parent = nullptr);

    // Samples per X division; the X axis shows one frame of punkteProDiv × 12 samples.
    void setPunkteProDiv(int punkteProDiv);
    void setYAchse(double von, double bis);
    void setSpurSichtbar(int kanal, bool sichtbar);
    bool spurSichtbar(int kanal) const;
    // The trigger line at a sample position of the frame.
    void setTriggerstrich(bool sichtbar, int position);
    // Delay and source decide where the line stands and whether it is shown.
    void setTrigger(int verzoegerung, int quelle);

    void leeren();
    // Hands over the points von..von+anzahl-1 of the frame arrays. A whole frame replaces
    // every trace in one go.
    void zeichne(std::span<const double> x, const std::array<std::span<const double>, 4>& spuren,
                 int von, int anzahl);
    int punkteInSpur(int kanal) const;

    // Whether something changed since the last drawing, and drawing it now; returns the
    // seconds the drawing took.
    bool veraendert() const { return veraendert_; }
    double jetztZeichnen();
    // The slowest recent drawing, to judge whether one fits before the next sample.
    double geschaetzteZeichendauer() const { return zeichendauer_; }

    QCPItemStraightLine* strich() const { return strich_; }
    QCPItemRect* abdeckung() const { return abdeckung_; }

private:
    void abdeckungSetzen();

    std::array<QCPGraph*, kSpuren> spuren_{};
    QSharedPointer<QCPAxisTickerFixed> xTicker_;
    QSharedPointer<QCPAxisTickerFixed> yTicker_;
    QCPItemStraightLine* strich_;
    QCPItemRect* abdeckung_;
    int punkteProDiv_ = 26;
    int verzoegerung_ = 0;
    int quelle_ = 0;
    bool veraendert_ = true;
    double zeichendauer_ = 0.0;
};

// The colour of trace k, also used to mark its toggle.
QColor spurfarbe(int kanal);

}  // namespace plv7::gui
