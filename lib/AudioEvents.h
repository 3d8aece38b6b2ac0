#pragma once
// A small set of auto-reset events shared by the music player's game thread,
// its worker and the sound card's mixing thread. An event stays set until one
// wait takes it; waiting for several at once takes the lowest-numbered one that
// is set, so commands (event 0) are served before buffer notifications.
//
// One mutex and one condition variable serve all events. Setting an event holds
// the mutex only to flip a bit, so the mixing thread never waits behind work.
#include <condition_variable>
#include <mutex>

namespace vrels::audio {

class AutoResetEvents {
public:
    void Set(int event);
    // Clears an event without waiting for it.
    void Reset(int event);
    bool IsSet(int event) const;

    // Blocks until the event is set, then clears it.
    void Wait(int event);
    // Blocks until any event of the mask (bit n = event n) is set, clears the
    // lowest such event and returns its number. The caller is then "busy" until
    // its next WaitAny or Done, which WaitUntilIdle observes.
    int WaitAny(unsigned mask);
    void Done();
    // Blocks until no event of the mask is pending and the WaitAny caller is
    // not busy: everything signalled so far has been handled.
    void WaitUntilIdle(unsigned mask);

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    unsigned bits_ = 0;
    bool busy_ = false;
};

} // namespace vrels::audio
