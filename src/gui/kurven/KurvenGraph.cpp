#include "kurven/KurvenGraph.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"
#include "kurven/KurvenZeichnung.h"
#include "kurven/Zeitbasis.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

const QColor kRot(0xFF, 0x00, 0x00);
const QColor kHellrot(255, 150, 150);
const QColor kBlau(0x00, 0x00, 0xFF);
const QColor kHellblau(150, 150, 255);
const QColor kDunkelcyan(0x00, 0x80, 0x80);
const QColor kDunkelgruen(0x00, 0x80, 0x00);
const QColor kGelb(0xFF, 0xFF, 0x00);
constexpr double kWertMaxD = kWertMax;

QCPItemRect* rechteck(QCustomPlot* plot, QColor farbe, QCPAxis* yAchse) {
    auto* r = new QCPItemRect(plot);
    r->setPen(QPen(farbe));
    r->setBrush(Qt::NoBrush);
    r->topLeft->setAxes(plot->xAxis, yAchse);
    r->bottomRight->setAxes(plot->xAxis, yAchse);
    r->setVisible(false);
    return r;
}

void setzen(QCPGraph* graph, const Linienzug& zug) {
    if (!graph) return;
    QVector<QCPGraphData> daten(static_cast<qsizetype>(zug.x.size()));
    for (std::size_t i = 0; i < zug.x.size(); ++i) {
        daten[static_cast<qsizetype>(i)] = QCPGraphData(zug.x[i], zug.y[i]);
    }
    graph->data()->set(daten, true);
}

void setzen(const Kurvenbild& bild, QCPGraph* linien, QCPGraph* schlusslinie, QCPGraph* stufen,
            QCPGraph* schlussstufen, QCPGraph* punkte) {
    setzen(linien, bild.linien);
    setzen(schlusslinie, bild.schlusslinie);
    setzen(stufen, bild.stufen);
    setzen(schlussstufen, bild.schlussstufen);
    setzen(punkte, bild.punkte);
}

}  // namespace

KurvenGraph::KurvenGraph(QCustomPlot* gross, QCustomPlot* klein) : gross_(gross), klein_(klein) {
    for (QCustomPlot* plot : {gross_, klein_}) {
        plot->setNoAntialiasingOnDrag(true);
        plot->setPlottingHint(QCP::phCacheLabels, true);
        // Thousands of segments and steps: plain polylines keep a redraw within a frame.
        plot->setPlottingHint(QCP::phFastPolylines, true);
        plot->setNotAntialiasedElements(QCP::aePlottables | QCP::aeScatters | QCP::aeItems);
        plot->yAxis2->setRange(0, kWertMaxD);
    }
    gross_->yAxis2->setVisible(false);
    gross_->xAxis->setLabel(QStringLiteral("Zeit [ms]"));
    klein_->xAxis->setTickLabels(false);
    klein_->yAxis->setTickLabels(false);
    klein_->yAxis->setRange(0, kWertMaxD);
    klein_->axisRect()->setAutoMargins(QCP::msNone);
    klein_->axisRect()->setMargins(QMargins(2, 2, 2, 2));

    // Named plots say what they show (in a debugger, in tests).
    for (std::size_t k = 0; k < hintergrund_.size(); ++k) {
        auto& h = hintergrund_[k];
        const QString kurve = QStringLiteral("Hintergrund %1 ").arg(k + 1);
        h.linien = neuerGraph(gross_, kDunkelcyan, false);
        h.linien->setName(kurve + QStringLiteral("Linien"));
        h.schlusslinie = nullptr;
        h.stufen = neuerGraph(gross_, kDunkelcyan, true);
        h.stufen->setName(kurve + QStringLiteral("Stufen"));
        h.schlussstufen = nullptr;
        h.punkte = nullptr;
    }
    aktuell_.linien = neuerGraph(gross_, kRot, false);
    aktuell_.schlusslinie = neuerGraph(gross_, kHellrot, false);
    aktuell_.stufen = neuerGraph(gross_, kBlau, true);
    aktuell_.schlussstufen = neuerGraph(gross_, kHellblau, true);
    aktuell_.punkte = neuerGraph(gross_, kRot, false);
    aktuell_.linien->setName(QStringLiteral("Linien"));
    aktuell_.schlusslinie->setName(QStringLiteral("Schlusslinie"));
    aktuell_.stufen->setName(QStringLiteral("Stufen"));
    aktuell_.schlussstufen->setName(QStringLiteral("Schlussstufen"));
    aktuell_.punkte->setName(QStringLiteral("Punkte"));
    aktuell_.punkte->setLineStyle(QCPGraph::lsNone);
    aktuell_.punkte->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kRot, kRot, 5));
    uebersicht_ = neuerGraph(klein_, kBlau, false);

    // Previews and the marking change on every mouse event: their own buffered layer is
    // redrawn without the curves below.
    gross_->addLayer(QStringLiteral("vorschau"));
    vorschauEbene_ = gross_->layer(QStringLiteral("vorschau"));
    vorschauEbene_->setMode(QCPLayer::lmBuffered);
    vorschauLinie_ = neuerGraph(gross_, kRot, false);
    vorschauPunkt_ = neuerGraph(gross_, kRot, false);
    vorschauPunkt_->setLineStyle(QCPGraph::lsNone);
    vorschauPunkt_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kRot, kRot, 8));
    hervorhebung_ = neuerGraph(gross_, kGelb, false);
    hervorhebung_->setPen(QPen(kGelb, 3));

    markierung_ = rechteck(gross_, kDunkelgruen, gross_->yAxis2);
    for (QCPLayerable* l : std::initializer_list<QCPLayerable*>{vorschauLinie_, vorschauPunkt_,
                                                                hervorhebung_, markierung_}) {
        l->setLayer(vorschauEbene_);
    }
    markierungKlein_ = rechteck(klein_, kDunkelgruen, klein_->yAxis);
    rahmen_ = rechteck(klein_, kRot, klein_->yAxis);
    rahmen_->setVisible(true);
}

