#pragma once

#include <QComboBox>
#include <vector>

#include "link/SerialDevices.h"

namespace plv7::gui {

// The "Gerät" choice of the serial-port window: the port's default device, the PC's serial
// devices, and the port's present mapping where no listed device matches it (an adapter
// that is not plugged in, the simulated box). Each entry's data is what the port map stores.
class GeraeteAuswahl : public QComboBox {
public:
    explicit GeraeteAuswahl(QWidget* parent = nullptr);

    // Shows the entries for a port, its mapping selected.
    void zeigen(int port);
    // Reads the device list again; true, and the entries refilled, when it changed.
    bool listeLesen();
    const std::vector<SerialDevice>& geraete() const { return geraete_; }
    int port() const { return port_; }

    // The mapping of the chosen entry; empty for the port's default.
    QString gewaehlt() const;

private:
    std::vector<SerialDevice> geraete_;
    int port_ = 1;
};

}  // namespace plv7::gui
