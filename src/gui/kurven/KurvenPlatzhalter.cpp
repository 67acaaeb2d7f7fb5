#include "kurven/KurvenPlatzhalter.h"

#include "kurven/KurvenAblage.h"

namespace plv7::gui {

KurvenPlatzhalter::KurvenPlatzhalter(QWidget* parent)
    : PlaceholderPanel(QStringLiteral("KURVENPNL"), QStringLiteral("Kurvengenerator"), parent) {
    kurvenAblage().setFenster(this);
}

int KurvenPlatzhalter::abbruchWeilNichtGespeichert() {
    return AbbruchWeilKurvenNichtGespeichert();
}

}  // namespace plv7::gui
