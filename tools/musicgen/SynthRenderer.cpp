#include "SynthRenderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace musicgen {

namespace {

// Reverb send given to every channel before the music starts; a composition
// can change it with "%%MIDI control 91 <value>".
constexpr int kDefaultReverbSend = 40;

void Require(int result, const char* call) {
    if (result == FLUID_FAILED) {
        throw std::runtime_error(std::string("fluidsynth: ") + call + " failed");
    }
}

} // namespace

struct SynthRenderer::Impl {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;

    ~Impl() {
        if (synth) {
            delete_fluid_synth(synth);
        }
        if (settings) {
            delete_fluid_settings(settings);
        }
    }

    void Dispatch(const MidiEvent& e, int64_t sample) {
        int result = FLUID_OK;
        const int chan = e.Channel();
        switch (e.Type()) {
        case 0x80:
            // Releasing a note that is not sounding is normal at a loop's edge.
            fluid_synth_noteoff(synth, chan, e.data1);
            return;
        case 0x90:
            if (e.data2 == 0) {
                fluid_synth_noteoff(synth, chan, e.data1);
                return;
            }
            result = fluid_synth_noteon(synth, chan, e.data1, e.data2);
            break;
        case 0xA0:
            result = fluid_synth_key_pressure(synth, chan, e.data1, e.data2);
            break;
        case 0xB0:
            result = fluid_synth_cc(synth, chan, e.data1, e.data2);
            break;
        case 0xC0:
            result = fluid_synth_program_change(synth, chan, e.data1);
            break;
        case 0xD0:
            result = fluid_synth_channel_pressure(synth, chan, e.data1);
            break;
        case 0xE0:
            result = fluid_synth_pitch_bend(synth, chan, e.data1 | (e.data2 << 7));
            break;
        default:
            return;
        }
        if (result == FLUID_FAILED) {
            std::fprintf(stderr, "musicgen: event %02X %d %d at sample %lld was refused\n",
                         e.status, e.data1, e.data2, static_cast<long long>(sample));
        }
    }
};

SynthRenderer::SynthRenderer(const std::string& soundFontPath, int sampleRate)
    : impl_(std::make_unique<Impl>()) {
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    impl_->settings = new_fluid_settings();
    if (!impl_->settings) {
        throw std::runtime_error("fluidsynth: new_fluid_settings failed");
    }
    fluid_settings_t* s = impl_->settings;
    Require(fluid_settings_setnum(s, "synth.sample-rate", sampleRate), "synth.sample-rate");
    Require(fluid_settings_setint(s, "synth.chorus.active", 0), "synth.chorus.active");
    Require(fluid_settings_setint(s, "synth.reverb.active", 1), "synth.reverb.active");
    Require(fluid_settings_setnum(s, "synth.reverb.room-size", 0.62), "synth.reverb.room-size");
    Require(fluid_settings_setnum(s, "synth.reverb.damp", 0.35), "synth.reverb.damp");
    Require(fluid_settings_setnum(s, "synth.reverb.width", 0.9), "synth.reverb.width");
    Require(fluid_settings_setnum(s, "synth.reverb.level", 0.6), "synth.reverb.level");
    Require(fluid_settings_setnum(s, "synth.gain", 0.3), "synth.gain");
    Require(fluid_settings_setint(s, "synth.polyphony", 256), "synth.polyphony");
    Require(fluid_settings_setint(s, "synth.cpu-cores", 1), "synth.cpu-cores");

    impl_->synth = new_fluid_synth(s);
    if (!impl_->synth) {
        throw std::runtime_error("fluidsynth: new_fluid_synth failed");
    }
    if (fluid_synth_sfload(impl_->synth, soundFontPath.c_str(), 1) == FLUID_FAILED) {
        throw std::runtime_error("fluidsynth: cannot load sound bank " + soundFontPath);
    }
    for (int chan = 0; chan < 16; ++chan) {
        Require(fluid_synth_cc(impl_->synth, chan, 91, kDefaultReverbSend), "reverb send");
        Require(fluid_synth_cc(impl_->synth, chan, 93, 0), "chorus send");
    }
}

SynthRenderer::~SynthRenderer() = default;

StereoBuffer SynthRenderer::Render(const Timeline& timeline) {
    StereoBuffer out(timeline.totalSamples);
    const int64_t total = timeline.totalSamples;
    int64_t pos = 0;
    auto renderTo = [&](int64_t until) {
        until = std::min(until, total);
        while (pos < until) {
            const int count = static_cast<int>(std::min<int64_t>(until - pos, 4096));
            if (fluid_synth_write_float(impl_->synth, count, out.left.data(), static_cast<int>(pos),
                                        1, out.right.data(), static_cast<int>(pos),
                                        1) == FLUID_FAILED) {
                throw std::runtime_error("fluidsynth: fluid_synth_write_float failed");
            }
            pos += count;
        }
    };
    for (const TimedEvent& timed : timeline.events) {
        if (timed.sample >= total) {
            break;
        }
        renderTo(timed.sample);
        impl_->Dispatch(timed.event, timed.sample);
    }
    renderTo(total);
    return out;
}

} // namespace musicgen
