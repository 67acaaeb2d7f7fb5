#pragma once

#include <string>
#include <mutex>

#include "link/SerialPort.h"

namespace plv7 {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 8;

// The program-wide table of open ports 1..8 behind the driver's port numbers. The factory
// decides which backend a port number stands for (a real device, the simulated box, a fake).
void setSerialPortFactory(SerialPortFactory factory);

// Creates and opens the backend for a port, replacing one that was open. False when the
// factory has no backend for it or the backend's open fails.
bool openPort(int port, long baud);
// Why the last openPort of the port failed: the reason and what to do, or empty.
std::string openFailureReason(int port);
// Closes and forgets the port; false when the backend's close fails or it was not open.
bool closePort(int port);
// The open backend of a port number, or nullptr.
SerialPort* openedPort(int port);
// Whether the open port's device has gone away (false when the port is not open).
bool portLost(int port);
// Closes every port (end of program, test tear-down).
void closeAllPorts();

// Held by an exchange from another thread than the windows' (the direct window's
// acquisition) for the length of the exchange; opening and closing a port take it too, so
// that no port goes away under a running exchange.
std::recursive_mutex& portSperre();

}  // namespace plv7
