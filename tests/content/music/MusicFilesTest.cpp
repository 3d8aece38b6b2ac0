// Checks the built music in the game folder: every file the game opens is
// there and decodes as 44100 Hz stereo at the length the generator recorded,
// levels match across pieces, and every join the game makes is seamless.

#include "DecodedMusic.h"
#include "MusicList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>

namespace {

constexpr double kTargetRmsDb = -18.0;
constexpr double kRmsToleranceDb = 3.0;
constexpr double kPeakCeilingDb = -1.0;
constexpr int kSampleRate = 44100;

class MusicFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files_ = std::make_unique<std::vector<MusicFile>>(
            ReadMusicList(VRELS_MUSIC_MANIFEST, VRELS_MUSIC_WORK_DIR, listError_));
        decoded_ = std::make_unique<std::map<std::string, DecodedMusic>>();
        for (const MusicFile& file : *files_) {
            (*decoded_)[file.file] = DecodeMusic(std::string(VRELS_GAME_DIR) + "/" + file.file);
        }
    }
    static void TearDownTestSuite() {
        files_.reset();
        decoded_.reset();
    }

    static const DecodedMusic& Decoded(const std::string& file) { return decoded_->at(file); }

    // The file of a piece with the given role (the first one listed).
    static const MusicFile* Find(const std::string& piece, const std::string& role) {
        for (const MusicFile& file : *files_) {
            if (file.piece == piece && file.role == role) {
                return &file;
            }
        }
        return nullptr;
    }

    static std::string listError_;
    static std::unique_ptr<std::vector<MusicFile>> files_;
    static std::unique_ptr<std::map<std::string, DecodedMusic>> decoded_;
};

std::string MusicFilesTest::listError_;
std::unique_ptr<std::vector<MusicFile>> MusicFilesTest::files_;
std::unique_ptr<std::map<std::string, DecodedMusic>> MusicFilesTest::decoded_;

// The largest sample step within `span` frames either side of the point
// where `first` ends and `second` begins, and the step across that point.
struct JoinSteps {
    float across = 0.0f;
    float nearby = 0.0f;
};

JoinSteps MeasureJoin(const DecodedMusic& first, const DecodedMusic& second, int64_t span) {
    JoinSteps steps;
    auto measure = [&](const std::vector<float>& a, const std::vector<float>& b) {
        std::vector<float> joined(a.end() - std::min<int64_t>(span, a.size()), a.end());
        const size_t joinAt = joined.size();
        joined.insert(joined.end(), b.begin(), b.begin() + std::min<int64_t>(span, b.size()));
        for (size_t i = 1; i < joined.size(); ++i) {
            const float step = std::fabs(joined[i] - joined[i - 1]);
            if (i == joinAt) {
                steps.across = std::max(steps.across, step);
            } else {
                steps.nearby = std::max(steps.nearby, step);
            }
        }
    };
    measure(first.left, second.left);
    measure(first.right, second.right);
    return steps;
}

TEST_F(MusicFilesTest, EveryFileDecodesAsStereo44100AtItsRecordedLength) {
    ASSERT_TRUE(listError_.empty()) << listError_;
    // Every name the game opens, from its stage table, title, menus and endings.
    const std::set<std::string> required = {"bgm/title.ogg",          "bgm/selecta.ogg",
                                            "bgm/selectb.ogg",        "bgm/stage1a.ogg",
                                            "bgm/stage1b.ogg",        "bgm/bgm1a.ogg",
                                            "bgm/bgm1b.ogg",          "bgm/stage2a.ogg",
                                            "bgm/stage2b.ogg",        "bgm/bgm2.ogg",
                                            "bgm/stage3a.ogg",        "bgm/stage3b.ogg",
                                            "bgm/lonelybullet_a.ogg", "bgm/lonelybullet_b.ogg",
                                            "bgm/bgm3.ogg",           "bgm/boss1.ogg",
                                            "bgm/Wrong Heart_a.ogg",  "bgm/Wrong Heart_b.ogg",
                                            "bgm/lastbossa.ogg",      "bgm/lastbossb.ogg",
                                            "bgm/boss.ogg",           "bgm/ed.ogg",
                                            "bgm/clear.ogg",          "bgm/continue.ogg",
                                            "bgm/gameover.ogg"};
    std::set<std::string> listed;
    for (const MusicFile& file : *files_) {
        listed.insert(file.file);
        SCOPED_TRACE(file.file);
        const DecodedMusic& music = Decoded(file.file);
        ASSERT_TRUE(music.opened) << music.error;
        EXPECT_EQ(music.sampleRate, kSampleRate);
        EXPECT_EQ(music.channels, 2);
        ASSERT_GT(file.expectedFrames, 0) << "no recorded length";
        EXPECT_EQ(music.reportedFrames, file.expectedFrames);
        EXPECT_EQ(music.Frames(), file.expectedFrames);
    }
    for (const std::string& name : required) {
        EXPECT_TRUE(listed.count(name)) << name << " is not generated";
    }
}

