#include "com/ComPort.h"

#include "com/ComPanel.h"
#include "common/ErrorIndicator.h"
#include "hilfe/Direkthilfe.h"
#include "base/Fehlercodes.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {
namespace {

bool sgErfassungLaeuft = false;
int sgLeitungBelegt = 0;

int sendDeviceFunction(const char* function, int codeWithoutPort) {
    if (gHilfeAktiv) return 0;
    const int port = OffenerComPort();
    const int result = port == ComPanel::kKeinPort
                           ? codeWithoutPort
                           : ORVPLV7_DeviceFunction(port, ComAdresse(), function);
    ComFehlerSetzen(result);
    return result;
}

}  // namespace

int OffenerComPort() {
    const ComPanel* panel = ComPanel::instance();
    return panel ? panel->comPort() : ComPanel::kKeinPort;
}

char ComAdresse() {
    const ComPanel* panel = ComPanel::instance();
    return panel ? panel->adressAuswahl() : '1';
}

void setAcquisitionRunning(bool running) {
    sgErfassungLaeuft = running;
}

bool acquisitionRunning() {
    return sgErfassungLaeuft;
}

ComLeitungBelegt::ComLeitungBelegt() {
    ++sgLeitungBelegt;
}

ComLeitungBelegt::~ComLeitungBelegt() {
    --sgLeitungBelegt;
}

bool ComLeitungIstBelegt() {
    return sgLeitungBelegt > 0;
}

int Start_Callback() {
    return sendDeviceFunction("start", kStartOhnePort);
}

int Stopp_Callback() {
    return sendDeviceFunction("stopp", kStoppOhnePort);
}

}  // namespace plv7::gui
