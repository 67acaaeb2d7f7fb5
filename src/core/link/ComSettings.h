#pragma once

namespace plv7 {

class IniStore;

// The serial-port window's part of the settings file.
struct ComSettings {
    char adresse = '1';  // device address character, '1'..'9', 'a'..'f' or '&'
    long baudrate = 9600;
    int letzterPort = -1;  // the last port used, 1..8, or -1
    int port = -1;         // the port open at the end of the run, 1..8, or -1 for none
};

// Every item that is missing or out of range takes its fallback: address '1', 9600 baud,
// ports -1. Opening the port is the caller's business.
ComSettings readComSettings(const IniStore& store);
void writeComSettings(IniStore& store, const ComSettings& settings);

}  // namespace plv7
