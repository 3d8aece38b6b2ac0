#pragma once
// A stage that ends in a boss fight. Reaching the map's event trigger starts
// the conversation (only the first time in the scene's life; after a miss
// the fight starts at once), whose last command makes the boss appear at the
// boss marker with its music. While the heroine has no magazine left, one
// drops into the middle of the screen every 181 frames.
#include "app/Random.h"
#include "scene/stage/TableStage.h"

#include <memory>
#include <string>
#include <vector>

class AdvObject;
class BossBase;

class BossStage : public TableStage {
public:
    static constexpr int DropInterval = 181;

    explicit BossStage(const StageRow& row);

    // Stops the music, clears the event flag and the drop counter, loads the map.
    void SetupStage() override;
    // The magazine drop.
    void StageTick() override;
    // The event script's messages first, everything else to StageScene.
    void OnMessage(const std::string& name, std::vector<std::string>& args) override;
    void AppendTrace(std::string& json) const override;

    // Set when the conversation starts; every build clears it.
    bool eventStarted = false;
    // Set when the conversation has been shown once; builds keep it.
    bool dialogueShown = false;
    int dropCounter = 0;
    vrels::Drand48 dropRandom{0};
    std::weak_ptr<BossBase> boss;
    std::weak_ptr<AdvObject> event;

protected:
    // Loads a boss sheet into the scene's own store.
    void LoadBossTexture(const std::string& name, const std::string& file);
    // Makes this stage's boss (not yet placed).
    virtual std::unique_ptr<BossBase> MakeBoss() = 0;
    virtual void StartBossMusic();
    // Places a boss at screen (x, y) and adds it; it becomes the stage's boss.
    void AddBoss(std::unique_ptr<BossBase> made, float x, float y);
    // Starts a conversation: the named dialogue (unless empty), then the
    // message that ends it.
    void RunEvent(const std::string& dialogue, const std::string& then);
};
