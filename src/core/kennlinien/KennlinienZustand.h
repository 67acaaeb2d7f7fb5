#pragma once

#include <filesystem>

#include "kennlinien/Kennlinie.h"
#include "konfig/Konfiguration.h"

namespace plv7::kennlinien {

// What the characteristic window holds of its characteristic besides the view: the
// characteristic, the two parameters that travel with it to files and to the box, the modified
// flag and the file it belongs to.
struct KennlinienZustand {
    Kennlinie kennlinie;
    // The field "Analogausgang2": the fixed value of output 2 in the user unit of output 2.
    double ausgang2 = 0.0;
    // The field "Zeitkonstante [s]": the low-pass filter of output 1, seconds.
    double zeitkonstante = 0.0;
    bool geaendert = false;
    std::filesystem::path pfad;  // empty: the characteristic has no file
};

// "Neu": the default characteristic with an empty comment, output 2 at the user value of raw
// code 0 under the input-2 scaling (as the file stores it), time constant 0, no file. The
// modified flag stays as it is.
void KennlinieNeu(KennlinienZustand& zustand, const Konfiguration& konfig);

// The window title: "Kennlinienregler", or "Kennlinienregler - <file name>" with a file.
std::string KennlinienTitel(const std::filesystem::path& pfad);

}  // namespace plv7::kennlinien
