#pragma once

#include <qcustomplot.h>

#include <vector>

#include "kennlinien/KennlinienAnsicht.h"

namespace plv7::gui {

// Labels an axis whose plots stay in raw codes with the user values of a channel: the ticks
// fall on round user values, the labels show them.
class EinheitenTicker : public QCPAxisTicker {
public:
    // The user value of raw code 0 and of raw code 4095.
    void setSkala(double beiNull, double beiVoll);

protected:
    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks,
                  QVector<QString>* tickLabels) override;

private:
    double beiNull_ = 0.0;
    double proCode_ = 1.0;  // user units per raw code
};

// The large graph of the characteristic window (KENNLPNL_GRAPH): the stored lines and their
// markers in red, the digitised steps in blue, the completion piece in the light colours, the
// marking as a green frame, and on a layer of its own (redrawn alone while the mouse drags)
// the red preview of an edit and the marker of the point the coordinates dialog shows.
class KennlinienGrafik : public QCustomPlot {
public:
    explicit KennlinienGrafik(QWidget* parent = nullptr);

    void zeichnen(const KennlinienZeichnung& zeichnung, const KennlinienAnsicht& ansicht);
    void markierungZeigen(bool sichtbar, double start, double ende);
    // The preview: a red polyline through the points and a marker on `punkt`.
    void vorschauZeigen(const std::vector<QPointF>& linie, QPointF punkt);
    void punktHervorheben(QPointF punkt);
    void vorschauEntfernen();

    EinheitenTicker& xTicker() { return *xTicker_; }
    EinheitenTicker& yTicker() { return *yTicker_; }
    // Raw coordinates of a pixel position in the widget.
    QPointF rohBei(const QPointF& pixel) const;
    // The pixel position of raw coordinates.
    QPointF pixelBei(double x, double y) const;

private:
    QCPGraph* linien_;
    QCPGraph* ergaenzung_;
    QCPGraph* punkte_;
    QCPGraph* stufen_;
    QCPGraph* ergStufen_;
    QCPItemRect* markierung_;
    QCPLayer* vorschauEbene_;
    QCPCurve* vorschauLinie_;
    QCPGraph* vorschauPunkt_;
    QSharedPointer<EinheitenTicker> xTicker_;
    QSharedPointer<EinheitenTicker> yTicker_;
};

// The overview (KENNLPNL_GRAPHKLEIN): the whole characteristic in blue, the marking in green
// and a red frame around what the large graph shows.
class KennlinienUebersicht : public QCustomPlot {
public:
    explicit KennlinienUebersicht(QWidget* parent = nullptr);

    void zeichnen(const KennlinienZeichnung& zeichnung, const KennlinienAnsicht& ansicht);
    void markierungZeigen(bool sichtbar, double start, double ende);

private:
    QCPGraph* kennlinie_;
    QCPItemRect* markierung_;
    QCPItemRect* rahmen_;
};

}  // namespace plv7::gui
