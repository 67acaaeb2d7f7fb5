#pragma once

#include <array>

#include "direkt/Abtastpipeline.h"
#include "direkt/Abtastzeitpunkt.h"
#include "direkt/Direktrechnung.h"
#include "direkt/Grafik.h"
#include "direkt/Protokoll.h"

namespace plv7::direkt {

// The direct window's acquisition without the window: the sampling tick, the chart it
// feeds and the log it writes. The window opens the log (it owns the file dialog), calls
// takt on every timer tick and shows what comes back.
class Direkterfassung : private Abtastverbraucher {
public:
    // What the window knows at a tick and the core does not own.
    struct Kontext {
        Abtastzeitpunkt zeitpunkt;
        std::array<double, 4> ausgangProzent{};  // outputs as last written
        bool grafikAktiv = true;
        Umrechnung eingangCodeInEinheit;
        Umrechnung ausgangCodeInEinheit;
    };

    struct Takt {
        Taktergebnis ergebnis;
        // What the chart asks to draw; nothing when no sample reached it.
        Zeichnung zeichnung;
    };

    explicit Direkterfassung(Eingangsabfrage& abfrage);

    // Starting: the chart restarts (the window clears its traces and the trigger text),
    // then the tick timing and the pipeline.
    void starten();
    // Switched off by the operator: "Datenerfassung beendet" closes the log's acquisition.
    // 0 or the log's code; stopped in either case.
    int beenden();
    // Every other stop (a failed tick, the window menu, single-frame mode): log closed.
    void stoppen();

    Takt takt(const Takteingabe& eingabe, const Kontext& kontext);

    Abtastpipeline& pipeline() { return pipeline_; }
    Grafik& grafik() { return grafik_; }
    Protokoll& protokoll() { return protokoll_; }

private:
    bool anzeigen(const Messwert& wert) override;
    int protokollieren(const Messwert& wert) override;

    Abtastpipeline pipeline_;
    Grafik grafik_;
    Protokoll protokoll_;
    const Kontext* kontext_ = nullptr;
    Zeichnung zeichnung_;
};

}  // namespace plv7::direkt
