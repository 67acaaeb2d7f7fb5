#pragma once

#include <array>
#include <optional>

namespace plv7 {

class IniStore;

// The direct input/output window's and its trigger dialog's part of the settings file.
// An empty optional means "no usable value stored": the window keeps what its control shows.
struct DirektSettings {
    std::array<bool, 4> kurve = {true, true, true, true};  // traces of inputs 1..4 shown
    bool grafikZeigen = true;
    bool einzelbild = false;
    bool verzoegertZeichnen = false;
    int punkteProDiv = 20;
    std::optional<double> abtastzeit;  // seconds
    int prozentProDiv = 20;
    int yOffsetInProzent = 0;
    int triggerQuelle = 0;
    double triggerSchwelle = 50;  // percent
    int triggerFlanke = 1;        // 1 rising, -1 falling
    int triggerDelay = 0;
    std::array<std::optional<double>, 4> begrenzung;  // output limits 1..4
};

inline constexpr double kMinAbtastzeit = 0.001;
inline constexpr double kMaxAbtastzeit = 34560;

// Missing and out-of-range items take their fallbacks; a missing trace switch counts as shown.
DirektSettings readDirektSettings(const IniStore& store);
// Writes every item; an empty optional is left out, as there is no value to keep.
void writeDirektSettings(IniStore& store, const DirektSettings& settings);

}  // namespace plv7
