#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <thread>
#include <utility>

extern char** environ;

namespace plv7::testing {

namespace {

// Owns one descriptor.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

struct Pipe {
    Fd read;
    Fd write;
    bool open() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return false;
        read.reset(fds[0]);
        write.reset(fds[1]);
        return true;
    }
};

// argv and envp as execve wants them; the strings live in the object.
class ExecArguments {
public:
    ExecArguments(const std::string& program, const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment) {
        strings_.push_back(program);
        strings_.insert(strings_.end(), arguments.begin(), arguments.end());
        argumentCount_ = strings_.size();
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string variable = *entry;
            const std::string name = variable.substr(0, variable.find('='));
            if (!environment.contains(name)) strings_.push_back(variable);
        }
        for (const auto& [name, value] : environment) strings_.push_back(name + "=" + value);
        for (std::size_t i = 0; i < strings_.size(); ++i) {
            if (i == argumentCount_) pointers_.push_back(nullptr);
            pointers_.push_back(strings_[i].data());
        }
        if (argumentCount_ == strings_.size()) pointers_.push_back(nullptr);
        pointers_.push_back(nullptr);
    }
    char* const* argv() { return pointers_.data(); }
    char* const* envp() { return pointers_.data() + argumentCount_ + 1; }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
    std::size_t argumentCount_ = 0;
};

// Forks and executes; in the child only async-signal-safe calls. The child is killed when
// the test process ends, however it ends.
pid_t spawn(ExecArguments& exec, int out, int err) {
    const pid_t parent = getpid();
    const int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        if (devNull < 0 || dup2(devNull, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
        execve(exec.argv()[0], exec.argv(), exec.envp());
        _exit(127);
    }
    if (devNull >= 0) ::close(devNull);
    return pid;
}

// Appends what is there to read; false at end of file or on an error.
bool drain(int fd, std::string& into) {
    std::array<char, 4096> buffer{};
    while (true) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got > 0) {
            into.append(buffer.data(), static_cast<std::size_t>(got));
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) return true;
        return false;
    }
}

int statusToExitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Waits for a child to end until `deadline`; false when it has not.
bool reap(pid_t pid, double deadline, int& exitCode) {
    while (true) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            exitCode = statusToExitCode(status);
            return true;
        }
        if (done < 0 && errno != EINTR) return true;  // not our child any more
        if (monotonicSeconds() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

int millisecondsLeft(double deadline) {
    return std::max(0, static_cast<int>((deadline - monotonicSeconds()) * 1000.0) + 1);
}

void setNonBlocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

}  // namespace

double monotonicSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment,
                         double limitSeconds) {
    ProgramResult result;
    Pipe out;
    Pipe err;
    if (!out.open() || !err.open()) {
        result.err = std::string("pipe: ") + std::strerror(errno);
        return result;
    }
    ExecArguments exec(program, arguments, environment);
    const double start = monotonicSeconds();
    const double deadline = start + limitSeconds;
    const pid_t pid = spawn(exec, out.write.get(), err.write.get());
    out.write.reset();
    err.write.reset();
    if (pid < 0) {
        result.err = std::string("fork: ") + std::strerror(errno);
        return result;
    }
    setNonBlocking(out.read.get());
    setNonBlocking(err.read.get());

    bool outOpen = true;
    bool errOpen = true;
    while ((outOpen || errOpen) && monotonicSeconds() < deadline) {
        std::array<pollfd, 2> fds{{{outOpen ? out.read.get() : -1, POLLIN, 0},
                                   {errOpen ? err.read.get() : -1, POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), millisecondsLeft(deadline)) < 0 && errno != EINTR) break;
        if (outOpen && fds[0].revents != 0) outOpen = drain(out.read.get(), result.out);
        if (errOpen && fds[1].revents != 0) errOpen = drain(err.read.get(), result.err);
    }
    if (!reap(pid, deadline, result.exitCode)) {
        kill(pid, SIGKILL);
        reap(pid, monotonicSeconds() + 5.0, result.exitCode);
        result.exitCode = -1;
        result.timedOut = true;
    }
    result.seconds = monotonicSeconds() - start;
    return result;
}

SimProcess::SimProcess(const std::vector<std::string>& options) {
    constexpr double kStartLimit = 5.0;
    Pipe out;
    Pipe err;
    if (!out.open() || !err.open()) {
        failure_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    ExecArguments exec(PLV7SIM_PATH, options, {});
    pid_ = spawn(exec, out.write.get(), err.write.get());
    if (pid_ < 0) {
        failure_ = std::string("fork: ") + std::strerror(errno);
        return;
    }
    out.write.reset();
    err.write.reset();
    outFd_ = out.read.release();
    errFd_ = err.read.release();
    setNonBlocking(outFd_);
    setNonBlocking(errFd_);

    // The first line is the terminal's path; it comes once the terminal takes requests.
    const double deadline = monotonicSeconds() + kStartLimit;
    std::string out_text;
    bool open = true;
    while (open && out_text.find('\n') == std::string::npos && monotonicSeconds() < deadline) {
        pollfd fd{outFd_, POLLIN, 0};
        if (poll(&fd, 1, millisecondsLeft(deadline)) > 0) open = drain(outFd_, out_text);
    }
    const std::size_t end = out_text.find('\n');
    if (end != std::string::npos && end > 0) {
        path_ = out_text.substr(0, end);
        return;
    }
    int exitCode = -1;
    if (!open && waitForExit(1.0, exitCode)) {
        failure_ = "plv7-sim ended with status " + std::to_string(exitCode) +
                   " before naming its terminal: " + errorOutput();
    } else {
        failure_ = "plv7-sim did not name its terminal within 5 s: " + errorOutput();
    }
    stop();
}

SimProcess::~SimProcess() {
    stop();
}

bool SimProcess::waitForExit(double seconds, int& exitCode) {
    if (pid_ < 0) {
        exitCode = exitCode_;
        return true;
    }
    if (!reap(pid_, monotonicSeconds() + seconds, exitCode_)) return false;
    pid_ = -1;
    exitCode = exitCode_;
    return true;
}

int SimProcess::stop() {
    if (pid_ >= 0) {
        kill(pid_, SIGTERM);
        int exitCode = -1;
        if (!waitForExit(3.0, exitCode)) {
            kill(pid_, SIGKILL);
            reap(pid_, monotonicSeconds() + 5.0, exitCode_);
            exitCode_ = -1;
            pid_ = -1;
        }
    }
    errorOutput();
    for (int* fd : {&outFd_, &errFd_}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
    return exitCode_;
}

std::string SimProcess::errorOutput() {
    if (errFd_ >= 0) drain(errFd_, err_);
    return err_;
}

}  // namespace plv7::testing
