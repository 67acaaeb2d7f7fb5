#pragma once

// What the windows need of the serial-port window: the open port, the device address of
// its selector, and telling its status poll that an acquisition is running (the poll must
// not talk to the box between the sampling ticks).
namespace plv7::gui {

// The open port 1..8, or -1.
int OffenerComPort();
// The device address chosen in the serial-port window.
char ComAdresse();
void setzeErfassungLaeuft(bool laeuft);

}  // namespace plv7::gui
