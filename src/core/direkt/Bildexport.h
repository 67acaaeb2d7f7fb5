#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "direkt/Direktrechnung.h"
#include "direkt/Grafik.h"
#include "direkt/Protokoll.h"

namespace plv7::direkt {

// The log header for the current scaling: range, decimals and unit of every channel.
Protokollkopf erstelleProtokollkopf(const Umrechnung& eingangCodeInEinheit,
                                    const Umrechnung& ausgangCodeInEinheit,
                                    const std::array<std::string, 4>& eingangEinheiten,
                                    const std::array<std::string, 4>& ausgangEinheiten);

// Exports the chart's current frame (frozen: exactly that frame) into the log file: the
// single-frame header, one line per row from the frame start in recording order, then
// "Einzelbild beendet". The file is closed on every path. 0 or a log code.
int bildSpeichern(const Grafik& grafik, Protokoll& protokoll, const std::filesystem::path& pfad,
                  const Protokollkopf& kopf, const Umrechnung& eingangCodeInEinheit,
                  const Umrechnung& ausgangCodeInEinheit);

}  // namespace plv7::direkt
