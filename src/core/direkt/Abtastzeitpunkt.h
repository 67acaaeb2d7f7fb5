#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace plv7::direkt {

// Date and time of a tick as the platform's clock gives them: the date as month-day-year
// with a four-digit year ("03-17-2024"), the time as hours:minutes:seconds ("09:05:01").
struct Abtastzeitpunkt {
    std::string datum;
    std::string uhrzeit;
};

// Reads date and time so that they belong together across midnight: the date is read
// before and after the time until both reads agree.
Abtastzeitpunkt leseAbtastzeitpunkt(const std::function<std::string()>& datum,
                                    const std::function<std::string()>& uhrzeit);

// Date and time of the system's clock in local time, read together as above; safe to call
// from any thread.
Abtastzeitpunkt systemzeitpunkt();

// "03-17-2024" as "17.03.2024". A date not made of three parts comes back unchanged.
std::string datumTagMonatJahr(std::string_view monatTagJahr);

}  // namespace plv7::direkt
