#include "kurven/KurvenDatei.h"

#include <algorithm>

#include "base/AtomicWrite.h"
#include "base/ByteOrder.h"
#include "base/Dateiformat.h"
#include "base/Windows1252.h"

namespace plv7::kurven {

using namespace kurven_datei;
using dateiformat::kPunktGroesse;

namespace {

constexpr Dateiart kArt{kKennung, kKopf, kFehlerKopfKurz, kFehlerKeineKurvendatei,
                        kFehlerFalscheVersion};

std::size_t kurvenIndex(int k) {
    return static_cast<std::size_t>(k);
}

}  // namespace

std::vector<std::uint8_t> KurvenDateiErzeugen(const Kurvenmodell& modell,
                                              const Konfiguration& konfig) {
    std::size_t punkteGesamt = 0;
    for (const auto& k : modell.kurven) punkteGesamt += k.punkte.size();
    std::vector<std::uint8_t> datei(kKopf + punkteGesamt * kPunktGroesse, 0);
    DateikopfSchreiben(datei, kKennung);
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        cp1252::writeTextField(
            modell.kurven[k].kommentar,
            std::span(datei).subspan(kKommentare + k * kKommentarBreite, kKommentarBreite));
        le::putI32(datei, kZyklen + 4 * k, modell.einstellungen[k].zyklen);
        le::putI32(datei, kRuhewerte + 4 * k, modell.einstellungen[k].ruhewert);
        le::putI32(datei, kBeschreibungen + kBeschreibungBreite * k,
                   static_cast<std::int32_t>(modell.kurven[k].punkte.size()));
    }
    KonfigurationInBild(konfig, std::span(datei).subspan<kKonfig, konfig_bild::kGroesse>());
    std::size_t pos = kKopf;
    for (const auto& kurve : modell.kurven) {
        for (const auto& p : kurve.punkte)
            pos = DateipunktSchreiben(datei, pos, {p.wert, p.laenge, p.zeitbasis});
    }
    return datei;
}

int KurvenDateiLesen(std::span<const std::uint8_t> bytes, KurvenDateiInhalt& ziel) {
    if (const int code = DateikopfPruefen(bytes, kArt); code != 0) return code;

    KurvenDateiInhalt inhalt;
    std::array<std::int32_t, kKurvenAnzahl> anzahlen{};
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const auto i = kurvenIndex(k);
        anzahlen[i] = le::getI32(bytes, kBeschreibungen + kBeschreibungBreite * i);
        if (anzahlen[i] < 0) return kFehlerPunktanzahl;
        inhalt.kommentare[i] = cp1252::readCommentField(
            bytes.subspan(kKommentare + i * kKommentarBreite, kKommentarBreite));
        inhalt.zyklen[i] = le::getI32(bytes, kZyklen + 4 * i);
        inhalt.ruhewerte[i] = le::getI32(bytes, kRuhewerte + 4 * i);
    }
    inhalt.konfig = KonfigurationAusBild(bytes.subspan<kKonfig, konfig_bild::kGroesse>());

    // A curve whose points are cut short swallows the rest of the file, as a short read would.
    std::size_t pos = kKopf;
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        const auto anzahl = static_cast<std::size_t>(anzahlen[k]);
        const std::size_t rest = bytes.size() - pos;
        if (anzahl == 0 || anzahl > rest / kPunktGroesse) {
            inhalt.punkte[k] = Einzelpunkt();
            inhalt.unvollstaendig[k] = true;
            pos += std::min(rest, anzahl * kPunktGroesse);
            continue;
        }
        auto& punkte = inhalt.punkte[k];
        punkte.resize(anzahl);
        for (auto& p : punkte) {
            const Dateipunkt d = DateipunktLesen(bytes, pos);
            p = {d.wert, d.laenge, d.code};
            pos += kPunktGroesse;
        }
    }
    ziel = std::move(inhalt);
    return 0;
}

int KurvenDateiSpeichern(const std::filesystem::path& pfad, const Kurvenmodell& modell,
                         const Konfiguration& konfig) {
    return dateiSchreiben(pfad, KurvenDateiErzeugen(modell, konfig),
                          {kFehlerSpeichernOeffnen, kFehlerSpeichernSchreiben});
}

int KurvenDateiLaden(const std::filesystem::path& pfad, KurvenDateiInhalt& ziel) {
    const auto datei = openFile(pfad, "rb");
    if (!datei) return kFehlerLadenOeffnen;
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 65536> block{};
    std::size_t gelesen = 0;
    while ((gelesen = std::fread(block.data(), 1, block.size(), datei.get())) > 0)
        bytes.insert(bytes.end(), block.begin(), block.begin() + static_cast<long>(gelesen));
    return KurvenDateiLesen(bytes, ziel);
}

void KurvenDateiUebernehmen(Kurvenmodell& modell, const KurvenDateiInhalt& inhalt) {
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        modell.kurven[k].punkte = inhalt.punkte[k];
        modell.kurven[k].kommentar = inhalt.kommentare[k];
        modell.einstellungen[k].zyklen = inhalt.zyklen[k];
        modell.einstellungen[k].ruhewert = inhalt.ruhewerte[k];
    }
}

void KurvenDateiAnhaengen(Kurvenmodell& modell, const KurvenDateiInhalt& inhalt) {
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        if (inhalt.unvollstaendig[k]) continue;
        auto& punkte = modell.kurven[k].punkte;
        punkte.insert(punkte.end(), inhalt.punkte[k].begin(), inhalt.punkte[k].end());
    }
}

std::vector<std::string> UnvollstaendigWarnungen(const KurvenDateiInhalt& inhalt, bool angehaengt) {
    std::vector<std::string> zeilen;
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        if (!inhalt.unvollstaendig[kurvenIndex(k)]) continue;
        zeilen.push_back("Warnung: Kurve " + std::to_string(k + 1) + " unvollständig, " +
                         (angehaengt ? "nicht angehängt." : "als Einzelpunkt geladen."));
    }
    return zeilen;
}

}  // namespace plv7::kurven
