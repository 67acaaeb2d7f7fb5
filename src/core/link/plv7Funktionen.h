#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The PLV-7's serial link and its command set. Every operation takes the port number
// (1..8, see PortTable.h) and, for commands, the device address character, and returns 0
// or a negative error code. The link keeps no state: which port is open and which address
// is used is the caller's business.

int ORVPLV7_Open(int port, long baud);
int ORVPLV7_Close(int port);
int ORVPLV7_Timeout(int port, double seconds);
int FlushInOut(int port);
int Hexchar2Int(char c);

int ORVPLV7_IDLesen(int port, char address, std::string& id);
int ORVPLV7_BaudrateSchreiben(int port, char address, long baud);
// function: "start" or "stopp".
int ORVPLV7_DeviceFunction(int port, char address, std::string_view function);
// channel: "e1".."e4".
int ORVPLV7_EingangLesen(int port, char address, std::string_view channel, double& volts);
int ORVPLV7_EingaengeLesenKurz_Senden(int port, char address, unsigned mask);
int ORVPLV7_EingaengeLesenKurz_Empfangen(int port, char address, unsigned mask,
                                         std::array<double, 4>& volts);
// channel: "a1".."a4"; volts 0.0..10.0.
int ORVPLV7_AusgangSchreiben(int port, char address, std::string_view channel, double volts);
// Memory area type 4. The buffer must hold length bytes.
int ORVPLV7_SpeicherLesen(int port, char address, int type, long start, long length,
                          std::uint8_t* buffer);
int ORVPLV7_SpeicherSchreiben(int port, char address, int type, long start, long length,
                              const std::uint8_t* data);
// which: 1 or 2.
int ORVPLV7_StatusLesen(int port, char address, int which, int& value);
int ORVPLV7_ModusLesen(int port, char address, int& value);
// set non-zero sets the bits of mask, 0 clears them.
int ORVPLV7_ModusSchreiben(int port, char address, int set, unsigned mask);
