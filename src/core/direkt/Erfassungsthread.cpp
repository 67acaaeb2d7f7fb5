#include "direkt/Erfassungsthread.h"

#include <algorithm>

#include "direkt/Echtzeit.h"

namespace plv7::direkt {
namespace {

using Clock = Taktraster::Clock;

// Until this long before the wake-up the thread waits on a condition, so that output writes
// and a stop are taken at once; the rest is one absolute sleep.
constexpr auto kBedingtWartenBis = std::chrono::milliseconds(2);
// While events wait for the window's lock, the thread tries again this often.
constexpr auto kNachreichenAlle = std::chrono::milliseconds(1);

double sekunden(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

}  // namespace

double monotoneSekunden() {
    return sekunden(Clock::now().time_since_epoch());
}

Erfassungsthread::Erfassungsthread(Direkterfassung& erfassung, Uhr uhr)
    : erfassung_(erfassung), uhr_(std::move(uhr)) {}

Erfassungsthread::~Erfassungsthread() {
    stoppen();
}

void Erfassungsthread::starten(const Start& start) {
    stoppen();
    {
        const std::lock_guard sperre(mutex_);
        halt_ = false;
        annahme_ = true;
        neueEinstellung_ = false;
        minMaxZuruecksetzen_ = false;
        auftraege_.clear();
    }
    einstellung_ = start.einstellung;
    kontext_ = start.kontext;
    vorlauf_ = {};
    kosten_ = {};
    beendet_ = false;
    echtzeit_ = false;
    thread_ = std::thread([this, echtzeit = start.echtzeit, vermittler = start.vermittler] {
        lauf(echtzeit, vermittler);
    });
}

void Erfassungsthread::stoppen() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard sperre(mutex_);
        halt_ = true;
    }
    wecker_.notify_all();
    thread_.join();
}

void Erfassungsthread::einstellen(const Erfassungseinstellung& einstellung) {
    const std::lock_guard sperre(mutex_);
    einstellungNeu_ = einstellung;
    neueEinstellung_ = true;
}

void Erfassungsthread::minMaxZuruecksetzen() {
    const std::lock_guard sperre(mutex_);
    minMaxZuruecksetzen_ = true;
}

bool Erfassungsthread::ausgeben(int kanal, double prozent, std::function<int()> schreiben) {
    {
        const std::lock_guard sperre(mutex_);
        if (!annahme_) return false;
        auftraege_.push_back({kanal, prozent, std::move(schreiben)});
    }
    wecker_.notify_all();
    return true;
}

void Erfassungsthread::lauf(bool echtzeit, const std::function<bool(long)>& vermittler) {
    const bool gesperrt = echtzeit && echtzeit::speicherSperren();
    if (echtzeit) {
        bool erhalten = echtzeit::echtzeitAnfordern();
        if (!erhalten && vermittler) erhalten = vermittler(echtzeit::threadKennung());
        echtzeit_ = erhalten;
        if (!erhalten) echtzeit::kurzeZeitscheibe();
    }
    Taktraster raster;
    raster.setIntervall(einstellung_.intervall);
    raster.neuStarten(Clock::now());
    while (warten(raster)) {
        takt(raster);
        // Outputs changed during the tick go out now, between it and the next one.
        auftraegeErledigen(false);
    }
    // Outputs handed in before the stop are still written; after that the window writes
    // itself.
    auftraegeErledigen(true);
    meldungen_.abschliessen();
    if (gesperrt) echtzeit::speicherFreigeben();
}

bool Erfassungsthread::naechsterAuftrag(Auftrag& auftrag, bool schliessen) {
    const std::lock_guard sperre(mutex_);
    if (auftraege_.empty()) {
        if (schliessen) annahme_ = false;
        return false;
    }
    auftrag = std::move(auftraege_.front());
    auftraege_.pop_front();
    return true;
}

void Erfassungsthread::auftraegeErledigen(bool schliessen) {
    Auftrag auftrag;
    while (naechsterAuftrag(auftrag, schliessen)) erledigen(auftrag);
}

