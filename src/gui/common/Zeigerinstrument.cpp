#include "common/Zeigerinstrument.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/Zahlanzeige.h"

namespace plv7::gui {
namespace {

constexpr double kBogenGrad = 240.0;  // the scale spans this angle, symmetric about the top
constexpr int kHauptstriche = 5;
constexpr int kUnterteilung = 5;

// Room for a scale label and for the number in the value field; an absurd scaling is shown
// in %g form rather than running over the dial.
constexpr int kSkalenZeichen = 7;
constexpr int kWertZeichen = 12;
// The hub of the pointer and the clearance the unit text keeps from it.
constexpr double kNabe = 3.5;
constexpr double kNabenAbstand = 4.0;

// Scale labels with just enough decimals to tell the main divisions apart.
QString skalentext(double wert, double schritt) {
    const int stellen =
        schritt > 0.0 ? std::clamp(static_cast<int>(std::ceil(-std::log10(schritt))), 0, 6) : 0;
    return QString::fromStdString(zahlFuerAnzeige(wert, stellen, kSkalenZeichen));
}

// Sets `feld` to `wert`; true when that changed it.
template <typename T>
bool aendern(T& feld, const T& wert) {
    if (feld == wert) return false;
    feld = wert;
    return true;
}

}  // namespace

Zeigerinstrument::Zeigerinstrument(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

// A setter redraws only on a change: the window sets every meter at each sample.
void Zeigerinstrument::setBereich(double lo, double hi) {
    if (aendern(lo_, lo) | aendern(hi_, hi)) skalaVerwerfen();
}

void Zeigerinstrument::setNachkommastellen(int stellen) {
    if (aendern(stellen_, stellen)) update();
}

void Zeigerinstrument::setEinheit(const QString& einheit) {
    if (aendern(einheit_, einheit)) skalaVerwerfen();
}

void Zeigerinstrument::setWert(double wert) {
    if (aendern(wert_, wert)) update();
}

QString Zeigerinstrument::wertText() const {
    return QString::fromStdString(zahlFuerAnzeige(wert_, stellen_, kWertZeichen));
}

bool Zeigerinstrument::skalaBrauchbar() const {
    const double spanne = hi_ - lo_;
    return std::isfinite(spanne) && spanne != 0.0;
}

double Zeigerinstrument::anteil(double wert) const {
    if (!skalaBrauchbar() || !std::isfinite(wert)) return 0.0;
    return std::clamp((wert - lo_) / (hi_ - lo_), 0.0, 1.0);
}

void Zeigerinstrument::skalaVerwerfen() {
    skala_ = QPixmap();
    update();
}

void Zeigerinstrument::resizeEvent(QResizeEvent*) {
    skala_ = QPixmap();
}

void Zeigerinstrument::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::EnabledChange:
        case QEvent::StyleChange:
            skalaVerwerfen();
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}

Zeigerinstrument::Geometrie Zeigerinstrument::geometrie() const {
    Geometrie g;
    g.flaeche = QRectF(rect()).adjusted(2, 2, -2, -2);
    g.zeile = QFontMetricsF(font()).height();
    // The dial: a circle whose lower part holds the number, fitted into the widget.
    g.radius = std::max(
        10.0, std::min(g.flaeche.width() / 2.0 - 4.0, (g.flaeche.height() - g.zeile * 1.6) / 1.5));
    g.mitte = QPointF(g.flaeche.center().x(), g.flaeche.top() + g.radius + 4.0);
    return g;
}

QPointF Zeigerinstrument::punkt(const Geometrie& g, double a, double r) const {
    // 0 = start of the scale, in radians from the x axis.
    const double w = (90.0 + kBogenGrad / 2.0 - a * kBogenGrad) * std::numbers::pi / 180.0;
    return {g.mitte.x() + r * std::cos(w), g.mitte.y() - r * std::sin(w)};
}

void Zeigerinstrument::zeichneSkala(QPainter& p, const Geometrie& g) const {
    p.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    p.setBrush(QColor(0xFA, 0xF8, 0xF0));
    p.drawRoundedRect(g.flaeche, 6, 6);

    // Scale arc, ticks and labels.
    const QRectF bogen(g.mitte.x() - g.radius, g.mitte.y() - g.radius, 2 * g.radius, 2 * g.radius);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(bogen, static_cast<int>((90.0 - kBogenGrad / 2.0) * 16),
              static_cast<int>(kBogenGrad * 16));
    const int striche = kHauptstriche * kUnterteilung;
    QFont klein = font();
    klein.setPointSizeF(std::max(6.0, font().pointSizeF() * 0.8));
    p.setFont(klein);
    const QFontMetricsF fmKlein(klein);
    for (int i = 0; i <= striche; ++i) {
        const double a = static_cast<double>(i) / striche;
        const bool haupt = i % kUnterteilung == 0;
        p.drawLine(punkt(g, a, g.radius), punkt(g, a, g.radius - (haupt ? 8.0 : 4.0)));
        if (!haupt || g.radius < 35.0 || !skalaBrauchbar()) continue;
        const double wert = lo_ + (hi_ - lo_) * a;
        const QString text = skalentext(wert, std::abs(hi_ - lo_) / kHauptstriche);
        const QPointF ort = punkt(g, a, g.radius - 10.0 - fmKlein.height() * 0.7);
        const double breite = fmKlein.horizontalAdvance(text);
        p.drawText(QRectF(ort.x() - breite / 2 - 2, ort.y() - fmKlein.height() / 2, breite + 4,
                          fmKlein.height()),
                   Qt::AlignCenter, text);
    }

    // A range without extent (two equal voltages) has no scale to read: it says so instead
    // of labelling every division with the same number.
    if (!skalaBrauchbar()) {
        p.setPen(QColor(0xC0, 0x00, 0x00));
        p.drawText(QRectF(g.mitte.x() - g.radius * 0.8, g.mitte.y() - g.radius * 0.75,
                          g.radius * 1.6, fmKlein.height() * 2.2),
                   Qt::AlignCenter, QStringLiteral("Skala\nunbrauchbar"));
        p.setPen(Qt::black);
    }

    // Unit below the hub, clear of it, in a smaller font when it is long and cut short when
    // even that does not fit between the ends of the scale.
    QFont schrift = font();
    const double breite = g.radius * 1.4;
    while (QFontMetricsF(schrift).horizontalAdvance(einheit_) > breite &&
           schrift.pointSizeF() > klein.pointSizeF()) {
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    }
    p.setFont(schrift);
    const QFontMetricsF fm(schrift);
    const QString text = fm.elidedText(einheit_, Qt::ElideRight, breite);
    const double oben = g.mitte.y() + std::max(g.radius * 0.18, kNabe + kNabenAbstand);
    p.drawText(QRectF(g.mitte.x() - breite / 2, oben, breite, fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, text);
}

void Zeigerinstrument::paintEvent(QPaintEvent*) {
    const Geometrie g = geometrie();
    const qreal ratio = devicePixelRatioF();
    if (skala_.isNull()) {
        skala_ = QPixmap(size() * ratio);
        skala_.setDevicePixelRatio(ratio);
        skala_.fill(Qt::transparent);
        QPainter maler(&skala_);
        maler.setRenderHint(QPainter::Antialiasing);
        zeichneSkala(maler, g);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, skala_);
    p.setRenderHint(QPainter::Antialiasing);

    // Pointer.
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(g.mitte, punkt(g, anteil(wert_), g.radius - 6.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(g.mitte, kNabe, kNabe);

    // The value as a number in a sunken field at the bottom.
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    const QRectF feld(g.flaeche.left() + 8, g.flaeche.bottom() - g.zeile * 1.35,
                      g.flaeche.width() - 16, g.zeile * 1.2);
    p.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(feld);
    p.setPen(Qt::black);
    p.drawText(feld.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
               wertText() + QLatin1Char(' ') + einheit_);
}

}  // namespace plv7::gui
