#include "direkt/Abtastpipeline.h"

#include "direkt/Direktrechnung.h"

namespace plv7::direkt {

unsigned abfragebits(const std::array<bool, 4>& plot) {
    unsigned maske = 0;
    for (unsigned k = 0; k < 4; ++k)
        if (plot[k]) maske |= 1u << k;
    return maske;
}

Abtastpipeline::Abtastpipeline(Eingangsabfrage& abfrage, Abtastverbraucher& verbraucher)
    : abfrage_(abfrage), verbraucher_(verbraucher) {}

void Abtastpipeline::starten() {
    statistik_.erfassungStarten();
    antwortAusstehend_ = false;
    probeBereit_ = false;
    laeuft_ = true;
}

void Abtastpipeline::melde(Taktergebnis& ergebnis, int code) {
    if (ergebnis.anzahlFehler < static_cast<int>(ergebnis.fehler.size()))
        ergebnis.fehler[ergebnis.anzahlFehler++] = code;
    ergebnis.gestoppt = true;
    laeuft_ = false;
}

Taktergebnis Abtastpipeline::takt(const Takteingabe& eingabe) {
    Taktergebnis ergebnis;
    if (!laeuft_) return ergebnis;
    ergebnis.zeitfehler = statistik_.takt(eingabe.jetzt, eingabe.intervall);
    const bool schnell = schnelleAbtastung(eingabe.intervall);

    // The answer must be collected before the next request, whose flush would discard it.
    const bool probe = schnell && (probeBereit_ || (antwortAusstehend_ && empfangen(ergebnis)));
    antwortAusstehend_ = false;
    probeBereit_ = false;
    // A failed answer stops the acquisition: no new request is sent.
    if (ergebnis.gestoppt) return ergebnis;

    const bool angefragt = anfragen(ergebnis, eingabe.plot);
    if (!schnell) {
        // A step whose input a failed step did not deliver is left out: no answer is awaited
        // for a request that failed, and a failed answer is neither shown nor logged.
        if (angefragt && empfangen(ergebnis))
            verarbeitenUndProtokollieren(ergebnis, eingabe.vinmax);
        return ergebnis;
    }
    antwortAusstehend_ = angefragt;
    if (probe) verarbeitenUndProtokollieren(ergebnis, eingabe.vinmax);
    return ergebnis;
}

Taktergebnis Abtastpipeline::antwortVorziehen() {
    Taktergebnis ergebnis;
    if (!laeuft_ || !antwortAusstehend_) return ergebnis;
    antwortAusstehend_ = false;
    probeBereit_ = empfangen(ergebnis);
    return ergebnis;
}

bool Abtastpipeline::anfragen(Taktergebnis& ergebnis, const std::array<bool, 4>& plot) {
    const int port = abfrage_.offenerPort();
    if (port == -1) {
        melde(ergebnis, kFehlerAnfrageOhnePort);
        return false;
    }
    abfragebits_ = direkt::abfragebits(plot);
    adresse_ = abfrage_.adresse();
    const int code = abfrage_.senden(port, adresse_, abfragebits_);
    if (code != 0) melde(ergebnis, code);
    return code == 0;
}

bool Abtastpipeline::empfangen(Taktergebnis& ergebnis) {
    const int port = abfrage_.offenerPort();
    if (port == -1) {
        ergebnis.portFehlerAnzeigen = true;
        melde(ergebnis, kFehlerEmpfangOhnePort);
        return false;
    }
    std::array<double, 4> volts{};
    const int code = abfrage_.empfangen(port, adresse_, abfragebits_, volts);
    if (code != 0) {
        melde(ergebnis, code);
        return false;
    }
    eingangSpannung_ = volts;
    return true;
}

void Abtastpipeline::verarbeitenUndProtokollieren(Taktergebnis& ergebnis, double vinmax) {
    const bool zuruecksetzen = minMaxZuruecksetzen_;
    minMaxZuruecksetzen_ = false;
    for (std::size_t k = 0; k < 4; ++k) {
        const double v = eingangSpannung_[k];
        messwert_.volts[k] = v;
        messwert_.prozent[k] = prozentVonVollausschlag(v, vinmax);
        const bool neuesMaximum = zuruecksetzen || v > messwert_.maximum[k];
        const bool neuesMinimum = zuruecksetzen || v < messwert_.minimum[k];
        if (neuesMaximum) messwert_.maximum[k] = v;
        if (neuesMinimum) messwert_.minimum[k] = v;
        messwert_.neuesMaximum[k] = neuesMaximum;
        messwert_.neuesMinimum[k] = neuesMinimum;
    }
    messwert_.laufzeit = statistik_.laufzeit();
    ergebnis.verarbeitet = true;

    if (verbraucher_.anzeigen(messwert_)) {
        // A whole frame was drawn while the timer stood still: the timing starts anew, and
        // the answer to the request sent before the drawing is dropped.
        statistik_.neustart();
        antwortAusstehend_ = false;
    }
    if (int code = verbraucher_.protokollieren(messwert_)) melde(ergebnis, code);
}

}  // namespace plv7::direkt