void Erfassungsthread::erledigen(Auftrag& auftrag) {
    Abtastmeldung meldung;
    meldung.art = Abtastmeldung::Art::Ausgabe;
    // The write flushes the line: the answer the next tick expects is collected first.
    meldung.ergebnis = erfassung_.antwortVorziehen();
    if (meldung.ergebnis.gestoppt) beendet_ = true;
    kontext_.ausgangProzent[static_cast<std::size_t>(auftrag.kanal)] = auftrag.prozent;
    meldung.ausgabeCode = auftrag.schreiben();
    meldung.statistik = erfassung_.pipeline().zeitstatistik();
    meldung.protokollOffen = erfassung_.protokoll().offen();
    meldungen_.ablegen(std::move(meldung));
}

bool Erfassungsthread::warten(Taktraster& raster) {
    for (;;) {
        if (beendet_) return false;
        Auftrag auftrag;
        {
            std::unique_lock sperre(mutex_);
            if (halt_) return false;
            const auto frist = raster.faellig() - vorlauf_.dauer() - kBedingtWartenBis;
            const bool zeit = Clock::now() < frist;
            if (!zeit) break;
            if (auftraege_.empty()) {
                const bool abgegeben = meldungen_.nachreichen();
                wecker_.wait_until(
                    sperre, abgegeben ? frist : std::min(frist, Clock::now() + kNachreichenAlle));
                continue;
            }
            auftrag = std::move(auftraege_.front());
            auftraege_.pop_front();
        }
        erledigen(auftrag);
    }
    const auto wecken = raster.faellig() - vorlauf_.dauer();
    auto nun = Clock::now();
    if (nun < wecken) {
        echtzeit::schlafenBis(wecken);
        const auto danach = Clock::now();
        vorlauf_.geweckt(wecken, danach);
        kosten_.schlafSekunden += sekunden(danach - nun);
        nun = danach;
    }
    const auto warteBeginn = nun;
    const auto bis = raster.aktivesWartenBis(warteBeginn);
    while (nun < bis) nun = Clock::now();
    kosten_.aktivSekunden += sekunden(nun - warteBeginn);
    return true;
}

void Erfassungsthread::takt(Taktraster& raster) {
    const auto beginn = Clock::now();
    const double spaet = raster.getaktet(beginn);
    ++kosten_.takte;
    if (spaet > 0.0005) ++kosten_.verspaetet;
    kosten_.groessteVerspaetung = std::max(kosten_.groessteVerspaetung, spaet);
    {
        const std::lock_guard sperre(mutex_);
        if (neueEinstellung_) {
            einstellung_ = einstellungNeu_;
            neueEinstellung_ = false;
            raster.setIntervall(einstellung_.intervall);
        }
        if (minMaxZuruecksetzen_) erfassung_.pipeline().minMaxZuruecksetzen();
        minMaxZuruecksetzen_ = false;
    }
    kontext_.zeitpunkt = uhr_();
    Takteingabe eingabe;
    eingabe.jetzt = sekunden(beginn.time_since_epoch());
    eingabe.intervall = einstellung_.intervall;
    eingabe.plot = einstellung_.plot;
    eingabe.vinmax = einstellung_.vinmax;

    Abtastmeldung meldung;
    meldung.ergebnis = erfassung_.takt(eingabe, kontext_);
    const Abtastpipeline& pipeline = erfassung_.pipeline();
    if (meldung.ergebnis.verarbeitet) {
        meldung.messwert = pipeline.messwert();
        meldung.zeitpunkt = kontext_.zeitpunkt;
        meldung.ausgangProzent = kontext_.ausgangProzent;
    }
    meldung.abfragebits = pipeline.abfragebits();
    meldung.statistik = pipeline.zeitstatistik();
    meldung.protokollOffen = erfassung_.protokoll().offen();
    meldung.spaet = spaet;
    meldung.dauer = sekunden(Clock::now() - beginn);
    if (meldung.ergebnis.gestoppt) beendet_ = true;
    meldungen_.ablegen(std::move(meldung));
}

}  // namespace plv7::direkt
