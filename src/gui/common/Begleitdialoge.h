#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace plv7::gui {

// Keeps a window's own dialogs with it: when the window goes (another window is shown in
// the main window, or the main window itself closes), its open dialogs are hidden too, and
// they come back when the window is shown again. Belongs to the window.
class Begleitdialoge : public QObject {
public:
    Begleitdialoge(QWidget* fenster, const QList<QWidget*>& dialoge);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QList<QPointer<QWidget>> dialoge_;
    QList<QPointer<QWidget>> mitVersteckt_;
};

}  // namespace plv7::gui
