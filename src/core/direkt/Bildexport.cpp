#include "direkt/Bildexport.h"

namespace plv7::direkt {

namespace {
Protokollkanal kanal(const Umrechnung& codeInEinheit, int k, const std::string& einheit) {
    Protokollkanal c;
    c.lo = codeInEinheit(k, 0.0);
    c.hi = codeInEinheit(k, kVollausschlagCode);
    c.nachkommastellen = Nachkommastellen(c.lo, c.hi);
    c.einheit = einheit;
    return c;
}
}  // namespace

Protokollkopf erstelleProtokollkopf(const Umrechnung& eingangCodeInEinheit,
                                    const Umrechnung& ausgangCodeInEinheit,
                                    const std::array<std::string, 4>& eingangEinheiten,
                                    const std::array<std::string, 4>& ausgangEinheiten) {
    Protokollkopf kopf;
    for (int k = 0; k < 4; ++k) {
        kopf.eingaenge[k] = kanal(eingangCodeInEinheit, k, eingangEinheiten[k]);
        kopf.ausgaenge[k] = kanal(ausgangCodeInEinheit, k, ausgangEinheiten[k]);
    }
    return kopf;
}

int bildSpeichern(const Grafik& grafik, Protokoll& protokoll, const std::filesystem::path& pfad,
                  const Protokollkopf& kopf, const Umrechnung& eingangCodeInEinheit,
                  const Umrechnung& ausgangCodeInEinheit) {
    const int anzahl = grafik.bildzeilen();
    if (int fehler = protokoll.oeffnen(pfad, Protokollart::Einzelbild, kopf)) return fehler;

    const Grafikpuffer& puffer = grafik.puffer();
    for (int i = 0; i < anzahl; ++i) {
        const int z = Grafikpuffer::zeile(grafik.bildanfang(), i);
        Protokollzeile zeile;
        zeile.datum = puffer.datum(z);
        zeile.uhrzeit = puffer.uhrzeit(z);
        zeile.laufzeit = puffer.laufzeit(z);
        for (int k = 0; k < 4; ++k) {
            zeile.eingaenge[k] = prozentInEinheit(eingangCodeInEinheit, k, puffer.eingang(k, z));
            zeile.ausgaenge[k] = prozentInEinheit(ausgangCodeInEinheit, k, puffer.ausgang(k, z));
        }
        if (int fehler = protokoll.zeile(zeile)) return fehler;
    }
    const int fehler = protokoll.text(kEinzelbildBeendet, kFehlerZeitspalten);
    protokoll.schliessen();
    return fehler;
}

}  // namespace plv7::direkt
