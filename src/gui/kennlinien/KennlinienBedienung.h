#pragma once

#include <QString>
#include <functional>

#include "kennlinien/KennlinienZustand.h"

class QWidget;

namespace plv7::gui {

// The characteristic window's operations that need the operator: the file menu with the
// not-saved question and the configuration question, the transfer to and from the box with
// its progress dialog, and the output-4 selection. Every pop-up goes through the dialog seam.
//
// The operations return 0 (also when the operator cancelled a file dialog) or the code the
// caller shows with ORV_Fehlerpopup; device failures go to the error fields themselves.
class KennlinienBedienung {
public:
    // `fenster` is the parent of the progress dialog.
    KennlinienBedienung(KennlinienZustand& zustand, QWidget* fenster);

    // Called before the import replaces the points: the editor records its undo snapshot.
    void setVorAenderung(std::function<void()> vorAenderung) {
        vorAenderung_ = std::move(vorAenderung);
    }

    // 0 to go on, 1 to stop: asks whether to save unsaved changes.
    int AbbruchWeilKennlinieNichtGespeichert();

    int neu();
    int laden();
    int speichern(bool dialogErzwingen);
    int importieren();
    // An import's points replace the characteristic's: one undo step, and unsaved work.
    void punkteUebernehmen(std::vector<Kennlinienpunkt> punkte);
    int exportieren();

    // "zur PLV-7 schreiben", "von PLV-7 lesen" (which always leaves the characteristic
    // without a file) and "über Ausg.4 anwählen" for slot kurvenNr, over the port and address
    // of the serial-port window.
    int schreiben(int kurvenNr);
    int lesen(int kurvenNr);
    void auswaehlen(int kurvenNr);

    // "Kennlinienregler" or "Kennlinienregler - <file name>".
    QString titel() const;

private:
    KennlinienZustand& zustand_;
    QWidget* fenster_;
    std::function<void()> vorAenderung_;
};

}  // namespace plv7::gui
