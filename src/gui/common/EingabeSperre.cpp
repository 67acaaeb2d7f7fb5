#include "common/EingabeSperre.h"

#include <QCoreApplication>
#include <QEvent>

namespace plv7::gui {

EingabeSperre::EingabeSperre() {
    QCoreApplication::instance()->installEventFilter(this);
}

EingabeSperre::~EingabeSperre() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void EingabeSperre::zeichnen() {
    QCoreApplication::processEvents();
}

bool EingabeSperre::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            return true;
        case QEvent::Close:
            // A close event left alone would still close the window.
            event->ignore();
            return true;
        default:
            return false;
    }
}

}  // namespace plv7::gui
