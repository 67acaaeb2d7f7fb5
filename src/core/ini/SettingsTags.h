#pragma once

#include <array>
#include <string_view>

#include "base/Fehlercodes.h"

// Names of the settings file and of its sections and items, compared without regard to case.
namespace plv7::settings {

inline constexpr std::string_view kFileName = "plv7rs232bSteuerung.ini";

// The serial-port window.
inline constexpr std::string_view kSectionCom = "com";
inline constexpr std::string_view kTagAdresse = "adresse";
inline constexpr std::string_view kTagBaud = "baud";
inline constexpr std::string_view kTagLetzterPort = "lport";
inline constexpr std::string_view kTagPort = "port";

// The direct input/output window and its trigger dialog.
inline constexpr std::string_view kSectionDirekt = "direkt";
inline constexpr std::array<std::string_view, 4> kTagKurve = {"kurve1", "kurve2", "kurve3",
                                                              "kurve4"};
inline constexpr std::string_view kTagOsziloskop = "osziloskop";
inline constexpr std::string_view kTagEinzelbild = "einzelbild";
inline constexpr std::string_view kTagVerzoegert = "verzoegert";
inline constexpr std::string_view kTagPunkteProDiv = "punktediv";
inline constexpr std::string_view kTagAbtastzeit = "abtastzeit";
inline constexpr std::string_view kTagYProDiv = "yprodiv";
inline constexpr std::string_view kTagYOffset = "yoff";
inline constexpr std::string_view kTagTriggerQuelle = "tquelle";
inline constexpr std::string_view kTagTriggerSchwelle = "tschwelle";
inline constexpr std::string_view kTagTriggerFlanke = "tflanke";
inline constexpr std::string_view kTagTriggerDelay = "tdelay";
inline constexpr std::array<std::string_view, 4> kTagGrenze = {"grenze1", "grenze2", "grenze3",
                                                               "grenze4"};

}  // namespace plv7::settings
