// The acquisition thread on a scripted box, by the order of the calls it makes. The thread
// runs on the real clock at the shortest interval; nothing here asserts a time.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "direkt/Echtzeit.h"
#include "direkt/Erfassungsthread.h"

using namespace plv7::direkt;
namespace fs = std::filesystem;

namespace {

// A box whose input 1 climbs by 1 V per answer; it writes down every call, and from the
// answer numbered `versagtAb` on it fails with -403051.
class Schreiber : public Eingangsabfrage {
public:
    int offenerPort() override { return 1; }
    char adresse() override { return '1'; }
    int senden(int, char, unsigned maske) override {
        notiere("senden " + std::to_string(maske));
        return 0;
    }
    int empfangen(int, char, unsigned, std::array<double, 4>& v) override {
        const std::lock_guard sperre(mutex_);
        aufrufe_.push_back("empfangen");
        if (antworten_ >= versagtAb) return -403051;
        v = {static_cast<double>(antworten_++), 0.0, 0.0, 0.0};
        return 0;
    }
    int schreiben(int kanal) {
        notiere("schreiben " + std::to_string(kanal));
        return kanal == 3 ? -112046 : 0;
    }
    std::vector<std::string> aufrufe() {
        const std::lock_guard sperre(mutex_);
        return aufrufe_;
    }

    int versagtAb = 1 << 30;

private:
    void notiere(std::string text) {
        const std::lock_guard sperre(mutex_);
        aufrufe_.push_back(std::move(text));
    }
    std::mutex mutex_;
    std::vector<std::string> aufrufe_;
    int antworten_ = 0;
};

Abtastzeitpunkt festeUhr() {
    return {"01-02-2025", "12:00:00"};
}

double identisch(int, double code) {
    return 10.0 / 4095.0 * code;
}

Erfassungsthread::Start schnellerStart() {
    Erfassungsthread::Start s;
    s.einstellung.intervall = 0.002;
    s.kontext.eingangCodeInEinheit = identisch;
    s.kontext.ausgangCodeInEinheit = identisch;
    return s;
}

struct Lauf {
    Schreiber box;
    Direkterfassung erfassung{box};
    Erfassungsthread thread{erfassung, festeUhr};
    std::vector<Abtastmeldung> meldungen;

