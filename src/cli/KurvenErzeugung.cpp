#include "KurvenErzeugung.h"

#include <cmath>
#include <filesystem>
#include <optional>

#include "CliGemeinsam.h"
#include "base/NumberText.h"
#include "kurven/AufzeichnungKurve.h"
#include "kurven/KurvenDatei.h"
#include "kurven/Kurvenfunktion.h"
#include "kurven/Speicherabbild.h"
#include "kurven/Zeitbasis.h"

namespace plv7::cli {
namespace {

using namespace plv7::kurven;
using Args = std::vector<std::string>;

// Loads an existing curve file as "Kurven laden" does (its warnings kept); a missing file
// gives fresh curves.
int ladenOderNeu(const std::string& pfad, Kurvenmodell& modell, std::string& warnungen) {
    std::error_code fehler;
    if (!std::filesystem::exists(pfad, fehler)) return 0;
    KurvenDateiInhalt inhalt;
    if (const int code = KurvenDateiLaden(pfad, inhalt); code != 0) return code;
    KurvenDateiUebernehmen(modell, inhalt);
    for (const auto& w : UnvollstaendigWarnungen(inhalt)) warnungen += w + "\n";
    return 0;
}

std::string bericht(std::size_t punkte, int zeitbasis, long bytes) {
    const double anzeige = SpeicherbedarfAnzeige(bytes);
    return "Punkte: " + std::to_string(punkte) +
           "\nZeitbasis: " + std::string(ZeitbasisName(zeitbasis)) +
           "\nSpeicherbedarf: " + std::to_string(bytes) + " Bytes (" +
           formatFixed(std::floor(anzeige * 10.0) / 10.0, 1) + " %)\n";
}

// A refusal with its own text: the text, then the code's line; the memory message alone.
CommandOutcome ablehnen(int code, const std::string& meldung, const std::string& warnungen) {
    if (code == abbild::kPlatzReichtNicht)
        return {CommandOutcome::Kind::Refused, {}, code, warnungen + meldung + "\n"};
    return fehler(code, warnungen + (meldung.empty() ? "" : meldung + "\n"));
}

// Curve N of the file becomes `punkte`; the other curves and the settings stay.
CommandOutcome speichern(const std::string& pfad, Kurvenmodell& modell, int kurve,
                         std::vector<Kurvenpunkt> punkte, int zeitbasis, std::string warnungen) {
    const std::size_t anzahl = punkte.size();
    KurveErsetzen(modell, kurve, std::move(punkte));
    const long bytes = modell.Speicherbedarf();
    const int code = KurvenDateiSpeichern(pfad, modell, aktuelleKonfiguration());
    if (code != 0) return fehler(code, warnungen);
    return erfolg(bericht(anzahl, zeitbasis, bytes), warnungen);
}

std::optional<int> kurvennummer(const std::string& text) {
    const auto n = parseInteger(text);
    if (!n || *n < 1 || *n > kKurvenAnzahl) return std::nullopt;
    return static_cast<int>(*n - 1);
}

CommandOutcome erzeugen(const Args& a, std::string& usage, bool& usageError) {
    Funktionsparameter p;
    const auto kurve = kurvennummer(a[1]);
    const auto amplitude = parseDouble(a[3]);
    const auto offset = parseDouble(a[4]);
    const auto periode = parseDouble(a[5]);
    const auto perioden = parseInteger(a[6]);
    const auto phase = a.size() > 7 ? parseDouble(a[7]) : std::optional<double>(0.0);
    const auto tastgrad = a.size() > 8 ? parseDouble(a[8]) : std::optional<double>(50.0);
    const bool zahlen = amplitude && offset && periode && perioden && phase && tastgrad;
    if (!kurve || !KurvenformAusBefehl(a[2], p.form) || !zahlen || *perioden < 1 ||
        *perioden > 1'000'000) {
        usageError = true;
        usage =
            "curves-generate needs FILE.plr, N 1..4, SHAPE sine|triangle|square|sawtooth, "
            "AMPLITUDE, OFFSET, PERIOD, PERIODS 1..1000000 and optionally PHASE and DUTY";
        return {};
    }
    p.amplitude = *amplitude;
    p.offset = *offset;
    p.periode = *periode;
    p.perioden = static_cast<int>(*perioden);
    p.phase = *phase;
    p.tastgrad = *tastgrad;

    Kurvenmodell modell;
    std::string warnungen;
    if (const int code = ladenOderNeu(a[0], modell, warnungen); code != 0) return fehler(code);
    const Kurvenerzeugung e = KurveErzeugen(p, aktuelleKonfiguration(), modell.kurven, *kurve, 0);
    if (e.code != 0) return ablehnen(e.code, e.meldung, warnungen);
    return speichern(a[0], modell, *kurve, e.punkte, e.zeitbasis, warnungen);
}

CommandOutcome ausLog(const Args& a, std::string& usage, bool& usageError) {
    Uebernahmewahl wahl;
    const auto kurve = kurvennummer(a[2]);
    const auto toleranz = a.size() > 4 ? parseDouble(a[4]) : std::optional<double>(2.0);
    if (!SpalteAusName(a[1], wahl.spalte) || !kurve || !toleranz) {
        usageError = true;
        usage =
            "curves-from-log needs LOG.txt, COLUMN Eing1..Eing4|Ausg1..Ausg4, N 1..4, "
            "FILE.plr and optionally TOLERANCE";
        return {};
    }
    wahl.kurve = *kurve;
    wahl.toleranz = *toleranz;

    const Aufzeichnung log = AufzeichnungLaden(a[0]);
    if (log.code != 0) return ablehnen(log.code, log.meldung, {});
    wahl.erfassung = log.erfassungen.size() - 1;
    Kurvenmodell modell;
    std::string warnungen;
    if (const int code = ladenOderNeu(a[3], modell, warnungen); code != 0) return fehler(code);
    const Konfiguration konfig = aktuelleKonfiguration();
    const Erfassung& erfassung = log.erfassungen[wahl.erfassung];
    // The window asks; here the operator is told.
    if (EinheitenVerschieden(erfassung, wahl.spalte, konfig, wahl.kurve)) {
        warnungen +=
            "Warnung: Werte in " + erfassung.einheiten[wahl.spalte] + " werden als Werte in " +
            EinheitAlsUtf8(konfig.outeinheit[static_cast<std::size_t>(*kurve)]) + " übernommen.\n";
    }
    const Uebernahme u = AufzeichnungUebernehmen(log, wahl, konfig, modell.kurven);
    if (u.code != 0) {
        const std::string vorschlag = VorschlagText(u);
        return ablehnen(u.code, u.meldung + (vorschlag.empty() ? "" : "\n" + vorschlag), warnungen);
    }
    return speichern(a[3], modell, *kurve, u.punkte, u.zeitbasis, warnungen);
}

}  // namespace

const DateiBefehle& kurvenErzeugungsBefehle() {
    static const DateiBefehle befehle = {
        {"curves-generate", {7, erzeugen, 9}},
        {"curves-from-log", {4, ausLog, 5}},
    };
    return befehle;
}

}  // namespace plv7::cli
