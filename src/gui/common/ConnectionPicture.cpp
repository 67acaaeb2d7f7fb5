#include "common/ConnectionPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace plv7::gui {
namespace {

std::function<void()>& clickHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

ConnectionPicture::ConnectionPicture(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Verbindung zur PLV-7 öffnen oder trennen"));
    setPort(-1);
}

void ConnectionPicture::setPort(int port) {
    port_ = port;
    setAccessibleName(port >= 1 ? QStringLiteral("COM%1 verbunden").arg(port)
                                : QStringLiteral("nicht verbunden"));
    update();
}

void ConnectionPicture::setClickHandler(std::function<void()> handler) {
    clickHandler() = std::move(handler);
}

void ConnectionPicture::showPortEverywhere(int port) {
    for (ConnectionPicture* picture : alle()) {
        picture->setPort(port);
    }
}

void ConnectionPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && clickHandler()) clickHandler()();
}

void ConnectionPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool connected = port_ >= 1;
    const QColor body = connected ? QColor(0x2E, 0x7D, 0x32) : QColor(0x80, 0x80, 0x80);
    const int mid = height() / 2;

    // The box on the left, the PC plug on the right; connected, the plug sits in the socket.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xE0, 0xE0, 0xE0));
    p.drawRoundedRect(QRectF(2, mid - 12, 30, 24), 3, 3);
    p.setPen(Qt::black);
    p.setFont(QFont(font().family(), 7));
    p.drawText(QRectF(2, mid - 12, 30, 24), Qt::AlignCenter, QStringLiteral("PLV-7"));

    const int plugLeft = connected ? 32 : 44;
    p.setBrush(body);
    p.drawRect(QRectF(plugLeft, mid - 6, 14, 12));
    p.setPen(QPen(body, 3));
    p.drawLine(plugLeft + 14, mid, width() - 54, mid);

    p.setPen(connected ? Qt::black : QColor(0x60, 0x60, 0x60));
    QFont label = font();
    label.setBold(connected);
    p.setFont(label);
    p.drawText(QRectF(width() - 50, 0, 48, height()), Qt::AlignVCenter | Qt::AlignLeft,
               connected ? QStringLiteral("COM%1").arg(port_) : QStringLiteral("aus"));
}

}  // namespace plv7::gui
