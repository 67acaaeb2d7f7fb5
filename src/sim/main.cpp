// plv7-sim: simulated PLV-7 boxes on a pseudo-terminal.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Line.h"
#include "PtyServer.h"
#include "SimOptions.h"
#include "base/Version.h"

namespace {

constexpr int kBadOptions = 2;

// A symbolic link to the terminal that goes away with the program.
class Link {
public:
    Link() = default;
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;
    ~Link() {
        if (!path_.empty()) unlink(path_.c_str());
    }

    bool make(const std::string& path, const std::string& target) {
        // Only a stale link of an earlier run is replaced, never a file.
        std::vector<char> old(4096);
        if (readlink(path.c_str(), old.data(), old.size() - 1) >= 0) unlink(path.c_str());
        if (symlink(target.c_str(), path.c_str()) != 0) return false;
        path_ = path;
        return true;
    }

private:
    std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace plv7::sim;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::printf("plv7-sim %.*s\n", static_cast<int>(plv7::kVersion.size()),
                    plv7::kVersion.data());
        return 0;
    }
    SimOptions options;
    std::string error;
    if (!parseSimOptions(arguments, options, error)) {
        std::fprintf(stderr, "plv7-sim: %s\n%.*s", error.c_str(),
                     static_cast<int>(simUsage().size()), simUsage().data());
        return kBadOptions;
    }
    if (options.help) {
        std::printf("%.*s", static_cast<int>(simUsage().size()), simUsage().data());
        return 0;
    }

    Line line;
    buildLine(options, line);
    PtyServer server;
    if (!server.open(error)) {
        std::fprintf(stderr, "plv7-sim: %s\n", error.c_str());
        return 1;
    }
    Link link;
    if (!options.link.empty() && !link.make(options.link, server.path())) {
        std::fprintf(stderr, "plv7-sim: cannot make the link %s\n", options.link.c_str());
        return 1;
    }
    std::printf("%s\n", server.path().c_str());
    std::fflush(stdout);
    for (const auto& box : line.boxes())
        std::fprintf(stderr, "plv7-sim: %s '%c' at %ld baud: %s\n",
                     box->foreign() ? "device" : "box", box->address(), box->baud(),
                     box->identification().c_str());

    std::string message;
    const int result = server.run(line, options.vanishAfter.value_or(-1.0), message);
    server.close();
    if (result == PtyServer::kVanished) {
        std::fprintf(stderr, "plv7-sim: %s, terminal closed\n", message.c_str());
        return 0;
    }
    if (result == PtyServer::kFailed) {
        std::fprintf(stderr, "plv7-sim: %s\n", message.c_str());
        return 1;
    }
    return 0;
}
