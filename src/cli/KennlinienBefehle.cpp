#include "KennlinienBefehle.h"

#include "CliGemeinsam.h"
#include "base/NumberText.h"
#include "kennlinien/KennlinienDatei.h"
#include "kennlinien/KennlinienTabelle.h"
#include "kennlinien/KennlinienText.h"
#include "kennlinien/KennlinienUebertragung.h"
#include "kennlinien/Kennlinienblock.h"

namespace plv7::cli {

using namespace kennlinien;

namespace {

// A characteristic file as "Kennlinie laden" takes it when the operator answers "laden":
// the output-2 field converted with the current scaling, then the file's scaling made current.
struct Geladen {
    int code = 0;
    KennlinienZustand zustand;
    Konfiguration konfig;
    std::string notice;
};

Geladen laden(const std::string& pfad) {
    Geladen geladen;
    KennlinienDateiInhalt datei;
    geladen.code = KennlinieLaden(pfad, geladen.zustand, aktuelleKonfiguration(), datei);
    geladen.konfig = datei.konfig;
    if (geladen.code == 0 && datei.unvollstaendig)
        geladen.notice = KennlinienDateiUnvollstaendigText(pfad) + "\n";
    return geladen;
}

CommandOutcome exportieren(const Args& a, std::string&, bool&) {
    const Geladen geladen = laden(a[0]);
    if (geladen.code != 0) return fehler(geladen.code);
    const int code = KennlinieExportieren(a[1], geladen.zustand.kennlinie);
    return code == 0 ? erfolg({}, geladen.notice) : fehler(code, geladen.notice);
}

CommandOutcome importieren(const Args& a, std::string&, bool&) {
    const Konfiguration konfig = aktuelleKonfiguration();
    KennlinienZustand zustand;
    KennlinieNeu(zustand, konfig);
    std::string meldung;
    if (const int code = KennlinieImportieren(a[0], zustand.kennlinie.punkte, meldung))
        return fehler(code, meldung.empty() ? std::string() : meldung + "\n");
    const int code = KennlinieSpeichern(a[1], zustand, konfig);
    return code == 0 ? erfolg({}) : fehler(code);
}

// "Tabelle importieren…" into a fresh characteristic, saved as a characteristic file. What the
// import added, merged or thinned goes to stderr; a refusal's line and text come before its
// "Fehler #" line.
CommandOutcome tabelle(const Args& a, std::string&, bool&) {
    const Konfiguration konfig = aktuelleKonfiguration();
    kennlinien::Tabellenimport import;
    if (const int code = kennlinien::KennlinieAusTabellendatei(a[0], konfig, import))
        return fehler(code, import.meldung.empty() ? std::string() : import.meldung + "\n");
    std::string hinweise;
    for (const std::string& h : import.hinweise) hinweise += h + "\n";
    KennlinienZustand zustand;
    KennlinieNeu(zustand, konfig);
    zustand.kennlinie.punkte = std::move(import.punkte);
    const int code = KennlinieSpeichern(a[1], zustand, konfig);
    return code == 0 ? erfolg({}, hinweise) : fehler(code, hinweise);
}

CommandOutcome block(const Args& a, std::string&, bool&) {
    const Geladen geladen = laden(a[0]);
    if (geladen.code != 0) return fehler(geladen.code);
    std::vector<std::uint8_t> bytes;
    const int code = KennlinienblockErzeugen(
        geladen.zustand.kennlinie, Ausgang2Blockcode(geladen.zustand.ausgang2, geladen.konfig),
        ZeitkonstanteBlockMs(geladen.zustand.zeitkonstante), bytes);
    return code == 0 ? erfolg(hexText(bytes) + "\n", geladen.notice) : fehler(code, geladen.notice);
}

// The box commands report what the window would show in its error box or its error fields.
struct Geraet {
    int letzterFehler = 0;
    KennlinienGeraet geraet;

    explicit Geraet(const Connection& c) {
        geraet.port = c.port;
        geraet.adresse = c.address;
        geraet.fehlerAnzeigen = [this](int code) {
            if (code != 0) letzterFehler = code;
        };
    }
    CommandOutcome ergebnis(int code, std::string output = {}, std::string notice = {}) const {
        if (code == 0) code = letzterFehler;
        return code == 0 ? erfolg(std::move(output), std::move(notice))
                         : fehler(code, std::move(notice));
    }
};

std::optional<int> slot(const std::string& text) {
    const auto value = parseInteger(text);
    if (!value || *value < 1 || *value > kennlinien_block::kSlots) return std::nullopt;
    return static_cast<int>(*value);
}

PreparedCommand refuse(std::string& usage, std::string message) {
    usage = std::move(message);
    return {};
}

PreparedCommand schreiben(const Args& a, std::string& usage) {
    const auto n = slot(a[1]);
    if (!n) return refuse(usage, "characteristic-write: SLOT must be 1..10");
    return [pfad = a[0], n = *n](const Connection& c) {
        const Geladen geladen = laden(pfad);
        if (geladen.code != 0) return fehler(geladen.code);
        Geraet geraet(c);
        const int code = KennlinieSchreiben(geraet.geraet, geladen.zustand, n, geladen.konfig);
        return geraet.ergebnis(code, {}, geladen.notice);
    };
}

PreparedCommand lesen(const Args& a, std::string& usage) {
    const auto n = slot(a[0]);
    if (!n) return refuse(usage, "characteristic-read: SLOT must be 1..10");
    return [pfad = a[1], n = *n](const Connection& c) {
        const Konfiguration konfig = aktuelleKonfiguration();
        KennlinienZustand zustand;
        KennlinieNeu(zustand, konfig);
        Geraet geraet(c);
        const auto gelesen = geraet.ergebnis(KennlinieLesen(geraet.geraet, n, zustand, konfig));
        if (gelesen.kind != CommandOutcome::Kind::Success) return gelesen;
        const int code = KennlinieSpeichern(pfad, zustand, konfig);
        return code == 0 ? erfolg({}) : fehler(code);
    };
}

PreparedCommand auswaehlen(const Args& a, std::string& usage) {
    const auto n = slot(a[0]);
    if (!n) return refuse(usage, "characteristic-select: SLOT must be 1..10");
    return [n = *n](const Connection& c) {
        Geraet geraet(c);
        KennlinieAuswaehlen(geraet.geraet, n);
        return geraet.ergebnis(0);
    };
}

}  // namespace

const GeraetBefehle& kennlinienGeraetBefehle() {
    static const GeraetBefehle befehle = {
        {"characteristic-write", {2, schreiben}},
        {"characteristic-read", {2, lesen}},
        {"characteristic-select", {1, auswaehlen}},
    };
    return befehle;
}

const DateiBefehle& kennlinienDateiBefehle() {
    static const DateiBefehle befehle = {
        {"characteristic-export", {2, exportieren}},
        {"characteristic-import", {2, importieren}},
        {"characteristic-block", {1, block}},
        {"characteristic-table", {2, tabelle}},
    };
    return befehle;
}

}  // namespace plv7::cli
