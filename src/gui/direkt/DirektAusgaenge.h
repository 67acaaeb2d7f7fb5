#pragma once

#include <QGroupBox>
#include <array>
#include <functional>

class QDial;
class QLabel;
class QPushButton;

namespace plv7 {
struct DirektSettings;
}

namespace plv7::gui {

class Zahlenfeld;

// The four outputs of the direct window ("Ausgänge"): each set in user units by a field or
// a knob, held below its limit ("Begrenzung"), and written to the box at once; one button
// sets all four to the user value zero.
class DirektAusgaenge : public QGroupBox {
public:
    // The acquisition that shares the line with the outputs.
    class Leitung {
    public:
        // Makes the write of output k (at `prozent` of full scale): while the acquisition
        // runs, its thread makes it between two ticks and the code comes later to the error
        // fields; otherwise at once. 0 or the code.
        virtual int ausgeben(int k, double prozent, std::function<int()> schreiben) = 0;

    protected:
        ~Leitung() = default;
    };

    DirektAusgaenge(Leitung& leitung, QWidget* parent);

    // Writes output k (0..3) from its control, pulled back to its limit first; the result
    // also goes to the error fields. 0 or a code.
    int AusgangSetzen(int k);
    // Sets output k to the user value zero, held inside the channel's range.
    int AusgangAufNull(int k);

    // Ranges, decimals and units of every output for the current scaling.
    void skalieren();
    // What the outputs were last set to, in percent of full scale, for the log.
    const std::array<double, 4>& prozent() const { return prozent_; }

    void einstellungenUebernehmen(const DirektSettings& s);
    void einstellungenEintragen(DirektSettings& s) const;

private:
    void verbindeSignale();
    void reglerNachfuehren(int k);
    void reglerBewegt(int k);
    void ausgangGeaendert(int k);
    void alleAufNull();
    // Sends the user value of output k to the box on the open port.
    int schreiben(int port, int k, double wert);

    Leitung& leitung_;
    std::array<Zahlenfeld*, 4> ausgang_{};
    std::array<QDial*, 4> regler_{};
    std::array<QLabel*, 4> einheit_{};
    std::array<Zahlenfeld*, 4> begrenzung_{};
    QPushButton* aufNull_ = nullptr;
    std::array<double, 4> prozent_{};
};

}  // namespace plv7::gui
