#pragma once

#include <QWidget>
#include <functional>

#include "common/Ueberall.h"

namespace plv7::gui {

// The connection picture every window carries: a plug that is in (with the port number) or
// out. A click on any of them opens or closes the connection, through one handler.
class ConnectionPicture : public QWidget, public Ueberall<ConnectionPicture> {
    Q_OBJECT

public:
    explicit ConnectionPicture(const QString& objectName, QWidget* parent = nullptr);

    // The open port 1..8, or -1.
    int port() const { return port_; }
    void setPort(int port);

    QSize sizeHint() const override { return {136, 40}; }

    // What a click on any picture does (the serial-port window's handler).
    static void setClickHandler(std::function<void()> handler);
    // Shows the port on every picture.
    static void showPortEverywhere(int port);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int port_ = -1;
};

}  // namespace plv7::gui
