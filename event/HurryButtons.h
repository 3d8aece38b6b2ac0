#pragma once
// The buttons a conversation reads to hurry itself. They come straight from
// the keyboard and the pad, apart from the play input: the reading is neither
// taken from nor added to the replay recording, so a replay stays in step
// whether or not the player hurried. During demo playback nothing is read.
#include <cstdint>

// The button byte (only the shot and jump bits are filled in).
std::uint8_t ReadHurryButtons();
