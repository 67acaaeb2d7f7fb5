#include "CliHilfe.h"

#include <string_view>

namespace plv7::cli {
namespace {

constexpr std::string_view kHeader =
    "usage: plv7ctl [-p PORT] [-b BAUD] [-a ADDRESS] [-t SECONDS] COMMAND [ARGS]\n"
    "       plv7ctl --help | --version\n"
    "  -p PORT     1..8 (mapped to a device as in the program), a device path, or \"sim\" for the\n"
    "              built-in simulated box (the default)\n"
    "  -b BAUD     default 9600        -a ADDRESS  default 1        -t read time-out, default 0.5\n"
    "  -h, --help  this text           -v, --version  the program's version\n"
    "Commands:\n";

struct CommandHelp {
    std::string_view synopsis;
    std::string_view description;  // "\n" continues on an indented line
};

// One entry a command, in the order the text lists them.
constexpr CommandHelp kCommands[] = {
    {"ports",
     "lists the PC's serial devices, one a line: device, description,\n"
     "maker, serial number and stable path (/dev/serial/by-id/...),\n"
     "separated by tabs; unknown fields stay empty (opens no port)"},
    {"id", "prints the identification text"},
    {"scan",
     "scans addresses 1..9 at 9600, 19200, 38400, 57600, 115200 as the\n"
     "serial-port window does; one line per answering address:\n"
     "\"<address> <baud> <identification>\""},
    {"input N", "one input (N = 1..4); prints the volts with three decimals"},
    {"inputs MASK",
     "short read (mask 0..15); prints four volts with three decimals,\n"
     "separated by one blank"},
    {"output N VOLTS", "sets output N (1..4)"},
    {"status N", "N = 1 or 2; prints the byte as two upper-case hex digits"},
    {"mode", "prints the mode byte as two upper-case hex digits"},
    {"mode-set MASK", "sets mode bits"},
    {"mode-clear MASK", "clears mode bits"},
    {"mem-read START LENGTH", "prints the bytes as upper-case hex digits without separators"},
    {"mem-write START HEX", "writes the bytes given as hex digits (at most 64)"},
    {"start", "sends the start command"},
    {"stop", "sends the stop command"},
    {"baud-set RATE", "changes the box's own baud rate"},
    {"config-show FILE",
     "prints a configuration file (.plo) as the items of settings\n"
     "section konfig, one \"tag = value\" a line (opens no port)"},
    {"curves-export FILE.plr FILE.txt", "text export of a curve file's four curves (no port)"},
    {"curves-import FILE.txt FILE.plr",
     "imports a text into fresh curves and saves them (no port)"},
    {"curves-image FILE.plr", "prints the curves' memory image as upper-case hex digits (no port)"},
    {"curves-write FILE.plr", "writes a curve file's curves into the box"},
    {"curves-read FILE.plr", "reads the box's curves into a new curve file"},
    {"curves-generate FILE.plr N SHAPE AMPLITUDE OFFSET PERIOD PERIODS [PHASE [DUTY]]",
     "sets curve N (1..4) of FILE.plr to the function (SHAPE: sine,\n"
     "triangle, square, sawtooth; values in output N's units, PERIOD in\n"
     "seconds, PHASE in degrees, DUTY in %); the other curves of an\n"
     "existing FILE are kept, a missing FILE is created"},
    {"curves-from-log LOG.txt COLUMN N FILE.plr [TOLERANCE]",
     "sets curve N of FILE.plr from column COLUMN (Eing1..Ausg4) of the\n"
     "last acquisition in LOG.txt; TOLERANCE in raw codes (default 2)"},
    {"kennlinie-export FILE.ple FILE.txt", "writes the text export of the file's characteristic"},
    {"kennlinie-import FILE.txt FILE.ple",
     "imports the text into a fresh characteristic and saves it as a\n"
     "characteristic file"},
    {"kennlinie-block FILE.ple",
     "prints the block \"zur PLV-7 schreiben\" would send for the file,\n"
     "as upper-case hex digits without separators"},
    {"characteristic-table TABLE.txt FILE.ple",
     "reads a table of two columns (X in the unit of input 2, Y in the\n"
     "unit of output 1; tabs, semicolons, commas or blanks; decimal point\n"
     "or comma) as \"Tabelle importieren\" does and saves it as a\n"
     "characteristic file; notices on stderr (no port)"},
    {"kennlinie-write FILE.ple SLOT", "writes the characteristic into slot 1..10 of the box"},
    {"kennlinie-read SLOT FILE.ple", "reads slot 1..10 of the box into a new characteristic file"},
    {"kennlinie-select SLOT", "sets output 4 to the selection voltage of slot 1..10"},
};

constexpr std::string_view kFooter =
    "Numbers are decimal or 0x-prefixed hex. A successful command prints its result on stdout and\n"
    "nothing else. Exit status 0 on success; 1 on a device or link failure, and the last line on\n"
    "stderr is \"Fehler #<number without sign>: <German text of the code>\"; where the system\n"
    "told why (a port without access for the user, held by another program, or not plugged in)\n"
    "the reason and what to do come on the line before it; 2 on a usage error.\n"
    "Volts are always written with a dot as decimal separator, whatever the locale.\n"
    "Curve files are written with the configuration of the settings file in the current folder\n"
    "(the defaults without one); warnings go to stderr and do not change the exit status.\n"
    "Characteristic files are read as \"Kennlinie laden\" reads them, taking the file's\n"
    "configuration; they are written with the configuration of the settings file in the current\n"
    "folder (the defaults without one). A file cut inside its points is loaded as the single\n"
    "default point, with a notice on stderr.\n"
    "curves-generate and curves-from-log print the curve's number of points, its time base and\n"
    "the memory need of the whole image; they choose the finest time base whose image fits.\n";

constexpr std::size_t kDescriptionColumn = 26;

}  // namespace

std::string usageText() {
    std::string text(kHeader);
    const std::string indent(kDescriptionColumn, ' ');
    for (const auto& [synopsis, description] : kCommands) {
        std::string line = "  " + std::string(synopsis);
        line += line.size() < kDescriptionColumn
                    ? std::string(kDescriptionColumn - line.size(), ' ')
                    : "\n" + indent;
        for (const char c : description) line += c == '\n' ? "\n" + indent : std::string(1, c);
        text += line + "\n";
    }
    text += kFooter;
    return text;
}

}  // namespace plv7::cli
