#include "kennlinien/KennlinienPlatzhalter.h"

#include "konfig/Konfiguration.h"

namespace plv7::gui {

KennlinienPlatzhalter::KennlinienPlatzhalter(QWidget* parent)
    : PlaceholderPanel(QStringLiteral("KENNLPNL"), QStringLiteral("Kennlinienregler"), parent),
      bedienung_(zustand_, this) {
    KennlinieNeu(zustand_, gKonfig);
}

}  // namespace plv7::gui
