#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << path;
}

// Runs vrels-mapc in a scratch folder of its own for each test.
class MapcCommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("vrels-mapc-") + info->name() + "-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        ASSERT_TRUE(fs::create_directories(dir_));
    }
    void TearDown() override { fs::remove_all(dir_); }

    RunResult Run(const std::string& arguments) const {
        const fs::path out = dir_ / "stdout.txt";
        const fs::path err = dir_ / "stderr.txt";
        const std::string command = "cd '" + dir_.string() +
                                    "' && '" VRELS_TOOLS_DIR "/vrels-mapc' " + arguments + " >'" +
                                    out.string() + "' 2>'" + err.string() + "'";
        RunResult result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = ReadText(out);
        result.err = ReadText(err);
        return result;
    }

    fs::path dir_;
};

const char* const kSmallMap = "vrels-map 1\n"
                              "\".\" = empty\n"
                              "\"#\" = 100\n"
                              "\"S\" = 709\n"
                              "\"o\" = 1010 + 208\n"
                              "chips:\n"
                              "|.S.o|\n"
                              "|####|\n";

TEST_F(MapcCommandLine, SmallMapWrittenByTheToolIsReadBackIdentically) {
    WriteText(dir_ / "small.map", kSmallMap);
    RunResult result = Run("small.map -o small.tm2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(fs::file_size(dir_ / "small.tm2"), 48u + 16u + 8u * 6u);

    result = Run("--dump small.tm2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("|####|"), std::string::npos) << result.out;
    WriteText(dir_ / "again.map", result.out);

    ASSERT_EQ(Run("again.map -o again.tm2").status, 0);
    EXPECT_EQ(ReadText(dir_ / "again.tm2"), ReadText(dir_ / "small.tm2"));

    // The dumps differ only in the opening comment that names the file.
    ASSERT_EQ(Run("--dump again.tm2 -o again.txt").status, 0);
    const std::string again = ReadText(dir_ / "again.txt");
    EXPECT_EQ(again.substr(again.find('\n')), result.out.substr(result.out.find('\n')));
}

TEST_F(MapcCommandLine, FailedCompileNamesThePlaceAndKeepsTheOldOutput) {
    WriteText(dir_ / "broken.map", std::string(kSmallMap) + "|#?##|\n");
    WriteText(dir_ / "broken.tm2", "previous");
    const RunResult result = Run("broken.map -o broken.tm2");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("broken.map:9:3: error: unknown character '?'"), std::string::npos)
        << result.err;
    EXPECT_EQ(ReadText(dir_ / "broken.tm2"), "previous");
    EXPECT_FALSE(fs::exists(dir_ / "broken.tm2.part"));
}

TEST_F(MapcCommandLine, WarningsDoNotFailTheBuild) {
    WriteText(dir_ / "two.map", "vrels-map 1\n\".\" = empty\n\"#\" = 100\n\"S\" = 709\n"
                                "chips:\n|.S.S|\n|####|\n");
    const RunResult result = Run("two.map -o two.tm2");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("two.map:6:5: warning: another start marker"), std::string::npos)
        << result.err;
    EXPECT_TRUE(fs::exists(dir_ / "two.tm2"));
}

TEST_F(MapcCommandLine, BadInvocationsAndMissingFiles) {
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run("only.map").status, 2) << "compiling needs -o";
    EXPECT_EQ(Run("a.map b.map -o c.tm2").status, 2);
    EXPECT_EQ(Run("--frobnicate x").status, 2);
    EXPECT_EQ(Run("--help").status, 0);

    RunResult result = Run("missing.map -o out.tm2");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("missing.map"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "out.tm2"));

    WriteText(dir_ / "tiny.tm2", "VRELSTM2");
    result = Run("--dump tiny.tm2");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("tiny.tm2: error: file is 8 bytes long"), std::string::npos)
        << result.err;
}

TEST_F(MapcCommandLine, MapsTravelToTheEditorAndBack) {
    WriteText(dir_ / "small.map", kSmallMap);
    ASSERT_EQ(Run("small.map -o small.tm2").status, 0);

    // Source and compiled map give the same TMX file.
    RunResult result = Run("--tmx small.map -o small.tmx --tileset-image ../gfx/mapchip.tga");
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(Run("--tmx small.tm2 -o again.tmx --tileset-image ../gfx/mapchip.tga").status, 0);
    EXPECT_EQ(ReadText(dir_ / "small.tmx"), ReadText(dir_ / "again.tmx"));
    EXPECT_NE(ReadText(dir_ / "small.tmx").find("source=\"../gfx/mapchip.tga\""),
              std::string::npos);

    // The TMX file compiles to the same map and dumps to the same text.
    ASSERT_EQ(Run("small.tmx -o fromtmx.tm2").status, 0);
    EXPECT_EQ(ReadText(dir_ / "fromtmx.tm2"), ReadText(dir_ / "small.tm2"));
    const RunResult fromTmx = Run("--dump small.tmx");
    const RunResult fromTm2 = Run("--dump small.tm2");
    ASSERT_EQ(fromTmx.status, 0) << fromTmx.err;
    const auto body = [](const std::string& text) { return text.substr(text.find('\n')); };
    EXPECT_EQ(body(fromTmx.out), body(fromTm2.out));

    // A broken TMX file names itself and leaves the old output alone.
    WriteText(dir_ / "broken.tmx", "<map orientation=\"orthogonal\">");
    WriteText(dir_ / "broken.tm2", "previous");
    result = Run("broken.tmx -o broken.tm2");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("broken.tmx"), std::string::npos) << result.err;
    EXPECT_EQ(ReadText(dir_ / "broken.tm2"), "previous");
    EXPECT_EQ(Run("--tmx small.map").status, 2) << "a TMX file needs -o";
    EXPECT_EQ(Run("--tmx --dump small.map").status, 2);
}

} // namespace

namespace {

TEST_F(MapcCommandLine, WhatItCompilesItDumpsAndWhatTheGameLoadsItDumps) {
    // Our magic tag with format version 2: the game ignores the header, so the
    // tool writes it and reads it back (with a warning).
    std::string header = "5652454c53544d3202000000";
    header.resize(96, '0');
    WriteText(dir_ / "v2.map", std::string(kSmallMap).insert(12, "header = " + header + "\n"));
    RunResult result = Run("v2.map -o v2.tm2");
    ASSERT_EQ(result.status, 0) << result.err;
    result = Run("--dump v2.tm2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("warning: format version 2"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("header = " + header), std::string::npos) << result.out;

    // A 56-byte map (width 4, height 2, no cells) loads in the game as an
    // empty map; the tool dumps it as one.
    std::string bytes(48, '\0');
    bytes += std::string("\x04\0\0\0\x02\0\0\0", 8);
    WriteText(dir_ / "short.tm2", bytes);
    result = Run("--dump short.tm2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("warning"), std::string::npos);
}

} // namespace
