#pragma once

#include <QTimer>
#include <array>

#include "shell/Panel.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace plv7::gui {

class Lamp;

// The serial-port window: it owns the one connection to the box. Choosing a port or a rate
// (re)opens the port at once; the window reads the identification, scans the line, changes
// the box's rate, and polls the box's status bytes for the status lamps of every window.
class ComPanel : public Panel {
public:
    static constexpr int kKeinPort = -1;
    static constexpr double kLeseTimeout = 0.5;

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void baueMenues();
    QWidget* baueVerbindung();
    QWidget* baueScan();
    QWidget* baueMeldungen();
    // The port and rate callbacks' common end: open, report, show.
    void oeffnenUndAnzeigen();
    // Lets the window paint the status line during a long exchange.
    void statuszeileZeigen(const QString& text);

    int sgComPort = kKeinPort;
    long sgBaudrate = 0;
    int sgLetzterPort = kKeinPort;

    QComboBox* port_ = nullptr;
    QComboBox* baud_ = nullptr;
    QComboBox* adresse_ = nullptr;
    std::array<Lamp*, 9> scanLamps_{};
    QLineEdit* idString_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* scann_ = nullptr;
    QPushButton* idLesen_ = nullptr;
    QTimer statusTimer_;
};

// Start-up and shut-down steps of the window (after the settings are read; before the end).
void CompanelInit();
void CompanelClear();

// Registers the window's help texts, and those it gives for the other windows' status
// lamps, connection pictures, error fields and start and stop buttons.
void ComHilfetexteEintragen();

}  // namespace plv7::gui
