#include "kennlinien/KennlinienGrafik.h"

#include <cmath>

namespace plv7::gui {
namespace {

constexpr double kRohMax = 4095.0;
const QColor kRot(255, 0, 0);
const QColor kHellrot(255, 150, 150);
const QColor kBlau(0, 0, 255);
const QColor kHellblau(150, 150, 255);
const QColor kGruen(0, 170, 0);

// A graph that may draw a few pixels past its axis rect: the default characteristic lies on
// the top edge, and its line and the marker in the corner would otherwise be cut in half.
class RandGraph : public QCPGraph {
public:
    RandGraph(QCPAxis* x, QCPAxis* y, int randX, int randY)
        : QCPGraph(x, y), randX_(randX), randY_(randY) {}

protected:
    QRect clipRect() const override {
        return QCPGraph::clipRect().adjusted(-randX_, -randY_, randX_, randY_);
    }

private:
    int randX_;
    int randY_;
};

QCPGraph* neuerGraph(QCustomPlot* plot, const QColor& farbe, QCPGraph::LineStyle stil) {
    // Markers reach past the edges on every side, lines only above and below.
    const int randX = stil == QCPGraph::lsNone ? 5 : 0;
    QCPGraph* g = new RandGraph(plot->xAxis, plot->yAxis, randX, 3);
    g->setPen(QPen(farbe, 0.0));  // cosmetic: wide pens cost many times more per segment
    g->setLineStyle(stil);
    return g;
}

QVector<double> alsVector(const std::vector<double>& werte) {
    return QVector<double>(werte.begin(), werte.end());
}

void setzen(QCPGraph* g, const std::vector<double>& x, const std::vector<double>& y) {
    g->setData(alsVector(x), alsVector(y), true);
}

QCPItemRect* rahmen(QCustomPlot* plot, const QColor& farbe) {
    auto* r = new QCPItemRect(plot);
    r->setPen(QPen(farbe, 1.5));
    r->setBrush(Qt::NoBrush);
    r->setClipToAxisRect(true);
    r->setVisible(false);
    return r;
}

void rahmenSetzen(QCPItemRect* r, double links, double rechts) {
    r->topLeft->setCoords(links, kRohMax);
    r->bottomRight->setCoords(rechts, 0.0);
}

void grundeinstellung(QCustomPlot* plot) {
    plot->setNoAntialiasingOnDrag(true);
    plot->setNotAntialiasedElements(QCP::aeAll);
    plot->setPlottingHint(QCP::phCacheLabels, true);
    plot->yAxis->setRange(0.0, kRohMax);
    plot->xAxis->setRange(0.0, kRohMax);
}

}  // namespace

void EinheitenTicker::setSkala(double beiNull, double beiVoll) {
    beiNull_ = std::isfinite(beiNull) ? beiNull : 0.0;
    const double proCode = (beiVoll - beiNull) / kRohMax;
    proCode_ = std::isfinite(proCode) ? proCode : 0.0;
}

void EinheitenTicker::generate(const QCPRange& range, const QLocale& locale, QChar formatChar,
                               int precision, QVector<double>& ticks, QVector<double>* subTicks,
                               QVector<QString>* tickLabels) {
    if (proCode_ == 0.0) {
        // A scaling without slope: every code has the same user value.
        QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, nullptr);
        if (tickLabels)
            tickLabels->fill(locale.toString(beiNull_, formatChar.toLatin1(), precision),
                             ticks.size());
        return;
    }
    const auto einheit = [this](double roh) { return beiNull_ + roh * proCode_; };
    QCPRange einheiten(einheit(range.lower), einheit(range.upper));
    einheiten.normalize();
    QCPAxisTicker::generate(einheiten, locale, formatChar, precision, ticks, subTicks, tickLabels);
    const auto roh = [this](double wert) { return (wert - beiNull_) / proCode_; };
    for (double& t : ticks) t = roh(t);
    if (subTicks) {
        for (double& t : *subTicks) t = roh(t);
    }
}

