#pragma once

#include <QList>

namespace plv7::gui {

// Widgets that every window carries a copy of (error fields, connection picture, status
// lamps) and that change all together: each instance enrols while it lives.
template <typename T>
class Ueberall {
public:
    static const QList<T*>& alle() { return liste(); }

protected:
    Ueberall() { liste().append(static_cast<T*>(this)); }
    ~Ueberall() { liste().removeAll(static_cast<T*>(this)); }
    Ueberall(const Ueberall&) = delete;
    Ueberall& operator=(const Ueberall&) = delete;

private:
    static QList<T*>& liste() {
        static QList<T*> instanzen;
        return instanzen;
    }
};

}  // namespace plv7::gui
