#pragma once
// The playable scene: one stage's map, player, backdrop and heads-up display;
// the time limit, pause, the stage-name intro, the miss / continue / game-over
// flow and the clear sequence. Every stage derives from it and supplies names,
// files and music.
#include "scene/SceneBase.h"
#include "world/StageHost.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ViewMap;
class Fadeout;
class TimeUp;
class States;
class StartScene;
class ContinueTask;
class PlayerBase;

class StageScene : public SceneBase, public StageHost {
public:
    explicit StageScene(int stageIndex);
    ~StageScene() override;

    void Start() override;
    std::string Update() override;
    void Draw() override;
    void OnMessage(const std::string& name, std::vector<std::string>& args) override;
    void AppendTrace(std::string& json) const override;

    // (Re)creates the stage world; also used for every restart.
    virtual void Build();
    // Loads the map file and starts the music.
    virtual void SetupStage() {}
    // Per-frame hook, run through the backdrop object.
    virtual void StageTick() {}
    virtual void DrawBackground();
    virtual void AddScroll(float dx, float dy);
    virtual std::string NextSceneName() const { return nextSceneName; }
    // Whether this attempt may be written to "replay/<progress>.rec": not
    // when the attract demo plays that file for another stage. The trial
    // stages share their numbers with full-course stages, and their runs
    // would play back on the wrong map.
    bool WritesReplay() const;
    virtual std::string DisplayName() const { return displayName; }

    // The player-start marker at map pixel (px, py); ignored once a start
    // (or a checkpoint) is recorded.
    void SetStartPosition(float px, float py) override;
    void SetBossCell(int column, int row) override;
    void SetBossGoalCell(int column, int row) override;
    // The checkpoint: a restart rebuilds the view at (column, row) with the
    // player at screen position (px, py).
    void RecordCheckpoint(int column, int row, float px, float py) override;
    ViewMap* StageMap() override { return map; }
    // Places the goal where a boss stage's goal marker lies.
    void SpawnBossGoal();
    // Leaves for the named scene once a fade to black has finished.
    void GoTo(const std::string& sceneName);

    // The update level chosen by the last Update (255 = full play).
    std::uint8_t UpdateLevel() const { return lastLevel; }

    static constexpr int TimeLimit = 200000;  // milliseconds
    static constexpr int MillisPerFrame = 17; // counted down per active frame
    static constexpr int ClearBonus = 10000;

    std::weak_ptr<Fadeout> fade;
    ViewMap* map = nullptr; // owned by the object manager
    PlayerBase* player = nullptr;
    bool startRecorded = false;
    int startColumn = 0;
    int startRow = 0;
    float startX = 100.0f;
    float startY = 100.0f;
    int bossColumn = 0;
    int bossRow = 0;
    int bossGoalColumn = 0;
    int bossGoalRow = 0;
    float scrollX = 0;
    float scrollY = 0;
    int progressNumber = 0;
    std::string displayName;
    std::string nextSceneName;
    int timeLeft = TimeLimit;
    int stageIndex = 0;
    bool paused = false;
    int clearCounter = 0;
    int clearState = 0;
    float clearAlpha = 0;
    int entryScore = 0;
    std::string pendingScene;
    bool eventRunning = false;
    bool restartPending = false;
    std::weak_ptr<TimeUp> timeUp;
    std::weak_ptr<States> states;
    std::weak_ptr<StartScene> startScene;
    std::weak_ptr<ContinueTask> continueTask;
    // Set when the stage could not be built (its map is missing or broken):
    // the next update returns to the title.
    bool loadFailed = false;

protected:
    // Stages load their backdrop under this name into the scene's store.
    void LoadBackground(const std::string& file);

private:
    void AbandonStage(const std::string& message);
    std::uint8_t ChooseLevel() const;
    void RunPlayFrame(std::uint8_t level);
    void StepClearSequence();
    bool FadeFinished() const;
    std::uint8_t lastLevel = 255;
};

// The current scene if it is a stage, else null.
StageScene* CurrentStage();
