#include "common/Begleitdialoge.h"

#include <QEvent>
#include <QWidget>

namespace plv7::gui {

Begleitdialoge::Begleitdialoge(QWidget* fenster, const QList<QWidget*>& dialoge)
    : QObject(fenster) {
    for (QWidget* dialog : dialoge) dialoge_.append(dialog);
    fenster->installEventFilter(this);
}

bool Begleitdialoge::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Hide) {
        for (const QPointer<QWidget>& dialog : dialoge_) {
            if (dialog && dialog->isVisible()) {
                mitVersteckt_.append(dialog);
                dialog->hide();
            }
        }
    } else if (ereignis->type() == QEvent::Show) {
        for (const QPointer<QWidget>& dialog : mitVersteckt_) {
            if (dialog) dialog->show();
        }
        mitVersteckt_.clear();
    }
    return QObject::eventFilter(objekt, ereignis);
}

}  // namespace plv7::gui
