#include "lib/OggStreamRing.h"
#include "lib/AudioEvents.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using vrels::audio::AutoResetEvents;
using vrels::audio::OggStreamRing;

namespace {
enum { kFirst = 1, kSecond = 2 };

std::vector<std::uint8_t> Play(OggStreamRing& ring, int bytes) {
    std::vector<std::uint8_t> out(bytes, 0xEE);
    ring.Render(out.data(), bytes);
    return out;
}
} // namespace

TEST(OggStreamRing, SignalsWhenTheCursorReachesEachHalf) {
    AutoResetEvents events;
    OggStreamRing ring(events, kFirst, kSecond);
    ring.Play();
    ring.SetCurrentPosition(OggStreamRing::kHalf - 400);
    Play(ring, 396);
    EXPECT_FALSE(events.IsSet(kSecond)) << "one frame short of the middle";
    Play(ring, 4);
    EXPECT_TRUE(events.IsSet(kSecond)) << "reaching 176400 exactly counts";
    EXPECT_FALSE(events.IsSet(kFirst));
    events.Reset(kSecond);

    ring.SetCurrentPosition(OggStreamRing::kSize - 100);
    Play(ring, 300); // wraps round
    EXPECT_TRUE(events.IsSet(kFirst));
    EXPECT_FALSE(events.IsSet(kSecond));
    EXPECT_EQ(ring.GetCurrentPosition(), 200u);
}

TEST(OggStreamRing, CopiesAcrossTheWrapAndIsSilentWhenStopped) {
    AutoResetEvents events;
    OggStreamRing ring(events, kFirst, kSecond);
    const std::uint8_t tail[] = {1, 2, 3, 4};
    const std::uint8_t head[] = {5, 6, 7, 8};
    ASSERT_TRUE(ring.Write(OggStreamRing::kSize - 4, tail, 4));
    ASSERT_TRUE(ring.Write(0, head, 4));
    EXPECT_FALSE(ring.Write(OggStreamRing::kSize - 4, tail, 8)) << "regions never wrap";
    EXPECT_FALSE(ring.Write(2, head, 4)) << "regions hold whole frames";

    ring.SetCurrentPosition(OggStreamRing::kSize - 4);
    EXPECT_EQ(Play(ring, 8), (std::vector<std::uint8_t>(8, 0))) << "stopped: silence";
    EXPECT_EQ(ring.GetCurrentPosition(), OggStreamRing::kSize - 4) << "and the cursor stays";
    ring.Play();
    EXPECT_EQ(Play(ring, 8), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    ring.Zero(0, 4);
    ring.SetCurrentPosition(0);
    EXPECT_EQ(Play(ring, 4), (std::vector<std::uint8_t>(4, 0)));
}

TEST(OggStreamEvents, AutoResetAndLowestFirst) {
    AutoResetEvents events;
    events.Set(2);
    events.Set(0);
    EXPECT_EQ(events.WaitAny(0b111), 0) << "commands before notifications";
    EXPECT_EQ(events.WaitAny(0b111), 2);
    EXPECT_FALSE(events.IsSet(2)) << "taking an event resets it";
    events.Set(1);
    events.Set(1);
    EXPECT_EQ(events.WaitAny(0b110), 1);
    EXPECT_FALSE(events.IsSet(1)) << "two sets before a wait are one event";
    events.Done();
}

TEST(OggStreamEvents, HandshakeAcrossThreads) {
    // A worker that answers each command with an acknowledge, the way the
    // music worker does; the caller waits for each answer in turn.
    AutoResetEvents events;
    std::atomic<int> handled{0};
    std::thread worker([&] {
        for (;;) {
            const int event = events.WaitAny(0b1);
            (void)event;
            const int n = ++handled;
            events.Set(3);
            if (n == 100) {
                events.Done();
                return;
            }
        }
    });
    for (int i = 1; i <= 100; ++i) {
        events.Set(0);
        events.Wait(3);
        ASSERT_EQ(handled.load(), i) << "each command is done before the caller goes on";
    }
    worker.join();
    events.WaitUntilIdle(0b1);
}
