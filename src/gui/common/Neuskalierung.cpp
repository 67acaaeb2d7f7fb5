#include "common/Neuskalierung.h"

#include <QPointer>
#include <vector>

namespace plv7::gui {
namespace {

struct Anmeldung {
    QPointer<QObject> owner;
    std::function<void()> skalieren;
};

std::vector<Anmeldung>& anmeldungen() {
    static std::vector<Anmeldung> liste;
    return liste;
}

}  // namespace

void NeuskalierungAnmelden(QObject* owner, std::function<void()> skalieren) {
    // Without an owner nothing would ever end the registration.
    if (!owner || !skalieren) return;
    anmeldungen().push_back({owner, std::move(skalieren)});
}

void AbhaengigeFensterNeuSkalieren() {
    auto& liste = anmeldungen();
    std::erase_if(liste, [](const Anmeldung& a) { return a.owner.isNull(); });
    // A copy, so that a rescaling may register or destroy windows without harm.
    const auto jetzt = liste;
    for (const Anmeldung& a : jetzt) {
        if (a.owner) a.skalieren();
    }
}

}  // namespace plv7::gui
