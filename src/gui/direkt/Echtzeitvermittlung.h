#pragma once

namespace plv7::gui {

// Asks the desktop's real-time service (rtkit, on the system bus) to give the thread with
// the kernel id `threadId` of this process first-in-first-out scheduling at a modest
// priority. A desktop user has no RLIMIT_RTPRIO to ask the kernel directly; rtkit grants the
// priority per thread. False, silently, without a bus, without the service or on a refusal.
// Blocks the calling thread for at most about a second.
bool echtzeitVermitteln(long threadId);

}  // namespace plv7::gui