TEST_F(MusicFilesTest, LevelsSitNearTheCommonTargetWithoutClipping) {
    ASSERT_TRUE(listError_.empty()) << listError_;
    for (const MusicFile& file : *files_) {
        SCOPED_TRACE(file.file);
        const DecodedMusic& music = Decoded(file.file);
        ASSERT_TRUE(music.opened) << music.error;
        EXPECT_LE(ToDecibels(music.Peak()), kPeakCeilingDb);
        EXPECT_NEAR(ToDecibels(music.Rms()), kTargetRmsDb, kRmsToleranceDb);
    }
}

TEST_F(MusicFilesTest, IntroIntoLoopAndLoopIntoItselfJoinWithoutAClick) {
    ASSERT_TRUE(listError_.empty()) << listError_;
    constexpr int64_t kSpan = kSampleRate / 100; // 10 ms either side
    int joins = 0;
    for (const MusicFile& file : *files_) {
        if (file.role != "loop") {
            continue;
        }
        const DecodedMusic& loop = Decoded(file.file);
        ASSERT_TRUE(loop.opened) << loop.error;
        {
            SCOPED_TRACE(file.file + " into itself");
            const JoinSteps steps = MeasureJoin(loop, loop, kSpan);
            EXPECT_LE(steps.across, steps.nearby);
            ++joins;
        }
        if (const MusicFile* intro = Find(file.piece, "intro")) {
            SCOPED_TRACE(intro->file + " into " + file.file);
            const JoinSteps steps = MeasureJoin(Decoded(intro->file), loop, kSpan);
            EXPECT_LE(steps.across, steps.nearby);
            ++joins;
        }
    }
    EXPECT_GT(joins, 0);
}

TEST_F(MusicFilesTest, LengthsSuitWhereThePiecesPlay) {
    ASSERT_TRUE(listError_.empty()) << listError_;
    struct Range {
        double minSeconds;
        double maxSeconds;
    };
    // Stage loops run one to two minutes; the ending outlasts the 80 s credits;
    // the continue music backs a ten-count.
    const std::map<std::string, Range> limits = {
        {"bgm/title.ogg", {45.0, 75.0}},    {"bgm/stage1b.ogg", {60.0, 120.0}},
        {"bgm/stage2b.ogg", {60.0, 120.0}}, {"bgm/stage3b.ogg", {60.0, 120.0}},
        {"bgm/bgm3.ogg", {60.0, 120.0}},    {"bgm/ed.ogg", {85.0, 150.0}},
        {"bgm/clear.ogg", {5.0, 10.0}},     {"bgm/continue.ogg", {9.0, 12.0}},
        {"bgm/gameover.ogg", {5.0, 10.0}}};
    for (const auto& [name, range] : limits) {
        SCOPED_TRACE(name);
        auto found = decoded_->find(name);
        ASSERT_NE(found, decoded_->end()) << "not listed";
        const double seconds = static_cast<double>(found->second.Frames()) / kSampleRate;
        EXPECT_GE(seconds, range.minSeconds);
        EXPECT_LE(seconds, range.maxSeconds);
    }
}

} // namespace
