#pragma once

#include "tools/sfxgen/EffectDescription.h"

#include <stdexcept>
#include <string>

namespace sfxgen {

// A mistake in a parameter file; the message names the file and line.
class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the text of one effect parameter file (format in docs/sfx.md).
// `sourceName` only appears in error messages. Throws ParseError.
EffectDescription ParseEffect(const std::string& text, const std::string& sourceName);

// Frequency of a note name such as "A4" (440 Hz), "C#5" or "Bb3".
// Returns false when the name is not a note.
bool NoteFrequency(const std::string& name, double& frequency);

} // namespace sfxgen
