#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Fehlercodes.h"
#include "base/Fortschritt.h"
#include "kurven/Kurvenmodell.h"
#include "kurven/Speicherabbild.h"

// Moving the curves' memory image into the box and back over the device link. The box's mode
// byte says what its memory holds: the writer clears the characteristics' bit and sets the
// curves' bit after the image is in; the reader refuses a memory that does not hold curves.
namespace plv7::kurven {

namespace uebertragung {
inline constexpr long kBlock = 64;
inline constexpr unsigned kModusKurven = 0x04;
inline constexpr unsigned kModusKennlinien = 0x02;
inline constexpr char kTitelSenden[] = "Daten senden";
inline constexpr char kTitelLesen[] = "Daten lesen";
inline constexpr char kWarnungTitel[] = "Warnung";
inline constexpr char kKnopfSenden[] = "Kurven senden";
inline constexpr char kKnopfZurueck[] = "zurück";

}  // namespace uebertragung

// Where the transfer finds the box: asked again where the window asks again.
class Geraetezugang {
public:
    virtual ~Geraetezugang() = default;
    // The open port 1..8, or -1 when none is open.
    virtual int offenerPort() = 0;
    virtual char adresse() = 0;
};

// Which of the two ways of showing an error a failure takes.
enum class Fehleranzeige {
    Fehlerfelder,  // the error fields of the windows (link failures during the transfer)
    Fehlerpopup,   // the error message box (missing port or mode query before reading)
};

struct Uebertragungsergebnis {
    int code = 0;
    Fehleranzeige anzeige = Fehleranzeige::Fehlerfelder;
};

// True when the mode byte says the memory holds curves: 0x04 set and 0x02 clear.
bool KurvenImSpeicher(int modus);

// The warning before sending when the curves with more than one point differ in duration:
// the text, or nothing when they agree.
std::optional<std::string> LaengenWarnung(const std::array<Kurve, kKurvenAnzahl>& kurven);

// Writes a built image from address 0 in pieces of at most 64 bytes, then marks the memory
// as holding curves. Returns 0 or the failing code (shown in the error fields).
int SpeicherabbildSenden(Geraetezugang& zugang, Fortschritt& fortschritt,
                         std::span<const std::uint8_t> bild);

// Reads the box's image and decodes all four curves. On any failure `ziel` is left as it was.
Uebertragungsergebnis SpeicherabbildLesen(Geraetezugang& zugang, Fortschritt& fortschritt,
                                          Kurvendaten& ziel);

// The read curves replace all four of the model's, with their cycles and rest values; the
// model forgets its file and shows the whole current curve. No undo step, no change mark.
void KurvendatenUebernehmen(Kurvenmodell& modell, const Kurvendaten& daten);

}  // namespace plv7::kurven
