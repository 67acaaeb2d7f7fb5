// Stands in for the serial-port window until it is part of the program: the lowest open
// port, address '1', and the acquisition flag kept here.
#include "ComZugriff.h"

#include "PortTable.h"

namespace plv7::gui {
namespace {
bool gErfassungLaeuft = false;
}

int OffenerComPort() {
    for (int port = 1; port <= 8; ++port) {
        if (plv7::openedPort(port) != nullptr) return port;
    }
    return -1;
}

char ComAdresse() {
    return '1';
}

void setzeErfassungLaeuft(bool laeuft) {
    gErfassungLaeuft = laeuft;
}

}  // namespace plv7::gui
