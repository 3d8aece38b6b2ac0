#pragma once
// The stage world on the engine fixture: a stand-in stage scene that records
// what the world tells it, a player to touch things with, map files written on
// the fly and helpers to find objects and run update passes.
#include "../support/EngineFixture.h"

#include "object/ObjectManager.h"
#include "player/PlayerMary.h"
#include "scene/SceneBase.h"
#include "world/StageHost.h"
#include "world/TileMapFile.h"
#include "world/ViewMap.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace worldtest {

struct Message {
    std::string name;
    std::vector<std::string> args;
};

// Records markers, checkpoints and messages instead of playing a stage.
class RecordingStage : public SceneBase, public StageHost {
public:
    std::string Update() override { return ""; }
    void OnMessage(const std::string& name, std::vector<std::string>& args) override {
        messages.push_back({name, args});
    }
    void SetStartPosition(float x, float y) override { starts.emplace_back(x, y); }
    void SetBossCell(int column, int row) override { boss = {column, row}; }
    void SetBossGoalCell(int column, int row) override { bossGoal = {column, row}; }
    void RecordCheckpoint(int column, int row, float x, float y) override {
        checkpoints.push_back({column, row, x, y});
    }
    ViewMap* StageMap() override { return map; }

    struct Checkpoint {
        int column;
        int row;
        float x;
        float y;
    };
    ViewMap* map = nullptr;
    std::vector<std::pair<float, float>> starts;
    std::pair<int, int> boss{-1, -1};
    std::pair<int, int> bossGoal{-1, -1};
    std::vector<Checkpoint> checkpoints;
    std::vector<Message> messages;
};

// A map cell with the chip at sheet pixel (chipX, chipY) and an object code.
inline world::MapCell Chip(int chipX, int chipY, int objectCode = 0) {
    world::MapCell cell;
    cell.chipX = static_cast<std::uint16_t>(chipX);
    cell.chipY = static_cast<std::uint16_t>(chipY);
    cell.objectCode = static_cast<std::uint16_t>(objectCode);
    return cell;
}

// An empty map of the given size.
inline world::TileMapData EmptyMap(int width, int height) {
    world::TileMapData data;
    data.width = width;
    data.height = height;
    data.cells.resize(static_cast<std::size_t>(width * height));
    return data;
}

class WorldFixture : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        DeclareImage("gfx/mapchip.tga", 640, 640);
        DeclareImage("gfx/mary/mary.tga", 640, 640);
        auto scene = std::make_shared<RecordingStage>();
        stage = scene.get();
        app->scene = scene;
    }

    void TearDown() override {
        for (const std::string& file : files) {
            std::remove(file.c_str());
        }
        EngineFixture::TearDown();
    }

    // Adds a map to the object manager, as the stage build does.
    ViewMap& AddMap(world::TileMapData data) {
        map = app->objects->Add(new ViewMap()).get();
        map->Assign(std::move(data));
        if (stage) {
            stage->map = map;
        }
        return *map;
    }

    // The player, standing with its feet at (x, y).
    PlayerMary& AddPlayer(float x, float y) {
        auto* player = app->objects->Add(new PlayerMary()).get();
        app->player = player;
        player->Reset();
        player->MoveTo(x, y);
        player->hitTop = -54;
        return *player;
    }

    // Writes bytes to a temporary file removed after the test; returns its path.
    std::string WriteFile(const std::string& bytes) {
        char name[] = "/tmp/vrels-world-XXXXXX";
        const int fd = mkstemp(name);
        EXPECT_GE(fd, 0) << "mkstemp failed";
        if (fd >= 0) {
            close(fd);
        }
        std::ofstream out(name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        files.push_back(name);
        return name;
    }

    template <typename T> std::vector<T*> All() const {
        std::vector<T*> found;
        for (const auto& object : app->objects->Objects()) {
            if (auto* typed = dynamic_cast<T*>(object.get()); typed && !typed->removed) {
                found.push_back(typed);
            }
        }
        return found;
    }
    template <typename T> T* First() const {
        const auto found = All<T>();
        return found.empty() ? nullptr : found.front();
    }

    // Updates the object n times directly; returns the update on which it
    // removed itself (1-based), or 0 if it did not.
    static int UpdatesUntilRemoved(ObjectBase& object, int limit) {
        for (int i = 1; i <= limit; ++i) {
            object.Update();
            if (object.removed) {
                return i;
            }
        }
        return 0;
    }

    // Null once a test replaces the recording scene with a scene of its own.
    RecordingStage* stage = nullptr;
    ViewMap* map = nullptr;
    std::vector<std::string> files;
};

// The bytes of a ".tm2" file: header, the four words, then the cells.
inline std::string Tm2Bytes(int width, int height, const std::vector<world::MapCell>& cells) {
    std::string bytes(world::MapHeaderBytes, '\0');
    auto put32 = [&](std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xff));
        }
    };
    auto put16 = [&](std::uint16_t v) {
        bytes.push_back(static_cast<char>(v & 0xff));
        bytes.push_back(static_cast<char>(v >> 8));
    };
    put32(width);
    put32(height);
    put32(7);
    put32(9);
    for (const auto& cell : cells) {
        put16(cell.chipX);
        put16(cell.chipY);
        put16(cell.objectCode);
    }
    return bytes;
}

} // namespace worldtest
