#pragma once
// The name entry: three letters picked on a turning carousel of characters,
// stored with the run's score in the ranking, then the top ten.
#include "scene/SceneBase.h"

#include <memory>
#include <string>

class MenuBackdrop;

class NameEntryScene : public SceneBase {
public:
    // Index 38 erases, index 39 ends the entry, in both sets.
    static constexpr const char* UpperSet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.<@";
    static constexpr const char* LowerSet = "abcdefghijklmnopqrstuvwxyz!&%#+*/;:[].<@";
    static constexpr int SetSize = 40;
    static constexpr int EraseIndex = 38;
    static constexpr int EndIndex = 39;
    static constexpr int TimeLimit = 99999; // milliseconds
    static constexpr int RankingFrames = 1200;

    NameEntryScene();
    ~NameEntryScene() override;
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    // "99:99": seconds and hundredths of the time left.
    static std::string TimeText(int milliseconds);
    // The three name slots with unfilled ones ("_") and the end mark as spaces.
    std::string CommittedName() const;

    int currentSet = 0; // 0 upper, 1 lower
    int selected = 0;   // 0..39
    float carouselAngle = 0;
    float backAngle = 0;
    float moveTimer = 0;
    float carouselSize = 1.0f;
    bool changingSet = false;
    std::string name = "___";
    int cursor = 0; // the slot being filled, 3 when all are
    bool finished = false;
    int timeLeft = TimeLimit;
    float nameRowY = 90;
    int framesAfterFinish = 0;
    float backdropAngle = 0;

private:
    const char* CurrentChars() const { return currentSet == 0 ? UpperSet : LowerSet; }
    void Finish();
    void StepInput();
    void StepAnimation();
    void DrawCarousel(const char* chars, float angle, float wobble, bool front) const;
    void DrawRanking() const;

    std::unique_ptr<MenuBackdrop> backdrop_;
};
