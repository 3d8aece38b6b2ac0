#include "scene/stage/StageTable.h"

#include <stdexcept>

namespace {

// Music pairs: the first part plays once, the second repeats.
#define BGM1 "bgm/bgm1a.ogg", "bgm/bgm1b.ogg"
#define BGM2 "bgm/bgm2.ogg", ""
#define LONELY_BULLET "bgm/lonelybullet_a.ogg", "bgm/lonelybullet_b.ogg"
#define BGM3 "bgm/bgm3.ogg", ""
#define BY_SCRIPT "", ""

const std::vector<StageRow> kStages = {
    // class, index, name, next, backdrop, progress, map, music
    {"Stage0Scene", 0, "TestStage", "Stage1Scene", "gfx/bg/bg1.tga", 0, "map/test.tm2", BGM1},

    {"Stage1_1Scene", 1, "Stage1-1", "Stage1_2Scene", "gfx/bg/bg1.tga", 11, "map/stage1_1.tm2",
     BGM1},
    {"Stage1_2Scene", 2, "Stage1-2", "Stage1_3Scene", "gfx/bg/bg2.tga", 12, "map/stage1_2.tm2",
     BGM2},
    {"Stage1_3Scene", 3, "Stage1-3", "Stage1_4Scene", "gfx/bg/bg3.tga", 13, "map/stage1_3.tm2",
     LONELY_BULLET},
    {"Stage1_4Scene", 4, "Stage1-4", "Stage1bossScene", "gfx/bg/bg4.tga", 14, "map/stage1_4.tm2",
     BGM3},
    {"Stage1bossScene", 4, "", "Stage2_1Scene", "gfx/bg/bg4.tga", 15, "map/stage1_boss.tm2",
     BY_SCRIPT},

    {"Stage2_1Scene", 5, "Stage2-1", "Stage2_2Scene", "gfx/bg/bg1.tga", 21, "map/stage2_1.tm2",
     BGM1},
    {"Stage2_2Scene", 6, "Stage2-2", "Stage2_3Scene", "gfx/bg/bg2.tga", 22, "map/stage2_2.tm2",
     BGM2},
    {"Stage2_3Scene", 7, "Stage2-3", "Stage2_4Scene", "gfx/bg/bg3.tga", 23, "map/stage2_3.tm2",
     LONELY_BULLET},
    {"Stage2_4Scene", 8, "Stage2-4", "Stage2bossScene", "gfx/bg/bg4.tga", 24, "map/stage2_4.tm2",
     BGM3},
    {"Stage2bossScene", 8, "", "Stage3_1Scene", "gfx/bg/bg4.tga", 25, "map/stage2_boss.tm2",
     BY_SCRIPT},

    {"Stage3_1Scene", 9, "Stage3-1", "Stage3_2Scene", "gfx/bg/bg1.tga", 31, "map/stage3_1.tm2",
     BGM1},
    {"Stage3_2Scene", 10, "Stage3-2", "Stage3_3Scene", "gfx/bg/bg2.tga", 32, "map/stage3_2.tm2",
     BGM2},
    {"Stage3_3Scene", 11, "Stage3-3", "Stage3_4Scene", "gfx/bg/bg3.tga", 33, "map/stage3_3.tm2",
     LONELY_BULLET},
    {"Stage3_4Scene", 8, "Stage3-4", "Stage3bossScene", "gfx/bg/bg4.tga", 34, "map/stage3_4.tm2",
     BGM3},
    {"Stage3bossScene", 12, "", "Stage4_1Scene", "gfx/bg/bg5.tga", 35, "map/stage3_boss.tm2",
     BY_SCRIPT},

    {"Stage4_1Scene", 13, "Stage4-1", "Stage4_2Scene", "gfx/bg/bg1.tga", 41, "map/stage4_1.tm2",
     BGM1},
    {"Stage4_2Scene", 8, "Stage4-2", "Stage4_3Scene", "gfx/bg/bg5.tga", 42, "map/stage4_2.tm2",
     LONELY_BULLET},
    {"Stage4_3Scene", 8, "Stage4-3", "Stage5_1Scene", "gfx/bg/bg4.tga", 43, "map/stage4_3.tm2",
     BGM3},

    {"Stage5_1Scene", 13, "Stage5-1", "Stage5_2Scene", "gfx/bg/bg5.tga", 51, "map/stage5_1.tm2",
     BGM1},
    {"Stage5_2Scene", 14, "Stage5-2", "Stage5_3Scene", "gfx/bg/bg2.tga", 52, "map/stage5_2.tm2",
     BGM2},
    {"Stage5_3Scene", 15, "Stage5-3", "Stage5_4Scene", "gfx/bg/bg3.tga", 53, "map/stage5_3.tm2",
     LONELY_BULLET},
    {"Stage5_4Scene", 16, "Stage5-4", "Stage5bossScene", "gfx/bg/bg4.tga", 54, "map/stage5_4.tm2",
     BGM3},
    {"Stage5bossScene", 16, "", "EndScene", "gfx/bg/bg6.tga", 55, "map/stage5_boss.tm2", BY_SCRIPT},

    {"Trial1_1Scene", 6, "Trial-1", "Trial1_2Scene", "gfx/bg/bg1.tga", 22, "map/trial1_1.tm2",
     BGM1},
    {"Trial1_2Scene", 6, "Trial-2", "Trial1_3Scene", "gfx/bg/bg5.tga", 22, "map/trial1_2.tm2",
     LONELY_BULLET},
    {"Trial1_3Scene", 6, "Trial-3", "TrialBossScene", "gfx/bg/bg3.tga", 22, "map/trial1_3.tm2",
     LONELY_BULLET},
    {"TrialBossScene", 4, "", "TrialEndScene", "gfx/bg/bg4.tga", 15, "map/trial_boss.tm2",
     BY_SCRIPT},
};

#undef BGM1
#undef BGM2
#undef LONELY_BULLET
#undef BGM3
#undef BY_SCRIPT

} // namespace

const std::vector<StageRow>& StageTable() {
    return kStages;
}

const StageRow& StageRowFor(const std::string& className) {
    for (const StageRow& row : kStages) {
        if (className == row.className) {
            return row;
        }
    }
    throw std::out_of_range("No stage row for " + className);
}
