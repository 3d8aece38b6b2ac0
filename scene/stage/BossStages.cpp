// The boss stages of the first three worlds and of the trial course. The last
// stage, with its two-form boss, has a file of its own.
#include "enemy/FesbioBrain.h"
#include "enemy/FesbioSnake.h"
#include "scene/SceneFactory.h"
#include "scene/stage/BossStage.h"

namespace {

// The giant brain's stages.
class FesbioBrainStage : public BossStage {
public:
    explicit FesbioBrainStage(const StageRow& stageRow) : BossStage(stageRow) {
        LoadBossTexture("fesbio_brain", "gfx/enemy/fesbio_brain.tga");
    }

protected:
    std::unique_ptr<BossBase> MakeBoss() override { return std::make_unique<FesbioBrain>(); }
};

} // namespace

#define VRELS_BRAIN_STAGE(Class)                                                                   \
    class Class : public FesbioBrainStage {                                                        \
    public:                                                                                        \
        Class() : FesbioBrainStage(StageRowFor(#Class)) {}                                         \
    };                                                                                             \
    REGISTER_SCENE(Class)

VRELS_BRAIN_STAGE(Stage1bossScene)
VRELS_BRAIN_STAGE(Stage2bossScene)
VRELS_BRAIN_STAGE(TrialBossScene)

// The sea serpent's stage.
class Stage3bossScene : public BossStage {
public:
    Stage3bossScene() : BossStage(StageRowFor("Stage3bossScene")) {
        LoadBossTexture("FesbioSnake", "gfx/enemy/fesbio_snake.tga");
    }

protected:
    std::unique_ptr<BossBase> MakeBoss() override { return std::make_unique<FesbioSnake>(); }
};
REGISTER_SCENE(Stage3bossScene)
