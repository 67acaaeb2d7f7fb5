#include "direkt/Echtzeit.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#endif

namespace plv7::direkt::echtzeit {

#ifdef _WIN32

void schlafenBis(Clock::time_point zeitpunkt) {
    const auto rest = zeitpunkt - Clock::now();
    if (rest <= Clock::duration::zero()) return;
    // A relative due time in 100 ns steps, negative; the timer is the high-resolution one
    // where the system has it.
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                          TIMER_ALL_ACCESS);
    if (!timer) timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    if (!timer) return;
    LARGE_INTEGER faellig;
    faellig.QuadPart = -std::chrono::duration_cast<std::chrono::nanoseconds>(rest).count() / 100;
    if (SetWaitableTimer(timer, &faellig, 0, nullptr, nullptr, FALSE))
        WaitForSingleObject(timer, INFINITE);
    CloseHandle(timer);
}

bool echtzeitAnfordern() {
    return SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL) != 0;
}

bool kurzeZeitscheibe() {
    // The waitable timer is without slack already; the normal scheduler has no slice to ask.
    return false;
}

long threadKennung() {
    return static_cast<long>(GetCurrentThreadId());
}

bool speicherSperren() {
    return false;
}

void speicherFreigeben() {}

#else

namespace {

// High enough to pass every normal process, well below the kernel's own threads.
constexpr int kPrioritaet = 20;

// The shortest slice the normal scheduler grants, in nanoseconds.
constexpr std::uint64_t kZeitscheibe = 100'000;

// The kernel's struct sched_attr (first version); the C library here declares neither it nor
// sched_setattr.
struct Zeitplanattribute {
    std::uint32_t size;
    std::uint32_t sched_policy;
    std::uint64_t sched_flags;
    std::int32_t sched_nice;
    std::uint32_t sched_priority;
    std::uint64_t sched_runtime;
    std::uint64_t sched_deadline;
    std::uint64_t sched_period;
};
constexpr std::uint64_t kNichtVererben = 0x01;  // SCHED_FLAG_RESET_ON_FORK

bool speicherGesperrt = false;

}  // namespace

void schlafenBis(Clock::time_point zeitpunkt) {
    // The steady clock is CLOCK_MONOTONIC.
    const auto seit =
        std::chrono::duration_cast<std::chrono::nanoseconds>(zeitpunkt.time_since_epoch());
    timespec ziel{};
    ziel.tv_sec = static_cast<time_t>(seit.count() / 1'000'000'000);
    ziel.tv_nsec = static_cast<long>(seit.count() % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ziel, nullptr) == EINTR) {
    }
}

bool echtzeitAnfordern() {
    int prioritaet = kPrioritaet;
    if (geteuid() != 0) {
        // Without privileges the soft limit of RLIMIT_RTPRIO is the highest priority allowed.
        rlimit grenze{};
        if (getrlimit(RLIMIT_RTPRIO, &grenze) != 0 || grenze.rlim_cur == 0) return false;
        if (grenze.rlim_cur != RLIM_INFINITY && grenze.rlim_cur < static_cast<rlim_t>(prioritaet))
            prioritaet = static_cast<int>(grenze.rlim_cur);
    }
    sched_param parameter{};
    parameter.sched_priority = prioritaet;
    // Processes the program starts do not inherit the priority.
    return pthread_setschedparam(pthread_self(), SCHED_FIFO | SCHED_RESET_ON_FORK, &parameter) == 0;
}

bool kurzeZeitscheibe() {
    // Timers of the calling thread end within a nanosecond of their time instead of the
    // default 50 us: the wake-up lead the tick spins shrinks with it.
    const bool ohneSpiel = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    Zeitplanattribute attribute{};
    attribute.size = sizeof attribute;
    attribute.sched_policy = SCHED_OTHER;
    attribute.sched_flags = kNichtVererben;
    // Keeps the thread's nice value: a user may not lower it again.
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
    attribute.sched_nice = errno == 0 ? nice : 0;
    attribute.sched_runtime = kZeitscheibe;
    const bool kurz = syscall(SYS_sched_setattr, 0, &attribute, 0U) == 0;
    return ohneSpiel || kurz;
}

long threadKennung() {
    return static_cast<long>(syscall(SYS_gettid));
}

bool speicherSperren() {
    // Only where no limit applies: under a limit the lock fails or takes memory from the
    // rest of the program. Pages are locked as they are touched, not all brought in now.
    rlimit grenze{};
    const bool erlaubt = geteuid() == 0 || (getrlimit(RLIMIT_MEMLOCK, &grenze) == 0 &&
                                            grenze.rlim_cur == RLIM_INFINITY);
    if (!erlaubt) return false;
    speicherGesperrt = mlockall(MCL_CURRENT | MCL_ONFAULT) == 0;
    return speicherGesperrt;
}

void speicherFreigeben() {
    if (speicherGesperrt) munlockall();
    speicherGesperrt = false;
}

#endif

}  // namespace plv7::direkt::echtzeit
