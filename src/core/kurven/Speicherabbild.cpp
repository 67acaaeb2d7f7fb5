#include "kurven/Speicherabbild.h"

#include <algorithm>

#include "base/ByteOrder.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {

using namespace abbild;
using be::getU16;
using be::putU16;

namespace {

bool punktDarstellbar(const Kurvenpunkt& p) {
    return p.wert >= 0 && p.wert <= kWertMax && p.laenge >= 1 && p.laenge <= kLaengeMax &&
           ZeitbasisTick(p.zeitbasis) > 0;
}

// Appends records behind the write position; every append checks the space first.
class Schreiber {
public:
    explicit Schreiber(std::vector<std::uint8_t>& bild) : bild_(bild) {}

    bool satz(std::uint32_t wert, std::uint32_t zweitesFeld, std::uint8_t code) {
        if (pos_ + static_cast<long>(kSatz) > kGrenze) return false;
        const auto p = static_cast<std::size_t>(pos_);
        putU16(bild_, p, wert);
        putU16(bild_, p + 2, zweitesFeld);
        bild_[p + 4] = code;
        pos_ += static_cast<long>(kSatz);
        return true;
    }
    bool folgewert(std::uint32_t wert) {
        if (pos_ + static_cast<long>(kFolgewert) > kGrenze) return false;
        putU16(bild_, static_cast<std::size_t>(pos_), wert);
        pos_ += static_cast<long>(kFolgewert);
        return true;
    }
    long position() const { return pos_; }

private:
    std::vector<std::uint8_t>& bild_;
    long pos_ = static_cast<long>(kKopf);
};

// Encodes one curve; runs never reach into the next curve.
bool kurveSchreiben(Schreiber& s, std::vector<std::uint8_t>& bild,
                    const std::vector<Kurvenpunkt>& punkte) {
    long laufStart = -1;  // byte index of the open run's record, -1 when none is open
    std::uint32_t folgende = 0;
    int laufZeitbasis = 0;
    for (const auto& p : punkte) {
        const auto wert = static_cast<std::uint32_t>(p.wert);
        if (p.laenge != 1) {
            if (!s.satz(wert, static_cast<std::uint32_t>(p.laenge), p.zeitbasis)) return false;
            laufStart = -1;
        } else if (laufStart >= 0 && p.zeitbasis == laufZeitbasis && folgende < kLaengeMax) {
            if (!s.folgewert(wert)) return false;
            putU16(bild, static_cast<std::size_t>(laufStart) + 2, ++folgende);
        } else {
            laufStart = s.position();
            if (!s.satz(wert, 0, static_cast<std::uint8_t>(p.zeitbasis | kLaufBit))) return false;
            folgende = 0;
            laufZeitbasis = p.zeitbasis;
        }
    }
    return true;
}

// Decodes the records from `start` to `letztes` (inclusive) into `punkte`.
int kurveLesen(std::span<const std::uint8_t> bild, long start, long letztes,
               std::vector<Kurvenpunkt>& punkte) {
    punkte.clear();
    long p = start;
    while (p <= letztes) {
        if (letztes < p + 4) return kFehlerSatzUnvollstaendig;
        const auto at = static_cast<std::size_t>(p);
        const std::uint8_t art = bild[at + 4];
        const auto code = static_cast<std::uint8_t>(art & kCodeMaske);
        if (ZeitbasisTick(code) == 0) return kFehlerZeitbasis;
        if (art > kCodeMaske && (art & ~kCodeMaske) != kLaufBit) return kFehlerSatzart;
        const auto wert = static_cast<std::int32_t>(getU16(bild, at));
        const auto feld = static_cast<std::int32_t>(getU16(bild, at + 2));
        p += static_cast<long>(kSatz);
        if (art <= kCodeMaske) {
            punkte.push_back({wert, feld, code});
            continue;
        }
        punkte.push_back({wert, 1, code});
        for (std::int32_t i = 0; i < feld; ++i) {
            if (letztes < p + 1) return kFehlerFolgewertFehlt;
            punkte.push_back(
                {static_cast<std::int32_t>(getU16(bild, static_cast<std::size_t>(p))), 1, code});
            p += static_cast<long>(kFolgewert);
        }
    }
    return 0;
}

}  // namespace

