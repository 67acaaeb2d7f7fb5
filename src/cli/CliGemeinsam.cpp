#include "CliGemeinsam.h"

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

}  // namespace plv7::cli
