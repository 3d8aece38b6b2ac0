#include "lib/AudioRecorder.h"

#include "lib/OggStreamPlayer.h"
#include "lib/SoundManager.h"
#include "lib/WavFile.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace vrels::audio {

int FramesForStep(long step) {
    // The frames up to the end of this step minus those up to its start.
    const long long end = static_cast<long long>(step) * kRate / kStepsPerSecond;
    const long long start = static_cast<long long>(step - 1) * kRate / kStepsPerSecond;
    return static_cast<int>(end - start);
}

AudioRecorder::AudioRecorder() : mixer_(std::make_shared<OfflineMixer>()) {}

void AudioRecorder::Render(int frames, IOggStream* music) {
    const StereoSamples out = mixer_->Render(frames);
    samples_.insert(samples_.end(), out.begin(), out.end());
    // The refills this stretch asked for must be in the ring before the next.
    if (auto* stream = dynamic_cast<COggStream*>(music)) {
        stream->WaitForWorker();
    }
}

void AudioRecorder::Step(IOggStream* music) {
    Render(FramesForStep(++steps_), music);
}

void AudioRecorder::RenderFrames(long frames, IOggStream* music) {
    while (frames > 0) {
        const int step = FramesForStep(++steps_);
        const int now = static_cast<int>(std::min<long>(frames, step));
        Render(now, music);
        frames -= now;
    }
}

bool AudioRecorder::Write(const std::string& path) const {
    return WriteWav(path, samples_);
}

std::string RecordMusic(const std::string& intro, const std::string& loop, double seconds,
                        const std::string& outFile) {
    AudioRecorder recorder;
    SoundManager manager;
    manager.UseDevice(recorder.Device());
    if (!manager.Init(nullptr)) {
        return "the offline mixer did not start";
    }
    std::string failure;
    {
        COggStream music;
        music.Init(&manager);
        if (loop.empty()) {
            music.Open(intro, 1);
        } else {
            music.OpenIntro(intro, loop);
        }
        if (!music.LastError().empty()) {
            return music.LastError();
        }
        music.Play();
        recorder.RenderFrames(std::lround(seconds * kRate), &music);
        failure = music.LastError();
    }
    if (!recorder.Write(outFile)) {
        return "Cannot write " + outFile + ": " + std::strerror(errno);
    }
    return failure;
}

} // namespace vrels::audio
