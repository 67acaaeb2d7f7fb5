#include "kurven/KurvenGraph.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"
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

struct Daten {
    QVector<double> x;
    QVector<double> y;
    void add(double a, double b) {
        x.append(a);
        y.append(b);
    }
    void setzen(QCPGraph* graph) {
        if (graph) graph->setData(x, y, true);
    }
};

QCPItemRect* rechteck(QCustomPlot* plot, QColor farbe, QCPAxis* yAchse) {
    auto* r = new QCPItemRect(plot);
    r->setPen(QPen(farbe));
    r->setBrush(Qt::NoBrush);
    r->topLeft->setAxes(plot->xAxis, yAchse);
    r->bottomRight->setAxes(plot->xAxis, yAchse);
    r->setVisible(false);
    return r;
}

// Start times of all points and the duration as the last entry.
std::vector<double> startzeiten(const std::vector<Kurvenpunkt>& punkte) {
    std::vector<double> s(punkte.size() + 1, 0.0);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        s[i + 1] = s[i] + static_cast<double>(punkte[i].laenge) *
                              static_cast<double>(ZeitbasisTick(punkte[i].zeitbasis));
    }
    return s;
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

    const bool linien = modell.darstellung != Darstellung::Stufen;
    const bool stufen = modell.darstellung != Darstellung::Linien;
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const bool zeigen = hintergrund.zeigen[index] && k != modell.aktuelleKurve;
        kurveZeichnen(modell.kurven[index].punkte, hintergrund_[index],
                      zeigen && modell.darstellung == Darstellung::Linien, zeigen && stufen,
                      fenster);
    }
    wertachseSkalieren(modell);
    const auto& punkte = modell.aktuell().punkte;
    kurveZeichnen(punkte, aktuell_, linien, stufen, fenster);
    if (hintergrund.zeitbasisMarken) zeitbasisMarkenZeichnen(punkte, fenster);

    // The overview: the whole current curve and the frame of the visible part.
    const std::vector<double> start = startzeiten(punkte);
    Daten ganz;
    for (std::size_t i = 0; i < punkte.size(); ++i) ganz.add(start[i], punkte[i].wert);
    ganz.add(start.back(), punkte.front().wert);
    ganz.setzen(uebersicht_);
    klein_->xAxis->setRange(0, std::max(start.back(), 1.0));
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