KennlinienGrafik::KennlinienGrafik(QWidget* parent)
    : QCustomPlot(parent), xTicker_(new EinheitenTicker), yTicker_(new EinheitenTicker) {
    grundeinstellung(this);
    xAxis->setTicker(xTicker_);
    yAxis->setTicker(yTicker_);
    // Plotted in this order: steps under the lines, the markers on top.
    stufen_ = neuerGraph(this, kBlau, QCPGraph::lsStepRight);
    ergStufen_ = neuerGraph(this, kHellblau, QCPGraph::lsStepRight);
    linien_ = neuerGraph(this, kRot, QCPGraph::lsLine);
    ergaenzung_ = neuerGraph(this, kHellrot, QCPGraph::lsLine);
    // One segment only, so a wide pen costs nothing; it stays visible along the top edge
    // where the default characteristic lies.
    ergaenzung_->setPen(QPen(kHellrot, 2.0));
    punkte_ = neuerGraph(this, kRot, QCPGraph::lsNone);
    punkte_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kRot, kRot, 5));
    markierung_ = rahmen(this, kGruen);

    addLayer(QStringLiteral("vorschau"));
    vorschauEbene_ = layer(QStringLiteral("vorschau"));
    vorschauEbene_->setMode(QCPLayer::lmBuffered);
    vorschauLinie_ = new QCPCurve(xAxis, yAxis);
    vorschauLinie_->setLayer(vorschauEbene_);
    vorschauLinie_->setPen(QPen(kRot, 1.0));
    vorschauPunkt_ = neuerGraph(this, kRot, QCPGraph::lsNone);
    vorschauPunkt_->setLayer(vorschauEbene_);
    vorschauPunkt_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, kRot, 9));
}

void KennlinienGrafik::zeichnen(const KennlinienZeichnung& z, const KennlinienAnsicht& ansicht) {
    xAxis->setRange(static_cast<double>(ansicht.fenster.min),
                    static_cast<double>(ansicht.fenster.max) + 1.0);
    yAxis->setRange(ansicht.yMin, ansicht.yMax);
    setzen(linien_, z.linienX, z.linienY);
    setzen(ergaenzung_, z.ergaenzungX, z.ergaenzungY);
    setzen(punkte_, z.punkteX, z.punkteY);
    setzen(stufen_, z.stufenX, z.stufenY);
    setzen(ergStufen_, z.ergStufenX, z.ergStufenY);
}

void KennlinienGrafik::markierungZeigen(bool sichtbar, double start, double ende) {
    markierung_->setVisible(sichtbar);
    rahmenSetzen(markierung_, start, ende);
}

void KennlinienGrafik::vorschauZeigen(const std::vector<QPointF>& linie, QPointF punkt) {
    QVector<double> xs, ys;
    for (const QPointF& p : linie) {
        xs.append(p.x());
        ys.append(p.y());
    }
    vorschauLinie_->setData(xs, ys);
    vorschauPunkt_->setData({punkt.x()}, {punkt.y()}, true);
    vorschauEbene_->replot();
}

void KennlinienGrafik::punktHervorheben(QPointF punkt) {
    vorschauZeigen({}, punkt);
}

void KennlinienGrafik::vorschauEntfernen() {
    vorschauLinie_->data()->clear();
    vorschauPunkt_->data()->clear();
    vorschauEbene_->replot();
}

QPointF KennlinienGrafik::rohBei(const QPointF& pixel) const {
    return {xAxis->pixelToCoord(pixel.x()), yAxis->pixelToCoord(pixel.y())};
}

QPointF KennlinienGrafik::pixelBei(double x, double y) const {
    return {xAxis->coordToPixel(x), yAxis->coordToPixel(y)};
}

KennlinienUebersicht::KennlinienUebersicht(QWidget* parent) : QCustomPlot(parent) {
    grundeinstellung(this);
    xAxis->setTickLabels(false);
    yAxis->setTickLabels(false);
    kennlinie_ = neuerGraph(this, kBlau, QCPGraph::lsLine);
    markierung_ = rahmen(this, kGruen);
    rahmen_ = rahmen(this, kRot);
    rahmen_->setVisible(true);
}

void KennlinienUebersicht::zeichnen(const KennlinienZeichnung& z,
                                    const KennlinienAnsicht& ansicht) {
    setzen(kennlinie_, z.uebersichtX, z.uebersichtY);
    rahmenSetzen(rahmen_, static_cast<double>(ansicht.fenster.min),
                 static_cast<double>(ansicht.fenster.max) + 1.0);
}

void KennlinienUebersicht::markierungZeigen(bool sichtbar, double start, double ende) {
    markierung_->setVisible(sichtbar);
    rahmenSetzen(markierung_, start, ende);
}

}  // namespace plv7::gui
