#pragma once

#include "tools/sfxgen/EffectDescription.h"

namespace sfxgen {

// Amplitude of an ADSR envelope at time t seconds after its start: linear
// attack to 1, exponential-looking decay to the sustain level, hold, then a
// release to silence. Zero before the start and after the release.
double EnvelopeLevel(const EnvelopeDescription& envelope, double t);

} // namespace sfxgen
