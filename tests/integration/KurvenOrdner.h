#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "CtlRun.h"

namespace plv7::testing {

// A folder of its own for the files of one test.
class CurveFiles : public ::testing::Test {
protected:
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("plv7_curves_" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name, const std::string& content = {}) {
        const auto path = (folder / name).string();
        if (!content.empty()) std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    // A curve file made from text through curves-import.
    std::string curves(const std::string& name, const std::string& text) {
        const auto plr = file(name);
        EXPECT_PRINTS(plv7ctl({"curves-import", file(name + ".txt", text), plr}), "");
        return plr;
    }
};

}  // namespace plv7::testing
