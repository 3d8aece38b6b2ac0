#include "lib/AudioEvents.h"

namespace vrels::audio {

void AutoResetEvents::Set(int event) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        bits_ |= 1u << event;
    }
    changed_.notify_all();
}

void AutoResetEvents::Reset(int event) {
    std::lock_guard<std::mutex> lock(mutex_);
    bits_ &= ~(1u << event);
}

bool AutoResetEvents::IsSet(int event) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return (bits_ & (1u << event)) != 0;
}

void AutoResetEvents::Wait(int event) {
    const unsigned bit = 1u << event;
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return (bits_ & bit) != 0; });
    bits_ &= ~bit;
}

int AutoResetEvents::WaitAny(unsigned mask) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (busy_) {
        busy_ = false;
        changed_.notify_all();
    }
    changed_.wait(lock, [&] { return (bits_ & mask) != 0; });
    const unsigned pending = bits_ & mask;
    int event = 0;
    while ((pending & (1u << event)) == 0) {
        ++event;
    }
    bits_ &= ~(1u << event);
    busy_ = true;
    return event;
}

void AutoResetEvents::Done() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        busy_ = false;
    }
    changed_.notify_all();
}

void AutoResetEvents::WaitUntilIdle(unsigned mask) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return (bits_ & mask) == 0 && !busy_; });
}

} // namespace vrels::audio
