#include "direkt/Abtastzeitpunkt.h"

#include <ctime>

namespace plv7::direkt {

Abtastzeitpunkt leseAbtastzeitpunkt(const std::function<std::string()>& datum,
                                    const std::function<std::string()>& uhrzeit) {
    // The date can change at most once during the reads; a clock that keeps changing
    // it gets the last pair instead of a hang.
    constexpr int kVersuche = 3;
    Abtastzeitpunkt zeitpunkt;
    for (int versuch = 0; versuch < kVersuche; ++versuch) {
        std::string vorher = datum();
        zeitpunkt.uhrzeit = uhrzeit();
        zeitpunkt.datum = datum();
        if (zeitpunkt.datum == vorher) break;
    }
    return zeitpunkt;
}

namespace {

std::string ortszeit(const char* format) {
    const std::time_t jetzt = std::time(nullptr);
    std::tm teile{};
#ifdef _WIN32
    localtime_s(&teile, &jetzt);
#else
    localtime_r(&jetzt, &teile);
#endif
    char text[32] = {};
    const std::size_t laenge = std::strftime(text, sizeof text, format, &teile);
    return std::string(text, laenge);
}

}  // namespace

Abtastzeitpunkt systemzeitpunkt() {
    return leseAbtastzeitpunkt([] { return ortszeit("%m-%d-%Y"); },
                               [] { return ortszeit("%H:%M:%S"); });
}

std::string datumTagMonatJahr(std::string_view monatTagJahr) {
    const auto erster = monatTagJahr.find('-');
    if (erster == std::string_view::npos) return std::string(monatTagJahr);
    const auto zweiter = monatTagJahr.find('-', erster + 1);
    if (zweiter == std::string_view::npos) return std::string(monatTagJahr);
    const auto monat = monatTagJahr.substr(0, erster);
    const auto tag = monatTagJahr.substr(erster + 1, zweiter - erster - 1);
    const auto jahr = monatTagJahr.substr(zweiter + 1);
    std::string text;
    text.reserve(monatTagJahr.size());
    text.append(tag).append(".").append(monat).append(".").append(jahr);
    return text;
}

}  // namespace plv7::direkt
