#pragma once

#include <array>
#include <span>
#include <vector>

#include "direkt/Grafikeinteilung.h"
#include "direkt/Grafikpuffer.h"

namespace plv7::direkt {

inline constexpr char kWarteAufTrigger[] = "warte auf Trigger";

// Trigger source 0 is "Aus", 1..4 the inputs; edge 1 "positiv", -1 "negativ"; threshold in
// percent; delay in X divisions (negative: divisions of history before the trigger).
struct Triggereinstellung {
    int quelle = 0;
    int flanke = 1;
    double schwelle = 50.0;
    int verzoegerung = 0;
};

enum class Triggertext { Unveraendert, Warten, Leer };

// What the window draws after one sample: the points von..von+anzahl-1 of the frame
// arrays (x positions and the four traces). With bildBeginn the traces are cleared first.
struct Zeichnung {
    bool bildBeginn = false;
    int von = 0;
    int anzahl = 0;
    // Delayed display has just drawn a whole frame: the tick timing starts anew.
    bool ganzesBild = false;
    Triggertext triggertext = Triggertext::Unveraendert;
};

// The strip chart's recording, frames and trigger. Settings whose change invalidates a
// running frame restart the chart; the window clears its traces and the trigger text then.
class Grafik {
public:
    explicit Grafik(int xTeilungen = kXTeilungen);

    // Keeps the points per division inside the buffer's limit; returns the value kept.
    int setPunkteProDiv(int punkteProDiv);
    // Source and delay restart the chart; edge and threshold apply from the next sample.
    void setTrigger(const Triggereinstellung& trigger);
    void setEinzelbild(bool ein);
    void setVerzoegerteAnzeige(bool ein);

    int punkteProDiv() const { return punkteProDiv_; }
    int xTeilungen() const { return xTeilungen_; }
    // Samples per frame (P); the chart shows P + 1 points per screen.
    int bildlaenge() const { return punkteProDiv_ * xTeilungen_; }
    const Triggereinstellung& trigger() const { return trigger_; }
    bool einzelbild() const { return einzelbild_; }
    bool verzoegerteAnzeige() const { return verzoegert_; }

    // Restart of the chart: no frame, no pending trigger, nothing frozen, inputs of every
    // row zero. Write position and frame start stay.
    void neustart();

    // Records one processed sample and says what to draw.
    Zeichnung neuerWert(const Grafikwert& wert);

    // The frame as it is drawn: x positions 0..P-1 and the four traces in percent.
    std::span<const double> bildX() const;
    std::span<const double> bildSpur(int kanal) const;

    bool eingefroren() const { return eingefroren_; }
    bool bildLaeuft() const { return bildrest_ > 0; }
    int bildanfang() const { return bildanfang_; }
    // Rows from the frame start up to the last written one (the frozen frame: P).
    int bildzeilen() const;
    const Grafikpuffer& puffer() const { return puffer_; }

private:
    void kopiereInsBild(int ersteZeile, int position, int anzahl);
    Zeichnung bildStarten(int zeile, Zeichnung z);
    Zeichnung bildFertig(Zeichnung z);
    Zeichnung triggern(int zeile, const Grafikwert& wert);

    Grafikpuffer puffer_;
    std::vector<double> bildX_;
    std::array<std::vector<double>, 4> bildSpur_;

    int xTeilungen_;
    int punkteProDiv_ = 26;
    Triggereinstellung trigger_;
    bool einzelbild_ = false;
    bool verzoegert_ = false;

    int bildanfang_ = 0;
    int bildrest_ = 0;
    int triggerverzoegerung_ = 0;
    bool triggerScharf_ = false;
    bool eingefroren_ = false;
};

}  // namespace plv7::direkt
