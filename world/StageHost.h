#pragma once
// What the stage world needs from the stage scene that plays it. The stage
// scene implements this interface (alongside SceneBase); map placement and the
// checkpoint reach it through the application's current scene.
//
//   class StageScene : public SceneBase, public StageHost { ... };
class ViewMap;

class StageHost {
public:
    virtual ~StageHost() = default;

    // The player-start marker at map pixel (x, y), the cell's top-left corner.
    // Ignored by the scene while a start is already recorded (a checkpoint).
    virtual void SetStartPosition(float x, float y) = 0;
    // The boss marker: the cell where a boss stage places its boss.
    virtual void SetBossCell(int column, int row) = 0;
    // The boss-goal marker: the cell where the goal appears when the boss dies.
    virtual void SetBossGoalCell(int column, int row) = 0;
    // The checkpoint was touched: record the view's scroll column and row and
    // the player's restart position on screen.
    virtual void RecordCheckpoint(int column, int row, float x, float y) = 0;
    // The stage's map (null before it is built).
    virtual ViewMap* StageMap() = 0;

    // The current scene as a stage host, or null when the current scene does
    // not play a stage.
    static StageHost* Current();
};
