#include "lib/OggStreamRing.h"

#include <algorithm>
#include <cstring>

namespace vrels::audio {

OggStreamRing::OggStreamRing(AutoResetEvents& events, int firstHalfEvent, int secondHalfEvent)
    : bytes_(kSize, 0), events_(events), firstHalfEvent_(firstHalfEvent),
      secondHalfEvent_(secondHalfEvent) {}

void OggStreamRing::Play() {
    playing_.store(true);
}

void OggStreamRing::Stop() {
    playing_.store(false);
}

void OggStreamRing::SetCurrentPosition(std::uint32_t position) {
    cursor_.store(position % kSize);
}

std::uint8_t* OggStreamRing::Lock(std::uint32_t position, std::uint32_t count) {
    if (position > kSize || count > kSize - position) {
        return nullptr;
    }
    return bytes_.data() + position;
}

void OggStreamRing::Unlock() {
    published_.fetch_add(1, std::memory_order_release);
}

void OggStreamRing::Clear() {
    std::fill(bytes_.begin(), bytes_.end(), 0);
    Unlock();
}

void OggStreamRing::Render(std::uint8_t* out, int len) {
    if (len <= 0) {
        return;
    }
    if (!playing_.load()) {
        std::memset(out, 0, static_cast<std::size_t>(len));
        return;
    }
    published_.load(std::memory_order_acquire);
    const std::uint32_t start = cursor_.load();
    std::uint32_t at = start;
    std::size_t left = static_cast<std::size_t>(len);
    bool passedFirst = false;
    bool passedSecond = false;
    while (left > 0) {
        const std::size_t run = std::min<std::size_t>(left, kSize - at);
        std::memcpy(out, bytes_.data() + at, run);
        out += run;
        left -= run;
        const std::uint32_t before = at;
        at = static_cast<std::uint32_t>((at + run) % kSize);
        if (before < kHalf && before + run >= kHalf) {
            passedSecond = true;
        }
        if (at == 0) {
            passedFirst = true;
        }
    }
    // Someone may have moved the cursor while we copied (only the worker
    // does, when it starts a piece); its position then wins.
    std::uint32_t expected = start;
    if (!cursor_.compare_exchange_strong(expected, at)) {
        return;
    }
    if (passedSecond) {
        events_.Set(secondHalfEvent_);
    }
    if (passedFirst) {
        events_.Set(firstHalfEvent_);
    }
}

} // namespace vrels::audio
