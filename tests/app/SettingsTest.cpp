#include "app/GameOptions.h"
#include "app/IniFile.h"
#include "app/Log.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/KeyCodes.h"
#include "lib/myDxGraphics.h"
#include "lib/myInput.h"
#include "scene/options/Rebinding.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

class TempFile {
public:
    explicit TempFile(const std::string& contents = "", bool create = true) {
        char name[] = "/tmp/vrels-ini-XXXXXX";
        const int fd = mkstemp(name);
        close(fd);
        path = name;
        if (create) {
            std::ofstream(path, std::ios::binary) << contents;
        } else {
            std::remove(path.c_str());
        }
    }
    ~TempFile() {
        std::remove(path.c_str());
        std::remove((path + ".tmp").c_str());
    }
    std::string Read() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string path;
};

} // namespace

TEST(Settings, DefaultsWithoutAFile) {
    TempFile none("", false);
    SystemInfo_t info;
    ReadSettings(info, none.path);
    EXPECT_EQ(info.gameLevel, 1);
    EXPECT_EQ(info.rest, 3);
    EXPECT_EQ(info.effectLevel, 1);
    EXPECT_EQ(info.soundEffects, 1);
    EXPECT_EQ(info.music, 1);
    EXPECT_EQ(info.lastStage, 11);
    EXPECT_EQ(info.stageNumbers.size(), 23u);
    myDxGraphics g(none.path);
    EXPECT_TRUE(g.fullScreen);
    EXPECT_EQ(g.colourBits, 16);
    EXPECT_TRUE(g.tripleBuffering);
    myInput input(none.path, &info);
    EXPECT_EQ(input.shotKey, 0x2C);
    EXPECT_EQ(input.subKey, 0x2D);
    EXPECT_EQ(input.padShot, myInput::DefaultPadShot);
}

TEST(Settings, ProfileSemantics) {
    TempFile ini("; comment\r\n[ general ]\r\n  gamelevel = 260abc \r\nRest=x5\r\n"
                 "[Graphics]\r\nFullScreen=false\r\nColorBit=32\r\nEffect=-2\r\n"
                 "[Sound]\r\nBGM=2\r\nSE=2\r\n[Control]\r\nKeyShot=300\r\nJoyShot=4\r\n");
    SystemInfo_t info;
    ReadSettings(info, ini.path);
    EXPECT_EQ(info.gameLevel, 4) << "260 kept in 8 bits";
    EXPECT_EQ(info.rest, 0) << "present without a leading number: 0";
    EXPECT_EQ(info.effectLevel, -2);
    EXPECT_EQ(info.music, 2);
    EXPECT_EQ(info.soundEffects, 2);
    myDxGraphics g(ini.path);
    EXPECT_TRUE(g.fullScreen) << "only \"0\" selects the window";
    EXPECT_EQ(g.colourBits, 32);
    myInput input(ini.path, &info);
    EXPECT_EQ(input.shotKey, 300 & 0xFF);
    EXPECT_EQ(input.padShot, 3) << "stored 1-based";
    EXPECT_EQ(input.padSub, myInput::DefaultPadSub) << "absent: the default";

    TempFile zeroButton("[Control]\nJoyShot=0\nJoySub=33\n");
    myInput configured(zeroButton.path, &info);
    EXPECT_EQ(configured.padShot, 255) << "a configured 0 is no button, not the default";
    EXPECT_EQ(configured.padSub, 32);

    TempFile windowed("[Graphics]\nFullScreen=0\n");
    EXPECT_FALSE(myDxGraphics(windowed.path).fullScreen);
}

// A key that is there but holds no number reads as 0, as the profile
// functions read it: the player who writes "BGM=off" gets no music.
TEST(Settings, WordsWhereNumbersBelongReadAsZero) {
    TempFile ini("[Sound]\nBGM=off\nSE=off\n[General]\nRest=\nGameLevel=hard\n"
                 "[Control]\nKeyShot=Z\nJoyShot=A\n");
    SystemInfo_t info;
    ReadSettings(info, ini.path);
    EXPECT_EQ(info.music, 0);
    EXPECT_EQ(info.soundEffects, 0);
    EXPECT_EQ(info.rest, 0) << "an empty value too";
    EXPECT_EQ(info.gameLevel, 0);
    EXPECT_EQ(info.lastStage, 11) << "a missing key keeps its default";
    myInput input(ini.path, &info);
    EXPECT_EQ(input.shotKey, 0) << "no key, not the default Z";
    EXPECT_EQ(input.padShot, 255) << "button 0 - 1: none";
    EXPECT_EQ(input.subKey, 0x2D) << "absent: the default";
}

