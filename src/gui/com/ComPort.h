#pragma once

// What every window needs of the serial connection the serial-port window owns.
namespace plv7::gui {

// The open serial port 1..8, or -1 when none is open.
int OffenerComPort();
// The device address selected in the serial-port window ('1' before the window exists).
char ComAdresse();

// The direct window reports whether its sampling runs: the status poll then keeps off the line,
// so it never comes between a request and its answer.
void setAcquisitionRunning(bool running);
bool acquisitionRunning();

// Held for the length of an exchange that lets the event loop paint in between (a scan, a
// memory transfer with its progress dialog): periodic exchanges skip their turn meanwhile.
class ComLeitungBelegt {
public:
    ComLeitungBelegt();
    ~ComLeitungBelegt();
    ComLeitungBelegt(const ComLeitungBelegt&) = delete;
    ComLeitungBelegt& operator=(const ComLeitungBelegt&) = delete;
};
bool ComLeitungIstBelegt();

// The start and stop buttons of the curve and characteristic windows: "start" or "stopp" to
// the box at the selected address; the result goes to the error fields and is returned.
int Start_Callback();
int Stopp_Callback();

}  // namespace plv7::gui
