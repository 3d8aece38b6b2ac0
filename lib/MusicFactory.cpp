#include "lib/OggStream.h"

#include <memory>

class SoundManager;

// The streaming music player arrives with the audio back end; until then every
// game runs with the silent stream.
std::shared_ptr<IOggStream> CreateMusicStream(SoundManager*) { return nullptr; }
