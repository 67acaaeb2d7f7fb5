// plv7ctl finds a port number's device where the program keeps it: in its settings file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "CtlRun.h"
#include "ini/IniStore.h"

namespace plv7::testing {
namespace {

// Runs the test body in a fresh folder, as plv7ctl reads the settings of the current folder.
class InFolder {
public:
    InFolder()
        : previous_(std::filesystem::current_path()),
          folder_(std::filesystem::temp_directory_path() /
                  ("plv7ctl-mapping-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    ~InFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

TEST(Plv7ctlPortMapping, APortNumberOpensTheDeviceTheSettingsMapItTo) {
    SimProcess sim({});
    ASSERT_SIM_READY(sim);
    InFolder folder;
    IniStore settings;
    settings.putString("com", "geraet3", sim.path());
    ASSERT_TRUE(settings.writeFile("plv7rs232bSteuerung.ini"));

    EXPECT_PRINTS(plv7ctl({"-p", "3", "id"}), "ORV-PLV7RS232B-V1.00\n");
    // Port 4 has no mapping and stands for its default device, which is not there.
    const auto unmapped = plv7ctl({"-p", "4", "-t", "0.1", "id"});
    EXPECT_NE(unmapped.exitCode, 0) << unmapped;
}

}  // namespace
}  // namespace plv7::testing
