#pragma once

#include <mutex>

#include "direkt/Abtastpipeline.h"
#include "link/PortTable.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {

// The short multi-input read of the driver for the acquisition thread, on the port and
// address the serial-port window had at the start. Every call holds the port lock, so a port
// closed meanwhile reads as no port rather than vanishing under the exchange.
class Boxabfrage : public direkt::Eingangsabfrage {
public:
    // Called before the thread starts.
    void festlegen(int port, char adresse) {
        port_ = port;
        adresse_ = adresse;
    }

    int offenerPort() override {
        const std::lock_guard sperre(portSperre());
        return openedPort(port_) ? port_ : -1;
    }
    char adresse() override { return adresse_; }
    int senden(int port, char adresse, unsigned maske) override {
        const std::lock_guard sperre(portSperre());
        return ORVPLV7_EingaengeLesenKurz_Senden(port, adresse, maske);
    }
    int empfangen(int port, char adresse, unsigned maske, std::array<double, 4>& volts) override {
        const std::lock_guard sperre(portSperre());
        return ORVPLV7_EingaengeLesenKurz_Empfangen(port, adresse, maske, volts);
    }

private:
    int port_ = -1;
    char adresse_ = '1';
};

}  // namespace plv7::gui
