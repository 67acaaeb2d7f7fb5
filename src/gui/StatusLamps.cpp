#include "StatusLamps.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>

#include "Lamp.h"

namespace plv7::gui {
namespace {

QList<QPointer<StatusLamps>>& allLamps() {
    static QList<QPointer<StatusLamps>> all;
    return all;
}

}  // namespace

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
    allLamps().append(this);
    showUnknown();
}

StatusLamps::~StatusLamps() {
    allLamps().removeAll(this);
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

bool StatusLamps::statusOn(int bit) const {
    return status_.at(bit)->isOn();
}
bool StatusLamps::errorOn(int bit) const {
    return errors_.at(bit)->isOn();
}

void StatusLamps::showEverywhere(int status1, int status2, bool valid) {
    for (const auto& lamps : allLamps()) {
        if (!lamps) continue;
        if (valid) {
            lamps->show(status1, status2);
        } else {
            lamps->showUnknown();
        }
    }
}

}  // namespace plv7::gui