    void starten() {
        erfassung.starten();
        thread.starten(schnellerStart());
    }
    // Collects events until `fertig` says so or the thread ended its work (a guard against
    // a hang, not a measurement).
    template <typename F>
    void sammeln(F fertig) {
        std::vector<Abtastmeldung> stapel;
        for (int i = 0; i < 20000 && !fertig(); ++i) {
            thread.abholen(stapel);
            meldungen.insert(meldungen.end(), stapel.begin(), stapel.end());
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    void stoppen() {
        thread.stoppen();
        std::vector<Abtastmeldung> stapel;
        thread.abholen(stapel);
        meldungen.insert(meldungen.end(), stapel.begin(), stapel.end());
    }
    std::vector<const Abtastmeldung*> takte() const {
        std::vector<const Abtastmeldung*> t;
        for (const auto& m : meldungen)
            if (m.art == Abtastmeldung::Art::Takt) t.push_back(&m);
        return t;
    }
};

}  // namespace

TEST(Erfassungsthread, HandsOverEverySampleInOrderAndLogsEachOne) {
    const fs::path pfad = fs::temp_directory_path() / "plv7_erfassungsthread.txt";
    fs::remove(pfad);
    Lauf lauf;
    Protokollkopf kopf;
    ASSERT_EQ(lauf.erfassung.protokoll().oeffnen(pfad, Protokollart::Datenerfassung, kopf), 0);
    lauf.starten();
    lauf.sammeln([&] { return lauf.takte().size() >= 40; });
    lauf.stoppen();
    ASSERT_EQ(lauf.erfassung.beenden(), 0);

    const auto takte = lauf.takte();
    ASSERT_GE(takte.size(), 40u);
    // The first tick only requests; every later one shows the answer to the one before.
    EXPECT_FALSE(takte[0]->ergebnis.verarbeitet);
    int verarbeitet = 0;
    for (std::size_t i = 1; i < takte.size(); ++i) {
        ASSERT_TRUE(takte[i]->ergebnis.verarbeitet);
        EXPECT_DOUBLE_EQ(takte[i]->messwert.volts[0], static_cast<double>(i - 1));
        EXPECT_EQ(takte[i]->zeitpunkt.uhrzeit, "12:00:00");
        EXPECT_EQ(takte[i]->abfragebits, 0xFu);
        ++verarbeitet;
    }
    EXPECT_EQ(takte.back()->statistik.anzeige().messungen, static_cast<long>(takte.size()) - 1);

    std::ifstream datei(pfad);
    std::string zeile;
    int zeilen = 0;
    while (std::getline(datei, zeile))
        if (zeile.rfind("02.01.2025\t", 0) == 0) ++zeilen;
    EXPECT_EQ(zeilen, verarbeitet);
    fs::remove(pfad);
}

TEST(Erfassungsthread, OutputsGoOutBetweenTicksAfterThePendingAnswerAndTheirCodesComeBack) {
    Lauf lauf;
    lauf.starten();
    lauf.sammeln([&] { return lauf.takte().size() >= 3; });
    for (int kanal = 0; kanal < 4; ++kanal) {
        EXPECT_TRUE(lauf.thread.ausgeben(kanal, 10.0 * (kanal + 1),
                                         [&lauf, kanal] { return lauf.box.schreiben(kanal); }));
    }
    lauf.sammeln([&] {
        int ausgaben = 0;
        for (const auto& m : lauf.meldungen) ausgaben += m.art == Abtastmeldung::Art::Ausgabe;
        return ausgaben == 4 && lauf.meldungen.back().art == Abtastmeldung::Art::Takt &&
               lauf.meldungen.back().ergebnis.verarbeitet;
    });
    lauf.stoppen();

    std::vector<int> codes;
    for (const auto& m : lauf.meldungen)
        if (m.art == Abtastmeldung::Art::Ausgabe) codes.push_back(m.ausgabeCode);
    EXPECT_EQ(codes, (std::vector<int>{0, 0, 0, -112046}));
    // The log of later samples carries the outputs as written.
    const auto takte = lauf.takte();
    EXPECT_EQ(takte.back()->ausgangProzent, (std::array<double, 4>{10.0, 20.0, 30.0, 40.0}));
    // A write flushes the line: the answer to the last request is always collected before.
    const auto aufrufe = lauf.box.aufrufe();
    for (std::size_t i = 1; i < aufrufe.size(); ++i) {
        if (aufrufe[i].rfind("schreiben", 0) == 0) {
            EXPECT_TRUE(aufrufe[i - 1] == "empfangen" || aufrufe[i - 1].rfind("schreiben", 0) == 0)
                << "call " << i << " follows " << aufrufe[i - 1];
        }
    }
}

TEST(Erfassungsthread, AFailedAnswerEndsTheTicksWithItsCodeAndLaterOutputsAreTheCallersAgain) {
    Lauf lauf;
    lauf.box.versagtAb = 5;
    lauf.starten();
    lauf.sammeln(
        [&] { return !lauf.meldungen.empty() && lauf.meldungen.back().ergebnis.gestoppt; });
    // The thread takes no more work once it has ended; the window then writes itself.
    bool angenommen = true;
    for (int i = 0; i < 2000 && angenommen; ++i) {
        angenommen = lauf.thread.ausgeben(0, 0.0, [&lauf] { return lauf.box.schreiben(0); });
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    EXPECT_FALSE(angenommen);
    lauf.stoppen();

    const auto takte = lauf.takte();
    ASSERT_FALSE(takte.empty());
    const Abtastmeldung& letzte = *takte.back();
    EXPECT_TRUE(letzte.ergebnis.gestoppt);
    EXPECT_EQ(letzte.ergebnis.anzahlFehler, 1);
    EXPECT_EQ(letzte.ergebnis.fehler[0], -403051);
    EXPECT_FALSE(letzte.protokollOffen);
    EXPECT_EQ(std::count_if(takte.begin(), takte.end(),
                            [](const Abtastmeldung* m) { return m->ergebnis.gestoppt; }),
              1);
    EXPECT_FALSE(lauf.erfassung.pipeline().laeuft());
}

TEST(Erfassungsthread, AStopStillWritesTheOutputsHandedInBeforeAndSettingsReachTheNextTick) {
    Lauf lauf;
    lauf.starten();
    lauf.sammeln([&] { return lauf.takte().size() >= 2; });
    Erfassungseinstellung e = schnellerStart().einstellung;
    e.plot = {true, false, true, true};
    lauf.thread.einstellen(e);
    lauf.sammeln([&] { return lauf.takte().back()->abfragebits == 0b1101u; });
    lauf.thread.ausgeben(2, 50.0, [&lauf] { return lauf.box.schreiben(2); });
    lauf.stoppen();
    const auto aufrufe = lauf.box.aufrufe();
    EXPECT_EQ(std::count(aufrufe.begin(), aufrufe.end(), "schreiben 2"), 1);
    EXPECT_EQ(aufrufe.back(), "schreiben 2");
    EXPECT_NE(std::find(aufrufe.begin(), aufrufe.end(), "senden 13"), aufrufe.end());
    EXPECT_FALSE(lauf.thread.gestartet());
}

// The priority service is asked from inside the thread with that thread's kernel id, and
// only when the system did not grant the priority directly (then echtzeit() is true without
// it). Whether the direct request succeeds depends on the user running the tests.
TEST(Erfassungsthread, TheServiceIsAskedWithTheThreadsOwnIdOnlyWhenTheDirectRequestFails) {
    for (const bool antwort : {false, true}) {
        SCOPED_TRACE(antwort);
        Lauf lauf;
        int aufrufe = 0;
        long erhalten = 0;
        long eigene = 0;
        auto start = schnellerStart();
        start.echtzeit = true;
        start.vermittler = [&](long threadId) {
            ++aufrufe;
            erhalten = threadId;
            eigene = echtzeit::threadKennung();
            return antwort;
        };
        lauf.erfassung.starten();
        lauf.thread.starten(start);
        lauf.sammeln([&] { return lauf.takte().size() >= 2; });
        lauf.stoppen();
        if (aufrufe == 0) {
            EXPECT_TRUE(lauf.thread.echtzeit());
            continue;
        }
        EXPECT_EQ(aufrufe, 1);
        EXPECT_NE(erhalten, 0);
        EXPECT_EQ(erhalten, eigene);
        EXPECT_NE(erhalten, echtzeit::threadKennung());
        EXPECT_EQ(lauf.thread.echtzeit(), antwort);
    }
}

// The taker grabs batches as fast as it can, so that the depositor often finds the lock taken:
// every item still arrives once and in order, the last ones with the closing hand-over.
TEST(Uebergabe, ItemsFindingTheLockTakenWaitAndArriveInOrder) {
    Uebergabe<int> uebergabe;
    constexpr int kAnzahl = 200000;
    std::vector<int> angekommen;
    std::atomic<bool> fertig{false};
    std::thread nehmer([&] {
        std::vector<int> stapel;
        while (!fertig.load()) {
            uebergabe.abholen(stapel);
            angekommen.insert(angekommen.end(), stapel.begin(), stapel.end());
        }
    });
    for (int i = 0; i < kAnzahl; ++i) {
        uebergabe.ablegen(i);
        if (i % 64 == 0) uebergabe.nachreichen();
    }
    uebergabe.abschliessen();
    fertig = true;
    nehmer.join();
    std::vector<int> rest;
    uebergabe.abholen(rest);
    angekommen.insert(angekommen.end(), rest.begin(), rest.end());
    ASSERT_EQ(angekommen.size(), static_cast<std::size_t>(kAnzahl));
    for (int i = 0; i < kAnzahl; ++i) ASSERT_EQ(angekommen[static_cast<std::size_t>(i)], i);
    EXPECT_TRUE(uebergabe.nachreichen());
}
