#pragma once

#include <QTimer>
#include <array>

#include "link/PortTable.h"
#include "shell/Panel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plv7::gui {

class GeraeteAuswahl;
class Lamp;

// The serial-port window: it owns the one connection to the box. Choosing a port or a rate
// (re)opens the port at once; the window reads the identification, scans the line, changes
// the box's rate, and polls the box's status bytes for the status lamps of every window.
class ComPanel : public Panel {
public:
    static constexpr int kKeinPort = -1;
    static constexpr double kLeseTimeout = 0.5;
    static constexpr int kGeraeteTakt = 1000;  // ms between looks at the device list

    explicit ComPanel(QWidget* parent = nullptr);
    ~ComPanel() override;

    // The window of this run, or nullptr before it exists.
    static ComPanel* instance();

    void readIni(const IniStore& store) override { ReadIniCompanel(store); }
    void writeIni(IniStore& store) override { WriteIniCompanel(store); }
    void ReadIniCompanel(const IniStore& store);
    void WriteIniCompanel(IniStore& store) const;

    void init();
    void clear();

    int comPort() const { return sgComPort; }
    long baudrate() const { return sgBaudrate; }
    int letzterPort() const { return sgLetzterPort; }

    // Makes the open port match the port and rate selectors; 0 or the open's code.
    int ComPortOeffnen();
    void ComPortSchliessen();
    // Shows the open port on every window's connection picture.
    void PictureRingsAktualisieren();

    void PortSelect_Callback();
    void Baudrate_Callback();
    void IDLesen_Callback();
    void Scann_Callback();
    void Combuttons_Callback();
    void ComPicture_Callback();
    void Menu_Com_Plv7_Baudrate(long baud);

    // Reads both status bytes and shows them on the status lamps (the poll timer's tick).
    void StatusAbfragen();

    // The selectors' values; a value the selector does not offer selects its first entry.
    int portAuswahl() const;
    void setPortAuswahl(int port);
    long baudAuswahl() const;
    void setBaudAuswahl(long baud);
    char adressAuswahl() const;
    void setAdressAuswahl(char address);

    // Relabels the port selector with the devices the ports stand for now.
    void portBeschriftungenAktualisieren();

    // Maps the port the "Gerät" choice stands for to the chosen device and connects it.
    void GeraetAuswahl_Callback();
    // The port the "Gerät" choice maps: the selected one, or the last one when none is.
    int geraetePort() const;
    // Closes the open port when its device has gone (an adapter pulled), unless an exchange
    // still runs on it; true when it did.
    bool verlorenenPortSchliessen();
    // The device timer's tick: a lost port is closed, and while the window is shown the
    // device list follows adapters being plugged in and out.
    void GeraeteBeobachten();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void baueMenues();
    QWidget* baueVerbindung();
    // The "Gerät" row with its label naming the port it maps.
    void geraetZeigen();
    QWidget* baueScan();
    QWidget* baueMeldungen();
    // The scan's sweep: 0, or why it ended early (a port that would not reopen or was lost).
    int scannen();
    // The port and rate callbacks' common end: open, report, show.
    void oeffnenUndAnzeigen();
    // Lets the window paint the status line during a long exchange.
    void statuszeileZeigen(const QString& text);

    int sgComPort = kKeinPort;
    long sgBaudrate = 0;
    int sgLetzterPort = kKeinPort;
    int geraetePort_ = kFirstPort;  // the port last chosen, even when it would not open

    QComboBox* port_ = nullptr;
    GeraeteAuswahl* geraet_ = nullptr;
    QLabel* geraetLabel_ = nullptr;
    QComboBox* baud_ = nullptr;
    QComboBox* adresse_ = nullptr;
    std::array<Lamp*, 9> scanLamps_{};
    QLineEdit* idString_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* scann_ = nullptr;
    QPushButton* idLesen_ = nullptr;
    QTimer statusTimer_;
    // Cheap enough to run always: the lost-port check reads a flag, and the device list is
    // read only while the window is shown.
    QTimer geraeteTimer_;
};

// Start-up and shut-down steps of the window (after the settings are read; before the end).
void CompanelInit();
void CompanelClear();

// Registers the window's help texts, and those it gives for the other windows' status
// lamps, connection pictures, error fields and start and stop buttons.
void ComHilfetexteEintragen();

}  // namespace plv7::gui
