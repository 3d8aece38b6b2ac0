#include "tools/sfxgen/EffectParser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace sfxgen {
namespace {

struct Note {
    double frequency; // 0 for a rest
    double length;    // seconds, negative = the part's note_length
};

// A [part] section as written, before notes and repeats expand it.
struct PartSection {
    PartDescription part;
    bool holdGiven = false;
    std::vector<Note> notes;
    double noteLength = 0.1;
    int repeat = 1;
    double repeatEvery = 0.25;
    double repeatGainDb = 0.0;
    double repeatPitch = 0.0;
    double repeatSpeedup = 1.0;
};

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// '#' starts a comment at the start of a line or after a blank, so sharps in
// note names such as "F#4" survive.
void StripComment(std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
            line.erase(i);
            return;
        }
    }
}

bool ParseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

class Parser {
public:
    explicit Parser(std::string sourceName) : sourceName_(std::move(sourceName)) {}

    EffectDescription Run(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            StripComment(line);
            line = Trim(line);
            if (line.empty()) {
                continue;
            }
            if (line.front() == '[') {
                StartSection(line);
                continue;
            }
            const auto equals = line.find('=');
            if (equals == std::string::npos) {
                Fail("expected 'key = value', got '" + line + "'");
            }
            SetKey(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
        }
        FinishPart();
        if (effect_.parts.empty()) {
            Fail("the effect has no [part]");
        }
        return effect_;
    }

private:
    enum class Section { None, Effect, Part };

    [[noreturn]] void Fail(const std::string& message) const {
        throw ParseError(sourceName_ + ":" + std::to_string(lineNumber_) + ": " + message);
    }

    void StartSection(const std::string& line) {
        FinishPart();
        if (line == "[effect]") {
            section_ = Section::Effect;
        } else if (line == "[part]") {
            section_ = Section::Part;
            current_ = PartSection();
        } else {
            Fail("unknown section " + line);
        }
    }

    double Number(const std::string& key, const std::string& value, double low, double high) {
        double number = 0.0;
        if (!ParseNumber(value, number)) {
            Fail(key + ": '" + value + "' is not a number");
        }
        if (number < low || number > high) {
            std::ostringstream range;
            range << key << ": " << number << " is outside " << low << " .. " << high;
            Fail(range.str());
        }
        return number;
    }

    void SetKey(const std::string& key, const std::string& value) {
        if (section_ == Section::Effect) {
            SetEffectKey(key, value);
        } else if (section_ == Section::Part) {
            SetPartKey(key, value);
        } else {
            Fail("'" + key + "' before any [effect] or [part] section");
        }
    }

    void SetEffectKey(const std::string& key, const std::string& value) {
        EffectDescription& e = effect_;
        const std::map<std::string, std::function<void()>> setters = {
            {"seed", [&] { e.seed = static_cast<std::uint32_t>(Number(key, value, 0, 4e9)); }},
            // Anything louder than -1 dBFS risks inter-sample overs on playback.
            {"peak", [&] { e.peakDb = Number(key, value, -60, -1); }},
            {"reverb", [&] { e.reverbMix = Number(key, value, 0, 1); }},
            {"room", [&] { e.roomSize = Number(key, value, 0, 1); }},
            {"damping", [&] { e.damping = Number(key, value, 0, 1); }},
            {"tail", [&] { e.tail = Number(key, value, 0, 5); }},
            {"max_length", [&] { e.maxLength = Number(key, value, 0.005, 10); }},
            {"fade_in", [&] { e.fadeIn = Number(key, value, 0, 1); }},
            {"fade_out", [&] { e.fadeOut = Number(key, value, 0, 2); }},
            {"lowpass", [&] { e.lowpass = Number(key, value, 0, 20000); }},
            {"highpass", [&] { e.highpass = Number(key, value, 0, 20000); }},
        };
        const auto setter = setters.find(key);
        if (setter == setters.end()) {
            Fail("unknown [effect] key '" + key + "'");
        }
        setter->second();
    }

    void SetWave(const std::string& value) {
        static const std::map<std::string, Wave> waves = {{"square", Wave::Square},
                                                          {"saw", Wave::Saw},
                                                          {"triangle", Wave::Triangle},
                                                          {"sine", Wave::Sine},
                                                          {"noise", Wave::Noise}};
        const auto wave = waves.find(value);
        if (wave == waves.end()) {
            Fail("unknown wave '" + value + "'");
        }
        current_.part.wave = wave->second;
    }

    void SetNotes(const std::string& value) {
        std::istringstream words(value);
        std::string word;
        current_.notes.clear();
        while (words >> word) {
            Note note{0.0, -1.0};
            const auto colon = word.find(':');
            const std::string name = word.substr(0, colon);
            if (colon != std::string::npos) {
                note.length = Number("note length", word.substr(colon + 1), 0.001, 10);
            }
            if (name != "r" && !NoteFrequency(name, note.frequency)) {
                Fail("'" + name + "' is not a note (use e.g. C5, F#4, Bb3 or r for a rest)");
            }
            current_.notes.push_back(note);
        }
        if (current_.notes.empty()) {
            Fail("notes: empty list");
        }
    }

