#pragma once
// Offline recording of what the game would play: the offline mixer rendered
// frame step by frame step, 44100 / 60 = 735 stereo frames a step (the step
// lengths are spread so that 60 steps make exactly one second whatever the
// rate), then written out as a WAV file. After each step the recorder waits
// until the music worker has handled what the step signalled, so a recording
// comes out the same every time although the worker runs on its own thread.
#include "lib/AudioDevice.h"
#include "lib/MixerOffline.h"

#include <memory>
#include <string>

class IOggStream;

namespace vrels::audio {

constexpr int kStepsPerSecond = 60;

// Output frames that belong to frame step n (counted from 1).
int FramesForStep(long step);

class AudioRecorder {
public:
    AudioRecorder();

    // The device to give the sound manager.
    std::shared_ptr<OfflineMixer> Device() const { return mixer_; }

    // Renders one frame step's output.
    void Step(IOggStream* music);
    // Renders the given number of frames in frame-step pieces.
    void RenderFrames(long frames, IOggStream* music);

    const StereoSamples& Samples() const { return samples_; }
    // False when the file cannot be written.
    bool Write(const std::string& path) const;

private:
    void Render(int frames, IOggStream* music);

    std::shared_ptr<OfflineMixer> mixer_;
    StereoSamples samples_;
    long steps_ = 0;
};

// Plays one piece through the real music stream on an offline mixer: with a
// loop file the intro and then the loop file, otherwise the one file looping.
// Renders the given seconds and writes them to outFile. Returns an empty
// string on success, else what went wrong (the file is still written when the
// music failed only while playing).
std::string RecordMusic(const std::string& intro, const std::string& loop, double seconds,
                        const std::string& outFile);

} // namespace vrels::audio
