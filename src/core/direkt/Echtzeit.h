#pragma once

#include <chrono>

// The platform's calls for the acquisition thread, in one place: sleeping until an absolute
// time, real-time priority for the calling thread and locking the process's memory. Linux is
// built here; the Windows branch uses a high-resolution waitable timer and a time-critical
// thread priority.
namespace plv7::direkt::echtzeit {

using Clock = std::chrono::steady_clock;

// Sleeps until `zeitpunkt` of the steady clock, an absolute time, so that a late wake-up
// does not push the following ones back.
void schlafenBis(Clock::time_point zeitpunkt);

// Asks for real-time scheduling (first in, first out, at a modest priority) for the calling
// thread where the system grants it. False, silently, where it does not: the thread then
// keeps its normal priority.
bool echtzeitAnfordern();

// Where real-time priority is refused: asks the normal scheduler for the shortest time slice
// (which lets a waking thread take the processor from a busy one at once, on kernels from
// 6.12) and for timers without slack. Any user may ask; false where neither was granted.
bool kurzeZeitscheibe();

// The calling thread's id as the kernel knows it (not the pthread handle), for a service that
// grants real-time priority to another process's thread.
long threadKennung();

// Locks the pages the process uses now where that is allowed, so that a tick does not wait
// for a page to come back from swap. False where it is not allowed.
bool speicherSperren();
void speicherFreigeben();

}  // namespace plv7::direkt::echtzeit
