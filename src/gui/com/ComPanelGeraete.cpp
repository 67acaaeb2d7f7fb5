// The serial-port window's device choice and its watch over adapters coming and going.
#include <QComboBox>
#include <QLabel>

#include "PortMap.h"
#include "com/ComPanel.h"
#include "com/ComPort.h"
#include "com/GeraeteAuswahl.h"
#include "com/PortBeschriftung.h"
#include "common/StatusLamps.h"

namespace plv7::gui {

int ComPanel::geraetePort() const {
    const int selected = portAuswahl();
    return selected != kKeinPort ? selected : geraetePort_;
}

void ComPanel::geraetZeigen() {
    const int port = geraetePort();
    geraetLabel_->setText(QStringLiteral("Gerät für COM%1").arg(port));
    geraet_->zeigen(port);
}

void ComPanel::GeraetAuswahl_Callback() {
    const int port = geraetePort();
    portMap().setDevice(port, geraet_->gewaehlt());
    portBeschriftungenAktualisieren();
    // The operator chose where the box hangs: connect it there, reopening a port that was
    // open on the previous device.
    if (sgComPort == port) ComPortSchliessen();
    setPortAuswahl(port);
    oeffnenUndAnzeigen();
    geraetZeigen();
}

bool ComPanel::verlorenenPortSchliessen() {
    if (sgComPort == kKeinPort || !portLost(sgComPort)) return false;
    // The exchange on it ends with its own error first; the next tick closes it.
    if (acquisitionRunning() || ComLeitungIstBelegt()) return false;
    ComPortSchliessen();
    setPortAuswahl(kKeinPort);
    PictureRingsAktualisieren();
    return true;
}

void ComPanel::GeraeteBeobachten() {
    verlorenenPortSchliessen();
    if (!isVisible()) return;
    if (geraet_->listeLesen()) portBeschriftungenAktualisieren();
}

void ComPanel::portBeschriftungenAktualisieren() {
    for (int i = 0; i < port_->count(); ++i) {
        port_->setItemText(i, portBeschriftung(port_->itemData(i).toInt(), geraet_->geraete()));
    }
}

void ComPanel::showEvent(QShowEvent* event) {
    Panel::showEvent(event);
    // Adapters come and go while the program runs.
    geraet_->listeLesen();
    portBeschriftungenAktualisieren();
    geraetZeigen();
}

}  // namespace plv7::gui
