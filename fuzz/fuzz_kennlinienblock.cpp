// Arbitrary bytes as a characteristic block read from a box: decoding never crashes, changes
// nothing when it refuses, and an accepted block that the writer can take encodes to the same
// points again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "FuzzCheck.h"
#include "kennlinien/Kennlinienblock.h"

using plv7::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv7;
    using namespace plv7::kennlinien;
    const std::span<const std::uint8_t> block(data, size);
    std::vector<Kennlinienpunkt> punkte = {{1, 2, 3}};
    if (KennlinienblockDekodieren(block, punkte) != 0) {
        check(punkte.size() == 1 && punkte[0] == (Kennlinienpunkt{1, 2, 3}));
        return 0;
    }
    check(!punkte.empty() && punkte.size() <= 808 && punkte.back().laenge == 0);
    Kennlinie kennlinie;
    kennlinie.punkte = punkte;
    const auto kopf = KennlinienblockKopfLesen(block);
    std::vector<std::uint8_t> neu;
    if (KennlinienblockErzeugen(kennlinie, kopf.ausgang2Code, kopf.zeitkonstanteMs, neu) != 0) {
        check(punkte.size() == 808);
        return 0;
    }
    std::vector<Kennlinienpunkt> wieder;
    check(KennlinienblockDekodieren(neu, wieder) == 0 && wieder == punkte);
    return 0;
}
