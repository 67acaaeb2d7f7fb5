// Arbitrary text as a characteristic import: never a crash, and every accepted import is a
// characteristic the editor and the box can take (rising X from 0 up to 4095 at most,
// outputs 0..4095, the last length 0).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "kennlinien/KennlinienText.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7;
    using namespace plv7::kennlinien;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<Kennlinienpunkt> punkte;
    std::string meldung;
    if (KennlinienTextImportieren(text, punkte, meldung) != 0) {
        check(punkte.empty() && !meldung.empty());
        return 0;
    }
    check(!punkte.empty() && punkte.size() <= 4096);
    std::int64_t x = 0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        check(punkte[i].y >= 0 && punkte[i].y <= 4095);
        check(i + 1 == punkte.size() ? punkte[i].laenge == 0 : punkte[i].laenge >= 1);
        x += punkte[i].laenge;
    }
    check(x <= 4095);
    return 0;
}
