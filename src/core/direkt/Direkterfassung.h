#pragma once

#include <array>

#include "direkt/Abtastpipeline.h"
#include "direkt/Abtastzeitpunkt.h"
#include "direkt/Direktrechnung.h"
#include "direkt/Protokoll.h"

namespace plv7::direkt {

// The direct window's acquisition without the window: the sampling tick and the log it
// writes. The window opens the log (it owns the file dialog); the acquisition thread calls
// takt on every deadline and hands the processed samples over to the window, which feeds its
// chart with them.
class Direkterfassung : private Abtastverbraucher {
public:
    // What a tick needs besides the sample: its date and time, and for the log line the
    // outputs and the scaling.
    struct Kontext {
        Abtastzeitpunkt zeitpunkt;
        std::array<double, 4> ausgangProzent{};  // outputs as last written
        Umrechnung eingangCodeInEinheit;
        Umrechnung ausgangCodeInEinheit;
    };

    explicit Direkterfassung(Eingangsabfrage& abfrage);

    // Starting: the tick timing and the pipeline.
    void starten();
    // Switched off by the operator: "Datenerfassung beendet" closes the log's acquisition.
    // 0 or the log's code; stopped in either case.
    int beenden();
    // Every other stop (a failed tick, the window menu, single-frame mode): log closed.
    void stoppen();

    Taktergebnis takt(const Takteingabe& eingabe, const Kontext& kontext);
    // Collects the answer the next tick expects before another exchange takes the line; a
    // failure stops the acquisition and closes the log as a failed tick does.
    Taktergebnis antwortVorziehen();

    Abtastpipeline& pipeline() { return pipeline_; }
    const Abtastpipeline& pipeline() const { return pipeline_; }
    Protokoll& protokoll() { return protokoll_; }

private:
    bool anzeigen(const Messwert& wert) override;
    int protokollieren(const Messwert& wert) override;

    Abtastpipeline pipeline_;
    Protokoll protokoll_;
    const Kontext* kontext_ = nullptr;
};

}  // namespace plv7::direkt
