#include "direkt/Direkterfassung.h"

namespace plv7::direkt {

Direkterfassung::Direkterfassung(Eingangsabfrage& abfrage) : pipeline_(abfrage, *this) {}

void Direkterfassung::starten() {
    pipeline_.starten();
}

int Direkterfassung::beenden() {
    const int fehler = protokoll_.text(kDatenerfassungBeendet);
    stoppen();
    return fehler;
}

void Direkterfassung::stoppen() {
    protokoll_.schliessen();
    pipeline_.stoppen();
}

Taktergebnis Direkterfassung::takt(const Takteingabe& eingabe, const Kontext& kontext) {
    kontext_ = &kontext;
    const Taktergebnis ergebnis = pipeline_.takt(eingabe);
    kontext_ = nullptr;
    if (ergebnis.gestoppt) protokoll_.schliessen();
    return ergebnis;
}

Taktergebnis Direkterfassung::antwortVorziehen() {
    const Taktergebnis ergebnis = pipeline_.antwortVorziehen();
    if (ergebnis.gestoppt) protokoll_.schliessen();
    return ergebnis;
}

bool Direkterfassung::anzeigen(const Messwert&) {
    // The window draws from its own thread; a whole frame no longer holds up the ticks.
    return false;
}

int Direkterfassung::protokollieren(const Messwert& wert) {
    if (!protokoll_.offen()) return 0;
    Protokollzeile z;
    z.datum = kontext_->zeitpunkt.datum;
    z.uhrzeit = kontext_->zeitpunkt.uhrzeit;
    z.laufzeit = wert.laufzeit;
    for (int k = 0; k < 4; ++k) {
        z.eingaenge[k] = prozentInEinheit(kontext_->eingangCodeInEinheit, k, wert.prozent[k]);
        z.ausgaenge[k] =
            prozentInEinheit(kontext_->ausgangCodeInEinheit, k, kontext_->ausgangProzent[k]);
    }
    return protokoll_.zeile(z);
}

}  // namespace plv7::direkt
