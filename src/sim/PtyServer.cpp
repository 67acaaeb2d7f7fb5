#include "PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "base/Descriptor.h"

namespace plv7::sim {

namespace {

long baudOf(speed_t speed) {
    switch (speed) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        case B230400:
            return 230400;
        default:
            return 0;
    }
}

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Arms the timer for an absolute CLOCK_MONOTONIC time, or disarms it for infinity.
void armTimer(int timer, double seconds) {
    itimerspec deadline{};
    if (std::isfinite(seconds)) {
        seconds = std::max(seconds, 1e-9);  // zero would disarm
        deadline.it_value.tv_sec = static_cast<time_t>(seconds);
        deadline.it_value.tv_nsec = static_cast<long>((seconds - std::floor(seconds)) * 1e9);
    }
    timerfd_settime(timer, TFD_TIMER_ABSTIME, &deadline, nullptr);
}

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

}  // namespace

PtyServer::~PtyServer() {
    close();
}

double PtyServer::now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

bool PtyServer::open(std::string& error) {
    // From here on SIGINT and SIGTERM wait for the loop, which ends cleanly on them.
    const sigset_t signals = stopSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = systemError("posix_openpt");
        return false;
    }
    std::array<char, 256> name{};
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name.data(), name.size()) != 0) {
        error = systemError("pseudo-terminal");
        return false;
    }
    path_ = name.data();
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    termios settings{};
    if (slave_ < 0 || tcgetattr(slave_, &settings) != 0) {
        error = systemError(path_.c_str());
        return false;
    }
    // Raw at once, so that nothing the box sends is echoed or translated before a client
    // has set the line up itself.
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0 ||
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
        error = systemError("raw mode");
        return false;
    }
    return true;
}

void PtyServer::close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

// On Linux the master reports the slave's settings, so a client's rate change shows here.
long PtyServer::currentBaud() const {
    termios settings{};
    if (tcgetattr(master_, &settings) != 0) return 0;
    return baudOf(cfgetospeed(&settings));
}

bool PtyServer::writePending(std::string& message) {
    while (!pending_.empty()) {
        const ssize_t written = ::write(master_, pending_.data(), pending_.size());
        if (written < 0) {
            if (errno == EAGAIN || errno == EINTR) return true;
            message = systemError("write");
            return false;
        }
        pending_.erase(0, static_cast<std::size_t>(written));
    }
    return true;
}

int PtyServer::run(Line& line, double vanishAfter, std::string& message) {
    if (master_ < 0) {
        message = "no pseudo-terminal";
        return kFailed;
    }
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);  // wake on time, to pace bytes to the wire
    const sigset_t signals = stopSignals();
    const Descriptor signalFd(signalfd(-1, &signals, SFD_CLOEXEC));
    const Descriptor timer(timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK));
    if (signalFd.get() < 0 || timer.get() < 0) {
        message = systemError("signalfd/timerfd");
        return kFailed;
    }
    const double vanishTime = now() + (vanishAfter >= 0.0 ? vanishAfter : Line::kNever);
    line.vanishAt(vanishTime);
    std::vector<std::uint8_t> buffer(4096);

    while (true) {
        double current = now();
        if (line.vanished(current)) {
            message = "the port has vanished";
            return kVanished;
        }
        // Everything due by now goes out in one write; a late wake-up thus catches up
        // without shifting the bytes after it.
        const long baud = currentBaud();
        while (auto next = line.nextAnswer()) {
            if (next->time > current) break;
            line.takeAnswer();
            if (next->baud == baud) pending_ += static_cast<char>(next->value);
        }
        if (!writePending(message)) return kFailed;
        const auto next = line.nextAnswer();
        armTimer(timer.get(), std::min(next ? next->time : Line::kNever, line.vanishTime()));

        std::array<pollfd, 3> fds{
            {{master_, POLLIN, 0}, {timer.get(), POLLIN, 0}, {signalFd.get(), POLLIN, 0}}};
        if (!pending_.empty()) fds[0].events |= POLLOUT;
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            message = systemError("poll");
            return kFailed;
        }
        if (fds[2].revents & POLLIN) return kStopped;
        if (fds[1].revents & POLLIN) {
            std::uint64_t expirations = 0;
            [[maybe_unused]] const auto ignored =
                ::read(timer.get(), &expirations, sizeof expirations);
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t got = ::read(master_, buffer.data(), buffer.size());
            current = now();
            if (got > 0) {
                line.send({buffer.data(), static_cast<std::size_t>(got)}, currentBaud(), current);
            } else if (got < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
                message = systemError("read");
                return kFailed;
            }
        }
    }
}

}  // namespace plv7::sim
