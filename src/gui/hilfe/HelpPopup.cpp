#include "hilfe/HelpPopup.h"

#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace plv7::gui {
namespace {

// Ends the pop-up's loop at the next left press anywhere and swallows that click, so it does
// not act on the control under it.
class NextLeftClick : public QObject {
public:
    explicit NextLeftClick(QEventLoop& loop) : loop_(loop) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    pressed_ = true;
                    loop_.quit();
                }
                return true;
            case QEvent::MouseButtonRelease:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::Wheel:
                return true;
            default:
                return false;
        }
    }

private:
    QEventLoop& loop_;
    bool pressed_ = false;
};

}  // namespace

QPoint helpPopupOrigin(const QPoint& position, const QSize& popupSize, const QSize& windowSize) {
    const int left =
        position.x() > windowSize.width() / 2 ? position.x() - popupSize.width() : position.x();
    const int top =
        position.y() > windowSize.height() / 2 ? position.y() - popupSize.height() : position.y();
    return {left, top};
}

void umlautRaumGeben(QLabel* label) {
    const QFontMetrics metrik(label->font());
    const int ueberstand =
        std::max(0, -metrik.boundingRect(QStringLiteral("ÄÖÜÅÂ")).top() - metrik.ascent());
    QMargins raender = label->contentsMargins();
    raender.setTop(std::max(raender.top(), ueberstand + 1));
    label->setContentsMargins(raender);
}

std::unique_ptr<QFrame> makeHelpPopup(const QString& text, QWidget* mainWindow) {
    auto popup = std::make_unique<QFrame>(mainWindow, Qt::FramelessWindowHint);
    popup->setObjectName(QStringLiteral("HILFETEXT"));
    popup->setFrameShape(QFrame::Box);
    popup->setAutoFillBackground(true);
    popup->setStyleSheet(QStringLiteral("QFrame#HILFETEXT { background: #ffffe1; }"));
    auto* layout = new QVBoxLayout(popup.get());
    layout->setContentsMargins(5, 5, 5, 5);
    auto* label = new QLabel(text, popup.get());
    umlautRaumGeben(label);
    layout->addWidget(label);
    popup->adjustSize();
    return popup;
}

void showHelpPopup(const QString& text, QWidget* mainWindow, const QPoint& position) {
    const std::unique_ptr<QFrame> popup = makeHelpPopup(text, mainWindow);
    const QSize windowSize = mainWindow ? mainWindow->size() : popup->size();
    popup->move(helpPopupOrigin(position, popup->size(), windowSize));
    popup->show();
    popup->raise();

    QEventLoop loop;
    NextLeftClick filter(loop);
    qApp->installEventFilter(&filter);
    loop.exec();
    qApp->removeEventFilter(&filter);
}

}  // namespace plv7::gui
