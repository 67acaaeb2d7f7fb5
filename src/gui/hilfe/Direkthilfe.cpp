#include "hilfe/Direkthilfe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

#include "hilfe/Dialoge.h"

bool gHilfeAktiv = false;

namespace plv7::gui {

void Hilfetext(const QString& text) {
    QWidget* main = Direkthilfe::instance().mainWindow();
    const QPoint position = main ? main->mapFromGlobal(QCursor::pos()) : QPoint(10, 10);
    dialoge().help(text, main, position);
}

Direkthilfe& Direkthilfe::instance() {
    static Direkthilfe* helper = [] {
        auto* created = new Direkthilfe();  // lives as long as the application, owned by it
        created->setParent(qApp);
        return created;
    }();
    return *helper;
}

Direkthilfe::Direkthilfe() : aktion_(new QAction(QStringLiteral("Direkthilfe"), this)) {
    aktion_->setObjectName(QStringLiteral("DIREKTHILFE"));
    aktion_->setIconText(QStringLiteral("?"));
    aktion_->setToolTip(QStringLiteral("Direkthilfe"));
    aktion_->setCheckable(true);
    QObject::connect(aktion_, &QAction::triggered, this, [this](bool on) { setActive(on); });
    qApp->installEventFilter(this);
}

void Direkthilfe::addText(const QString& objectName, const QString& text) {
    texts_.insert(objectName, text);
}

void Direkthilfe::addToggle(QToolButton* toggle) {
    toggle->setDefaultAction(aktion_);
    toggles_.append(toggle);
}

QToolButton* Direkthilfe::addToToolBar(QToolBar* leiste, const QString& objectName) {
    leiste->addAction(aktion_);
    // Without being a toggle the button's click would be swallowed in help mode like any other.
    auto* knopf = qobject_cast<QToolButton*>(leiste->widgetForAction(aktion_));
    if (knopf) {
        knopf->setObjectName(objectName);
        addToggle(knopf);
    }
    return knopf;
}

void Direkthilfe::setActive(bool active) {
    const bool changed = gHilfeAktiv != active;
    gHilfeAktiv = active;
    aktion_->setChecked(active);
    if (!changed) return;
    if (active) {
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
        Hilfetext(kHelpModeOnText);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void Direkthilfe::reset() {
    if (gHilfeAktiv) QApplication::restoreOverrideCursor();
    gHilfeAktiv = false;
    aktion_->setChecked(false);
}

bool Direkthilfe::isToggle(const QObject* object) const {
    for (const auto& toggle : toggles_) {
        if (toggle && toggle == object) return true;
    }
    return false;
}

bool Direkthilfe::belongsToProgram(const QWidget* widget) const {
    // The help pop-up and the program's own dialogs stay usable.
    return widget && widget->window() && widget->objectName() != QLatin1String("HILFETEXT") &&
           !widget->window()->isModal();
}

QString Direkthilfe::textOfWidget(QWidget* widget) const {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        QString text = texts_.value(w->objectName());
        // A tool-bar button speaks for the command it shows.
        if (auto* button = qobject_cast<QToolButton*>(w);
            text.isEmpty() && button && button->defaultAction()) {
            text = texts_.value(button->defaultAction()->objectName());
        }
        if (!text.isEmpty()) return text;
        if (w->isWindow()) break;
    }
    return {};
}

bool Direkthilfe::handleMenu(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu) return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        QAction* action = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!action || action->menu() || action->isSeparator() || action == aktion_) return false;
        // Close the menus first, so the pop-up is not hidden behind them.
        QWidget* top = menu;
        while (auto* parentMenu = qobject_cast<QMenu*>(top->parentWidget())) top = parentMenu;
        top->close();
        const QString text = texts_.value(action->objectName());
        if (!text.isEmpty()) Hilfetext(text);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    return false;
}

bool Direkthilfe::eventFilter(QObject* watched, QEvent* event) {
    if (!gHilfeAktiv || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (isToggle(widget) || !belongsToProgram(widget)) return false;
    if (handleMenu(watched, event)) return true;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return true;
            if (qobject_cast<QMenuBar*>(widget)) return false;  // menus open to show their texts
            const QString text = textOfWidget(widget);
            if (!text.isEmpty()) Hilfetext(text);
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return !qobject_cast<QMenuBar*>(widget);
        case QEvent::ShortcutOverride:
            // Claiming the key keeps shortcuts from firing; the key press is then eaten.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
            return true;
        default:
            return false;
    }
}

void hilfetextStattBefehl(const QObject* sender) {
    const QString text = Direkthilfe::instance().textFor(sender->objectName());
    if (!text.isEmpty()) Hilfetext(text);
}

}  // namespace plv7::gui
