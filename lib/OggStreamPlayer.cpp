#include "lib/OggStreamPlayer.h"

#include "lib/AudioDevice.h"
#include "lib/AudioUnits.h"
#include "lib/SoundErrorReport.h"
#include "lib/SoundManager.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

using vrels::audio::OggStreamRing;

namespace {
// Where a piece starts: a quarter into the ring, then 1/8 s (plus one sample
// frame's worth of slack, as always) ahead of the cursor read back.
constexpr std::uint32_t kStartCursor = OggStreamRing::kSize / 4;
constexpr std::uint32_t kStartLead = OggStreamRing::kSize / 16 + 2;
constexpr int kReadBytes = 4096;
} // namespace

COggStream::COggStream()
    : ring_(events_, kFirstHalf, kSecondHalf), staging_(OggStreamRing::kSize, 0) {}

COggStream::~COggStream() {
    if (!worker_.joinable()) {
        return; // Init never ran: no worker, no hook
    }
    if (state_.load() != 0) {
        Halt();
    }
    Restart();
    decoder_.Close();
    QuitWorker();
    ring_.Stop();
    device_->SetMusicHook(nullptr, nullptr);
}

void COggStream::Hook(void* stream, std::uint8_t* out, int len) {
    COggStream* self = static_cast<COggStream*>(stream);
    self->ring_.Render(out, len);
    const int gain = self->gain_.load(std::memory_order_relaxed);
    if (gain >= 65536) {
        return;
    }
    // Samples are 16-bit signed little-endian, as the device plays them.
    for (int i = 0; i + 1 < len; i += 2) {
        const auto sample = static_cast<std::int16_t>(out[i] | (out[i + 1] << 8));
        const auto scaled =
            static_cast<std::int16_t>(static_cast<std::int64_t>(sample) * gain / 65536);
        const auto bits = static_cast<std::uint16_t>(scaled);
        out[i] = static_cast<std::uint8_t>(bits & 0xff);
        out[i + 1] = static_cast<std::uint8_t>(bits >> 8);
    }
}

void COggStream::SetVolume(int percent) {
    // The effects' loudness curve: 10 dB quieter for each halving, silence at 0.
    const int hundredths = vrels::audio::VolumeForLevel(static_cast<float>(percent) / 100.0f);
    const double gain =
        hundredths <= vrels::audio::kSilence ? 0.0 : std::pow(10.0, hundredths / 2000.0);
    gain_.store(static_cast<int>(std::lround(gain * 65536.0)), std::memory_order_relaxed);
}

void COggStream::Init(SoundManager* manager) {
    if (worker_.joinable()) {
        return;
    }
    device_ = manager ? manager->Device() : nullptr;
    if (!device_) {
        throw std::runtime_error("CreateSoundBuffer失敗");
    }
    ring_.Clear();
    device_->SetMusicHook(&COggStream::Hook, this);
    ring_.Play(); // from here on the ring loops, silent while nothing plays
    state_.store(0);
    StartWorker();
}

void COggStream::StartWorker() {
    worker_ = std::thread(&COggStream::WorkerLoop, this);
}

void COggStream::Command(int state) {
    ++commands_;
    state_.store(state);
    events_.Set(kCommand);
    // Quitting is answered by the thread's end, everything else by an acknowledge.
    events_.Wait(state == -1 ? kThreadEnded : kAcknowledge);
}

void COggStream::QuitWorker() {
    Command(-1);
    worker_.join();
}

void COggStream::Halt() {
    if (!worker_.joinable() || state_.load() == 0) {
        return;
    }
    Command(0);
}

void COggStream::Play() {
    if (!worker_.joinable() || !decoder_.IsOpen() || state_.load() == 1) {
        return;
    }
    Command(1);
    ring_.Play();
}

void COggStream::Restart() {
    if (!worker_.joinable()) {
        return;
    }
    QuitWorker(); // the state stays -1 until the next command
    ring_.Stop();
    // A mixing pass that began before the stop may still signal a half. Setting
    // the hook again waits for that pass to end, so the reset below catches
    // its notification too.
    device_->SetMusicHook(&COggStream::Hook, this);
    ring_.Clear();
    // Notifications from before the stop would refill a ring that no longer
    // holds what they refer to; the new worker starts without them.
    events_.Reset(kFirstHalf);
    events_.Reset(kSecondHalf);
    StartWorker();
}

