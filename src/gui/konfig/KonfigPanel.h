#pragma once

#include <array>
#include <vector>

#include "konfig/Konfiguration.h"
#include "shell/Panel.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace plv7::gui {

class Zahlenfeld;
class EinheitFeld;

// The configuration window "Skalierung": per output and input the voltage interval, the user
// values at its ends and the unit text, and the full-scale voltage of the box's outputs and
// inputs. Editing changes only the window; "Zurück", a reset, a file load or save and the end
// of the program take values between the window and gKonfig.
class KonfigPanel : public Panel {
public:
    explicit KonfigPanel(QWidget* parent = nullptr);
    ~KonfigPanel() override;

    // Section "konfig" of the settings file.
    void readIni(const IniStore& store) override { ReadIniKonfigpanel(store); }
    void writeIni(IniStore& store) override { WriteIniKonfigpanel(store); }
    int ReadIniKonfigpanel(const IniStore& store);
    int WriteIniKonfigpanel(IniStore& store);

    // gKonfig into the window, and the window into gKonfig.
    void KonfigpanelAnzeigen();
    void KonfigpanelLesen();
    // gKonfig with the values that stand in the window.
    Konfiguration fensterWerte() const;

    // The file menu's operations: 0 on success or cancel, otherwise the file's error code.
    int KonfigurationSpeichern();
    int KonfigurationLaden();

private:
    struct Kanal {
        Zahlenfeld* min = nullptr;
        Zahlenfeld* max = nullptr;
        Zahlenfeld* skalamin = nullptr;
        Zahlenfeld* skalamax = nullptr;
        EinheitFeld* einheit = nullptr;
        QLabel* markierung = nullptr;
    };
    struct Richtung {
        bool ausgang = true;
        QComboBox* bereich = nullptr;
        std::array<Kanal, 4> kanaele;
    };

    QWidget* kopfzeile();
    QGroupBox* baueRichtung(Richtung& richtung);
    void baueMenues();
    void hilfetexteEintragen();

    void Konfigbuttons_Standardwerte();
    void Konfigbuttons_Hauptfenster();

    void bereichZeigen(QComboBox* bereich, double vmax);
    void bereichGewaehlt(Richtung& richtung);
    void markierungenAktualisieren();

    std::vector<QLabel*> zeilenAnfaenge_;
    Richtung ausgaenge_;
    Richtung eingaenge_;
    QPushButton* standardwerte_ = nullptr;
    QPushButton* hauptfenster_ = nullptr;
    QAction* laden_ = nullptr;
    QAction* speichern_ = nullptr;
};

}  // namespace plv7::gui
