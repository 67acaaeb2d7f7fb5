#include "kennlinien/KennlinienUebertragung.h"

#include <algorithm>
#include <vector>

#include "kennlinien/Kennlinienblock.h"
#include "konfig/KonfigUmrechnung.h"
#include "link/Rahmenformat.h"
#include "link/plv7Funktionen.h"

namespace plv7::kennlinien {

using namespace kennlinien_uebertragung;

namespace {

constexpr int kMemoryType = protocol::kMemoryType;

void anzeigen(const KennlinienGeraet& geraet, int code) {
    if (geraet.fehlerAnzeigen) geraet.fehlerAnzeigen(code);
}

bool haeltKennlinien(int modus) {
    return (modus & protocol::kModeCharacteristics) != 0 && (modus & protocol::kModeCurves) == 0;
}

// Writes bytes from `start` on in pieces that never cross a 64-byte boundary, then marks the
// area as holding characteristics.
int bereichSchreiben(const KennlinienGeraet& geraet, long start,
                     std::span<const std::uint8_t> daten, bool mitDialog, int keinPort) {
    if (geraet.port < 0) return keinPort;
    OffenerFortschritt dialog(mitDialog ? geraet.fortschritt : nullptr, kTitelSenden);
    const long gesamt = static_cast<long>(daten.size());
    long erledigt = 0;
    while (erledigt < gesamt) {
        const long adresse = start + erledigt;
        const long stueck = std::min<long>(kStueck - adresse % kStueck, gesamt - erledigt);
        if (const int code = ORVPLV7_SpeicherSchreiben(geraet.port, geraet.adresse, kMemoryType,
                                                       adresse, stueck, daten.data() + erledigt)) {
            return code;
        }
        erledigt += stueck;
        dialog.setzen(erledigt, gesamt);
    }
    if (const int code =
            ORVPLV7_ModusSchreiben(geraet.port, geraet.adresse, 0, protocol::kModeCurves)) {
        return code;
    }
    return ORVPLV7_ModusSchreiben(geraet.port, geraet.adresse, 1, protocol::kModeCharacteristics);
}

// Reads bytes in pieces of at most 64, each after a fresh look at the mode word. A length of 0
// still asks once, and the read command refuses it.
int bereichLesen(const KennlinienGeraet& geraet, long start, long laenge, std::uint8_t* ziel,
                 bool mitDialog) {
    OffenerFortschritt dialog(mitDialog ? geraet.fortschritt : nullptr, kTitelLesen);
    long erledigt = 0;
    do {
        if (geraet.port < 0) return kFehlerKeinPortLesen;
        int modus = 0;
        if (const int code = ORVPLV7_ModusLesen(geraet.port, geraet.adresse, modus)) return code;
        if (!haeltKennlinien(modus)) return kFehlerKeineKennlinienMehr;
        const long stueck = std::min<long>(kStueck, laenge - erledigt);
        if (const int code = ORVPLV7_SpeicherLesen(geraet.port, geraet.adresse, kMemoryType,
                                                   start + erledigt, stueck, ziel + erledigt)) {
            return code;
        }
        erledigt += stueck;
        dialog.setzen(erledigt, laenge);
    } while (erledigt < laenge);
    return 0;
}

bool kurvenNrGueltig(int kurvenNr) {
    return kurvenNr >= 1 && kurvenNr <= kennlinien_block::kSlots;
}

}  // namespace

int KennlinieSchreiben(const KennlinienGeraet& geraet, const KennlinienZustand& zustand,
                       int kurvenNr, const Konfiguration& konfig) {
    std::vector<std::uint8_t> block;
    if (const int code =
            KennlinienblockErzeugen(zustand.kennlinie, Ausgang2Blockcode(zustand.ausgang2, konfig),
                                    ZeitkonstanteBlockMs(zustand.zeitkonstante), block)) {
        return code;
    }
    // Checked before any traffic: a wrong number must not cost the box its curves.
    if (!kurvenNrGueltig(kurvenNr)) return kFehlerKurvenNrSchreiben;
    anzeigen(geraet, 0);
    // Without a port the mode query would fail with a flush error that tells the operator
    // nothing; the missing port is the reason.
    if (geraet.port < 0) {
        anzeigen(geraet, kFehlerKeinPortSchreiben);
        return 0;
    }
    int modus = 0;
    if (const int code = ORVPLV7_ModusLesen(geraet.port, geraet.adresse, modus)) {
        anzeigen(geraet, code);
        return 0;
    }
    if (!haeltKennlinien(modus)) {
        const auto leer = LeererKennlinienblock();
        for (int slot = 1; slot <= kennlinien_block::kSlots; ++slot) {
            if (const int code = bereichSchreiben(geraet, KennlinienSlotAdresse(slot), leer, false,
                                                  kFehlerKeinPortInit)) {
                anzeigen(geraet, code);
                return 0;
            }
        }
    }
    if (const int code = bereichSchreiben(geraet, KennlinienSlotAdresse(kurvenNr), block, true,
                                          kFehlerKeinPortSchreiben)) {
        anzeigen(geraet, code);
    }
    return 0;
}

int KennlinieLesen(const KennlinienGeraet& geraet, int kurvenNr, KennlinienZustand& zustand,
                   const Konfiguration& konfig) {
    using namespace kennlinien_block;
    if (!kurvenNrGueltig(kurvenNr)) return kFehlerKurvenNrLesen;
    anzeigen(geraet, 0);
    if (geraet.port < 0) return kFehlerKeinPortModus;
    int modus = 0;
    if (const int code = ORVPLV7_ModusLesen(geraet.port, geraet.adresse, modus)) return code;
    if (!haeltKennlinien(modus)) {
        anzeigen(geraet, kFehlerKeineKennlinien);
        return 0;
    }
    const long start = KennlinienSlotAdresse(kurvenNr);
    std::vector<std::uint8_t> block(kKopf);
    if (const int code = bereichLesen(geraet, start, kKopf, block.data(), false)) {
        anzeigen(geraet, code);
        return 0;
    }
    const KennlinienblockKopf kopf = KennlinienblockKopfLesen(block);
    // More points than a slot holds: reading them would run through the next slots for
    // nothing, and decoding refuses them anyway.
    const std::size_t datenLaenge = 4 * static_cast<std::size_t>(kopf.anzahl);
    if (datenLaenge > kLeseMaxDaten) return kFehlerBlockZuLang;
    block.resize(kKopf + datenLaenge);
    if (const int code = bereichLesen(geraet, start + static_cast<long>(kKopf),
                                      static_cast<long>(datenLaenge), block.data() + kKopf, true)) {
        anzeigen(geraet, code);
        return 0;
    }
    if (KennlinienblockPruefsumme(block) != kopf.pruefsumme) {
        anzeigen(geraet, kFehlerPruefsumme);
        return 0;
    }
    std::vector<Kennlinienpunkt> punkte;
    if (const int code = KennlinienblockDekodieren(block, punkte)) return code;
    // Nothing of a block that fails a check is taken, so that the next write cannot send
    // its settings with another characteristic.
    if (kopf.ausgang2Code > kennlinie::kRohMax) {
        anzeigen(geraet, kFehlerAusgang2);
        return 0;
    }
    zustand.kennlinie.punkte = std::move(punkte);
    zustand.ausgang2 = AusgangCodeInEinheit(konfig, 1, kopf.ausgang2Code);
    zustand.zeitkonstante = kopf.zeitkonstanteMs / 1000.0;
    return 0;
}

void KennlinieAuswaehlen(const KennlinienGeraet& geraet, int kurvenNr) {
    if (geraet.port < 0) {
        anzeigen(geraet, kFehlerKeinPortAuswahl);
        return;
    }
    anzeigen(geraet, ORVPLV7_AusgangSchreiben(geraet.port, geraet.adresse, "a4",
                                              static_cast<double>(kurvenNr)));
}

}  // namespace plv7::kennlinien