void COggStream::Open(const std::string& fileName, unsigned char loop) {
    Halt();
    Restart();
    // The worker is idle now (state -1): the file and the flags are ours.
    loopFile_.clear();
    OpenFile(fileName);
    loop_ = loop ? 1.0f : 0.0f;
}

void COggStream::OpenIntro(const std::string& introFile, const std::string& loopFile) {
    Halt();
    Restart();
    loopFile_ = loopFile;
    OpenFile(introFile);
    loop_ = 0.0f;
}

void COggStream::OpenFile(const std::string& fileName) {
    if (!worker_.joinable()) {
        return;
    }
    try {
        decoder_.Open(fileName);
    } catch (const std::runtime_error& e) {
        // The stream stays silent; a later Play finds no file and does nothing.
        vrels::audio::LogSoundError(e.what());
        std::lock_guard<std::mutex> lock(errorMutex_);
        lastError_ = e.what();
    }
}

void COggStream::WaitForWorker() {
    if (worker_.joinable()) {
        events_.WaitUntilIdle(kWorkerEvents);
    }
}

std::string COggStream::LastError() const {
    std::lock_guard<std::mutex> lock(errorMutex_);
    return lastError_;
}

void COggStream::Fail(const std::string& message) {
    vrels::audio::LogSoundError(message);
    {
        std::lock_guard<std::mutex> lock(errorMutex_);
        lastError_ = message;
    }
    decoder_.Close();
    state_.store(0);
}

void COggStream::WorkerLoop() {
    for (;;) {
        const int event = events_.WaitAny(kWorkerEvents);
        if (event == kFirstHalf) {
            // The cursor is at the start: the second half has been played.
            Refill(OggStreamRing::kHalf, OggStreamRing::kHalf);
            continue;
        }
        if (event == kSecondHalf) {
            Refill(0, OggStreamRing::kHalf);
            continue;
        }
        const int state = state_.load();
        if (state == -1) {
            events_.Done();
            events_.Set(kThreadEnded);
            return;
        }
        if (state == 0) {
            decoder_.Close();
            staged_ = 0;
            Refill(0, OggStreamRing::kSize);
        } else {
            ring_.SetCurrentPosition(kStartCursor);
            const std::uint32_t position =
                std::min(ring_.GetCurrentPosition() + kStartLead, OggStreamRing::kSize);
            staged_ = 0;
            Refill(position, OggStreamRing::kSize - position);
        }
        events_.Set(kAcknowledge);
    }
}

void COggStream::Refill(std::uint32_t position, std::uint32_t count) {
    if (!OggStreamRing::Fits(position, count)) {
        Fail("IDirectSoundBuffer::Lock");
        return;
    }
    if (state_.load() != 1) {
        ring_.Zero(position, count);
        return;
    }
    Decode(count);
    ring_.Write(position, staging_.data(), count);
    staged_ -= count;
    std::memmove(staging_.data(), staging_.data() + count, staged_);
}

void COggStream::Decode(std::uint32_t count) {
    // Ends of file in a row without a sample between them: a file with no
    // audio would otherwise be reopened forever.
    int emptyEnds = 0;
    auto silenceRest = [&] {
        std::memset(staging_.data() + staged_, 0, count - staged_);
        staged_ = count;
    };
    while (staged_ < count) {
        const int room = static_cast<int>(std::min<std::uint32_t>(
            kReadBytes, static_cast<std::uint32_t>(staging_.size()) - staged_));
        const long got = decoder_.Read(reinterpret_cast<char*>(staging_.data() + staged_), room);
        if (got > 0) {
            staged_ += static_cast<std::uint32_t>(got);
            emptyEnds = 0;
            continue;
        }
        if (got < 0) {
            Fail(vrels::audio::OggStreamDecoder::ErrorName(got));
            silenceRest();
            break;
        }
        // End of the file.
        if (++emptyEnds > 1) {
            Fail("The music file holds no samples.");
            silenceRest();
            break;
        }
        if (loopFile_.empty() && loop_ == 0.0f) {
            // The piece is over: what follows is silence.
            decoder_.Close();
            state_.store(0);
            silenceRest();
            break;
        }
        if (loopFile_.empty()) {
            if (!decoder_.Rewind()) {
                Fail("ov_pcm_seek");
                silenceRest();
                break;
            }
            continue;
        }
        // The intro (or a pass of the loop file) ended: the loop file follows
        // without a gap, and repeats from now on.
        try {
            decoder_.Open(loopFile_);
        } catch (const std::runtime_error& e) {
            Fail(e.what());
            silenceRest();
            break;
        }
        loop_ = 1.0f;
    }
}
