#include "lib/OggStreamRing.h"

#include <algorithm>
#include <cstring>

namespace vrels::audio {

namespace {
constexpr std::uint32_t kFrameBytes = 4;
}

OggStreamRing::OggStreamRing(AutoResetEvents& events, int firstHalfEvent, int secondHalfEvent)
    : frames_(kSize / kFrameBytes), events_(events), firstHalfEvent_(firstHalfEvent),
      secondHalfEvent_(secondHalfEvent) {
    for (auto& frame : frames_) {
        frame.store(0, std::memory_order_relaxed);
    }
}

void OggStreamRing::Play() {
    playing_.store(true);
}

void OggStreamRing::Stop() {
    playing_.store(false);
}

void OggStreamRing::SetCurrentPosition(std::uint32_t position) {
    // The cursor always stands on a frame boundary.
    cursor_.store(position % kSize / kFrameBytes * kFrameBytes);
}

bool OggStreamRing::Fits(std::uint32_t position, std::uint32_t count) {
    return position <= kSize && count <= kSize - position && position % kFrameBytes == 0 &&
           count % kFrameBytes == 0;
}

bool OggStreamRing::Write(std::uint32_t position, const std::uint8_t* bytes, std::uint32_t count) {
    if (!Fits(position, count)) {
        return false;
    }
    const std::uint32_t first = position / kFrameBytes;
    for (std::uint32_t i = 0; i < count / kFrameBytes; ++i) {
        std::uint32_t frame = 0;
        std::memcpy(&frame, bytes + i * kFrameBytes, kFrameBytes);
        frames_[first + i].store(frame, std::memory_order_relaxed);
    }
    return true;
}

bool OggStreamRing::Zero(std::uint32_t position, std::uint32_t count) {
    if (!Fits(position, count)) {
        return false;
    }
    const std::uint32_t first = position / kFrameBytes;
    for (std::uint32_t i = 0; i < count / kFrameBytes; ++i) {
        frames_[first + i].store(0, std::memory_order_relaxed);
    }
    return true;
}

void OggStreamRing::Render(std::uint8_t* out, int len) {
    if (len <= 0) {
        return;
    }
    if (!playing_.load()) {
        std::memset(out, 0, static_cast<std::size_t>(len));
        return;
    }
    const std::uint32_t start = cursor_.load();
    std::uint32_t at = start / kFrameBytes; // in frames
    const std::uint32_t ringFrames = kSize / kFrameBytes;
    const std::uint32_t halfFrame = kHalf / kFrameBytes;
    bool passedFirst = false;
    bool passedSecond = false;
    const int whole = len / static_cast<int>(kFrameBytes);
    for (int i = 0; i < whole; ++i) {
        const std::uint32_t frame = frames_[at].load(std::memory_order_relaxed);
        std::memcpy(out + i * kFrameBytes, &frame, kFrameBytes);
        at = at + 1 == ringFrames ? 0 : at + 1;
        if (at == halfFrame) {
            passedSecond = true;
        } else if (at == 0) {
            passedFirst = true;
        }
    }
    // The device only asks for whole frames; anything else is silence.
    std::memset(out + whole * kFrameBytes, 0, static_cast<std::size_t>(len) % kFrameBytes);

    // Someone may have moved the cursor while we copied (only the worker
    // does, when it starts a piece); its position then wins.
    std::uint32_t expected = start;
    if (!cursor_.compare_exchange_strong(expected, at * kFrameBytes)) {
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
