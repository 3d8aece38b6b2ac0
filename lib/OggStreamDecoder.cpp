#include "lib/OggStreamDecoder.h"

#include "app/Log.h"
#include "app/Paths.h"

#include <stdexcept>
#include <vorbis/vorbisfile.h>

namespace vrels::audio {

namespace {
constexpr int kMaxReadBytes = 4096;

// vorbisfile reads through these over our own FILE*, so the file is opened and
// closed by us with the standard library (and the same messages everywhere).
size_t ReadCallback(void* data, size_t size, size_t count, void* file) {
    return std::fread(data, size, count, static_cast<std::FILE*>(file));
}
int SeekCallback(void* file, ogg_int64_t offset, int whence) {
    return std::fseek(static_cast<std::FILE*>(file), static_cast<long>(offset), whence);
}
long TellCallback(void* file) {
    return std::ftell(static_cast<std::FILE*>(file));
}
// The FILE* is closed by Close, after ov_clear.
int CloseCallback(void*) {
    return 0;
}
} // namespace

struct OggStreamDecoder::State {
    std::FILE* file = nullptr;
    OggVorbis_File vorbis{};
    std::string name;
    bool holeReported = false;
};

OggStreamDecoder::OggStreamDecoder() : state_(std::make_unique<State>()) {}

OggStreamDecoder::~OggStreamDecoder() {
    Close();
}

void OggStreamDecoder::Open(const std::string& fileName) {
    Close();
    const std::string path = vrels::DataPath(fileName);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        throw std::runtime_error("Open Error: " + path);
    }
    const ov_callbacks callbacks = {ReadCallback, SeekCallback, CloseCallback, TellCallback};
    if (ov_open_callbacks(file, &state_->vorbis, nullptr, 0, callbacks) < 0) {
        std::fclose(file);
        throw std::runtime_error("Input does not appear to be an Ogg bitstream.");
    }
    state_->file = file;
    state_->name = fileName;
    state_->holeReported = false;
    open_.store(true);
}

void OggStreamDecoder::Close() {
    if (!state_->file) {
        return;
    }
    ov_clear(&state_->vorbis);
    std::fclose(state_->file);
    state_->file = nullptr;
    open_.store(false);
}

long OggStreamDecoder::Read(char* buffer, int maxBytes) {
    if (!state_->file) {
        return 0;
    }
    int section = 0;
    const int length = maxBytes < kMaxReadBytes ? maxBytes : kMaxReadBytes;
    // A hole (a damaged or missing page) only means some samples are gone:
    // the decoder resumes at the next good page, so the piece plays on. Each
    // hole uses up at least one page of the file, so this loop ends.
    for (;;) {
        // Little-endian (0), 16-bit words (2), signed (1).
        const long got = ov_read(&state_->vorbis, buffer, length, 0, 2, 1, &section);
        if (got != OV_HOLE) {
            return got;
        }
        if (!state_->holeReported) {
            state_->holeReported = true;
            Log("%s: damaged data in the music stream skipped (OV_HOLE)\n", state_->name.c_str());
        }
    }
}

bool OggStreamDecoder::Rewind() {
    return state_->file && ov_pcm_seek(&state_->vorbis, 0) == 0;
}

std::string OggStreamDecoder::ErrorName(long code) {
    switch (code) {
    case OV_HOLE:
        return "OV_HOLE";
    case OV_EBADLINK:
        return "OV_EBADLINK";
    case OV_EINVAL:
        return "OV_EINVAL";
    case OV_EREAD:
        return "OV_EREAD";
    case OV_EFAULT:
        return "OV_EFAULT";
    default:
        return "ov_read error " + std::to_string(code);
    }
}

} // namespace vrels::audio
