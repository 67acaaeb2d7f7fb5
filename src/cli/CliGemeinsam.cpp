#include "CliGemeinsam.h"

#include <algorithm>

#include "ini/IniStore.h"
#include "ini/SettingsTags.h"
#include "konfig/KonfigIniStore.h"

namespace plv7::cli {

CommandOutcome erfolg(std::string output, std::string messages) {
    return {CommandOutcome::Kind::Success, std::move(output), 0, std::move(messages)};
}

CommandOutcome fehler(int code, std::string messages) {
    return {CommandOutcome::Kind::DeviceFailure, {}, code, std::move(messages)};
}

std::string hexText(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * bytes.size());
    for (const std::uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

Konfiguration aktuelleKonfiguration() {
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    IniStore settings;
    if (settings.readFile(std::string(settings::kFileName)) == IniStore::ReadResult::Ok)
        KonfigAusIniLesen(settings, konfig);
    return konfig;
}

namespace {

template <typename Ausfuehren>
bool anzahlPasst(const Tabellenbefehl<Ausfuehren>& befehl, std::size_t anzahl) {
    return anzahl >= befehl.argumente && anzahl <= std::max(befehl.argumente, befehl.hoechstens);
}

template <typename Ausfuehren>
std::string anzahlFehler(const std::string& command, const Tabellenbefehl<Ausfuehren>& befehl) {
    if (befehl.hoechstens > befehl.argumente) {
        return command + " needs " + std::to_string(befehl.argumente) + " to " +
               std::to_string(befehl.hoechstens) + " arguments";
    }
    if (befehl.argumente == 0) return command + " takes no arguments";
    return command + " needs " + std::to_string(befehl.argumente) + " argument" +
           (befehl.argumente == 1 ? "" : "s");
}

}  // namespace

CommandOutcome dateiBefehlAusfuehren(const DateiBefehle& tabelle, const std::string& command,
                                     const Args& arguments, std::string& usage, bool& usageError) {
    const auto& befehl = tabelle.at(command);
    usageError = !anzahlPasst(befehl, arguments.size());
    if (usageError) {
        usage = anzahlFehler(command, befehl);
        return {};
    }
    return befehl.ausfuehren(arguments, usage, usageError);
}

PreparedCommand geraetBefehlVorbereiten(const GeraetBefehle& tabelle, const std::string& command,
                                        const Args& arguments, std::string& usage) {
    const auto& befehl = tabelle.at(command);
    if (!anzahlPasst(befehl, arguments.size())) {
        usage = anzahlFehler(command, befehl);
        return {};
    }
    return befehl.ausfuehren(arguments, usage);
}

}  // namespace plv7::cli
