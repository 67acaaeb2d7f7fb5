#include "common/Lamp.h"

#include <QPainter>

namespace plv7::gui {

Lamp::Lamp(QWidget* parent, QColor onColour) : QWidget(parent), onColour_(onColour) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Lamp::setOn(bool on) {
    if (on_ == on) return;
    on_ = on;
    update();
}

void Lamp::setOnColour(const QColor& colour) {
    onColour_ = colour;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = on_ ? onColour_ : QColor(0x55, 0x55, 0x55);
    if (!isEnabled()) fill = fill.lighter(170);
    const int side = qMin(width(), height()) - 2;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    QRadialGradient shine(circle.center() - QPointF(side / 5.0, side / 5.0), side);
    shine.setColorAt(0, fill.lighter(160));
    shine.setColorAt(1, fill);
    painter.setBrush(shine);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.drawEllipse(circle);
}

}  // namespace plv7::gui
