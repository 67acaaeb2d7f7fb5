#pragma once

#include <string>

#include "Line.h"

namespace plv7::sim {

// Serves a line on a pseudo-terminal: the PC's program opens the slave side as its serial
// port. The server keeps a slave descriptor open itself, so a client closing and reopening
// the port does not hang up the master.
class PtyServer {
public:
    PtyServer() = default;
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;
    ~PtyServer();

    // Creates the terminal in raw mode; false with `error` set on failure. Blocks SIGINT and
    // SIGTERM for the calling thread, so that run() can take them.
    bool open(std::string& error);
    const std::string& path() const { return path_; }

    static constexpr int kStopped = 0;   // SIGINT or SIGTERM
    static constexpr int kVanished = 1;  // the line vanished or `vanishAfter` passed
    static constexpr int kFailed = 2;    // the terminal failed; `message` says how

    // Moves bytes between the terminal and the line until it stops (see above). Answer bytes
    // are written when they are due on the wire. A negative `vanishAfter` means never.
    int run(Line& line, double vanishAfter, std::string& message);

    void close();

    // CLOCK_MONOTONIC in seconds, the time base the server hands to its line.
    static double now();

private:
    long currentBaud() const;
    bool writePending(std::string& message);

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    std::string pending_;  // due bytes the terminal has not taken yet
};

}  // namespace plv7::sim
