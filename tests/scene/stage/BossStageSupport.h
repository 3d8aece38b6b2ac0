#pragma once
// Boss stages played in-process from small maps written for the test into a
// scratch folder that becomes the working directory, so the real stage
// classes load them by their own file names.
//
// Legend (beside that of StageTestSupport.h): 'E' the event trigger "1",
// 'B' the boss marker, 'g' the boss-goal marker, 'm' a magazine.
#include "../../player/StageTestSupport.h"

#include "app/Log.h"
#include "lib/OggStream.h"
#include "scene/SceneFactory.h"
#include "scene/stage/BossStage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace bosstest {

inline world::MapCell BossCellFor(char c) {
    world::MapCell cell;
    auto chip = [&](int x, int y) {
        cell.chipX = static_cast<std::uint16_t>(x);
        cell.chipY = static_cast<std::uint16_t>(y);
    };
    switch (c) {
    case 'E':
        chip(192, 256); // event "1"
        return cell;
    case 'B':
        chip(0, 288); // boss marker
        return cell;
    case 'g':
        chip(32, 288); // boss goal
        return cell;
    case 'm':
        chip(96, 256); // magazine
        return cell;
    default:
        return stagetest::CellFor(c);
    }
}

// Writes rows as a ".tm2" map file.
inline void WriteMap(const std::string& path, const std::vector<std::string>& rows) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    auto put32 = [&](std::uint32_t v) {
        const unsigned char b[4] = {
            static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        std::fwrite(b, 1, 4, file);
    };
    auto put16 = [&](std::uint16_t v) {
        const unsigned char b[2] = {static_cast<unsigned char>(v),
                                    static_cast<unsigned char>(v >> 8)};
        std::fwrite(b, 1, 2, file);
    };
    const std::vector<unsigned char> header(48, 0);
    std::fwrite(header.data(), 1, header.size(), file);
    put32(static_cast<std::uint32_t>(rows[0].size()));
    put32(static_cast<std::uint32_t>(rows.size()));
    put32(0);
    put32(0);
    for (const auto& row : rows) {
        for (char c : row) {
            const world::MapCell cell = BossCellFor(c);
            const bool empty = cell.Empty();
            put16(empty ? 0 : cell.chipX);
            put16(empty ? 0 : cell.chipY);
            put16(0);
        }
    }
    std::fclose(file);
}

// A one-screen arena: the heroine starts at the left on the event trigger,
// the boss marker stands at the right, the boss goal in the middle.
inline const std::vector<std::string>& Arena() {
    static const std::vector<std::string> rows = {
        "....................", "....................", "....................",
        "....................", "....................", "....................",
        "....................", "....................", "....................",
        "....................", "....................", "..SE.......g....B...",
        "####################", "####################", "####################",
    };
    return rows;
}

// A roofed bunker with magazines, the trigger at column 4, the boss goal at
// column 3 and a slot in its right wall, too low for the brain to pass,
// through which the heroine fires at the brain penned outside within the
// gun's reach.
inline const std::vector<std::string>& Bunker() {
    static const std::vector<std::string> rows = {
        "#########.....#.....", "#########.....#.....", "#########.....#.....",
        "#########.....#.....", "#########.....#.....", "#########.....#.....",
        "#########.....#.....", "#.......#.....#.....", "#mmmmmmm#.....#.....",
        "#mmmmmmm......#.....", "#mSgEmm.......#.....", "#########...B.#.....",
        "####################", "####################", "####################",
    };
    return rows;
}

// The last stage's open arena: the heroine starts at the left and walks over
// twenty magazines to the trigger at column 12; the boss marker stands at
// column 17, within the gun's reach.
inline const std::vector<std::string>& OpenArena() {
    static const std::vector<std::string> rows = {
        "....................", "....................", "....................",
        "....................", "....................", "....................",
        "....................", "....................", "....................",
        "....................", "#.mmmmmmmmmm........", "#S.mmmmmmmmmE....B..",
        "####################", "####################", "####################",
    };
    return rows;
}