    void SetPartKey(const std::string& key, const std::string& value) {
        PartDescription& p = current_.part;
        EnvelopeDescription& env = p.envelope;
        const std::map<std::string, std::function<void()>> setters = {
            {"wave", [&] { SetWave(value); }},
            {"freq", [&] { p.frequency = Number(key, value, 1, 100000); }},
            {"slide", [&] { p.slide = Number(key, value, -96, 96); }},
            {"slide_time", [&] { p.slideTime = Number(key, value, 0, 10); }},
            {"slide_shape", [&] { p.slideShape = Number(key, value, 0.1, 20); }},
            {"duty", [&] { p.duty = Number(key, value, 0.01, 0.99); }},
            {"duty_end", [&] { p.dutyEnd = Number(key, value, 0.01, 0.99); }},
            {"vibrato_rate", [&] { p.vibratoRate = Number(key, value, 0, 100); }},
            {"vibrato_depth", [&] { p.vibratoDepth = Number(key, value, 0, 24); }},
            {"vibrato_delay", [&] { p.vibratoDelay = Number(key, value, 0, 10); }},
            {"tremolo_rate", [&] { p.tremoloRate = Number(key, value, 0, 200); }},
            {"tremolo_depth", [&] { p.tremoloDepth = Number(key, value, 0, 1); }},
            {"attack", [&] { env.attack = Number(key, value, 0, 10); }},
            {"decay", [&] { env.decay = Number(key, value, 0, 10); }},
            {"sustain", [&] { env.sustain = Number(key, value, 0, 1); }},
            {"hold",
             [&] {
                 env.hold = Number(key, value, 0, 10);
                 current_.holdGiven = true;
             }},
            {"release", [&] { env.release = Number(key, value, 0, 10); }},
            {"lowpass", [&] { p.lowpass = Number(key, value, 0, 20000); }},
            {"lowpass_end", [&] { p.lowpassEnd = Number(key, value, 10, 20000); }},
            {"highpass", [&] { p.highpass = Number(key, value, 0, 20000); }},
            {"highpass_end", [&] { p.highpassEnd = Number(key, value, 10, 20000); }},
            {"resonance", [&] { p.resonance = Number(key, value, 0.3, 20); }},
            {"drive", [&] { p.drive = Number(key, value, 0, 50); }},
            {"bits", [&] { p.bits = static_cast<int>(Number(key, value, 0, 16)); }},
            {"crush_rate", [&] { p.crushRate = Number(key, value, 0, 44100); }},
            {"gain", [&] { p.gainDb = Number(key, value, -96, 24); }},
            {"offset", [&] { p.offset = Number(key, value, 0, 10); }},
            {"notes", [&] { SetNotes(value); }},
            {"note_length", [&] { current_.noteLength = Number(key, value, 0.001, 10); }},
            {"repeat", [&] { current_.repeat = static_cast<int>(Number(key, value, 1, 64)); }},
            {"repeat_every", [&] { current_.repeatEvery = Number(key, value, 0, 10); }},
            {"repeat_gain", [&] { current_.repeatGainDb = Number(key, value, -48, 12); }},
            {"repeat_pitch", [&] { current_.repeatPitch = Number(key, value, -48, 48); }},
            {"repeat_speedup", [&] { current_.repeatSpeedup = Number(key, value, 0.1, 10); }},
        };
        const auto setter = setters.find(key);
        if (setter == setters.end()) {
            Fail("unknown [part] key '" + key + "'");
        }
        setter->second();
    }

    // Turns the section into parts: one per note (or one for a plain part),
    // all of it repeated `repeat` times.
    void FinishPart() {
        if (section_ != Section::Part) {
            return;
        }
        section_ = Section::None;
        std::vector<PartDescription> voices;
        if (current_.notes.empty()) {
            voices.push_back(current_.part);
        } else {
            double start = current_.part.offset;
            for (const Note& note : current_.notes) {
                const double length = note.length > 0 ? note.length : current_.noteLength;
                if (note.frequency > 0) {
                    PartDescription voice = current_.part;
                    voice.frequency = note.frequency;
                    voice.offset = start;
                    if (!current_.holdGiven) {
                        // Without an explicit hold each note sounds until the next one.
                        const EnvelopeDescription& env = voice.envelope;
                        voice.envelope.hold = std::max(0.0, length - env.attack - env.decay);
                    }
                    voices.push_back(voice);
                }
                start += length;
            }
        }
        double repeatStart = 0.0;
        double gap = current_.repeatEvery;
        for (int r = 0; r < current_.repeat; ++r) {
            for (PartDescription voice : voices) {
                voice.offset += repeatStart;
                voice.gainDb += r * current_.repeatGainDb;
                voice.frequency *= std::pow(2.0, r * current_.repeatPitch / 12.0);
                effect_.parts.push_back(voice);
            }
            repeatStart += gap;
            gap *= current_.repeatSpeedup; // below 1 the repeats come faster and faster
        }
    }

    std::string sourceName_;
    int lineNumber_ = 0;
    Section section_ = Section::None;
    PartSection current_;
    EffectDescription effect_;
};

} // namespace

bool NoteFrequency(const std::string& name, double& frequency) {
    static const int semitoneOfLetter[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
        return false;
    }
    int semitone = semitoneOfLetter[name[0] - 'A'];
    std::size_t pos = 1;
    if (name[pos] == '#') {
        ++semitone;
        ++pos;
    } else if (name[pos] == 'b') {
        --semitone;
        ++pos;
    }
    if (pos + 1 != name.size() || name[pos] < '0' || name[pos] > '9') {
        return false;
    }
    const int octave = name[pos] - '0';
    const int midi = (octave + 1) * 12 + semitone; // C4 = 60, A4 = 69
    frequency = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    return true;
}

EffectDescription ParseEffect(const std::string& text, const std::string& sourceName) {
    return Parser(sourceName).Run(text);
}

} // namespace sfxgen