void KurvenGraph::kurveZeichnen(const std::vector<Kurvenpunkt>& punkte, const Kurvenplots& plots,
                                bool linien, bool stufen, const Zeitfenster& fenster) {
    Daten linie, schluss, stufe, schlussstufe, marker;
    if (linien || stufen) {
        const std::vector<double> start = startzeiten(punkte);
        const std::size_t letzter = punkte.size() - 1;
        const double von = static_cast<double>(fenster.min);
        const double bis = static_cast<double>(fenster.max);
        const auto a = static_cast<std::size_t>(
            std::lower_bound(start.begin() + 1, start.end(), von) - (start.begin() + 1));
        std::size_t b = static_cast<std::size_t>(
            std::upper_bound(start.begin() + 1, start.end(), bis) - (start.begin() + 1));
        b = std::min(b, letzter);
        // Steps narrower than a pixel are thinned out: they could not be seen apart.
        const double msProPixel =
            (bis - von + 1) / std::max(1.0, static_cast<double>(gross_->axisRect()->width()));
        const bool getrennt = plots.schlusslinie != nullptr;
        // Markers closer than a few pixels to the last one drawn would only pile up into a bar.
        constexpr double kMarkerAbstand = 3.0;
        double markerX = -INFINITY;
        for (std::size_t i = std::min(a, letzter); i <= b; ++i) {
            const bool schliessend = i == letzter;
            const double x0 = start[i];
            const double x1 = start[i + 1];
            const double y0 = punkte[i].wert;
            const double y1 = schliessend ? punkte.front().wert : punkte[i + 1].wert;
            if (linien) {
                Daten& ziel = schliessend && getrennt ? schluss : linie;
                if (ziel.x.isEmpty() || ziel.x.back() != x0) ziel.add(x0, y0);
                ziel.add(x1, y1);
            }
            if (plots.punkte && x0 - markerX >= kMarkerAbstand * msProPixel) {
                marker.add(x0, y0);
                markerX = x0;
            }
            if (!stufen) continue;
            const double tick = static_cast<double>(ZeitbasisTick(punkte[i].zeitbasis));
            if (tick <= 0 || x1 <= x0) continue;
            Daten& ziel = schliessend && getrennt ? schlussstufe : stufe;
            const auto n = static_cast<std::int64_t>((x1 - x0) / tick + 0.5);
            const auto kVon =
                std::max<std::int64_t>(0, static_cast<std::int64_t>((von - x0) / tick) - 1);
            const auto kBis =
                std::min<std::int64_t>(n - 1, static_cast<std::int64_t>((bis + 1 - x0) / tick) + 1);
            const auto schritt =
                std::max<std::int64_t>(1, static_cast<std::int64_t>(msProPixel / tick));
            for (std::int64_t k = kVon; k <= kBis; k += schritt) {
                ziel.add(x0 + static_cast<double>(k) * tick, Stufenwert(x0, y0, x1, y1, tick, k));
            }
            ziel.add(x1, y1);
        }
    }
    linie.setzen(plots.linien);
    schluss.setzen(plots.schlusslinie);
    stufe.setzen(plots.stufen);
    schlussstufe.setzen(plots.schlussstufen);
    marker.setzen(plots.punkte);
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
    achse->setLabel(
        QString::fromStdString(EinheitAlsUtf8(gKonfig.outeinheit[static_cast<std::size_t>(c)])));
}

void KurvenGraph::zeitbasisMarkenZeichnen(const std::vector<Kurvenpunkt>& punkte,
                                          const Zeitfenster& fenster) {
    QFont klein = gross_->font();
    klein.setPointSize(7);
    const auto text = [&](double x, int zeitbasis) {
        auto* t = new QCPItemText(gross_);
        t->position->setAxes(gross_->xAxis, gross_->yAxis2);
        t->position->setCoords(x, gross_->yAxis2->range().lower);
        t->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
        t->setText(QString::fromLatin1(ZeitbasisName(zeitbasis).data()));
        t->setColor(kGelb);
        t->setFont(klein);
        // Yellow alone cannot be read on the white plot: the name gets a dark underlay.
        t->setBrush(QColor(0x40, 0x40, 0x40, 200));
        t->setPadding(QMargins(2, 1, 2, 1));
        marken_.push_back(t);
    };
    text(0, punkte.front().zeitbasis);
    int zuletzt = punkte.front().zeitbasis;
    double start = 0;
    for (const Kurvenpunkt& p : punkte) {
        if (p.zeitbasis != zuletzt) {
            zuletzt = p.zeitbasis;
            if (start >= static_cast<double>(fenster.min) &&
                start <= static_cast<double>(fenster.max) + 1) {
                auto* linie = new QCPItemLine(gross_);
                linie->start->setAxes(gross_->xAxis, gross_->yAxis2);
                linie->end->setAxes(gross_->xAxis, gross_->yAxis2);
                linie->start->setCoords(start, 0);
                linie->end->setCoords(start, kWertMaxD);
                linie->setPen(QPen(kGelb));
                marken_.push_back(linie);
                text(start, zuletzt);
            }
        }
        start += static_cast<double>(p.laenge) * static_cast<double>(ZeitbasisTick(p.zeitbasis));
    }
}

void KurvenGraph::vorschau(const QVector<QPointF>& linie, QPointF punkt) {
    Daten d;
    for (const QPointF& p : linie) d.add(p.x(), p.y());
    d.setzen(vorschauLinie_);
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
