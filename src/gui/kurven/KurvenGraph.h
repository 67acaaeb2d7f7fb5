#pragma once

#include <QColor>
#include <QPointF>
#include <QSize>
#include <QVector>
#include <array>
#include <vector>

#include "kurven/KurvenZeichnung.h"

class QCustomPlot;
class QCPGraph;
class QCPItemRect;
class QCPAbstractItem;
class QCPLayer;

namespace plv7::gui {

// The curve window's two graphs: the large one shows the visible time window of the current
// curve with the background curves, the marking, the time-base markers and the tools'
// previews; the small one shows the whole current curve with a frame around the visible part.
// Both plot raw values; the large graph's left axis shows them in the output channel's unit.
// What they draw comes from the core (KurvengrafikZeichnen); this only hands it to the plots.
class KurvenGraph {
public:
    KurvenGraph(QCustomPlot* gross, QCustomPlot* klein);

    struct Hintergrund {
        std::array<bool, kurven::kKurvenAnzahl> zeigen{};
        bool zeitbasisMarken = false;
    };
    // The full redraw of both graphs.
    void neuZeichnen(const kurven::Kurvenmodell& modell, const Hintergrund& hintergrund);
    // Only the marking, on both graphs (while the mark tool drags).
    void markierungZeichnen(const Markierung& markierung);

    // Tool previews on the large graph: a red polyline with a red point at `punkt`, a yellow
    // highlighted segment, a red mark on one point. Each replaces its previous one.
    void vorschau(const QVector<QPointF>& linie, QPointF punkt);
    void hervorheben(QPointF von, QPointF bis);
    void punktMarkieren(QPointF punkt);
    void vorschauEntfernen();

    // The graph's coordinates (ms, raw) under a pixel of the large graph.
    QPointF koordinaten(const QPointF& pixel) const;
    // The pixel of a point (ms, raw) on the large graph.
    QPointF pixel(QPointF koordinaten) const;
    // The size of the large graph's plot area in pixels.
    double plotBreite() const;
    double plotHoehe() const;

    QCustomPlot* gross() const { return gross_; }
    QCustomPlot* klein() const { return klein_; }

private:
    struct Kurvenplots {
        QCPGraph* linien;
        QCPGraph* schlusslinie;
        QCPGraph* stufen;
        QCPGraph* schlussstufen;
        QCPGraph* punkte;
    };
    QCPGraph* neuerGraph(QCustomPlot* plot, QColor farbe, bool stufen);
    void wertachseSkalieren(const kurven::Kurvenmodell& modell);
    void vorschauZeigen();
    void markierungSetzen(const Markierung& markierung);
    void zeitbasisMarkenZeichnen();

    QCustomPlot* gross_;
    QCustomPlot* klein_;
    std::array<Kurvenplots, kurven::kKurvenAnzahl> hintergrund_{};
    Kurvenplots aktuell_{};
    QCPGraph* uebersicht_ = nullptr;
    QCPGraph* vorschauLinie_ = nullptr;
    QCPGraph* vorschauPunkt_ = nullptr;
    QCPGraph* hervorhebung_ = nullptr;
    QCPItemRect* markierung_ = nullptr;
    QCPItemRect* markierungKlein_ = nullptr;
    QCPItemRect* rahmen_ = nullptr;
    std::vector<QCPAbstractItem*> marken_;
    QCPLayer* vorschauEbene_ = nullptr;
    QSize gezeichneteGroesse_;
    kurven::Kurvengrafik grafik_;  // kept: its buffers serve the next redraw
};

}  // namespace plv7::gui
