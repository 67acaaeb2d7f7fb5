#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "direkt/Direkterfassung.h"
#include "direkt/Taktraster.h"
#include "direkt/Uebergabe.h"

namespace plv7::direkt {

// Seconds of the steady clock the ticks are timed by.
double monotoneSekunden();

// What the window sets and the thread reads at its next tick.
struct Erfassungseinstellung {
    double intervall = 0.5;  // the timer's interval in seconds
    std::array<bool, 4> plot{true, true, true, true};
    double vinmax = 10.0;
};

// One event of the acquisition as the window learns of it, in the order it happened.
struct Abtastmeldung {
    enum class Art { Takt, Ausgabe };
    Art art = Art::Takt;
    // A tick's result, or that of collecting the pending answer before an output.
    Taktergebnis ergebnis;
    // Art::Ausgabe: 0 or the code of the output write.
    int ausgabeCode = 0;
    // Art::Takt with ergebnis.verarbeitet: the sample and what the chart records with it.
    Messwert messwert;
    Abtastzeitpunkt zeitpunkt;
    std::array<double, 4> ausgangProzent{};
    unsigned abfragebits = 0;
    // The timing statistics as of this tick, and whether the log is open after it.
    Zeitstatistik statistik;
    bool protokollOffen = false;
    // Seconds: the work of the tick, and how late after its deadline it started.
    double dauer = 0.0;
    double spaet = 0.0;
};

// What the waiting for the deadlines cost since the start.
struct Wartekosten {
    double aktivSekunden = 0.0;
    double schlafSekunden = 0.0;
    long takte = 0;
    // Ticks that started more than half a millisecond after their deadline (the statistics
    // count such a tick as a timing error), and the latest start.
    long verspaetet = 0;
    double groessteVerspaetung = 0.0;
};

// The acquisition in a thread of its own: ticks on the absolute deadlines of a Taktraster,
// the serial exchange, the statistics and the log line, with real-time priority where the
// system grants it. The window hands in settings and output writes, which run between two
// ticks, and takes the events in batches; neither ever waits for the other beyond a swap.
// While the thread runs, the Direkterfassung is its own; the window uses it again after
// stoppen.
class Erfassungsthread {
public:
    using Uhr = std::function<Abtastzeitpunkt()>;

    struct Start {
        Erfassungseinstellung einstellung;
        Direkterfassung::Kontext kontext;  // scaling and outputs for the log lines
        bool echtzeit = false;             // ask for real-time priority and locked memory
        // With `echtzeit`, asked from inside the thread with its kernel thread id when the
        // system does not grant the priority directly: a desktop user usually has no
        // RLIMIT_RTPRIO, but a service on the desktop (rtkit) grants it per thread. True
        // when it did.
        std::function<bool(long threadId)> vermittler;
    };

    // `uhr` gives each tick's date and time.
    Erfassungsthread(Direkterfassung& erfassung, Uhr uhr = systemzeitpunkt);
    ~Erfassungsthread();
    Erfassungsthread(const Erfassungsthread&) = delete;
    Erfassungsthread& operator=(const Erfassungsthread&) = delete;

    // Starts the thread with the acquisition already started; the first tick is due one
    // interval after the next whole millisecond.
    void starten(const Start& start);
    // Stops the thread and waits for it. Output writes handed in before are made first.
    void stoppen();
    // True from starten until stoppen, also after a failed tick ended the thread's work.
    bool gestartet() const { return thread_.joinable(); }

    void einstellen(const Erfassungseinstellung& einstellung);
    void minMaxZuruecksetzen();
    // An output write (output k at `prozent` of full scale) for the thread to make between two
    // ticks; its code comes back as an Art::Ausgabe event. False when the thread takes no
    // more work (it is stopping or not running): the caller writes itself then.
    bool ausgeben(int kanal, double prozent, std::function<int()> schreiben);

    void abholen(std::vector<Abtastmeldung>& ziel) { meldungen_.abholen(ziel); }

    // Whether the thread got real-time priority; valid after its first tick.
    bool echtzeit() const { return echtzeit_.load(); }
    // Valid after stoppen.
    const Wartekosten& wartekosten() const { return kosten_; }

private:
    struct Auftrag {
        int kanal = 0;
        double prozent = 0.0;
        std::function<int()> schreiben;
    };

    void lauf(bool echtzeit, const std::function<bool(long)>& vermittler);
    // Waits until the next deadline, making output writes while there is time. False when
    // the thread is to stop.
    bool warten(Taktraster& raster);
    void takt(Taktraster& raster);
    // With `schliessen`, the thread takes no more work once the queue is empty.
    bool naechsterAuftrag(Auftrag& auftrag, bool schliessen);
    void auftraegeErledigen(bool schliessen);
    void erledigen(Auftrag& auftrag);

    Direkterfassung& erfassung_;
    Uhr uhr_;
    std::thread thread_;
    Uebergabe<Abtastmeldung> meldungen_;

    // Guarded by mutex_: what the window hands in.
    std::mutex mutex_;
    std::condition_variable wecker_;
    bool halt_ = false;
    bool annahme_ = false;
    bool neueEinstellung_ = false;
    bool minMaxZuruecksetzen_ = false;
    Erfassungseinstellung einstellungNeu_;
    std::deque<Auftrag> auftraege_;

    // The thread's own while it runs.
    Erfassungseinstellung einstellung_;
    Direkterfassung::Kontext kontext_;
    Weckvorlauf vorlauf_;
    Wartekosten kosten_;
    bool beendet_ = false;  // a failed step ended the ticks
    std::atomic<bool> echtzeit_{false};
};

}  // namespace plv7::direkt
