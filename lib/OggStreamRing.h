#pragma once
// The music's looping output buffer: two seconds of 44100 Hz stereo that the
// sound card plays round and round. The mixing thread copies from it at the
// play cursor and signals an event when the cursor reaches offset 0 (the first
// half starts playing, so the second half is free) or offset 176400 (the first
// half is free). The music worker writes into the free half.
//
// The worker and the mixing thread share the samples without a lock: each
// stereo frame is one relaxed atomic word, so a frame is never seen half
// written, and the worker normally writes only the half the cursor has left.
#include "lib/AudioEvents.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace vrels::audio {

class OggStreamRing {
public:
    static constexpr std::uint32_t kSize = 352800; // 2 s x 176400 bytes
    static constexpr std::uint32_t kHalf = kSize / 2;

    // Signals firstHalfEvent when the cursor reaches 0, secondHalfEvent when it
    // reaches kHalf.
    OggStreamRing(AutoResetEvents& events, int firstHalfEvent, int secondHalfEvent);

    // Looping playback on or off; a stopped ring outputs silence and keeps its
    // cursor where it was.
    void Play();
    void Stop();
    bool Playing() const { return playing_.load(); }

    void SetCurrentPosition(std::uint32_t position);
    std::uint32_t GetCurrentPosition() const { return cursor_.load(); }

    // True when [position, position + count) lies inside the ring without
    // wrapping and on whole frames.
    static bool Fits(std::uint32_t position, std::uint32_t count);
    // Copies count bytes into the ring at position; false when it does not fit.
    bool Write(std::uint32_t position, const std::uint8_t* bytes, std::uint32_t count);
    // Silences [position, position + count); false when it does not fit.
    bool Zero(std::uint32_t position, std::uint32_t count);
    void Clear() { Zero(0, kSize); }

    // The mixing thread's side: fills len bytes of output, advances the cursor
    // and signals the notifications it passes. Never blocks on the worker.
    void Render(std::uint8_t* out, int len);

private:
    // One word per stereo frame, in the device's byte order.
    std::vector<std::atomic<std::uint32_t>> frames_;
    AutoResetEvents& events_;
    const int firstHalfEvent_;
    const int secondHalfEvent_;
    std::atomic<std::uint32_t> cursor_{0};
    std::atomic<bool> playing_{false};
};

} // namespace vrels::audio
