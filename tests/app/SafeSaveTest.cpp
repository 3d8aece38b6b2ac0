// The three saved files (settings, ranking, replays) under a kill at every
// step of a save, and under the failures a player's machine can produce.
#include "app/IniFile.h"
#include "app/Log.h"
#include "app/Ranking.h"
#include "app/SafeFileWrite.h"
#include "app/SystemInfo.h"
#include "lib/myInput.h"

#include <cerrno>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// A fresh folder for one test, removed with everything in it afterwards.
class SaveFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/vrels-save-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir = name;
        logPath = dir + "/log.txt";
        vrels::SetLogPath(logPath);
    }
    void TearDown() override {
        vrels::SetSaveStepHook(nullptr);
        vrels::SetLogPath("log.txt");
        const std::string command = "chmod -R u+rwx '" + dir + "' && rm -rf '" + dir + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    void Write(const std::string& file, const std::string& contents) {
        std::ofstream(file, std::ios::binary) << contents;
    }
    // Runs save in a child process that dies (as if killed) right before the
    // given step; returns once the child is gone.
    void KillBefore(vrels::SaveStep step, const std::function<void()>& save) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            vrels::SetSaveStepHook([step](vrels::SaveStep now) {
                if (now == step) {
                    _exit(0);
                }
                return 0;
            });
            save();
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
    }
    // For every step: a kill right before it leaves the old or the new file
    // whole, and the next start removes the temporary file it may leave.
    void CheckKillAtEveryStep(const std::string& target, const std::string& oldContents,
                              const std::string& newContents, const std::function<void()>& save,
                              const std::function<void()>& cleanUp) {
        for (int s = 0; s < vrels::kSaveStepCount; ++s) {
            const auto step = static_cast<vrels::SaveStep>(s);
            Write(target, oldContents);
            KillBefore(step, save);
            const std::string now = ReadWhole(target);
            EXPECT_TRUE(now == oldContents || now == newContents)
                << target << " killed before step " << s << " holds \"" << now << "\"";
            if (s <= static_cast<int>(vrels::SaveStep::Rename)) {
                EXPECT_EQ(now, oldContents) << "step " << s;
            } else {
                EXPECT_EQ(now, newContents) << "step " << s;
            }
            cleanUp();
            EXPECT_FALSE(Exists(target + vrels::kSaveTempSuffix)) << "step " << s;
        }
    }

    std::string dir;
    std::string logPath;
};

} // namespace

TEST_F(SaveFolder, SettingsSurviveAKillAtEveryStep) {
    const std::string ini = dir + "/vrels.ini";
    const std::string before = "[General]\nRest=5\n[Save]\nLastStage=12\n";
    CheckKillAtEveryStep(
        ini, before, "[General]\nRest=5\n[Save]\nLastStage=13\n",
        [&] {
            SystemInfo_t info;
            ReadSettings(info, ini);
            SaveProgress(info, ini, 13);
        },
        [&] { vrels::RemoveStaleSaveTemporaries(ini, dir + "/score.ini", ""); });
}

TEST_F(SaveFolder, RankingSurvivesAKillAtEveryStep) {
    const std::string score = dir + "/score.ini";
    CheckKillAtEveryStep(
        score, "9000,OLD,1\n", "12000,NEW,2\n",
        [&] {
            SystemInfo_t info;
            info.ranking = {RankingEntry_t{12000, "NEW", 2}};
            vrels::SaveRanking(info, score);
        },
        [&] { vrels::RemoveStaleSaveTemporaries(dir + "/vrels.ini", score, ""); });
}

TEST_F(SaveFolder, ReplaySurvivesAKillAtEveryStep) {
    ASSERT_EQ(mkdir((dir + "/replay").c_str(), 0755), 0);
    const std::string replay = dir + "/replay/11.rec";
    CheckKillAtEveryStep(
        replay, std::string(600, '\x10'), std::string(300, '\x21'),
        [&] {
            ASSERT_EQ(chdir(dir.c_str()), 0); // the replay folder is relative
            SystemInfo_t state;
            myInput input(dir + "/vrels.ini", &state);
            input.SetButtonFeed(std::vector<std::uint8_t>(300, 0x21));
            for (int i = 0; i < 300; ++i) {
                input.ReadButtons();
            }
            input.SaveRecording(11);
        },
        [&] { vrels::RemoveStaleSaveTemporaries("", "", dir + "/replay"); });
}

