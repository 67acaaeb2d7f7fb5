#include "direkt/Streifenschreiber.h"

#include <QElapsedTimer>
#include <algorithm>

#include "direkt/Grafikeinteilung.h"

namespace plv7::gui {

QColor spurfarbe(int kanal) {
    static const std::array<QColor, 4> farben = {QColor(0x00, 0x55, 0xD4), QColor(0xD4, 0x1E, 0x1E),
                                                 QColor(0x1E, 0x96, 0x1E),
                                                 QColor(0xB0, 0x5A, 0x00)};
    return farben[static_cast<std::size_t>(std::clamp(kanal, 0, 3))];
}

Streifenschreiber::Streifenschreiber(QWidget* parent)
    : QCustomPlot(parent),
      xTicker_(new QCPAxisTickerFixed),
      yTicker_(new QCPAxisTickerFixed),
      strich_(new QCPItemStraightLine(this)),
      abdeckung_(new QCPItemRect(this)) {
    setObjectName(QStringLiteral("DIREKTPNL_STRIPCHART"));
    setNotAntialiasedElements(QCP::aeAll);
    setNoAntialiasingOnDrag(true);
    setBackground(palette().color(QPalette::Window));
    axisRect()->setBackground(Qt::black);

    xTicker_->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    yTicker_->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    xAxis->setTicker(xTicker_);
    yAxis->setTicker(yTicker_);
    xAxis->setTickLabels(false);
    xAxis->setSubTicks(false);
    yAxis->setSubTicks(false);
    yAxis->setLabel(QStringLiteral("Prozent"));
    const QPen raster(QColor(0x90, 0x90, 0x90), 0, Qt::DotLine);
    xAxis->grid()->setPen(raster);
    yAxis->grid()->setPen(raster);
    xAxis->grid()->setZeroLinePen(raster);
    yAxis->grid()->setZeroLinePen(raster);

    for (int k = 0; k < kSpuren; ++k) {
        QCPGraph* spur = addGraph();
        spur->setName(QStringLiteral("Eingang %1").arg(k + 1));
        spur->setPen(QPen(spurfarbe(k).lighter(150), 1.0));
        spur->setLineStyle(QCPGraph::lsLine);
        spuren_[static_cast<std::size_t>(k)] = spur;
    }

    strich_->setObjectName(QStringLiteral("DIREKTPNL_STRICH"));
    strich_->setPen(QPen(QColor(0xFF, 0xD0, 0x00), 1.0, Qt::DashLine));
    strich_->setVisible(false);

    abdeckung_->setObjectName(QStringLiteral("DIREKTPNL_ABDECKUNG"));
    abdeckung_->setClipToAxisRect(false);
    abdeckung_->topLeft->setType(QCPItemPosition::ptAbsolute);
    abdeckung_->bottomRight->setType(QCPItemPosition::ptAbsolute);
    abdeckung_->setPen(Qt::NoPen);
    abdeckung_->setBrush(QColor(0x30, 0x30, 0x30));
    connect(this, &QCustomPlot::afterLayout, this, [this] { abdeckungSetzen(); });

    setPunkteProDiv(punkteProDiv_);
    setYAchse(0.0, 100.0);
}

void Streifenschreiber::setPunkteProDiv(int punkteProDiv) {
    punkteProDiv_ = std::max(1, punkteProDiv);
    xTicker_->setTickStep(punkteProDiv_);
    xAxis->setRange(0.0, direkt::bildlaenge(punkteProDiv_));
    setTrigger(verzoegerung_, quelle_);
    veraendert_ = true;
}

void Streifenschreiber::setYAchse(double von, double bis) {
    yTicker_->setTickStep((bis - von) / direkt::kYTeilungen);
    yAxis->setRange(von, bis);
    veraendert_ = true;
}

void Streifenschreiber::setSpurSichtbar(int kanal, bool sichtbar) {
    spuren_[static_cast<std::size_t>(kanal)]->setVisible(sichtbar);
    veraendert_ = true;
}

bool Streifenschreiber::spurSichtbar(int kanal) const {
    return spuren_[static_cast<std::size_t>(kanal)]->visible();
}

void Streifenschreiber::setTriggerstrich(bool sichtbar, int position) {
    strich_->point1->setCoords(position, 0.0);
    strich_->point2->setCoords(position, 1.0);
    strich_->setVisible(sichtbar);
    veraendert_ = true;
}

void Streifenschreiber::setTrigger(int verzoegerung, int quelle) {
    verzoegerung_ = verzoegerung;
    quelle_ = quelle;
    const QRect plot = axisRect()->rect();
    const direkt::Triggerstrich s =
        direkt::triggerstrich(plot.left(), plot.width(), verzoegerung, quelle);
    setTriggerstrich(s.sichtbar, direkt::triggerstrichPosition(verzoegerung, punkteProDiv_));
}

void Streifenschreiber::abdeckungSetzen() {
    const QRect plot = axisRect()->rect();
    const direkt::Abdeckung a = direkt::abdeckung(plot.right() + 1, plot.width(), punkteProDiv_);
    abdeckung_->topLeft->setCoords(a.links, plot.top());
    abdeckung_->bottomRight->setCoords(a.links + a.breite, plot.bottom() + 1);
}

void Streifenschreiber::leeren() {
    for (QCPGraph* spur : spuren_) spur->data()->clear();
    veraendert_ = true;
}

void Streifenschreiber::zeichne(std::span<const double> x,
                                const std::array<std::span<const double>, 4>& spuren, int von,
                                int anzahl) {
    if (anzahl <= 0) return;
    const auto anfang = static_cast<std::size_t>(von);
    const auto n = static_cast<std::size_t>(anzahl);
    for (std::size_t k = 0; k < spuren_.size(); ++k) {
        QCPGraphDataContainer& daten = *spuren_[k]->data();
        if (n == 1) {
            daten.add(QCPGraphData(x[anfang], spuren[k][anfang]));
            continue;
        }
        QVector<QCPGraphData> punkte(static_cast<qsizetype>(n));
        for (std::size_t i = 0; i < n; ++i) {
            punkte[static_cast<qsizetype>(i)] = {x[anfang + i], spuren[k][anfang + i]};
        }
        if (von == 0) {
            daten.set(punkte, true);
        } else {
            daten.add(punkte, true);
        }
    }
    veraendert_ = true;
}

int Streifenschreiber::punkteInSpur(int kanal) const {
    return spuren_[static_cast<std::size_t>(kanal)]->dataCount();
}

double Streifenschreiber::jetztZeichnen() {
    QElapsedTimer uhr;
    uhr.start();
    replot(QCustomPlot::rpImmediateRefresh);
    veraendert_ = false;
    const double dauer = static_cast<double>(uhr.nsecsElapsed()) * 1e-9;
    // Follows a slower drawing at once and a faster one slowly.
    zeichendauer_ = std::max(dauer, zeichendauer_ * 0.9 + dauer * 0.1);
    return dauer;
}

}  // namespace plv7::gui
