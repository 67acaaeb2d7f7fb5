#include "direkt/Direkterfassung.h"

namespace plv7::direkt {

Direkterfassung::Direkterfassung(Eingangsabfrage& abfrage) : pipeline_(abfrage, *this) {}

void Direkterfassung::starten() {
    grafik_.neustart();
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

Direkterfassung::Takt Direkterfassung::takt(const Takteingabe& eingabe, const Kontext& kontext) {
    kontext_ = &kontext;
    zeichnung_ = {};
    Takt t;
    t.ergebnis = pipeline_.takt(eingabe);
    t.zeichnung = zeichnung_;
    kontext_ = nullptr;
    if (t.ergebnis.gestoppt) protokoll_.schliessen();
    return t;
}

bool Direkterfassung::anzeigen(const Messwert& wert) {
    if (!kontext_->grafikAktiv) return false;
    Grafikwert g;
    g.eingangProzent = wert.prozent;
    g.ausgangProzent = kontext_->ausgangProzent;
    g.datum = kontext_->zeitpunkt.datum;
    g.uhrzeit = kontext_->zeitpunkt.uhrzeit;
    g.laufzeit = wert.laufzeit;
    zeichnung_ = grafik_.neuerWert(g);
    return zeichnung_.ganzesBild;
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
