#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Fehlercodes.h"
#include "konfig/Konfiguration.h"
#include "kurven/Kurvenmodell.h"

// The curve file ".plr": a 4472-byte header (identification, version 2, comments, cycles,
// rest values, the configuration record under which the curves were drawn, one descriptor per
// curve) followed by the points of curves 1 to 4, twelve bytes each. Integers are signed
// 32-bit little-endian.
namespace plv7::kurven {

namespace kurven_datei {
inline constexpr std::string_view kKennung = "plv7 Kurvengenerator Datei";
inline constexpr std::string_view kErweiterung = ".plr";
inline constexpr std::size_t kKommentare = 36;
inline constexpr std::size_t kKommentarBreite = 1000;
inline constexpr std::size_t kZyklen = 4036;
inline constexpr std::size_t kRuhewerte = 4052;
inline constexpr std::size_t kKonfig = 4072;
inline constexpr std::size_t kBeschreibungen = 4424;
inline constexpr std::size_t kBeschreibungBreite = 12;
inline constexpr std::size_t kKopf = 4472;

}  // namespace kurven_datei

// What a curve file holds.
struct KurvenDateiInhalt {
    std::array<std::vector<Kurvenpunkt>, kKurvenAnzahl> punkte;
    std::array<std::string, kKurvenAnzahl> kommentare;
    std::array<std::int32_t, kKurvenAnzahl> zyklen{};
    std::array<std::int32_t, kKurvenAnzahl> ruhewerte{};
    Konfiguration konfig{};
    // Curves whose points the file does not hold in full (cut short, or a count of 0). They
    // load as the one-point curve; the caller tells the operator which.
    std::array<bool, kKurvenAnzahl> unvollstaendig{};
};

// The file's bytes for the model's curves, drawn under `konfig`.
std::vector<std::uint8_t> KurvenDateiErzeugen(const Kurvenmodell& modell,
                                              const Konfiguration& konfig);

// Reads a file's bytes: 0, kFehlerKopfKurz, kFehlerKeineKurvendatei, kFehlerFalscheVersion or
// kFehlerPunktanzahl (a negative point count). On a failure `ziel` is left as it was.
int KurvenDateiLesen(std::span<const std::uint8_t> bytes, KurvenDateiInhalt& ziel);

// Writes the file in one step (a previous file stays intact on a failure): 0,
// kFehlerSpeichernOeffnen or kFehlerSpeichernSchreiben.
int KurvenDateiSpeichern(const std::filesystem::path& pfad, const Kurvenmodell& modell,
                         const Konfiguration& konfig);
// Reads a file: 0, kFehlerLadenOeffnen or the codes of KurvenDateiLesen.
int KurvenDateiLaden(const std::filesystem::path& pfad, KurvenDateiInhalt& ziel);

// "Kurven laden": the file's points, comments, cycles and rest values replace the model's;
// no undo step. The caller sets the file path and clears the changed flag.
void KurvenDateiUebernehmen(Kurvenmodell& modell, const KurvenDateiInhalt& inhalt);
// "Kurven anhängen": each complete curve of the file goes behind the model's curve of the same
// number; an incomplete one leaves the model's curve as it was. Comments, cycles and rest
// values stay; no undo step.
void KurvenDateiAnhaengen(Kurvenmodell& modell, const KurvenDateiInhalt& inhalt);

// The warning for each incomplete curve: "Warnung: Kurve 3 unvollständig, als Einzelpunkt
// geladen." (or "... nicht angehängt." when appending).
std::vector<std::string> UnvollstaendigWarnungen(const KurvenDateiInhalt& inhalt,
                                                 bool angehaengt = false);

}  // namespace plv7::kurven
