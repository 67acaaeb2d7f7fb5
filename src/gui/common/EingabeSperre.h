#pragma once

#include <QObject>

namespace plv7::gui {

// While it lives, the program drops the operator's input (mouse, keys, wheel, closing a
// window) instead of queueing it. A long exchange that lets the event loop paint holds one,
// so nothing the operator did meanwhile acts once it is over.
class EingabeSperre : public QObject {
public:
    EingabeSperre();
    ~EingabeSperre() override;
    EingabeSperre(const EingabeSperre&) = delete;
    EingabeSperre& operator=(const EingabeSperre&) = delete;

    // Paints and runs timers, with the input dropped.
    static void zeichnen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace plv7::gui