QCPGraph* KurvenGraph::neuerGraph(QCustomPlot* plot, QColor farbe, bool stufen) {
    QCPGraph* graph = plot->addGraph(plot->xAxis, plot == gross_ ? plot->yAxis2 : plot->yAxis);
    graph->setPen(QPen(farbe));
    graph->setLineStyle(stufen ? QCPGraph::lsStepLeft : QCPGraph::lsLine);
    graph->setAdaptiveSampling(true);
    return graph;
}

void KurvenGraph::neuZeichnen(const Kurvenmodell& modell, const Hintergrund& hintergrund) {
    for (QCPAbstractItem* item : marken_) gross_->removeItem(item);
    marken_.clear();
    const Zeitfenster& fenster = modell.fenster;
    gross_->xAxis->setRange(static_cast<double>(fenster.min), static_cast<double>(fenster.max) + 1);

    KurvengrafikZeichnen(modell, hintergrund.zeigen, hintergrund.zeitbasisMarken,
                         gross_->axisRect()->width(), grafik_);
    for (std::size_t k = 0; k < hintergrund_.size(); ++k) {
        const Kurvenplots& p = hintergrund_[k];
        setzen(grafik_.hintergrund[k], p.linien, p.schlusslinie, p.stufen, p.schlussstufen,
               p.punkte);
    }
    setzen(grafik_.aktuell, aktuell_.linien, aktuell_.schlusslinie, aktuell_.stufen,
           aktuell_.schlussstufen, aktuell_.punkte);
    wertachseSkalieren(modell);
    zeitbasisMarkenZeichnen();

    // The overview: the whole current curve and the frame of the visible part.
    setzen(uebersicht_, grafik_.uebersicht);
    klein_->xAxis->setRange(0, std::max(grafik_.dauer, 1.0));
    rahmen_->topLeft->setCoords(static_cast<double>(fenster.min), kWertMaxD);
    rahmen_->bottomRight->setCoords(static_cast<double>(fenster.max) + 1, 0);

    vorschauEntfernen();
    markierungSetzen(modell.markierung);
    gross_->replot();
    gezeichneteGroesse_ = gross_->size();
    klein_->replot();
}

void KurvenGraph::markierungSetzen(const Markierung& markierung) {
    for (QCPItemRect* r : {markierung_, markierungKlein_}) {
        r->setVisible(markierung.vorhanden);
        r->topLeft->setCoords(markierung.start, kWertMaxD);
        r->bottomRight->setCoords(markierung.ende, 0);
    }
}

