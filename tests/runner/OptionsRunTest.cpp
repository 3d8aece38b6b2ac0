// The options screen driven through the runner with key scripts, as a player
// drives it: what the trace shows, what lands in vrels.ini, and what the game
// does with it afterwards.
#include "app/Runner.h"
#include "lib/WavFile.h"
#include "tests/runner/GameFolder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using runtest::FirstOf;
using runtest::Frame;
using runtest::GameFolder;

// Rows of the list, top to bottom.
enum Row {
    kDifficulty,
    kLives,
    kDisplay,
    kWindowSize,
    kVsync,
    kEffects,
    kSoundEffects,
    kSEVolume,
    kMusic,
    kMusicVolume,
    kShotKey,
    kJumpKey,
    kPadShot,
    kPadJump,
    kControls,
    kDefaults,
    kBack,
};

// Builds a key script of single taps 20 frames apart: each tap is held for one
// frame, which moves the menu one line or steps a value once.
class Taps {
public:
    Taps& Tap(const std::string& keys) {
        script_ << frame_ << " " << keys << "\n" << frame_ + 1 << "\n";
        frame_ += 20;
        return *this;
    }
    Taps& Repeat(const std::string& keys, int times) {
        for (int i = 0; i < times; ++i) {
            Tap(keys);
        }
        return *this;
    }
    // Moves the selection from row `from` to row `to` the short way round.
    Taps& Move(int from, int to, const std::string& down = "DOWN", const std::string& up = "UP") {
        const int rows = kBack + 1;
        const int forward = ((to - from) % rows + rows) % rows;
        return forward <= rows - forward ? Repeat(down, forward) : Repeat(up, rows - forward);
    }
    Taps& Wait(int frames) {
        frame_ += frames;
        return *this;
    }
    std::string Text() const { return script_.str(); }
    int Frame() const { return frame_; }

private:
    std::ostringstream script_;
    int frame_ = 20;
};

// The quoted strings of a JSON array field of the "options" object.
std::vector<std::string> Strings(const Frame& f, const std::string& key) {
    std::vector<std::string> out;
    const size_t at = f.line.find("\"" + key + "\":[");
    if (at == std::string::npos) {
        return out;
    }
    size_t i = at + key.size() + 4;
    while (i < f.line.size() && f.line[i] != ']') {
        const size_t open = f.line.find('"', i);
        const size_t close = f.line.find('"', open + 1);
        out.push_back(f.line.substr(open + 1, close - open - 1));
        i = close + 1;
        if (f.line[i] == ',') {
            ++i;
        }
    }
    return out;
}

