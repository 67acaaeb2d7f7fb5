#pragma once

// Load beside a benchmark: one busy-looping process per core at normal priority, as other
// programs on an operator's PC would be. The processes end with the object.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>
#include <vector>

namespace plv7::bench {

class Last {
public:
    Last() {
        const unsigned kerne = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < kerne; ++i) {
            const pid_t kind = fork();
            if (kind == 0) {
                volatile unsigned long zaehler = 0;
                for (;;) zaehler = zaehler + 1;
            }
            if (kind > 0) kinder_.push_back(kind);
        }
    }
    ~Last() {
        for (pid_t kind : kinder_) kill(kind, SIGKILL);
        for (pid_t kind : kinder_) waitpid(kind, nullptr, 0);
    }
    Last(const Last&) = delete;
    Last& operator=(const Last&) = delete;

    std::size_t prozesse() const { return kinder_.size(); }

private:
    std::vector<pid_t> kinder_;
};

}  // namespace plv7::bench
