#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "konfig/Konfiguration.h"
#include "kurven/Kurvenmodell.h"

namespace plv7::gui {

// What the curve window does with its curves outside the graph: the "Datei" menu with its
// questions, and the transfer to and from the box with its progress dialog. Every pop-up goes
// through the dialog seam.
class KurvenAblage {
public:
    // The window's curves; `fenster` is the parent of the progress dialog.
    KurvenAblage(kurven::Kurvenmodell& modell, QWidget* fenster);

    enum class Dateibefehl {
        Neu,
        Laden,
        Anhaengen,
        Speichern,
        SpeichernUnter,
        Importieren,
        Exportieren
    };

    kurven::Kurvenmodell& modell() { return modell_; }
    const kurven::Kurvenmodell& modell() const { return modell_; }

    // Called after every change the window has to show (curves, file, view).
    void setAnzeigen(std::function<void()> anzeigen) { anzeigen_ = std::move(anzeigen); }

    // The menu item: runs it and shows a failure in the error message box.
    void Menu_Kurven_Datei(Dateibefehl befehl);
    // Each item alone: 0 or the code the menu shows. A cancelled file dialog is no failure.
    int neu();
    int laden();
    int anhaengen();
    int speichern();
    int speichernUnter();
    int importieren();
    int exportieren();

    // "zur PLV-7 schreiben" and "von PLV-7 lesen": link failures go to the error fields, the
    // rest to the error message box.
    void KurveSenden_Callback(bool schreiben);
    int senden();
    int lesen();

    // 1 when the caller must stop because the operator wants to keep unsaved changes.
    int AbbruchWeilKurvenNichtGespeichert();

    // "Kurvengenerator - <file name>", or "Kurvengenerator" without a file.
    QString fenstertitel() const;

private:
    int speichernNach(bool immerFragen, bool& abgebrochen);
    int dateiEinlesen(const QString& titel, bool anhaengen);
    void anzeigen();

    kurven::Kurvenmodell& modell_;
    QWidget* fenster_;
    std::function<void()> anzeigen_;
};

}  // namespace plv7::gui
