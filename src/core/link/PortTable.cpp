#include "link/PortTable.h"

#include <array>
#include <utility>

namespace plv7 {
namespace {

struct Table {
    SerialPortFactory factory;
    std::array<std::unique_ptr<SerialPort>, kLastPort + 1> ports;
    std::array<std::string, kLastPort + 1> failures;
};

Table& table() {
    static Table instance;
    return instance;
}

bool validPort(int port) {
    return port >= kFirstPort && port <= kLastPort;
}

}  // namespace

void setSerialPortFactory(SerialPortFactory factory) {
    closeAllPorts();
    table().factory = std::move(factory);
}

std::recursive_mutex& portSperre() {
    static std::recursive_mutex sperre;
    return sperre;
}

bool openPort(int port, long baud) {
    const std::lock_guard sperre(portSperre());
    if (!validPort(port) || !table().factory) return false;
    closePort(port);
    auto backend = table().factory(port);
    table().failures[port].clear();
    if (!backend) return false;
    if (!backend->open(baud)) {
        table().failures[port] = portGrundText(backend->openFailure());
        return false;
    }
    table().ports[port] = std::move(backend);
    return true;
}

bool closePort(int port) {
    const std::lock_guard sperre(portSperre());
    if (!validPort(port) || !table().ports[port]) return false;
    const bool closed = table().ports[port]->close();
    table().ports[port].reset();
    return closed;
}

std::string openFailureReason(int port) {
    return validPort(port) ? table().failures[port] : std::string();
}

bool portLost(int port) {
    const SerialPort* open = openedPort(port);
    return open && open->lost();
}

SerialPort* openedPort(int port) {
    return validPort(port) ? table().ports[port].get() : nullptr;
}

void closeAllPorts() {
    for (int port = kFirstPort; port <= kLastPort; ++port) closePort(port);
}

}  // namespace plv7
