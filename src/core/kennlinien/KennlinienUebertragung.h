#pragma once

#include <functional>
#include <string_view>

#include "base/Fehlercodes.h"
#include "base/Fortschritt.h"
#include "kennlinien/KennlinienZustand.h"
#include "konfig/Konfiguration.h"

namespace plv7::kennlinien {

// Writing the characteristic into one of the box's ten slots, reading it back, and selecting
// a slot over output 4. The area holds characteristics when mode bit 0x02 is set and 0x04
// clear; every write ends by clearing 0x04 and setting 0x02.
//
// Each operation returns the code the window shows in its error box (0 when there is none);
// device failures go to the error fields through KennlinienGeraet::fehlerAnzeigen instead,
// as the windows show them.

namespace kennlinien_uebertragung {
inline constexpr int kStueck = 64;  // bytes of one memory command
inline constexpr std::string_view kTitelSenden = "Daten senden";
inline constexpr std::string_view kTitelLesen = "Daten lesen";
}  // namespace kennlinien_uebertragung

struct KennlinienGeraet {
    int port = -1;  // the open serial port, -1 when none is open
    char adresse = '1';
    std::function<void(int code)> fehlerAnzeigen;  // the error fields; 0 clears them
    Fortschritt* fortschritt = nullptr;            // none: no dialog
};

// "zur PLV-7 schreiben": the characteristic with the output-2 field (user unit of output 2,
// converted with `konfig`) and the time constant into slot kurvenNr. An area that holds no
// characteristics gets the empty block in all ten slots first. Refusals of the block and an
// invalid slot number are returned before any traffic.
int KennlinieSchreiben(const KennlinienGeraet& geraet, const KennlinienZustand& zustand,
                       int kurvenNr, const Konfiguration& konfig);

// "von PLV-7 lesen": slot kurvenNr into the characteristic (points only, the comment stays),
// the output-2 field (user unit of output 2 under `konfig`) and the time constant. A block that
// fails any check changes nothing. Neither the modified flag nor the path are touched.
int KennlinieLesen(const KennlinienGeraet& geraet, int kurvenNr, KennlinienZustand& zustand,
                   const Konfiguration& konfig);

// "über Ausg.4 anwählen": output 4 to kurvenNr volts. Every result goes to the error fields;
// nothing is returned for an error box.
void KennlinieAuswaehlen(const KennlinienGeraet& geraet, int kurvenNr);

}  // namespace plv7::kennlinien
