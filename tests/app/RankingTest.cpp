// The ranking file: reading what players and modders leave in it, the
// default table, atomic writing and the insertion rule.
#include "app/Ranking.h"
#include "app/PlayerInfomation.h"
#include "app/SystemInfo.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

class RankingFile : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/vrels-score-XXXXXX";
        const int fd = mkstemp(name);
        close(fd);
        path = name;
        std::remove(path.c_str());
    }
    void TearDown() override {
        std::remove(path.c_str());
        std::remove((path + ".tmp").c_str());
    }
    void Write(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string Read() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    SystemInfo_t Load() const {
        SystemInfo_t info;
        vrels::LoadRanking(info, path);
        return info;
    }
    std::string path;
};

RankingEntry_t Entry(int score, const char* name, int difficulty) {
    RankingEntry_t e;
    e.score = score;
    e.name = name;
    e.difficulty = static_cast<std::uint8_t>(difficulty);
    return e;
}

} // namespace

TEST_F(RankingFile, AMissingFileGivesTheDefaultsAndWritesNothing) {
    const SystemInfo_t info = Load();
    ASSERT_EQ(info.ranking.size(), 10u);
    const int difficulties[] = {2, 2, 2, 1, 1, 1, 0, 0, 0, 0};
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(info.ranking[i].score, 10000 - 1000 * static_cast<int>(i));
        EXPECT_EQ(info.ranking[i].difficulty, difficulties[i]);
        EXPECT_EQ(info.ranking[i].name.size(), 3u);
    }
    EXPECT_NE(access(path.c_str(), F_OK), 0);
}

TEST_F(RankingFile, AShortFileKeepsItsOrderAndTheDefaultsFillTheRest) {
    // Taken as written, unsorted; the default's places 3 to 10 fill in.
    Write("1500,XYZ,0\n20000,ABC,3\n");
    const SystemInfo_t info = Load();
    ASSERT_EQ(info.ranking.size(), 10u);
    EXPECT_EQ(info.ranking[0], Entry(1500, "XYZ", 0));
    EXPECT_EQ(info.ranking[1], Entry(20000, "ABC", 3));
    const auto defaults = vrels::DefaultRanking();
    for (size_t i = 2; i < 10; ++i) {
        EXPECT_EQ(info.ranking[i], defaults[i]) << i;
    }
}

TEST_F(RankingFile, LinesThatDoNotParseAreSkippedAndValuesAreKeptInRange) {
    Write("garbage\n"
          "500,ONE\n"
          ",,,\n"
          "abc,DEF,1\n"
          "9000,GHI,x\n"
          "8000,,JKL,7\r\n" // empty fields are skipped: name JKL, difficulty 7 -> 3
          "7000,MNO,-2\n"
          "99999999999,BIG,1\n"
          "-5,NEG,0\n"
          "6000,P\x01Q,1\n"
          "\n"
          "100,A  ,2\n");
    const SystemInfo_t info = Load();
    ASSERT_EQ(info.ranking.size(), 10u);
    // The entries that read, in the file's order, then the defaults' places.
    EXPECT_EQ(info.ranking[0], Entry(8000, "JKL", 3));
    EXPECT_EQ(info.ranking[1], Entry(7000, "MNO", 0));
    EXPECT_EQ(info.ranking[2], Entry(PlayerInfomation::MaxScore, "BIG", 1));
    EXPECT_EQ(info.ranking[3], Entry(0, "NEG", 0));
    EXPECT_EQ(info.ranking[4], Entry(100, "A  ", 2));
    EXPECT_EQ(info.ranking[5], vrels::DefaultRanking()[5]);
    EXPECT_EQ(info.ranking[9], vrels::DefaultRanking()[9]);
}

TEST_F(RankingFile, OnlyTheFirstTenEntriesCount) {
    std::string text;
    for (int i = 0; i < 15; ++i) {
        text += std::to_string(100 + i) + ",N" + std::to_string(i) + ",1\n";
    }
    Write(text);
    const SystemInfo_t info = Load();
    ASSERT_EQ(info.ranking.size(), 10u);
    EXPECT_EQ(info.ranking[0].score, 100) << "the first ten lines, in their order";
    EXPECT_EQ(info.ranking[9].score, 109);
}

TEST_F(RankingFile, SavingWritesTheLineFormatThroughATemporaryFile) {
    SystemInfo_t info;
    info.ranking = {Entry(10000, "ABC", 2), Entry(5, "A  ", 0)};
    ASSERT_TRUE(vrels::SaveRanking(info, path));
    EXPECT_EQ(Read(), "10000,ABC,2\n5,A  ,0\n");
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0) << "no temporary left behind";
    const SystemInfo_t back = Load();
    EXPECT_EQ(back.ranking[0].name, "ABC");
    EXPECT_EQ(back.ranking[1].name, "A  ") << "spaces in names survive";

    // A folder that cannot be written keeps the old file untouched.
    EXPECT_FALSE(vrels::SaveRanking(info, "/nonexistent/folder/score.ini"));
}

TEST(Ranking, AnEqualScoreStaysOutAndOneMoreTakesTheTenthPlace) {
    auto ranking = vrels::DefaultRanking();
    EXPECT_FALSE(vrels::EntersRanking(ranking, 1000));
    EXPECT_FALSE(vrels::InsertRanking(ranking, Entry(1000, "EQL", 1)));
    EXPECT_EQ(ranking, vrels::DefaultRanking());

    EXPECT_TRUE(vrels::EntersRanking(ranking, 1001));
    EXPECT_TRUE(vrels::InsertRanking(ranking, Entry(1001, "ONE", 1)));
    ASSERT_EQ(ranking.size(), 10u);
    EXPECT_EQ(ranking[9].name, "ONE");
    EXPECT_EQ(ranking[8].score, 2000);

    // A tie with a placed entry goes after it.
    EXPECT_TRUE(vrels::InsertRanking(ranking, Entry(5000, "TIE", 0)));
    EXPECT_EQ(ranking[5].score, 5000);
    EXPECT_NE(ranking[5].name, "TIE");
    EXPECT_EQ(ranking[6].name, "TIE");
    EXPECT_EQ(ranking[9].score, 2000) << "the last place dropped out";
}

TEST(Ranking, DifficultyNames) {
    EXPECT_STREQ(vrels::DifficultyName(0), "EASY");
    EXPECT_STREQ(vrels::DifficultyName(1), "NORMAL");
    EXPECT_STREQ(vrels::DifficultyName(2), "HARD");
    EXPECT_STREQ(vrels::DifficultyName(3), "VERYHARD");
}
