#include "Zeigerinstrument.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Festkomma.h"

namespace plv7::gui {
namespace {

constexpr double kBogenGrad = 240.0;  // the scale spans this angle, symmetric about the top
constexpr int kHauptstriche = 5;
constexpr int kUnterteilung = 5;

// Scale labels with just enough decimals to tell the main divisions apart.
QString skalentext(double wert, double schritt) {
    const int stellen =
        schritt > 0.0 ? std::clamp(static_cast<int>(std::ceil(-std::log10(schritt))), 0, 6) : 0;
    return QString::fromStdString(direkt::festkomma(wert, stellen));
}

}  // namespace

Zeigerinstrument::Zeigerinstrument(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Zeigerinstrument::setBereich(double lo, double hi) {
    if (lo == lo_ && hi == hi_) return;
    lo_ = lo;
    hi_ = hi;
    update();
}

void Zeigerinstrument::setNachkommastellen(int stellen) {
    if (stellen == stellen_) return;
    stellen_ = stellen;
    update();
}

void Zeigerinstrument::setEinheit(const QString& einheit) {
    if (einheit == einheit_) return;
    einheit_ = einheit;
    update();
}

void Zeigerinstrument::setWert(double wert) {
    if (wert == wert_) return;
    wert_ = wert;
    update();
}

QString Zeigerinstrument::wertText() const {
    return QString::fromStdString(direkt::festkomma(wert_, stellen_));
}

double Zeigerinstrument::anteil(double wert) const {
    const double spanne = hi_ - lo_;
    if (!std::isfinite(spanne) || spanne == 0.0 || !std::isfinite(wert)) return 0.0;
    return std::clamp((wert - lo_) / spanne, 0.0, 1.0);
}

void Zeigerinstrument::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF flaeche = QRectF(rect()).adjusted(2, 2, -2, -2);
    const QFontMetricsF fm(font());
    const double zeile = fm.height();

    // The dial: a circle whose lower part holds the number, fitted into the widget.
    const double radius = std::max(
        10.0, std::min(flaeche.width() / 2.0 - 4.0, (flaeche.height() - zeile * 1.6) / 1.5));
    const QPointF mitte(flaeche.center().x(), flaeche.top() + radius + 4.0);

    p.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    p.setBrush(QColor(0xFA, 0xF8, 0xF0));
    p.drawRoundedRect(flaeche, 6, 6);

    const auto winkel = [](double a) {  // 0 = start of the scale, in radians from the x axis
        const double grad = 90.0 + kBogenGrad / 2.0 - a * kBogenGrad;
        return grad * std::numbers::pi / 180.0;
    };
    const auto punkt = [&](double a, double r) {
        const double w = winkel(a);
        return QPointF(mitte.x() + r * std::cos(w), mitte.y() - r * std::sin(w));
    };

    // Scale arc, ticks and labels.
    const QRectF bogen(mitte.x() - radius, mitte.y() - radius, 2 * radius, 2 * radius);
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
        p.drawLine(punkt(a, radius), punkt(a, radius - (haupt ? 8.0 : 4.0)));
        if (!haupt || radius < 35.0) continue;
        const double wert = lo_ + (hi_ - lo_) * a;
        const QString text = skalentext(wert, std::abs(hi_ - lo_) / kHauptstriche);
        const QPointF ort = punkt(a, radius - 10.0 - fmKlein.height() * 0.7);
        const double breite = fmKlein.horizontalAdvance(text);
        p.drawText(QRectF(ort.x() - breite / 2 - 2, ort.y() - fmKlein.height() / 2, breite + 4,
                          fmKlein.height()),
                   Qt::AlignCenter, text);
    }

    // Unit below the pivot.
    p.setFont(font());
    p.drawText(QRectF(mitte.x() - radius, mitte.y() + radius * 0.12, 2 * radius, zeile),
               Qt::AlignHCenter | Qt::AlignTop, einheit_);

    // Pointer.
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mitte, punkt(anteil(wert_), radius - 6.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(mitte, 3.5, 3.5);

    // The value as a number in a sunken field at the bottom.
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    const QRectF feld(flaeche.left() + 8, flaeche.bottom() - zeile * 1.35, flaeche.width() - 16,
                      zeile * 1.2);
    p.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(feld);
    p.setPen(Qt::black);
    p.drawText(feld.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
               wertText() + QLatin1Char(' ') + einheit_);
}

}  // namespace plv7::gui