TEST_F(SaveFolder, UnreadableOrReadOnlySettingsAreNeverReplaced) {
    const std::string ini = dir + "/vrels.ini";
    const std::string contents = "[General]\nRest=5\n[Sound]\nBGM=0\n[Save]\nLastStage=12\n";
    for (const mode_t mode : {0000, 0444, 0200}) {
        Write(ini, contents);
        ASSERT_EQ(chmod(ini.c_str(), mode), 0);
        SystemInfo_t info;
        info.lastStage = 12;
        EXPECT_FALSE(vrels::IniWriteString(ini, "Save", "LastStage", "14")) << std::oct << mode;
        SaveProgress(info, ini, 14); // goes on in memory, logs the refusal
        EXPECT_EQ(info.lastStage, 14);
        struct stat st {};
        ASSERT_EQ(stat(ini.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, mode) << "the mode is kept";
        ASSERT_EQ(chmod(ini.c_str(), 0644), 0);
        EXPECT_EQ(ReadWhole(ini), contents) << "every setting is kept, mode " << std::oct << mode;
        EXPECT_FALSE(Exists(ini + vrels::kSaveTempSuffix));
    }
    // A file of another user would change owner if replaced; the superuser
    // can try it.
    if (geteuid() == 0) {
        Write(ini, contents);
        ASSERT_EQ(chown(ini.c_str(), 65534, 65534), 0);
        EXPECT_FALSE(vrels::IniWriteString(ini, "Save", "LastStage", "14"));
        struct stat st {};
        ASSERT_EQ(stat(ini.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(ReadWhole(ini), contents);
    }
    EXPECT_NE(ReadWhole(logPath).find("Save failed: " + ini), std::string::npos);
}

TEST_F(SaveFolder, FailedSavesKeepTheOldFileAndSayWhere) {
    const std::string score = dir + "/score.ini";
    Write(score, "9000,OLD,1\n");
    SystemInfo_t info;
    info.ranking = {RankingEntry_t{12000, "NEW", 2}};

    // A full disk while writing, and a flush that fails.
    for (const auto failing : {vrels::SaveStep::WriteSecondHalf, vrels::SaveStep::FlushTemporary}) {
        vrels::SetSaveStepHook(
            [failing](vrels::SaveStep step) { return step == failing ? ENOSPC : 0; });
        EXPECT_FALSE(vrels::SaveRanking(info, score));
        EXPECT_EQ(ReadWhole(score), "9000,OLD,1\n");
        EXPECT_FALSE(Exists(score + vrels::kSaveTempSuffix));
    }
    vrels::SetSaveStepHook(nullptr);

    // A missing folder.
    const std::string nowhere = dir + "/missing/score.ini";
    EXPECT_FALSE(vrels::SaveRanking(info, nowhere));

    const std::string log = ReadWhole(logPath);
    EXPECT_NE(log.find("Save failed: " + score + ": write: No space left on device"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Save failed: " + score + ": fsync"), std::string::npos) << log;
    EXPECT_NE(log.find("Save failed: " + nowhere), std::string::npos) << log;

    // A successful save keeps the file's permissions.
    ASSERT_EQ(chmod(score.c_str(), 0640), 0);
    EXPECT_TRUE(vrels::SaveRanking(info, score));
    EXPECT_EQ(ReadWhole(score), "12000,NEW,2\n");
    struct stat st {};
    ASSERT_EQ(stat(score.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SaveFolder, StartUpRemovesOnlyTheLeftoversOfSaves) {
    ASSERT_EQ(mkdir((dir + "/replay").c_str(), 0755), 0);
    for (const char* name : {"/vrels.ini.tmp", "/score.ini.tmp", "/replay/11.rec.tmp",
                             "/replay/55.rec.tmp", "/replay/notes.tmp", "/replay/11.rec"}) {
        Write(dir + name, "x");
    }
    vrels::RemoveStaleSaveTemporaries(dir + "/vrels.ini", dir + "/score.ini", dir + "/replay");
    EXPECT_FALSE(Exists(dir + "/vrels.ini.tmp"));
    EXPECT_FALSE(Exists(dir + "/score.ini.tmp"));
    EXPECT_FALSE(Exists(dir + "/replay/11.rec.tmp"));
    EXPECT_FALSE(Exists(dir + "/replay/55.rec.tmp"));
    EXPECT_TRUE(Exists(dir + "/replay/notes.tmp")) << "not ours";
    EXPECT_TRUE(Exists(dir + "/replay/11.rec"));
}
