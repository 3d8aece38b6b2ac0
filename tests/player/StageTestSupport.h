#pragma once
// A stage built from a small map drawn in characters, on the engine fixture:
// tests step it frame by frame with button bytes and read its objects.
//
// Legend: '.' empty, '#' solid block, '=' scaffolding, 'S' player start,
// 'D' practice target, 'G' goal, 'M' checkpoint, 'C' coin.
#include "../support/EngineFixture.h"

#include "app/PlayerInfomation.h"
#include "object/ObjectManager.h"
#include "player/PlayerMary.h"
#include "player/Skarov.h"
#include "scene/stage/StageScene.h"
#include "world/ViewMap.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace stagetest {

// A screen-sized room: solid floor from row 12 (top at y 384), the start
// marker in row 11, column 2.
inline const std::vector<std::string>& FlatRoom() {
    static const std::vector<std::string> rows = {
        "....................", "....................", "....................",
        "....................", "....................", "....................",
        "....................", "....................", "....................",
        "....................", "....................", "..S.................",
        "####################", "####################", "####################",
    };
    return rows;
}

inline world::MapCell CellFor(char c) {
    world::MapCell cell;
    auto chip = [&](int x, int y) {
        cell.chipX = static_cast<std::uint16_t>(x);
        cell.chipY = static_cast<std::uint16_t>(y);
    };
    switch (c) {
    case '#':
        chip(32, 0);
        break; // a chip without a rule: a solid block
    case '=':
        chip(0, 64);
        break; // scaffolding
    case 'S':
        chip(224, 288);
        break; // player start marker
    case 'D':
        chip(0, 192);
        break; // practice target
    case 'G':
        chip(0, 256);
        break; // goal
    case 'M':
        chip(128, 256);
        break; // checkpoint
    case 'C':
        chip(64, 256);
        break; // coin
    default:
        break;
    }
    return cell;
}

inline world::TileMapData MapFromRows(const std::vector<std::string>& rows) {
    world::TileMapData data;
    data.height = static_cast<int>(rows.size());
    data.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    for (const auto& row : rows) {
        for (int column = 0; column < data.width; ++column) {
            data.cells.push_back(
                CellFor(column < static_cast<int>(row.size()) ? row[column] : '.'));
        }
    }
    return data;
}

class FixtureStage : public StageScene {
public:
    explicit FixtureStage(std::vector<std::string> mapRows)
        : StageScene(0), rows(std::move(mapRows)) {
        displayName = "Fixture";
        nextSceneName = "NoSuchScene";
    }
    void SetupStage() override { map->Assign(MapFromRows(rows)); }

    std::vector<std::string> rows;
};

class StageFixture : public EngineFixture {
protected:
    FixtureStage& StartStage(const std::vector<std::string>& rows, int lives = 2) {
        app->playerRecord->NewGameReset(*app->gameState);
        app->playerRecord->lives = lives;
        auto scene = std::make_shared<FixtureStage>(rows);
        stage = scene.get();
        app->scene = scene;
        scene->Start();
        return *stage;
    }

    // One frame step of the scene with these buttons held; returns what Update returned.
    std::string Step(std::uint8_t held = 0) {
        app->input->SetButtonFeed({held});
        app->input->Update();
        const std::string next = stage->Update();
        app->objects->DrawAll();
        return next;
    }

    // Runs frames until the stage-name intro no longer holds the world still
    // and the player has come to rest on the ground (or is dying).
    void SkipIntro() {
        Step();
        for (int i = 0; i < 200 && stage->UpdateLevel() != 255; ++i) {
            Step();
        }
        for (int i = 0; i < 100; ++i) {
            Step();
            const PlayerBase& p = *app->player;
            if (p.lifeState != PlayerBase::Alive ||
                (p.jumpState == PlayerBase::OnGround && p.vy == 0)) {
                break;
            }
        }
    }

    PlayerMary& Player() { return *static_cast<PlayerMary*>(app->player); }
    Skarov& Gun() { return *Player().Gun(); }

    template <typename T> int CountOf() const {
        int n = 0;
        for (const auto& object : app->objects->Objects()) {
            if (!object->removed && dynamic_cast<T*>(object.get())) {
                ++n;
            }
        }
        return n;
    }
    template <typename T> T* FirstOf() const {
        for (const auto& object : app->objects->Objects()) {
            if (auto* found = dynamic_cast<T*>(object.get()); found && !found->removed) {
                return found;
            }
        }
        return nullptr;
    }

    FixtureStage* stage = nullptr;
};

} // namespace stagetest
