#pragma once
// COggStream: background music streamed from Ogg Vorbis files.
//
// The design is the one the game's music was built around. A two-second ring
// (OggStreamRing) loops on the sound card for the whole run, silent while
// nothing plays. A worker thread waits on three auto-reset events: a command
// from the game thread, and the two notifications the ring signals when its
// play cursor reaches offset 0 or 176400. For a notification it refills the
// half the cursor has just left (one second of sound); for a command it
// carries out the state the game thread wrote (0 silence, 1 play, -1 quit)
// and acknowledges it. Play starts 1/8 s ahead of the cursor so the first
// samples are in place before the cursor gets there. An intro file is followed
// by its loop file inside the same refill, sample for sample.
//
// Mapping from the DirectSound design: the looping streaming buffer is the
// ring, played through SDL_mixer's music hook (the hook copies from the ring,
// advances the play cursor and signals; it never decodes and never waits for
// the worker); its position notifications at 0 and 176400 are the ring's two
// events; locking a region and copying into it is OggStreamRing::Write (one
// relaxed atomic word per frame instead of a lock); Win32 auto-reset events
// are AutoResetEvents (a mutex and a condition variable); the Win32 thread is
// a std::thread.
//
// Choices of ours: a failure in the worker (decoder error, missing loop file)
// is logged and turns the music silent (state 0); the game goes on. A file
// that cannot be opened by Open/OpenIntro is logged the same way instead of
// ending the game; the stream then stays silent and LastError() tells why.
#include "lib/AudioEvents.h"
#include "lib/OggStream.h"
#include "lib/OggStreamDecoder.h"
#include "lib/OggStreamRing.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vrels::audio {
class AudioDevice;
}

class COggStream : public IOggStream {
public:
    COggStream();
    ~COggStream() override;

    // Attaches to the sound manager's device, starts the silent loop and the
    // worker. Throws std::runtime_error("CreateSoundBuffer失敗") without a device.
    void Init(SoundManager* device) override;
    void Restart() override;
    void Play() override;
    void Halt() override;
    void Open(const std::string& fileName, unsigned char loop) override;
    void OpenIntro(const std::string& introFile, const std::string& loopFile) override;
    // Scales what the hook hands to the device; the ring keeps full samples,
    // so a change is heard from the next block on.
    void SetVolume(int percent) override;

    // An int that starts at 0 and that the stream itself never changes.
    virtual int Marker() const { return marker_; }

    // For tests and offline recording: 0 silent, 1 playing, -1 worker ended.
    int State() const { return state_.load(); }
    // Blocks until the worker has handled every command and notification so
    // far. Offline rendering calls it after each pass so the refills always
    // land before the cursor needs them.
    void WaitForWorker();
    // Handshakes the game thread has made with the worker so far.
    int CommandCount() const { return commands_; }
    // The last reported failure, empty when none.
    std::string LastError() const;
    // The device's music hook, exposed for the offline mixer's tests.
    static void Hook(void* stream, std::uint8_t* out, int len);

private:
    enum Event {
        kCommand = 0,
        kFirstHalf = 1,
        kSecondHalf = 2,
        kAcknowledge = 3,
        kThreadEnded = 4
    };
    static constexpr unsigned kWorkerEvents = 1u << kCommand | 1u << kFirstHalf | 1u << kSecondHalf;

    void StartWorker();
    void QuitWorker();
    // Writes the state, wakes the worker and waits until it has carried it out.
    void Command(int state);
    void WorkerLoop();
    // Fills [position, position + count) of the ring for the current state.
    void Refill(std::uint32_t position, std::uint32_t count);
    // Decodes until the staging buffer holds count bytes (silence after an
    // end or a failure).
    void Decode(std::uint32_t count);
    void OpenFile(const std::string& fileName);
    void Fail(const std::string& message);

    std::shared_ptr<vrels::audio::AudioDevice> device_;
    vrels::audio::AutoResetEvents events_;
    vrels::audio::OggStreamRing ring_;
    std::atomic<int> state_{0};
    vrels::audio::OggStreamDecoder decoder_;
    float loop_ = 0.0f;    // after the end of the file: 0 stop, else start over
    std::string loopFile_; // file that follows the intro; empty for one-file pieces
    int marker_ = 0;
    // Gain on the hook's output in 1/65536 steps; 65536 leaves samples as they are.
    std::atomic<int> gain_{65536};
    int commands_ = 0;
    std::thread worker_;

    // The worker's decoded samples not yet copied into the ring.
    std::vector<std::uint8_t> staging_;
    std::uint32_t staged_ = 0;

    mutable std::mutex errorMutex_;
    std::string lastError_;
};
