#include "kennlinien/KennlinienDatei.h"

#include <algorithm>

#include "base/AtomicWrite.h"
#include "base/ByteOrder.h"
#include "base/Dateiformat.h"
#include "base/Windows1252.h"
#include "konfig/KonfigUmrechnung.h"

namespace plv7::kennlinien {

using namespace kennlinien_datei;
using dateiformat::kPunktGroesse;

namespace {

constexpr Dateiart kArt{kKennung, kKopfGroesse, kFehlerLadenLesen, kFehlerKeineKennliniendatei,
                        kFehlerFalscheVersion};

// What every characteristic the program makes has, also one read from a box: outputs within
// 0..4095 and lines of at least one unit, so that X positions rise, and the last point no
// further right than 4095, where the editor's limits and the view end.
bool punkteGueltig(const std::vector<Kennlinienpunkt>& punkte) {
    std::int64_t position = 0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        if (punkte[i].y < 0 || punkte[i].y > kennlinie::kRohMax) return false;
        if (i + 1 < punkte.size()) {
            if (punkte[i].laenge < 1) return false;
            position += punkte[i].laenge;
        }
    }
    return position <= kennlinie::kRohMax;
}

}  // namespace

std::string KennlinienDateiUnvollstaendigText(const std::filesystem::path& pfad) {
    const auto name = pfad.filename().u8string();
    return "Die Datei " + std::string(name.begin(), name.end()) +
           " ist unvollständig.\nStatt ihrer Kurvenpunkte wurde ein einzelner Standardpunkt "
           "geladen.";
}

std::vector<std::uint8_t> KennlinienDateiBild(const Kennlinie& kennlinie,
                                              const Konfiguration& konfig, double ausgang2Roh,
                                              double zeitkonstante) {
    std::vector<std::uint8_t> bild(kKopfGroesse + kPunktGroesse * kennlinie.punkte.size(), 0);
    DateikopfSchreiben(bild, kKennung);
    cp1252::writeTextField(kennlinie.kommentar,
                           std::span(bild).subspan(kKommentarOffset, kKommentarBreite));
    KonfigurationInBild(konfig,
                        std::span(bild).subspan(kKonfigOffset).first<konfig_bild::kGroesse>());
    le::putI32(bild, kAnzahlOffset, kennlinie.anzahl());
    le::putDouble(bild, kAusgang2Offset, ausgang2Roh);
    le::putDouble(bild, kZeitkonstanteOffset, zeitkonstante);
    le::putI32(bild, kNullOffset, 0);
    std::size_t offset = kKopfGroesse;
    for (const Kennlinienpunkt& punkt : kennlinie.punkte)
        offset = DateipunktSchreiben(bild, offset, {punkt.y, punkt.laenge, punkt.rastercode});
    return bild;
}

int KennlinienDateiBildLesen(std::span<const std::uint8_t> bytes, KennlinienDateiInhalt& ziel) {
    if (const int code = DateikopfPruefen(bytes, kArt); code != 0) return code;
    const std::int32_t anzahl = le::getI32(bytes, kAnzahlOffset);
    if (anzahl < 0) return kFehlerPunktespeicher;

    KennlinienDateiInhalt inhalt;
    const auto punktBytes = bytes.subspan(kKopfGroesse);
    const auto benoetigt = static_cast<std::size_t>(anzahl) * kPunktGroesse;
    // A file cut inside its points (or announcing none) loads as the default point; the
    // caller tells the operator.
    inhalt.unvollstaendig = anzahl == 0 || punktBytes.size() < benoetigt;
    if (inhalt.unvollstaendig) {
        inhalt.kennlinie.punkte = {kennlinie::kStandardpunkt};
    } else {
        inhalt.kennlinie.punkte.resize(static_cast<std::size_t>(anzahl));
        for (std::size_t i = 0; i < inhalt.kennlinie.punkte.size(); ++i) {
            const Dateipunkt p = DateipunktLesen(punktBytes, i * kPunktGroesse);
            inhalt.kennlinie.punkte[i] = {p.wert, p.laenge, p.code};
        }
        if (!punkteGueltig(inhalt.kennlinie.punkte)) return kFehlerPunkteUngueltig;
    }
    inhalt.kennlinie.kommentar =
        cp1252::readCommentField(bytes.subspan(kKommentarOffset, kKommentarBreite));
    inhalt.konfig =
        KonfigurationAusBild(bytes.subspan(kKonfigOffset).first<konfig_bild::kGroesse>());
    inhalt.ausgang2Roh = le::getDouble(bytes, kAusgang2Offset);
    inhalt.zeitkonstante = le::getDouble(bytes, kZeitkonstanteOffset);
    ziel = std::move(inhalt);
    return 0;
}

int KennlinienDateiSpeichern(const std::filesystem::path& pfad, const Kennlinie& kennlinie,
                             const Konfiguration& konfig, double ausgang2Roh,
                             double zeitkonstante) {
    const auto bild = KennlinienDateiBild(kennlinie, konfig, ausgang2Roh, zeitkonstante);
    return dateiSchreiben(pfad, bild, {kFehlerSpeichernOeffnen, kFehlerSpeichernKopf});
}

int KennlinienDateiLaden(const std::filesystem::path& pfad, KennlinienDateiInhalt& ziel) {
    const auto datei = openFile(pfad, "rb");
    if (!datei) return kFehlerLadenOeffnen;
    std::vector<std::uint8_t> bytes(kKopfGroesse);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), datei.get()));
    if (bytes.size() == kKopfGroesse) {
        // Only as many point bytes as the header announces, and only as many as are there:
        // a corrupt count never makes the reader allocate more than the file holds.
        const std::int32_t anzahl = le::getI32(bytes, kAnzahlOffset);
        std::size_t rest = anzahl > 0 ? static_cast<std::size_t>(anzahl) * kPunktGroesse : 0;
        std::uint8_t stueck[4096];
        while (rest > 0) {
            const std::size_t gelesen =
                std::fread(stueck, 1, std::min(rest, sizeof stueck), datei.get());
            if (gelesen == 0) break;
            bytes.insert(bytes.end(), stueck, stueck + gelesen);
            rest -= gelesen;
        }
    }
    return KennlinienDateiBildLesen(bytes, ziel);
}

int KennlinieSpeichern(const std::filesystem::path& pfad, KennlinienZustand& zustand,
                       const Konfiguration& konfig) {
    const double ausgang2Roh = EingangEinheitInCode(konfig, 1, zustand.ausgang2);
    const int code = KennlinienDateiSpeichern(pfad, zustand.kennlinie, konfig, ausgang2Roh,
                                              zustand.zeitkonstante);
    if (code != 0) return code;
    zustand.pfad = pfad;
    zustand.geaendert = false;
    return 0;
}

int KennlinieLaden(const std::filesystem::path& pfad, KennlinienZustand& zustand,
                   const Konfiguration& aktuell, KennlinienDateiInhalt& datei) {
    zustand.pfad.clear();
    if (const int code = KennlinienDateiLaden(pfad, datei); code != 0) return code;
    zustand.kennlinie = datei.kennlinie;
    zustand.ausgang2 = EingangCodeInEinheit(aktuell, 1, datei.ausgang2Roh);
    zustand.zeitkonstante = datei.zeitkonstante;
    // A damaged file is no longer what the window holds: the next save asks for a name, so
    // that what is left of it is replaced only by the operator's choice.
    if (datei.unvollstaendig) {
        zustand.geaendert = true;
        return 0;
    }
    zustand.pfad = pfad;
    zustand.geaendert = false;
    return 0;
}

}  // namespace plv7::kennlinien
