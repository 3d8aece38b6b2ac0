#pragma once

#include "tools/sfxgen/EffectDescription.h"

#include <cstdint>
#include <vector>

namespace sfxgen {

// Renders one part from the start of its envelope to the end of its release,
// at kSampleRate. `seed` drives the part's noise.
std::vector<double> RenderPart(const PartDescription& part, std::uint32_t seed);

// Number of samples RenderPart returns for this part.
std::size_t PartSampleCount(const PartDescription& part);

} // namespace sfxgen
