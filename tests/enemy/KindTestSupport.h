#pragma once
// Small stages for the enemy kinds, drawn in characters and placed through the
// map like a real stage (the view at the map's top-left corner, so map pixels
// are screen pixels).
//
// Legend: '.' empty, '#' solid block, and the enemy chips:
//   B Brain, E Met, T Togezo, H Mecha, D Death, O Monoeye, F PataPataFloat,
//   P PataPata, G Ghost, N Marionette, < > ^ v flame jets (left, right, up,
//   down), L R fireball turrets (shooting left, right), c a fireball blocks
//   (chips 800, 801).
#include "../world/WorldFixture.h"

#include "enemy/EnemyBase.h"

#include <map>
#include <string>
#include <vector>

namespace kindtest {

inline world::MapCell KindCell(char c) {
    static const std::map<char, std::pair<int, int>> chips = {
        {'#', {32, 0}},    {'B', {0, 160}},   {'E', {32, 160}},  {'T', {64, 160}},
        {'H', {96, 160}},  {'D', {128, 160}}, {'O', {160, 160}}, {'F', {192, 160}},
        {'P', {224, 160}}, {'G', {256, 160}}, {'N', {288, 160}}, {'<', {0, 224}},
        {'>', {32, 224}},  {'^', {64, 224}},  {'v', {96, 224}},  {'L', {128, 224}},
        {'R', {160, 224}}, {'c', {256, 0}},   {'a', {256, 32}},
    };
    const auto it = chips.find(c);
    return it == chips.end() ? world::MapCell{}
                             : worldtest::Chip(it->second.first, it->second.second);
}

class KindFixture : public worldtest::WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        app->playerRecord->score = 0;
    }

    // Places a map drawn in rows of characters.
    void Build(const std::vector<std::string>& rows) {
        world::TileMapData data;
        data.height = static_cast<int>(rows.size());
        data.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
        for (const auto& row : rows) {
            for (int column = 0; column < data.width; ++column) {
                data.cells.push_back(
                    KindCell(column < static_cast<int>(row.size()) ? row[column] : '.'));
            }
        }
        AddMap(std::move(data)).PlaceAll();
    }

    template <typename T> int CountOf() const { return static_cast<int>(All<T>().size()); }

    // Updates the object n times on its own.
    static void Run(ObjectBase& object, int n) {
        for (int i = 0; i < n && !object.removed; ++i) {
            object.Update();
        }
    }
};

} // namespace kindtest
