#pragma once

#include "tools/sfxgen/EffectDescription.h"

#include <vector>

namespace sfxgen {

// Mixes every part at its offset, runs the master filters and the room,
// removes DC, trims the silent tail, normalises to the effect's peak and
// fades both ends so playback starts and stops without a click. Samples are
// in -1..1 at kSampleRate.
std::vector<double> RenderEffect(const EffectDescription& effect);

} // namespace sfxgen
