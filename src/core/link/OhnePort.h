#pragma once

// Codes of the commands a window refuses because no serial port is open.
namespace plv7 {

inline constexpr int kIdLesenOhnePort = -122232;
inline constexpr int kScanOhnePort = -122233;
inline constexpr int kStartOhnePort = -122234;
inline constexpr int kStoppOhnePort = -122235;
inline constexpr int kAusgangOhnePort = -122303;

}  // namespace plv7
