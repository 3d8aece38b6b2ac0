#pragma once
// One open Ogg Vorbis file for the music worker: libvorbisfile over an open
// FILE*, decoded to 16-bit signed little-endian samples as they are stored.
// The file is expected to be 44100 Hz stereo; other files are passed through
// unchanged and so play as if they were.
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

namespace vrels::audio {

class OggStreamDecoder {
public:
    OggStreamDecoder();
    ~OggStreamDecoder();
    OggStreamDecoder(const OggStreamDecoder&) = delete;
    OggStreamDecoder& operator=(const OggStreamDecoder&) = delete;

    // Opens the file (closing any open one first). Throws std::runtime_error:
    // "Open Error: " + name when the file cannot be opened, "Input does not
    // appear to be an Ogg bitstream." when it is not Ogg Vorbis.
    void Open(const std::string& fileName);
    void Close();
    // Safe to ask from any thread.
    bool IsOpen() const { return open_.load(); }

    // Decodes up to maxBytes (at most 4096 are asked for per call): the byte
    // count, 0 at the end of the file, or a negative vorbisfile error. Holes
    // in the stream are skipped (the first one of a file is logged) and never
    // returned.
    long Read(char* buffer, int maxBytes);
    // Back to the first sample; false when the file cannot seek.
    bool Rewind();

    // The name of a vorbisfile error code ("OV_HOLE", "OV_EBADLINK", ...).
    static std::string ErrorName(long code);

private:
    struct State;
    std::unique_ptr<State> state_;
    std::atomic<bool> open_{false};
};

} // namespace vrels::audio
