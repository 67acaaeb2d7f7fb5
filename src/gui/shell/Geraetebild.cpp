#include "shell/Geraetebild.h"

#include <QPainter>

namespace plv7::gui {

QPixmap geraetebild(double scale) {
    QPixmap picture(static_cast<int>(160 * scale), static_cast<int>(90 * scale));
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x3A, 0x5F, 0x8F));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRoundedRect(QRectF(20, 10, 120, 70), 6, 6);
    p.setPen(Qt::white);
    QFont bold = p.font();
    bold.setBold(true);
    bold.setPointSize(14);
    p.setFont(bold);
    p.drawText(QRectF(20, 10, 120, 50), Qt::AlignCenter, QStringLiteral("PLV-7"));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0xE0, 0xB0, 0x20));
        p.setPen(Qt::black);
        p.drawEllipse(QPointF(40 + i * 26, 66), 5, 5);
    }
    return picture;
}

}  // namespace plv7::gui
