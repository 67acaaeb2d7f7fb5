#pragma once

#include <QColor>
#include <QWidget>

namespace plv7::gui {

// A round indicator lamp: on in its colour, off dark grey, dimmed pale.
class Lamp : public QWidget {
    Q_OBJECT

public:
    explicit Lamp(QWidget* parent = nullptr, QColor onColour = QColor(0x00, 0xCC, 0x00));

    bool isOn() const { return on_; }
    void setOn(bool on);
    QColor onColour() const { return onColour_; }
    void setOnColour(const QColor& colour);

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool on_ = false;
    QColor onColour_;
};

}  // namespace plv7::gui
