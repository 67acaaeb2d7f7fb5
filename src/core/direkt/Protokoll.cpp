#include "direkt/Protokoll.h"

#include "base/NumberText.h"
#include "direkt/Abtastzeitpunkt.h"

namespace plv7::direkt {

std::string startzeile(Protokollart art) {
    return art == Protokollart::Einzelbild ? "\n\nSpeichern von Einzelbild\n"
                                           : "\n\nDatenerfassung gestartet\n";
}

std::string bereichszeilen(const char* name, const std::array<Protokollkanal, 4>& kanaele) {
    std::string text;
    for (std::size_t k = 0; k < kanaele.size(); ++k) {
        const Protokollkanal& kanal = kanaele[k];
        text.append(name).append(std::to_string(k + 1)).append(": ");
        text += formatFixed(kanal.lo, kanal.nachkommastellen);
        text.append("..");
        text += formatFixed(kanal.hi, kanal.nachkommastellen);
        text.append(" ").append(kanal.einheit).append("\n");
    }
    return text;
}

std::string spaltenkopf(const Protokollkopf& kopf) {
    std::string text = "Datum\tUhrzeit\tAbtastzeit";
    for (std::size_t k = 0; k < 4; ++k) {
        text.append("\tEing").append(std::to_string(k + 1)).append("[");
        text.append(kopf.eingaenge[k].einheit).append("]");
    }
    for (std::size_t k = 0; k < 4; ++k) {
        text.append("\tAusg").append(std::to_string(k + 1)).append("[");
        text.append(kopf.ausgaenge[k].einheit).append("]");
    }
    text.append("\n");
    return text;
}

std::string zeitspalten(const Protokollzeile& zeile) {
    std::string text = datumTagMonatJahr(zeile.datum);
    text.append("\t").append(zeile.uhrzeit).append("\t");
    text += formatFixed(zeile.laufzeit, 3);
    text.append("\t");
    return text;
}

std::string wertspalten(const std::array<double, 4>& werte,
                        const std::array<Protokollkanal, 4>& kanaele, bool zeilenende) {
    std::string text;
    for (std::size_t k = 0; k < werte.size(); ++k) {
        text += formatFixed(werte[k], kanaele[k].nachkommastellen);
        text.append(zeilenende && k + 1 == werte.size() ? "\n" : "\t");
    }
    return text;
}

int Protokoll::oeffnen(const std::filesystem::path& pfad, Protokollart art,
                       const Protokollkopf& kopf) {
    schliessen();
    // Text mode: the platform's own line ends, as in every earlier log the file may hold.
    datei_.open(pfad, std::ios::out | std::ios::app);
    if (!datei_.is_open()) return kFehlerOeffnen;
    kopf_ = kopf;
    if (int fehler = schreibe(startzeile(art), kFehlerStartzeile)) return fehler;
    if (int fehler = schreibe(bereichszeilen("Eingang", kopf.eingaenge), kFehlerEingangsbereiche))
        return fehler;
    if (int fehler = schreibe(bereichszeilen("Ausgang", kopf.ausgaenge), kFehlerAusgangsbereiche))
        return fehler;
    return schreibe(spaltenkopf(kopf), kFehlerSpaltenkopf);
}

int Protokoll::zeile(const Protokollzeile& zeile) {
    if (!offen()) return 0;
    if (int fehler = schreibe(zeitspalten(zeile), kFehlerZeitspalten)) return fehler;
    if (int fehler =
            schreibe(wertspalten(zeile.eingaenge, kopf_.eingaenge, false), kFehlerEingangsspalten))
        return fehler;
    return schreibe(wertspalten(zeile.ausgaenge, kopf_.ausgaenge, true), kFehlerAusgangsspalten);
}

int Protokoll::text(std::string_view text, int fehlercode) {
    if (!offen()) return 0;
    return schreibe(text, fehlercode);
}

void Protokoll::schliessen() {
    if (datei_.is_open()) datei_.close();
    datei_.clear();
}

int Protokoll::schreibe(std::string_view stueck, int fehlercode) {
    datei_.write(stueck.data(), static_cast<std::streamsize>(stueck.size()));
    datei_.flush();
    if (datei_.good()) return 0;
    schliessen();
    return fehlercode;
}

}  // namespace plv7::direkt
