#include "world/PlaceChip.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "world/Block.h"
#include "world/BreakBlock.h"
#include "world/BringBlock.h"
#include "world/Floating.h"
#include "world/Scaffolding.h"
#include "world/StageHost.h"
#include "world/Tekyu.h"
#include "world/Toge.h"
#include "world/items/Coin.h"
#include "world/items/Event.h"
#include "world/items/Goal.h"
#include "world/items/Magazine.h"
#include "world/items/Midpoint.h"
#include "world/items/Oneup.h"

#include <map>
#include <string>

namespace {

template <typename T> ChipCreator Make() {
    return [] { return std::make_unique<T>(); };
}

// The creator table: the world's own entries, to which other subsystems add
// theirs (enemies) from their own files. Built on first use, so registrations
// from static initialisers in any order find it ready.
std::map<int, ChipCreator>& CreatorTable() {
    static std::map<int, ChipCreator> table{
        {ChipCode(160, 32), Make<BreakBlock>()}, {ChipCode(0, 256), Make<Goal>()},
        {ChipCode(32, 256), Make<Floating>()},   {ChipCode(64, 256), Make<Coin>()},
        {ChipCode(96, 256), Make<Magazine>()},   {ChipCode(128, 256), Make<Midpoint>()},
        {ChipCode(160, 256), Make<Oneup>()},
    };
    return table;
}

ChipRiderCreator& GuruguruCreator() {
    static ChipRiderCreator creator;
    return creator;
}

void AddAt(std::unique_ptr<ViewObject> object, float x, float y) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!object || !app || !app->objects) {
        // A creator that could not make its object leaves the cell without it.
        return;
    }
    object->SetPosition(x, y);
    app->objects->Add(object.release());
}

// The event triggers and their names.
const std::map<int, std::string>& EventChips() {
    static const std::map<int, std::string> events{
        {608, "1"}, {708, "2"}, {808, "3"}, {908, "4"}, {609, "5"},
    };
    return events;
}

} // namespace

bool RegisterChipCreator(int code, ChipCreator creator) {
    CreatorTable()[code] = std::move(creator);
    return true;
}

bool HasChipCreator(int code) {
    return CreatorTable().count(code) != 0;
}

bool RegisterGuruguruCreator(ChipRiderCreator creator) {
    GuruguruCreator() = std::move(creator);
    return true;
}

void PlaceChip(int chipX, int chipY, float x, float y) {
    const int code = ChipCode(chipX, chipY);
    const float cx = x + 16.0f;
    const float cy = y + 16.0f;
    const TexRect chip = ChipRect(chipX, chipY);

    const auto& table = CreatorTable();
    if (const auto it = table.find(code); it != table.end()) {
        AddAt(it->second(), cx, cy);
        return;
    }

    const auto events = EventChips().find(code);
    if (events != EventChips().end()) {
        AddAt(std::make_unique<Event>(events->second), x, y);
        return;
    }

    StageHost* stage = StageHost::Current();
    const int column = static_cast<int>(x) / 32;
    const int row = static_cast<int>(y) / 32;
    switch (code) {
    case 2:
    case 3:
    case 102:
    case 103:
        AddAt(std::make_unique<Scaffolding>(chip), x, y);
        return;
    case 7:
    case 107:
    case 207:
    case 307:
    case 407:
    case 507:
        // Flame jets and fireball stands register their creators from their
        // own files (enemy/Burner, enemy/FireBallStand); a build without them
        // leaves the cell empty rather than solid.
        return;
    case 9:
        if (stage) {
            stage->SetBossCell(column, row);
        }
        return;
    case 109:
        if (stage) {
            stage->SetBossGoalCell(column, row);
        }
        return;
    case 709:
        if (stage) {
            stage->SetStartPosition(x, y);
        }
        return;
    case 800:
    case 801:
        AddAt(std::make_unique<Block>(chip), x, y);
        if (GuruguruCreator()) {
            AddAt(GuruguruCreator()(code == 800 ? 0 : 1), cx, cy);
        }
        return;
    case 901:
    case 902:
        AddAt(std::make_unique<BringBlock>(chip), x, y);
        return;
    case 1700:
        AddAt(std::make_unique<Toge>(), x, y);
        return;
    case 1800:
        AddAt(std::make_unique<UToge>(), x, y);
        return;
    case 1900:
        AddAt(std::make_unique<Tekyu>(), x, y);
        return;
    case 1901:
        AddAt(std::make_unique<VerticalTekyu>(), x, y);
        return;
    default:
        // Anything without a rule is at least solid and looks like its chip.
        AddAt(std::make_unique<Block>(chip), x, y);
        return;
    }
}