// The last frame step still in the options screen.
const Frame& LastOptions(const std::vector<Frame>& t) {
    for (size_t i = t.size() - 1; i > 0; --i) {
        if (t[i].scene == "OptionsScene") {
            return t[i];
        }
    }
    return t[0];
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The loudest 16-bit sample of a recording within a span of frame steps (60
// a second).
int Peak(const vrels::audio::WaveData& wave, int from, int to) {
    const size_t perFrame =
        static_cast<size_t>(wave.format.samplesPerSecond) * wave.format.channels * 2 / 60;
    int loudest = 0;
    for (size_t i = from * perFrame; i + 1 < to * perFrame && i + 1 < wave.samples.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(wave.samples[i] | (wave.samples[i + 1] << 8));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

} // namespace

TEST(OptionsRun, EverySettingShowsInTheTraceAndOnlyTheChangedKeysAreWritten) {
    const std::string before = "; the player's own notes\n"
                               "[General]\n"
                               "GameLevel=1\n"
                               "Nickname=keep me\n"
                               "\n"
                               "[Graphics]\n"
                               "ColorBit=32\n"
                               "[Mods]\n"
                               "Foo=bar\n";
    GameFolder game(before, "");
    Taps keys;
    keys.Tap("RIGHT")
        .Tap("DOWN") // Difficulty: HARD
        .Tap("RIGHT")
        .Tap("DOWN") // Lives: 4
        .Tap("RIGHT")
        .Tap("DOWN") // Display: the other mode
        .Tap("RIGHT")
        .Tap("DOWN") // Window Size: x2
        .Tap("RETURN")
        .Tap("DOWN") // Vsync: OFF (confirm steps too)
        .Tap("LEFT")
        .Tap("DOWN") // Effects: LOW
        .Tap("RIGHT")
        .Tap("DOWN") // Sound Effects: OFF
        .Tap("LEFT")
        .Tap("DOWN") // SE Volume: 90%
        .Tap("RIGHT")
        .Tap("DOWN")       // Music: OFF
        .Repeat("LEFT", 3) // Music Volume: 70%
        .Move(kMusicVolume, kBack)
        .Tap("RETURN");
    const auto t = game.Run("OptionsScene", keys.Frame() + 10, keys.Text());
    const Frame& last = LastOptions(t);
    EXPECT_EQ(Strings(last, "rows").size(), 17u);
    const std::vector<std::string> values = Strings(last, "values");
    ASSERT_EQ(values.size(), 17u) << last.line;
    EXPECT_EQ(values[kDifficulty], "HARD");
    EXPECT_EQ(values[kLives], "4");
    EXPECT_EQ(values[kDisplay], "FULL SCREEN") << "the runner's window started as a window";
    EXPECT_EQ(values[kWindowSize], "x2");
    EXPECT_EQ(values[kVsync], "OFF");
    EXPECT_EQ(values[kEffects], "LOW");
    EXPECT_EQ(values[kSoundEffects], "OFF");
    EXPECT_EQ(values[kSEVolume], "90%");
    EXPECT_EQ(values[kMusic], "OFF");
    EXPECT_EQ(values[kMusicVolume], "70%");
    EXPECT_EQ(values[kShotKey], "Z");
    EXPECT_EQ(values[kJumpKey], "X");
    EXPECT_EQ(values[kPadShot], "X (3)");
    EXPECT_EQ(values[kPadJump], "A (1)");
    EXPECT_EQ(t.back().scene, "TitleScene") << "Back leaves for the title";

    EXPECT_EQ(game.Read("vrels.ini"), "; the player's own notes\n"
                                      "[General]\n"
                                      "GameLevel=2\n"
                                      "Nickname=keep me\n"
                                      "Rest=4\n"
                                      "\n"
                                      "[Graphics]\n"
                                      "ColorBit=32\n"
                                      "FullScreen=1\n"
                                      "WindowScale=2\n"
                                      "Vsync=0\n"
                                      "Effect=0\n"
                                      "[Mods]\n"
                                      "Foo=bar\n"
                                      "[Sound]\n"
                                      "SE=0\n"
                                      "SEVolume=90\n"
                                      "BGM=0\n"
                                      "BGMVolume=70\n");
}

TEST(OptionsRun, ANewJumpKeyIsObeyedInTheNextStage) {
    GameFolder game("", "");
    Taps keys;
    keys.Move(kDifficulty, kJumpKey).Tap("RETURN").Tap("SPACE").Move(kJumpKey, kBack).Tap("RETURN");
    // Through the title's logos to "Arcade Mode".
    keys.Wait(20).Repeat("RETURN", 5);
    const int stage = keys.Frame();
    // Past the stage name's slide: X no longer jumps, Space does.
    keys.Wait(80);
    const int oldKey = keys.Frame();
    keys.Tap("X").Wait(40);
    const int newKey = keys.Frame();
    keys.Tap("SPACE");
    const auto t = game.Run("OptionsScene", keys.Frame() + 10, keys.Text());
    ASSERT_EQ(t.back().scene, "Trial1_1Scene") << t.back().line;
    ASSERT_EQ(FirstOf(t, "Trial1_1Scene"), static_cast<size_t>(stage - 20))
        << "the fifth Return chose \"Arcade Mode\"";
    for (int f = oldKey; f < oldKey + 20; ++f) {
        EXPECT_EQ(t[f].Number("jumpState"), 0) << "X jumps no more, frame " << f;
    }
    bool jumped = false;
    for (int f = newKey; f < newKey + 10; ++f) {
        jumped = jumped || t[f].Number("jumpState") != 0;
    }
    EXPECT_TRUE(jumped) << "Space jumps";
    EXPECT_EQ(game.Read("vrels.ini"), "[Control]\nKeySub=57\n[Save]\nLastStage=22\n")
        << "an empty file gets the changed key alone, then the stage's progress";
}

TEST(OptionsRun, ATakenKeySwapsAndAFixedKeyIsRefused) {
    GameFolder game("[Control]\nKeyShot=44\nKeySub=45\n", "");
    Taps keys;
    keys.Move(kDifficulty, kShotKey).Tap("RETURN").Tap("UP").Tap("P");
    const int refused = keys.Frame() - 10;
    keys.Tap("X").Move(kShotKey, kBack).Tap("X"); // X confirms now
    const auto t = game.Run("OptionsScene", keys.Frame() + 10, keys.Text());
    EXPECT_EQ(t[refused].Text("capture"), "key") << "still waiting after UP and P";
    EXPECT_EQ(t[refused].Text("message"), "P cannot be taken");
    const std::vector<std::string> values = Strings(LastOptions(t), "values");
    ASSERT_EQ(values.size(), 17u);
    EXPECT_EQ(values[kShotKey], "X");
    EXPECT_EQ(values[kJumpKey], "Z");
    EXPECT_EQ(t.back().scene, "TitleScene");
    EXPECT_EQ(game.Read("vrels.ini"), "[Control]\nKeyShot=45\nKeySub=44\n");
}

TEST(OptionsRun, ARefusedFileIsLeftByteForByteAndTheChoiceHoldsForTheRun) {
    const std::string before = "[General]\r\nGameLevel=1\r\n; read-only on purpose\r\n";
    enum Refusal { kReadOnly, kUnreadable, kForeign };
    for (const Refusal refusal : {kReadOnly, kUnreadable, kForeign}) {
        GameFolder game(before, "");
        const std::string file = game.dir + "/vrels.ini";
        if (refusal == kForeign) {
            ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0) << "the tests run as root";
        } else {
            ASSERT_EQ(chmod(file.c_str(), refusal == kReadOnly ? 0444 : 0200), 0);
        }
        Taps keys;
        keys.Tap("RIGHT").Move(kDifficulty, kBack).Tap("RETURN");
        const int refused = keys.Frame() - 10;
        keys.Tap("RETURN");
        const auto t = game.Run("OptionsScene", keys.Frame() + 10, keys.Text());
        EXPECT_EQ(t[refused].scene, "OptionsScene") << "the first Back stays to say why";
        EXPECT_EQ(t[refused].Text("saved"), "refused");
        EXPECT_EQ(t[refused].Text("message"), "Settings cannot be saved; kept for this run");
        EXPECT_EQ(Strings(t[refused], "values")[kDifficulty], "HARD");
        EXPECT_EQ(t.back().scene, "TitleScene") << "the second Back leaves";
        EXPECT_EQ(game.Read("vrels.ini"), before) << "refusal " << refusal;
        EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
    }
}

TEST(OptionsRun, DefaultsRestoreTheTable) {
    GameFolder game("[General]\nGameLevel=3\nRest=7\n[Graphics]\nFullScreen=0\nWindowScale=3\n"
                    "Vsync=0\nEffect=0\n[Sound]\nSE=0\nSEVolume=40\nBGM=0\nBGMVolume=20\n"
                    "[Control]\nKeyShot=57\nKeySub=30\nJoyShot=5\nJoySub=6\n",
                    "");
    Taps keys;
    keys.Move(kDifficulty, kDefaults).Tap("SPACE").Move(kDefaults, kBack).Tap("RETURN");
    const auto t = game.Run("OptionsScene", keys.Frame() + 10, keys.Text());
    const std::vector<std::string> values = Strings(LastOptions(t), "values");
    EXPECT_EQ(values, (std::vector<std::string>{"NORMAL", "3", "FULL SCREEN", "x1", "ON", "NORMAL",
                                                "ON", "100%", "ON", "100%", "Z", "X", "X (3)",
                                                "A (1)", "", "", ""}));
    EXPECT_EQ(game.Read("vrels.ini"),
              "[General]\nGameLevel=1\nRest=3\n[Graphics]\nFullScreen=1\nWindowScale=1\n"
              "Vsync=1\nEffect=1\n[Sound]\nSE=1\nSEVolume=100\nBGM=1\nBGMVolume=100\n"
              "[Control]\nKeyShot=44\nKeySub=45\nJoyShot=3\nJoySub=1\n");
}

TEST(OptionsRun, ThePadRebindsItsButtonsThroughTheScriptedInput) {
    GameFolder game("", "");
    // A fresh folder: no settings file at all.
    ASSERT_TRUE(std::filesystem::remove(game.dir + "/vrels.ini"));
    Taps keys;
    keys.Move(kDifficulty, kPadJump, "PADDOWN", "PADUP").Tap("PAD3"); // X confirms
    keys.Tap("PAD12");                                                // the D-pad's up cannot jump
    const int refused = keys.Frame() - 10;
    keys.Tap("PAD4");                                                          // Y jumps
    keys.Move(kPadJump, kPadShot, "PADDOWN", "PADUP").Tap("PAD3").Tap("PAD4"); // swap
    keys.Move(kPadShot, kBack, "PADDOWN", "PADUP").Tap("PAD4");                // Y confirms now
    const auto t = game.Run("OptionsScene", keys.Frame() + 10, keys.Text());
    EXPECT_EQ(t[refused].Text("capture"), "pad");
    EXPECT_EQ(t[refused].Text("message"), "UP cannot be taken");
    const std::vector<std::string> values = Strings(LastOptions(t), "values");
    ASSERT_EQ(values.size(), 17u);
    EXPECT_EQ(values[kPadShot], "Y (4)");
    EXPECT_EQ(values[kPadJump], "X (3)");
    EXPECT_EQ(t.back().scene, "TitleScene");
    EXPECT_EQ(game.Read("vrels.ini"), "[Control]\nJoyShot=4\nJoySub=3\n")
        << "the new file holds the changed keys alone";
}

// Shooting and walking through the first stage with its music: silent with
// both volumes at 0, heard at the defaults.
TEST(OptionsRun, VolumeZeroRendersSilence) {
    std::string keys;
    for (int f = 60; f < 400; f += 10) {
        keys += std::to_string(f) + " Z RIGHT\n" + std::to_string(f + 5) + " RIGHT\n";
    }
    for (const bool quiet : {true, false}) {
        GameFolder game(quiet ? "[Sound]\nSEVolume=0\nBGMVolume=0\n" : "", "");
        vrels::RunnerOptions options;
        options.audioOut = game.dir + "/sound.wav";
        game.Run("Trial1_1Scene", 400, keys, options);
        const auto wave = vrels::audio::ParseWav(ReadBytes(options.audioOut));
        ASSERT_TRUE(wave);
        const bool silent = std::all_of(wave->samples.begin(), wave->samples.end(),
                                        [](std::uint8_t b) { return b == 0; });
        EXPECT_EQ(silent, quiet) << (quiet ? "volume 0" : "volume 100");
    }
}

// The title's music is playing when the options open: turning both volumes
// down to 0 there silences it at once, without leaving the screen.
TEST(OptionsRun, TheMusicVolumeChangesWhileTheMusicPlays) {
    GameFolder game("", "");
    Taps keys;
    keys.Repeat("RETURN", 4).Move(0, 3).Tap("RETURN"); // the title's "Options"
    const int opened = keys.Frame();
    keys.Move(kDifficulty, kSEVolume).Repeat("LEFT", 10);
    keys.Move(kSEVolume, kMusicVolume).Repeat("LEFT", 10);
    const int silent = keys.Frame();
    keys.Wait(120);
    vrels::RunnerOptions options;
    options.audioOut = game.dir + "/sound.wav";
    const auto t = game.Run("TitleScene", keys.Frame(), keys.Text(), options);
    ASSERT_EQ(FirstOf(t, "OptionsScene"), static_cast<size_t>(opened - 20)) << t.back().line;
    ASSERT_EQ(t.back().scene, "OptionsScene");
    const auto wave = vrels::audio::ParseWav(ReadBytes(options.audioOut));
    ASSERT_TRUE(wave);
    const auto peak = [&](int from, int to) { return Peak(*wave, from, to); };
    EXPECT_GT(peak(opened, opened + 60), 2000) << "the title's music goes on in the options";
    EXPECT_EQ(peak(silent, keys.Frame()), 0) << "both volumes at 0";
}

// Every label, value, key cap and help line of both pages stays inside the
// backdrop's panel (x 78 to 582), and every key's name fits inside its cap's rim, even
// for the longest names a player can choose.
TEST(OptionsRun, BothPagesStayInsideThePanelWithTheLongestNames) {
    GameFolder game("[Control]\nKeyShot=70\nKeySub=69\nJoyShot=21\nJoySub=17\n", "");
    Taps keys;
    keys.Move(kDifficulty, kControls);
    const int list = keys.Frame() - 5;
    keys.Tap("RETURN");
    const int card = keys.Frame() - 5;
    vrels::RunnerOptions options;
    options.drawsAt = {list, card};
    options.shotsDir = game.dir;
    const auto t = game.Run("OptionsScene", keys.Frame(), keys.Text(), options);
    ASSERT_EQ(t[card].Text("page"), "controls");
    for (const int frame : {list, card}) {
        std::ifstream listing(vrels::DrawsFileName(game.dir, frame));
        std::string line;
        int draws = 0;
        float capLeft = 0;
        float capRight = -1; // the cap whose name is being drawn, if any
        float capTop = 0;
        while (std::getline(listing, line)) {
            char name[64] = {};
            int left = 0, top = 0, right = 0, bottom = 0;
            float x = 0, y = 0, scale = 0;
            if (std::sscanf(line.c_str(),
                            "%*d sprite \"%63[^\"]\" rect %d,%d,%d,%d at %f,%f centre %*f,%*f "
                            "scale %f",
                            name, &left, &top, &right, &bottom, &x, &y, &scale) != 8) {
                continue;
            }
            const std::string picture = name;
            const bool glyph = picture.find("Font") != std::string::npos;
            // Backdrop and page heading lie above and around the panel.
            if (picture.rfind("gfx/", 0) == 0 || picture == "OrangeFont") {
                continue;
            }
            ++draws;
            // A glyph's ink fills the left half of its 32-pixel cell.
            const float width = glyph ? 16 * scale : static_cast<float>(right - left) * scale;
            EXPECT_GE(x, 78) << "frame " << frame << ": " << line;
            EXPECT_LE(x + width, 582) << "frame " << frame << ": " << line;
            const bool keyCap = picture == "OptionsKeys" && top == 0 && left < 192;
            if (keyCap) {
                capLeft = x;
                capRight = x + width;
                capTop = y;
            } else if (glyph && x < capRight && y >= capTop && y < capTop + 32) {
                // The cap's name follows it; a word beside the cap starts past it,
                // the next row's label below it.
                // The cap's rim takes 4 pixels each side.
                EXPECT_GE(x, capLeft + 4) << "frame " << frame << ": " << line;
                EXPECT_LE(x + width, capRight - 4) << "frame " << frame << ": " << line;
            } else {
                capRight = -1;
            }
        }
        EXPECT_GT(draws, 100) << "frame " << frame;
    }
}

// Music off in the file: switching it on in the options brings the title's
// piece back at once, and switching it off again silences it.
TEST(OptionsRun, MusicSwitchedOnInTheOptionsIsHeardAtOnce) {
    GameFolder game("[Sound]\nBGM=0\n", "");
    Taps keys;
    keys.Repeat("RETURN", 4).Move(0, 3).Tap("RETURN"); // the title's "Options"
    keys.Move(kDifficulty, kMusic);
    // Measured in spans clear of the taps at both ends, where the menu's
    // clicks are not heard.
    const int quiet = keys.Frame();
    keys.Wait(80).Tap("RIGHT");
    const int on = keys.Frame();
    keys.Wait(80).Tap("RIGHT");
    const int off = keys.Frame();
    keys.Wait(80);
    vrels::RunnerOptions options;
    options.audioOut = game.dir + "/sound.wav";
    const auto t = game.Run("TitleScene", keys.Frame(), keys.Text(), options);
    ASSERT_EQ(t.back().scene, "OptionsScene") << t.back().line;
    EXPECT_EQ(Strings(t[on], "values")[kMusic], "ON");
    const auto wave = vrels::audio::ParseWav(ReadBytes(options.audioOut));
    ASSERT_TRUE(wave);
    EXPECT_EQ(Peak(*wave, quiet + 30, quiet + 60), 0) << "no piece while the music is off";
    EXPECT_GT(Peak(*wave, on + 30, on + 60), 2000) << "the title's piece";
    EXPECT_EQ(Peak(*wave, off + 30, off + 60), 0) << "switched off again";
    EXPECT_EQ(game.Read("vrels.ini"), "[Sound]\nBGM=0\n") << "off again: nothing changed";
}

// The controls card names the keys that do each thing in play: Return shoots
// beside the shot key unless it is the jump key, and a key is never shown
// twice. Counted in the draw listing: key caps in the keyboard column of the
// rows "Shoot", "Jump" and "Confirm".
TEST(OptionsRun, TheControlsCardShowsReturnWhereverItShoots) {
    struct Case {
        const char* settings;
        int shootCaps;
        int jumpCaps;
        int confirmCaps;
    };
    const Case cases[] = {
        {"", 2, 1, 2},                                   // Z or RETURN, X, Z or RETURN
        {"[Control]\nKeySub=28\n", 1, 1, 2},             // Z, RETURN, Z or RETURN
        {"[Control]\nKeyShot=28\nKeySub=45\n", 1, 1, 1}, // RETURN, X, RETURN
    };
    for (const Case& c : cases) {
        GameFolder game(c.settings, "");
        Taps keys;
        keys.Move(kDifficulty, kControls).Tap("RETURN").Wait(10);
        vrels::RunnerOptions options;
        options.drawsAt = {keys.Frame()};
        options.shotsDir = game.dir + "/draws";
        game.Run("OptionsScene", keys.Frame(), keys.Text(), options);
        std::ifstream listing(vrels::DrawsFileName(options.shotsDir, keys.Frame()));
        std::map<int, int> capsOnRow;
        std::string line;
        while (std::getline(listing, line)) {
            float x = 0;
            float y = 0;
            const size_t at = line.find(" at ");
            if (line.find("\"OptionsKeys\"") != std::string::npos && at != std::string::npos &&
                std::sscanf(line.c_str() + at, " at %f,%f", &x, &y) == 2 && x < 470) {
                ++capsOnRow[static_cast<int>(y)];
            }
        }
        EXPECT_EQ(capsOnRow[138], c.shootCaps) << "Shoot with \"" << c.settings << "\"";
        EXPECT_EQ(capsOnRow[176], c.jumpCaps) << "Jump with \"" << c.settings << "\"";
        EXPECT_EQ(capsOnRow[214], c.confirmCaps) << "Confirm with \"" << c.settings << "\"";
    }
}
