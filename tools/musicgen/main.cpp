// vrels-musicgen: renders one composition (a MIDI file made by abc2midi from
// its ABC source) through a General MIDI sound bank and writes the music files
// the manifest names for it, cut at exact sample positions, as Ogg Vorbis.

#include "Levels.h"
#include "Manifest.h"
#include "MidiFile.h"
#include "PieceLayout.h"
#include "SeamBlend.h"
#include "SynthRenderer.h"
#include "Timeline.h"
#include "VorbisFiles.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace musicgen;

namespace {

constexpr int kSampleRate = 44100;

struct Options {
    std::string manifest;
    std::string piece;
    std::string abc;
    std::string midi;
    std::string soundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    std::string gameDir;
    std::string lengths;
    double quality = 0.4;
    double targetRmsDb = -18.0;
    double peakCeilingDb = -1.0;
    // When set, this gain replaces loudness normalisation, so renders of parts
    // of a piece (one instrument, say) keep their true balance.
    double fixedGainDb = std::numeric_limits<double>::quiet_NaN();
};

void Usage() {
    std::fprintf(stderr,
                 "usage: vrels-musicgen --manifest FILE --piece NAME --abc FILE --midi FILE\n"
                 "                      --game-dir DIR --lengths FILE [--soundfont SF2]\n"
                 "                      [--quality Q] [--target-rms DB] [--peak-ceiling DB]\n"
                 "                      [--fixed-gain DB]\n");
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    std::map<std::string, std::string*> text = {{"--manifest", &options.manifest},
                                                {"--piece", &options.piece},
                                                {"--abc", &options.abc},
                                                {"--midi", &options.midi},
                                                {"--soundfont", &options.soundFont},
                                                {"--game-dir", &options.gameDir},
                                                {"--lengths", &options.lengths}};
    std::map<std::string, double*> numbers = {{"--quality", &options.quality},
                                              {"--target-rms", &options.targetRmsDb},
                                              {"--peak-ceiling", &options.peakCeilingDb},
                                              {"--fixed-gain", &options.fixedGainDb}};
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            throw std::runtime_error("missing value for " + name);
        }
        const std::string value = argv[++i];
        if (auto t = text.find(name); t != text.end()) {
            *t->second = value;
        } else if (auto n = numbers.find(name); n != numbers.end()) {
            *n->second = std::stod(value);
        } else {
            throw std::runtime_error("unknown option " + name);
        }
    }
    for (const auto& [name, value] : text) {
        if (value->empty()) {
            throw std::runtime_error("missing option " + name);
        }
    }
    return options;
}

// Where each kind of file lies in the render.
FrameRange RangeFor(FileRole role, const Timeline& timeline) {
    switch (role) {
    case FileRole::Intro:
        return {0, timeline.loopStart};
    case FileRole::Loop:
        return {timeline.loopStart + timeline.loopLength,
                timeline.loopStart + 2 * timeline.loopLength};
    case FileRole::Once:
        break;
    }
    return {0, timeline.totalSamples};
}

void CheckRolesFitLayout(const std::vector<ManifestEntry>& entries, const PieceLayout& layout) {
    for (const ManifestEntry& entry : entries) {
        const bool fits = (entry.role == FileRole::Once && !layout.Loops()) ||
                          (entry.role == FileRole::Loop && layout.Loops()) ||
                          (entry.role == FileRole::Intro && layout.Loops() && layout.introBars > 0);
        if (!fits) {
            throw std::runtime_error(std::string("\"") + entry.file + "\" wants an " +
                                     RoleName(entry.role) +
                                     " file, which the piece's layout does not give");
        }
    }
}

// How far the end of loop pass 2 strays from the end of pass 1 over the last
// 1024 frames, before the seams are blended: the jump the loop's wrap-around
// would make without the blend (0 when both passes render alike).
double LoopPassMismatch(const StereoBuffer& audio, const Timeline& timeline) {
    double error = 0.0;
    const int64_t end2 = timeline.loopStart + 2 * timeline.loopLength;
    for (int64_t i = 1; i <= std::min<int64_t>(1024, timeline.loopLength); ++i) {
        const int64_t a = end2 - i;
        const int64_t b = a - timeline.loopLength;
        error = std::max({error, static_cast<double>(std::fabs(audio.left[a] - audio.left[b])),
                          static_cast<double>(std::fabs(audio.right[a] - audio.right[b]))});
    }
    return error;
}

double Seconds(int64_t frames) {
    return static_cast<double>(frames) / kSampleRate;
}