TEST(Settings, ProgressIsWrittenAtomicallyKeepingOtherLines) {
    TempFile ini("[General]\nRest=5\n\n[Save]\nLastStage=22\n; keep me\n[Sound]\nSE=0\n");
    SystemInfo_t info;
    ReadSettings(info, ini.path);
    SaveProgress(info, ini.path, 21);
    EXPECT_EQ(ini.Read(), "[General]\nRest=5\n\n[Save]\nLastStage=22\n; keep me\n[Sound]\nSE=0\n");
    SaveProgress(info, ini.path, 23);
    EXPECT_EQ(ini.Read(), "[General]\nRest=5\n\n[Save]\nLastStage=23\n; keep me\n[Sound]\nSE=0\n");
    EXPECT_EQ(info.lastStage, 23);
    EXPECT_NE(access((ini.path + ".tmp").c_str(), F_OK), 0) << "no temporary left behind";

    TempFile fresh("", false);
    SystemInfo_t other;
    SaveProgress(other, fresh.path, 12);
    EXPECT_EQ(vrels::IniReadInt(fresh.path, "save", "laststage", 0), 12);
}

TEST(Log, WritesShiftJisBytes) {
    TempFile log("", false);
    vrels::SetLogPath(log.path);
    Log("\t初期化完了\n");
    Log("%d\n", 42);
    vrels::SetLogPath("log.txt");
    EXPECT_EQ(log.Read(), "\t\x8f\x89\x8a\xfa\x89\xbb\x8a\xae\x97\xb9\n42\n");
}

TEST(CommandLine, PunctuationIsAWordOfItsOwn) {
    EXPECT_EQ(SplitCommandLine("  -bench x"), (std::vector<std::string>{"-", "bench", "x"}));
    EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

TEST(Settings, VolumesDefaultToFullAndStayWithinAHundredPercent) {
    TempFile none("", false);
    SystemInfo_t info;
    ReadSettings(info, none.path);
    EXPECT_EQ(info.seVolume, 100);
    EXPECT_EQ(info.bgmVolume, 100);
    TempFile ini("[Sound]\nSEVolume=150\nBGMVolume=-5\n");
    ReadSettings(info, ini.path);
    EXPECT_EQ(info.seVolume, 100);
    EXPECT_EQ(info.bgmVolume, 0);
}

TEST(OptionsFile, OnlyTheChangedKeysAreWrittenInTheFilesOwnTerms) {
    GameOptions before;
    EXPECT_TRUE(ChangedEntries(before, before).empty());
    GameOptions after = before;
    after.fullScreen = false;
    after.music = false;
    after.bgmVolume = 30;
    after.keySub = 0x39;
    after.joyShot = 4;
    const auto entries = ChangedEntries(before, after);
    std::vector<std::string> lines;
    for (const auto& e : entries) {
        lines.push_back(e.section + "/" + e.key + "=" + e.value);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Graphics/FullScreen=0", "Sound/BGM=0",
                                               "Sound/BGMVolume=30", "Control/KeySub=57",
                                               "Control/JoyShot=4"}));

    // Several keys land in one save that keeps every other line as it was.
    TempFile ini("; mine\r\n[Sound]\r\nBGM=1\r\nOdd=1\r\n\r\n[Save]\r\nLastStage=31\r\n");
    ASSERT_TRUE(vrels::IniWriteStrings(ini.path, entries));
    EXPECT_EQ(ini.Read(), "; mine\r\n[Sound]\r\nBGM=0\r\nOdd=1\r\nBGMVolume=30\r\n\r\n"
                          "[Save]\r\nLastStage=31\r\n[Graphics]\r\nFullScreen=0\r\n"
                          "[Control]\r\nKeySub=57\r\nJoyShot=4\r\n");
}

TEST(OptionsFile, RebindingSwapsATakenKeyAndRefusesTheFixedOnes) {
    GameOptions o;
    EXPECT_EQ(BindKey(o, GameAction::Jump, dik::SPACE), BindResult::Bound);
    EXPECT_EQ(o.keySub, dik::SPACE);
    EXPECT_EQ(BindKey(o, GameAction::Jump, dik::SPACE), BindResult::Unchanged);
    EXPECT_EQ(BindKey(o, GameAction::Shot, dik::SPACE), BindResult::Swapped);
    EXPECT_EQ(o.keyShot, dik::SPACE);
    EXPECT_EQ(o.keySub, dik::Z);
    for (const int fixed :
         {dik::ESCAPE, dik::UP, dik::DOWN, dik::LEFT, dik::RIGHT, dik::P, dik::F12, dik::F1}) {
        EXPECT_EQ(BindKey(o, GameAction::Shot, fixed), BindResult::Refused) << fixed;
    }
    EXPECT_EQ(o.keyShot, dik::SPACE);

    EXPECT_EQ(BindPadButton(o, GameAction::Jump, 2), BindResult::Swapped) << "X was the shot";
    EXPECT_EQ(o.joySub, 3);
    EXPECT_EQ(o.joyShot, 1);
    EXPECT_EQ(BindPadButton(o, GameAction::Jump, 11), BindResult::Refused) << "the D-pad";
    EXPECT_EQ(BindPadButton(o, GameAction::Jump, 32), BindResult::Refused);
}
