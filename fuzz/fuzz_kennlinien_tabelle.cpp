// Arbitrary text as a table for "Tabelle importieren…": never a crash, every refusal says why,
// and every accepted table is a characteristic a slot of the box takes (rising X from 0 up to
// 4095 at most, outputs 0..4095, the last length 0, at most 807 points).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "kennlinien/KennlinienTabelle.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7;
    static const Konfiguration konfig = [] {
        Konfiguration k;
        KonfigurationStandardwerte(k);
        return k;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kennlinien::Tabellenimport e;
    if (kennlinien::KennlinieAusTabelle(text, konfig, e) != 0) {
        check(e.punkte.empty() && !e.meldung.empty());
        return 0;
    }
    check(!e.punkte.empty() && e.punkte.size() <= kennlinien::tabelle::kPunkteMax);
    std::int64_t x = 0;
    for (std::size_t i = 0; i < e.punkte.size(); ++i) {
        check(e.punkte[i].y >= 0 && e.punkte[i].y <= 4095);
        check(i + 1 == e.punkte.size() ? e.punkte[i].laenge == 0 : e.punkte[i].laenge >= 1);
        x += e.punkte[i].laenge;
    }
    check(x <= 4095);
    return 0;
}
