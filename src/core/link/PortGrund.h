#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plv7 {

// Why a serial device could not be opened, as far as the system tells.
struct PortGrund {
    enum class Art { Unbekannt, KeineBerechtigung, Belegt, NichtVorhanden };

    Art art = Art::Unbekannt;
    std::string geraet;      // the device as the port map names it
    std::string programm;    // Belegt: the holding program's name, where known
    long prozess = 0;        // Belegt: its process id, where known
    std::string systemText;  // Unbekannt: the system's own words, where it gave any
};

// The reason and what to do, for the error pop-up, the error field and plv7ctl; empty when
// nothing more is known than that the open failed.
std::string portGrundText(const PortGrund& grund);

// The holder a lock file names: a process id as the first word (UUCP-style lock files, text
// or the process id alone), and a program name on the second line where the file has one.
struct Sperrinhaber {
    long prozess = 0;
    std::string programm;
};
Sperrinhaber sperrdateiLesen(std::string_view inhalt);

// The folders serial-port lock files are kept in ("LCK..ttyUSB0").
const std::vector<std::string>& sperrordner();

// Finds out why `geraet` cannot be opened: a missing device, a live lock file of another
// process, or what a trial open says (refused access, a device held exclusively). Only
// called after an open has failed; it never keeps the device open.
PortGrund portGrundErmitteln(const std::string& geraet,
                             const std::vector<std::string>& sperrordner = plv7::sperrordner());

}  // namespace plv7
