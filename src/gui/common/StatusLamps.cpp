#include "common/StatusLamps.h"

#include <QGridLayout>
#include <QLabel>

#include "common/Lamp.h"

namespace plv7::gui {
StatusLamps::StatusLamps(const QString& panelPrefix, QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->addWidget(new QLabel(QStringLiteral("PLV-7 Status"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("PLV-7 Fehler"), this), 1, 0);
    for (int bit = 0; bit < 4; ++bit) {
        status_[bit] = new Lamp(this, QColor(0x00, 0xCC, 0x00));
        status_[bit]->setObjectName(panelPrefix + QStringLiteral("_LED_STATUS%1").arg(bit));
        grid->addWidget(status_[bit], 0, bit + 1);
    }
    for (int bit = 0; bit < 5; ++bit) {
        errors_[bit] = new Lamp(this, QColor(0xFF, 0x00, 0x00));
        errors_[bit]->setObjectName(panelPrefix + QStringLiteral("_LED_FEHLER%1").arg(bit));
        grid->addWidget(errors_[bit], 1, bit + 1);
    }
    grid->setColumnStretch(6, 1);
    showUnknown();
}

void StatusLamps::show(int status1, int status2) {
    for (int bit = 0; bit < 4; ++bit) {
        status_[bit]->setEnabled(true);
        status_[bit]->setOn((status1 >> bit) & 1);
    }
    for (int bit = 0; bit < 5; ++bit) {
        errors_[bit]->setEnabled(true);
        errors_[bit]->setOn((status2 >> bit) & 1);
    }
}

void StatusLamps::showUnknown() {
    for (Lamp* lamp : status_) {
        lamp->setOn(false);
        lamp->setEnabled(false);
    }
    for (Lamp* lamp : errors_) {
        lamp->setOn(false);
        lamp->setEnabled(false);
    }
}

void StatusLamps::showEverywhere(int status1, int status2, bool valid) {
    for (StatusLamps* lamps : alle()) {
        if (valid) {
            lamps->show(status1, status2);
        } else {
            lamps->showUnknown();
        }
    }
}

}  // namespace plv7::gui
