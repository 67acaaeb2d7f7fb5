#include "shell/Panel.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace plv7::gui {

Panel::Panel(const QString& objectName, const QString& title, QWidget* parent)
    : QWidget(parent), outer_(new QVBoxLayout(this)), content_(new QVBoxLayout) {
    setObjectName(objectName);
    setWindowTitle(title);
    outer_->setContentsMargins(0, 0, 0, 0);
    outer_->setSpacing(0);
    content_->setContentsMargins(8, 6, 8, 8);
    outer_->addLayout(content_, 1);
}

QMenuBar* Panel::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(objectName() + QStringLiteral("_MENU"));
        menuBar_->setNativeMenuBar(false);
        outer_->insertWidget(0, menuBar_);
    }
    return menuBar_;
}

}  // namespace plv7::gui