void KurvenGraph::markierungZeichnen(const Markierung& markierung) {
    markierungSetzen(markierung);
    vorschauZeigen();
    klein_->replot();
}

void KurvenGraph::vorschauZeigen() {
    // A layer alone can be redrawn only once the whole graph has been drawn at this size.
    if (gross_->size() == gezeichneteGroesse_) {
        vorschauEbene_->replot();
    } else {
        gross_->replot();
    }
}

void KurvenGraph::wertachseSkalieren(const Kurvenmodell& modell) {
    const int c = modell.aktuelleKurve;
    const auto& e = modell.einstellungen[static_cast<std::size_t>(c)];
    gross_->yAxis2->setRange(e.yMin, e.yMax);
    const double offset = ::AusgangCodeInEinheit(c, 0.0);
    const double gain = (::AusgangCodeInEinheit(c, kWertMaxD) - offset) / kWertMaxD;
    QCPAxis* achse = gross_->yAxis;
    if (std::isfinite(offset) && std::isfinite(gain) && gain != 0.0) {
        achse->setRange(offset + gain * e.yMin, offset + gain * e.yMax);
        achse->setRangeReversed(gain < 0);
    } else {
        achse->setRange(e.yMin, e.yMax);
        achse->setRangeReversed(false);
    }
    const std::string_view einheit = EinheitText(gKonfig.outeinheit[static_cast<std::size_t>(c)]);
    achse->setLabel(QString::fromLatin1(einheit.data(), static_cast<qsizetype>(einheit.size())));
}

void KurvenGraph::zeitbasisMarkenZeichnen() {
    QFont klein = gross_->font();
    klein.setPointSize(7);
    for (const Zeitbasismarke& marke : grafik_.marken) {
        if (marke.linie) {
            auto* linie = new QCPItemLine(gross_);
            linie->start->setAxes(gross_->xAxis, gross_->yAxis2);
            linie->end->setAxes(gross_->xAxis, gross_->yAxis2);
            linie->start->setCoords(marke.zeit, 0);
            linie->end->setCoords(marke.zeit, kWertMaxD);
            linie->setPen(QPen(kGelb));
            marken_.push_back(linie);
        }
        auto* t = new QCPItemText(gross_);
        t->position->setAxes(gross_->xAxis, gross_->yAxis2);
        t->position->setCoords(marke.zeit, gross_->yAxis2->range().lower);
        t->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
        t->setText(QString::fromLatin1(ZeitbasisName(marke.zeitbasis).data()));
        t->setColor(kGelb);
        t->setFont(klein);
        // Yellow alone cannot be read on the white plot: the name gets a dark underlay.
        t->setBrush(QColor(0x40, 0x40, 0x40, 200));
        t->setPadding(QMargins(2, 1, 2, 1));
        marken_.push_back(t);
    }
}

void KurvenGraph::vorschau(const QVector<QPointF>& linie, QPointF punkt) {
    Linienzug zug;
    for (const QPointF& p : linie) zug.anfuegen(p.x(), p.y());
    setzen(vorschauLinie_, zug);
    vorschauPunkt_->setData({punkt.x()}, {punkt.y()});
    vorschauZeigen();
}

void KurvenGraph::hervorheben(QPointF von, QPointF bis) {
    hervorhebung_->setData({von.x(), bis.x()}, {von.y(), bis.y()});
    vorschauZeigen();
}

void KurvenGraph::punktMarkieren(QPointF punkt) {
    vorschauPunkt_->setData({punkt.x()}, {punkt.y()});
    vorschauZeigen();
}

void KurvenGraph::vorschauEntfernen() {
    vorschauLinie_->data()->clear();
    vorschauPunkt_->data()->clear();
    hervorhebung_->data()->clear();
}

QPointF KurvenGraph::koordinaten(const QPointF& pixel) const {
    return {gross_->xAxis->pixelToCoord(pixel.x()), gross_->yAxis2->pixelToCoord(pixel.y())};
}

QPointF KurvenGraph::pixel(QPointF koordinaten) const {
    return {gross_->xAxis->coordToPixel(koordinaten.x()),
            gross_->yAxis2->coordToPixel(koordinaten.y())};
}

double KurvenGraph::plotBreite() const {
    return gross_->axisRect()->width();
}

double KurvenGraph::plotHoehe() const {
    return gross_->axisRect()->height();
}

}  // namespace plv7::gui
