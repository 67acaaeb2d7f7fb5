// The progress guard both transfers share: opened and closed around the transfer, percent of
// the bytes done, and nothing at all without a progress.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Fortschritt.h"

using namespace plv7;

namespace {

struct Protokoll : Fortschritt {
    std::vector<std::string> ereignisse;
    void beginnen(std::string_view titel) override { ereignisse.emplace_back(titel); }
    void setzen(int prozent) override { ereignisse.push_back(std::to_string(prozent)); }
    void beenden() override { ereignisse.emplace_back("zu"); }
};

}  // namespace

TEST(Fortschritt, TheGuardOpensSetsPercentAndClosesOnEveryWayOut) {
    Protokoll p;
    {
        OffenerFortschritt f(&p, "Daten senden");
        f.setzen(0, 4096);
        f.setzen(1024, 4096);
        f.setzen(4095, 4096);  // cut, never shown as done before it is
        f.setzen(0, 0);        // nothing to transfer is done
    }
    EXPECT_EQ(p.ereignisse,
              (std::vector<std::string>{"Daten senden", "0", "25", "99", "100", "zu"}));

    OffenerFortschritt ohne(nullptr, "Daten lesen");
    ohne.setzen(1, 2);
}
