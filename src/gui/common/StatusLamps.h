#pragma once

#include <QWidget>
#include <array>

#include "common/Ueberall.h"

namespace plv7::gui {

class Lamp;

// The small copies of the box's status lamps (bits 0..3 of status byte 1) and error lamps
// (bits 0..4 of status byte 2) that the main, curve and characteristic windows carry.
class StatusLamps : public QWidget, public Ueberall<StatusLamps> {
    Q_OBJECT

public:
    explicit StatusLamps(const QString& panelPrefix, QWidget* parent = nullptr);

    void show(int status1, int status2);
    // Dimmed lamps: the bytes could not be read.
    void showUnknown();

    // Shows the bytes (or, with valid false, the unknown state) on every window.
    static void showEverywhere(int status1, int status2, bool valid);

private:
    std::array<Lamp*, 4> status_{};
    std::array<Lamp*, 5> errors_{};
};

}  // namespace plv7::gui