// A game folder of the test's own for a headless run: the game's pictures,
// sounds, music and conversation pictures linked in, and one map written
// from rows under its file name. Removed again with the object.
class ArenaFolder {
public:
    ArenaFolder(const std::string& mapFile, const std::vector<std::string>& rows) {
        char folder[] = "/tmp/vrels-arena-XXXXXX";
        if (!mkdtemp(folder)) {
            return;
        }
        path = folder;
        for (const char* sub : {"gfx", "se", "bgm", "adv"}) {
            std::filesystem::create_directory_symlink(std::string(VRELS_GAME_DIR) + "/" + sub,
                                                      path + "/" + sub);
        }
        WriteMap(path + "/map/" + mapFile, rows);
    }
    ~ArenaFolder() {
        std::error_code ignored;
        if (!path.empty()) {
            std::filesystem::remove_all(path, ignored);
        }
    }
    ArenaFolder(const ArenaFolder&) = delete;
    ArenaFolder& operator=(const ArenaFolder&) = delete;

    std::string path; // empty when it could not be made
};

// The text of a field in a runner trace line: a number, a string without its
// quotes or a whole {...} object; empty when the line lacks the key.
inline std::string TraceField(const std::string& line, const std::string& key) {
    const size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos) {
        return "";
    }
    const size_t start = at + key.size() + 3;
    if (line[start] == '{') {
        return line.substr(start, line.find('}', start) - start + 1);
    }
    if (line[start] == '"') {
        return line.substr(start + 1, line.find('"', start + 1) - start - 1);
    }
    return line.substr(start, line.find_first_of(",}", start) - start);
}

// Records what the stage asks of the music.
class MusicLog : public IOggStream {
public:
    void Play() override { calls.push_back("Play"); }
    void Halt() override { calls.push_back("Halt"); }
    void Open(const std::string& file, unsigned char loop) override {
        calls.push_back("Open " + file + " " + std::to_string(loop));
    }
    void OpenIntro(const std::string& intro, const std::string& loop) override {
        calls.push_back("OpenIntro " + intro + " " + loop);
    }
    std::vector<std::string> calls;
};

class BossStageFixture : public stagetest::StageFixture {
protected:
    void SetUp() override {
        StageFixture::SetUp();
        ::setenv("VRELS_NO_DIALOGS", "1", 1);
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof(buffer)), nullptr);
        home = buffer;
        char folder[] = "/tmp/vrels-boss-stage-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        scratch = folder;
        ASSERT_EQ(chdir(scratch.c_str()), 0);
        // The game's pictures and sounds, so that only the maps are the test's own.
        for (const char* folder : {"gfx", "se"}) {
            std::filesystem::create_directory_symlink(std::string(VRELS_GAME_DIR) + "/" + folder,
                                                      scratch + "/" + folder);
        }
        vrels::SetLogPath(scratch + "/log.txt");
        music = std::make_shared<MusicLog>();
        app->music = music;
    }
    void TearDown() override {
        if (app) {
            app->objects->Clear();
            app->scene.reset();
        }
        vrels::SetLogPath("log.txt");
        EXPECT_EQ(chdir(home.c_str()), 0);
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
        StageFixture::TearDown();
    }

    // Writes the map under the stage's own file name and starts the stage.
    BossStage& StartBossStage(const std::string& sceneName, const std::vector<std::string>& rows,
                              int lives = 2) {
        WriteMap(scratch + "/" + StageRowFor(sceneName).mapFile, rows);
        app->playerRecord->NewGameReset(*app->gameState);
        app->playerRecord->lives = lives;
        std::shared_ptr<SceneBase> scene(CreateScene(sceneName).release());
        boss = dynamic_cast<BossStage*>(scene.get());
        stage = nullptr;
        app->scene = scene;
        scene->Start();
        return *boss;
    }

    // One frame step of the boss stage with these buttons held.
    std::string Tick(std::uint8_t held = 0) {
        app->input->SetButtonFeed({held});
        app->input->Update();
        const std::string next = boss->Update();
        app->objects->DrawAll();
        return next;
    }

    // Runs until the predicate holds or the frames run out; false if they ran out.
    template <typename Predicate> bool RunUntil(Predicate done, int frames) {
        for (int i = 0; i < frames; ++i) {
            if (done()) {
                return true;
            }
            Tick();
        }
        return done();
    }

    std::string home;
    std::string scratch;
    std::shared_ptr<MusicLog> music;
    BossStage* boss = nullptr;
};

} // namespace bosstest