int SpeicherabbildErzeugen(const std::array<Kurve, kKurvenAnzahl>& kurven,
                           const std::array<Kurveneinstellungen, kKurvenAnzahl>& einstellungen,
                           std::vector<std::uint8_t>& bild) {
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const auto& e = einstellungen[static_cast<std::size_t>(k)];
        const auto& punkte = kurven[static_cast<std::size_t>(k)].punkte;
        if (punkte.empty() || !std::ranges::all_of(punkte, punktDarstellbar) || e.ruhewert < 0 ||
            e.ruhewert > kWertMax) {
            bild.clear();
            return kFehlerDatenUngueltig;
        }
    }
    bild.assign(kPuffer, 0);
    Schreiber s(bild);
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        if (!kurveSchreiben(s, bild, kurven[k].punkte)) {
            bild.clear();
            return kPlatzReichtNicht;
        }
        putU16(bild, kLetztesByte + 2 * k, static_cast<std::uint32_t>(s.position() - 1));
        putU16(bild, kZyklen + 2 * k, static_cast<std::uint32_t>(einstellungen[k].zyklen));
        putU16(bild, kRuhewerte + 2 * k, static_cast<std::uint32_t>(einstellungen[k].ruhewert));
    }
    bild.resize(static_cast<std::size_t>(s.position()));
    putU16(bild, kPruefsumme, AbbildPruefsumme(bild));
    return 0;
}

std::uint16_t AbbildPruefsumme(std::span<const std::uint8_t> bild) {
    std::uint32_t summe = 0;
    for (std::size_t i = kLetztesByte; i < bild.size(); ++i) summe += bild[i];
    return static_cast<std::uint16_t>(summe + 1);
}

long AbbildLetztesByte(std::span<const std::uint8_t> kopf) {
    return static_cast<long>(getU16(kopf, kLetztesByte + 2 * (kKurvenAnzahl - 1)));
}

int SpeicherabbildDekodieren(std::span<const std::uint8_t> bild, Kurvendaten& ziel) {
    if (bild.size() < kKopf) return kFehlerEndeUngueltig;
    const long letztes = AbbildLetztesByte(bild);
    // A last byte inside the header (an all-zero image among them) leaves no room for the
    // checksum and the ranges that are read next: curve 4 would end before curve 1 starts.
    if (letztes < static_cast<long>(kKopf)) return kFehlerStartUngueltig;
    if (letztes + 1 > static_cast<long>(std::min(bild.size(), kPuffer)))
        return kFehlerEndeUngueltig;
    const auto inhalt = bild.first(static_cast<std::size_t>(letztes) + 1);
    if (AbbildPruefsumme(inhalt) != getU16(inhalt, kPruefsumme)) return kFehlerPruefsumme;

    std::array<long, kKurvenAnzahl> starts{};
    std::array<long, kKurvenAnzahl> enden{};
    long start = static_cast<long>(kKopf);
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        const long ende = static_cast<long>(getU16(inhalt, kLetztesByte + 2 * k));
        if (start < static_cast<long>(kKopf) || ende < start) return kFehlerStartUngueltig;
        if (ende + 1 > static_cast<long>(kPuffer)) return kFehlerEndeUngueltig;
        starts[k] = start;
        enden[k] = ende;
        start = ende + 1;
    }
    Kurvendaten daten;
    for (std::size_t k = 0; k < kKurvenAnzahl; ++k) {
        if (const int code = kurveLesen(inhalt, starts[k], enden[k], daten.punkte[k]); code != 0)
            return code;
        daten.zyklen[k] = static_cast<std::int32_t>(getU16(inhalt, kZyklen + 2 * k));
        daten.ruhewerte[k] = static_cast<std::int32_t>(getU16(inhalt, kRuhewerte + 2 * k));
    }
    ziel = std::move(daten);
    return 0;
}

}  // namespace plv7::kurven
