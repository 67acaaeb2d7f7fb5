#pragma once

#include <array>

#include "base/Fehlercodes.h"
#include "direkt/Zeitstatistik.h"

namespace plv7::direkt {

// What a sampling tick needs of the serial link: the open port (-1 for none), the device
// address, and the two halves of the short multi-input read.
class Eingangsabfrage {
public:
    virtual ~Eingangsabfrage() = default;
    virtual int offenerPort() = 0;
    virtual char adresse() = 0;
    virtual int senden(int port, char adresse, unsigned maske) = 0;
    virtual int empfangen(int port, char adresse, unsigned maske, std::array<double, 4>& volts) = 0;
};

// One processed sample: volts, percent of the input full scale, minimum and maximum in
// volts and which of them changed with this sample, and the acquisition's running time.
struct Messwert {
    std::array<double, 4> volts{};
    std::array<double, 4> prozent{};
    std::array<double, 4> minimum{};
    std::array<double, 4> maximum{};
    std::array<bool, 4> neuesMinimum{};
    std::array<bool, 4> neuesMaximum{};
    double laufzeit = 0.0;
};

// The window's side of a tick: showing a processed sample (meters, chart) and logging it.
class Abtastverbraucher {
public:
    virtual ~Abtastverbraucher() = default;
    // True when the chart drew a whole frame at once: the tick timing then starts anew and
    // the answer still in transit is not shown.
    virtual bool anzeigen(const Messwert& wert) = 0;
    // 0 or the log's error code.
    virtual int protokollieren(const Messwert& wert) = 0;
};

// The request mask from the four trace toggles: bit 0 = input 1 ... bit 3 = input 4.
unsigned abfragebits(const std::array<bool, 4>& plot);

struct Takteingabe {
    double jetzt = 0.0;      // seconds of the caller's monotonic clock
    double intervall = 0.5;  // the interval the timer runs at
    std::array<bool, 4> plot{true, true, true, true};
    double vinmax = 10.0;  // full-scale voltage of the inputs
};

struct Taktergebnis {
    bool zeitfehler = false;
    // A step failed: the acquisition is stopped and each code is shown in a pop-up.
    bool gestoppt = false;
    std::array<int, 4> fehler{};
    int anzahlFehler = 0;
    // The error fields show kFehlerEmpfangOhnePort as well.
    bool portFehlerAnzeigen = false;
    bool verarbeitet = false;
};

// The sampling loop's decisions. From 0.1 s on, a tick requests, receives, shows and logs
// its own sample. Below, every sample is shown and logged one tick after its request, and
// the box's answer travels while the program waits for the next tick: a tick first collects
// the answer to the previous tick's request (it has arrived by now), sends the next request
// at once, so that requests keep the tick's rhythm, and then shows and logs the collected
// sample. The first tick after a start shows nothing.
class Abtastpipeline {
public:
    Abtastpipeline(Eingangsabfrage& abfrage, Abtastverbraucher& verbraucher);

    void starten();
    void stoppen() { laeuft_ = false; }
    bool laeuft() const { return laeuft_; }

    Taktergebnis takt(const Takteingabe& eingabe);
    // Another exchange is about to use the line (an output is set): its flush would discard
    // the answer the next tick expects, so that answer is collected now and kept for the
    // tick. The result says whether that failed, as a tick's would.
    Taktergebnis antwortVorziehen();

    // The next processed sample becomes minimum and maximum of every input.
    void minMaxZuruecksetzen() { minMaxZuruecksetzen_ = true; }

    const Zeitstatistik& zeitstatistik() const { return statistik_; }
    const Messwert& messwert() const { return messwert_; }
    unsigned abfragebits() const { return abfragebits_; }

private:
    void melde(Taktergebnis& ergebnis, int code);
    bool anfragen(Taktergebnis& ergebnis, const std::array<bool, 4>& plot);
    bool empfangen(Taktergebnis& ergebnis);
    void verarbeitenUndProtokollieren(Taktergebnis& ergebnis, double vinmax);

    Eingangsabfrage& abfrage_;
    Abtastverbraucher& verbraucher_;
    Zeitstatistik statistik_;
    Messwert messwert_;
    std::array<double, 4> eingangSpannung_{};
    unsigned abfragebits_ = 0;
    char adresse_ = '1';
    bool laeuft_ = false;
    // A request of the fast path whose answer the next tick collects.
    bool antwortAusstehend_ = false;
    // An answer collected ahead of its tick.
    bool probeBereit_ = false;
    // Set from the beginning, so that the first sample ever also fills minimum and maximum.
    bool minMaxZuruecksetzen_ = true;
};

}  // namespace plv7::direkt