int Run(const Options& options) {
    const auto started = std::chrono::steady_clock::now();
    std::vector<ManifestEntry> entries;
    for (const ManifestEntry& entry : ReadManifest(options.manifest)) {
        if (entry.piece == options.piece) {
            entries.push_back(entry);
        }
    }
    if (entries.empty()) {
        throw std::runtime_error("the manifest lists no files for piece " + options.piece);
    }
    const PieceLayout layout = ReadPieceLayout(options.abc);
    CheckRolesFitLayout(entries, layout);

    const MidiSong song = ReadMidiFile(options.midi);
    const Timeline timeline = BuildTimeline(song, layout, kSampleRate);
    SynthRenderer synth(options.soundFont, kSampleRate);
    StereoBuffer audio = synth.Render(timeline);
    double passMismatch = 0.0;
    if (layout.Loops()) {
        passMismatch = LoopPassMismatch(audio, timeline);
        const int64_t blend = static_cast<int64_t>(layout.joinSeconds * kSampleRate);
        const int64_t loopEnd = timeline.loopStart + 2 * timeline.loopLength;
        BlendInto(audio, loopEnd, -timeline.loopLength, blend);
        BlendInto(audio, timeline.loopStart, timeline.loopLength, blend);
    } else {
        FadeOutEnd(audio, static_cast<int64_t>(layout.fadeSeconds * kSampleRate));
    }
    const auto rendered = std::chrono::steady_clock::now();

    // One file per role is encoded; files sharing a role are copies of it.
    std::map<FileRole, std::string> encodedFor;
    std::vector<FrameRange> ranges;
    for (const ManifestEntry& entry : entries) {
        if (encodedFor.emplace(entry.role, entry.file).second) {
            ranges.push_back(RangeFor(entry.role, timeline));
        }
    }
    const LevelStats before = MeasureLevels(audio, ranges);
    // Aim half a decibel under the ceiling: lossy coding can raise peaks slightly.
    double gain = std::isnan(options.fixedGainDb)
                      ? NormalisingGain(before, options.targetRmsDb, options.peakCeilingDb - 0.5)
                      : FromDecibels(options.fixedGainDb);
    ApplyGain(audio, gain);

    for (int attempt = 0;; ++attempt) {
        double worstPeak = 0.0;
        for (const auto& [role, file] : encodedFor) {
            const FrameRange range = RangeFor(role, timeline);
            const std::string path = (fs::path(options.gameDir) / file).string();
            WriteVorbis(path, audio, range, options.quality, kSampleRate,
                        layout.title.empty() ? options.piece : layout.title);
            const DecodedSummary decoded = SummariseVorbis(path);
            if (decoded.frames != range.Frames() || decoded.channels != 2 ||
                decoded.sampleRate != kSampleRate) {
                throw std::runtime_error(path + " decodes to " + std::to_string(decoded.frames) +
                                         " frames instead of " + std::to_string(range.Frames()));
            }
            worstPeak = std::max(worstPeak, decoded.peak);
        }
        const double overDb = ToDecibels(worstPeak) - options.peakCeilingDb;
        if (overDb <= 0.0) {
            break;
        }
        if (attempt == 3) {
            throw std::runtime_error("decoded peaks stay above the ceiling");
        }
        ApplyGain(audio, FromDecibels(-(overDb + 0.1)));
        gain *= FromDecibels(-(overDb + 0.1));
    }

    for (const ManifestEntry& entry : entries) {
        const std::string& source = encodedFor[entry.role];
        if (source != entry.file) {
            fs::copy_file(fs::path(options.gameDir) / source,
                          fs::path(options.gameDir) / entry.file,
                          fs::copy_options::overwrite_existing);
        }
    }

    std::ofstream lengths(options.lengths);
    for (const ManifestEntry& entry : entries) {
        lengths << RangeFor(entry.role, timeline).Frames() << ' ' << entry.file << '\n';
    }
    if (!lengths.flush()) {
        throw std::runtime_error("cannot write " + options.lengths);
    }

    const LevelStats after = MeasureLevels(audio, ranges);
    const auto finished = std::chrono::steady_clock::now();
    const auto ms = [](auto a, auto b) {
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count());
    };
    std::printf("%s: intro %.2f s, loop %.2f s, render %.2f s; RMS %.1f dBFS, peak %.1f dBFS",
                options.piece.c_str(), Seconds(timeline.loopStart), Seconds(timeline.loopLength),
                Seconds(timeline.totalSamples), ToDecibels(after.rms), ToDecibels(after.peak));
    if (layout.Loops()) {
        std::printf(", pass mismatch %.1f dBFS", ToDecibels(passMismatch * gain));
    }
    std::printf("; render %ld ms, encode %ld ms\n", ms(started, rendered), ms(rendered, finished));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vrels-musicgen: %s\n", error.what());
        Usage();
        return 1;
    }
}
