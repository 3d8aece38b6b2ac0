#include "scene/stage/StageScene.h"

#include "app/ErrorReport.h"
#include "app/Paths.h"
#include "app/PlayerInfomation.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "enemy/EnemyBase.h"
#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/KeyMap.h"
#include "lib/OggStream.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "player/PlayerMary.h"
#include "player/Skarov.h"
#include "resource/CTexture.h"
#include "scene/SceneFactory.h"
#include "scene/select/StageNames.h"
#include "scene/stage/StageObjects.h"
#include "ui/FontMetrics.h"
#include "ui/StringSprite.h"
#include "world/Effects.h"
#include "world/ViewMap.h"
#include "world/items/Goal.h"

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

constexpr std::uint8_t LevelPlay = 255;
constexpr std::uint8_t LevelIntro = 120;
constexpr std::uint8_t LevelContinue = 110;
constexpr std::uint8_t LevelEvent = 105;
constexpr std::uint8_t LevelClear = 105;

VrelsSkarovApp& App() {
    return *VrelsSkarovApp::Instance();
}

bool DemoPlay() {
    VrelsSkarovApp& app = App();
    return app.gameState && app.gameState->demo;
}

} // namespace

StageScene* CurrentStage() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    return app ? dynamic_cast<StageScene*>(app->scene.get()) : nullptr;
}

StageScene::StageScene(int index) : stageIndex(index) {
    VrelsSkarovApp& app = App();
    if (app.gameState) {
        app.gameState->currentWorld = index;
    }
    if (app.playerRecord) {
        entryScore = app.playerRecord->score;
    }
}

StageScene::~StageScene() = default;

void StageScene::LoadBackground(const std::string& file) {
    images->Load("Background", file, false);
}

void StageScene::Start() {
    std::vector<std::string> none;
    OnMessage("reset_midpoint", none);
    Build();
    VrelsSkarovApp& app = App();
    // Records the stage only when it is further than any reached before, and
    // never for the attract demo: the player did not reach what it plays.
    if (app.gameState && !loadFailed && !DemoPlay()) {
        SaveProgress(*app.gameState, vrels::SettingsPath(), progressNumber);
    }
}

void StageScene::Build() {
    VrelsSkarovApp& app = App();
    ObjectManager& objects = *app.objects;
    // Nothing may reach the old player or map while the old world goes.
    app.player = nullptr;
    player = nullptr;
    map = nullptr;
    objects.Clear();

    objects.Add(new BackGround(this));

    auto mary = objects.Add(new PlayerMary());
    player = mary.get();
    app.player = player;
    player->Reset();

    if (DemoPlay()) {
        app.music->Halt();
        objects.Add(new BlinkString("PRESS START BUTTON"));
        app.input->LoadRecording(progressNumber);
    }

    states = objects.Add(new States(this));
    startScene = objects.Add(new StartScene(DisplayName()));

    timeLeft = TimeLimit;
    scrollX = 0;
    scrollY = 0;

    auto viewMap = objects.Add(new ViewMap());
    map = viewMap.get();
    player->map = map;
    try {
        SetupStage();
    } catch (const std::exception& e) {
        AbandonStage(e.what());
        return;
    }

    map->PlaceAll();
    map->SetView(startColumn, startRow);
    player->MoveTo(startX, startY);

    // Nothing of the old world may be updated further in this frame.
    objects.Interrupt();
}

void StageScene::AbandonStage(const std::string& message) {
    // A stage without its map cannot be played; the player is told once and
    // taken back to the title instead of losing the program.
    vrels::ReportError(message);
    VrelsSkarovApp& app = App();
    app.music->Halt();
    app.player = nullptr;
    player = nullptr;
    map = nullptr;
    app.objects->Clear();
    loadFailed = true;
}

std::uint8_t StageScene::ChooseLevel() const {
    std::uint8_t level = LevelPlay;
    if (eventRunning) {
        level = LevelEvent;
    }
    if (auto intro = startScene.lock(); intro && intro->sliding) {
        level = LevelIntro;
    }
    if (!continueTask.expired()) {
        level = LevelContinue;
    }
    if (clearState > 0) {
        level = LevelClear;
    }
    return level;
}

void StageScene::RunPlayFrame(std::uint8_t level) {
    VrelsSkarovApp& app = App();
    if (level == LevelPlay && clearState == 0 && player && player->lifeState == PlayerBase::Alive) {
        player->Control();
        timeLeft = std::max(timeLeft - MillisPerFrame, 0);
        if (timeLeft == 0 && timeUp.expired()) {
            timeUp = app.objects->Add(new TimeUp());
            player->ForceMiss();
        }
    }
    app.objects->UpdateUpTo(level);
}

std::string StageScene::Update() {
    if (loadFailed) {
        return "TitleScene";
    }
    VrelsSkarovApp& app = App();
    if (app.input->KeyPressed(dik::P)) {
        paused = !paused;
    }
    if (paused) {
        if (app.input->KeyPressed(dik::F12)) {
            paused = false;
            GoTo("TitleScene");
        }
    } else {
        lastLevel = ChooseLevel();
        RunPlayFrame(lastLevel);
    }
    // The clear sequence runs even while the game is paused.
    StepClearSequence();
    if (DemoPlay() && app.input->ConfirmPressed()) {
        GoTo("TitleScene");
    }
    if (FadeFinished()) {
        if (restartPending) {
            restartPending = false;
            Build();
        } else if (!pendingScene.empty()) {
            return pendingScene;
        }
    }
    return "";
}

bool StageScene::FadeFinished() const {
    auto current = fade.lock();
    return current && current->done;
}

void StageScene::StepClearSequence() {
    VrelsSkarovApp& app = App();
    switch (clearState) {
    case 1:
        if (auto hud = states.lock()) {
            hud->scoreDivisor = 20;
        }
        clearState = 2;
        clearAlpha = 0;
        clearCounter = 0;
        break;
    case 2:
        if (++clearCounter > 60) {
            clearState = 3;
        }
        break;
    case 3:
        clearAlpha += 0.01f;
        if (clearAlpha < 1.0f) {
            clearAlpha += 0.01f;
        }
        clearAlpha = std::min(clearAlpha, 1.0f);
        if (clearAlpha >= 1.0f) {
            clearState = 4;
            clearCounter = 0;
            static const int rates[] = {100, 300, 500, 1000};
            const int rate = rates[std::min<int>(app.gameState->gameLevel, 3)];
            app.playerRecord->AddScore(ClearBonus + rate * app.playerRecord->bonusCount);
        }
        break;
    case 4:
        if (++clearCounter > 120) {
            clearState = 5;
        }
        break;
    case 5:
        clearAlpha = std::max(clearAlpha - 0.01f, 0.0f);
        if (clearAlpha <= 0) {
            clearState = 6;
            GoTo(NextSceneName());
        }
        break;
    default:
        break;
    }
}

void StageScene::GoTo(const std::string& sceneName) {
    pendingScene = sceneName;
    if (!IsSceneRegistered(pendingScene)) {
        // A scene that is not part of this build: back to the title rather
        // than ending the program.
        pendingScene = "TitleScene";
    }
    // A fade already leaving the stage carries the new target: asking again
    // (F12 pressed again and again around the pause key) must not stack a
    // new fade each time, or the objects grow without end.
    if (!fade.expired() && !restartPending) {
        return;
    }
    fade = App().objects->Add(new Fadeout());
}

void StageScene::Draw() {
    if (loadFailed) {
        return;
    }
    DrawBackground();
    App().objects->DrawAll();
    if (clearState != 0) {
        DrawText("NormalFont", 220, 230, "ClearBonus 10000", 0.8f, 1.5f, clearAlpha);
    }
    if (paused) {
        DrawText("OrangeFont", 260, 225, "PAUSE", 1.0f, 1.5f, 1.0f);
        // The keys that work now, by the names the controls card uses.
        const std::string keys = vrels::KeyDisplayName(dik::P) + ": resume    " +
                                 vrels::KeyDisplayName(dik::F12) + ": title";
        const float width = static_cast<float>(vrels::TextWidth(keys, 0.6f, 1.3f));
        DrawText("NormalFont", 320.0f - width / 2.0f, 268, keys, 0.6f, 1.3f, 1.0f);
    }
}

void StageScene::DrawBackground() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* texture = images->Get("Background");
    if (!graphics || !texture || !map || !texture->impl) {
        return;
    }
    const float w = static_cast<float>(texture->impl->info.width);
    const float h = static_cast<float>(texture->impl->info.height);
    texture->SetRect(0, 0, static_cast<int>(w), static_cast<int>(h));
    texture->SetCentre(0, 0);
    texture->scale = 1.0f;
    texture->flipH = false;
    texture->flipV = false;
    // The backdrop crosses its excess size exactly while the view crosses the
    // map, and sits bottom-aligned on a map one screen high.
    float bx = 0;
    if (map->width != ViewMap::ViewColumns) {
        bx = (w - 640.0f) / static_cast<float>(map->width - ViewMap::ViewColumns) * scrollX / 32.0f;
    }
    float by = -(h - 480.0f);
    if (map->height != ViewMap::ViewRows) {
        by = (h - 480.0f) / static_cast<float>(map->height - ViewMap::ViewRows) * scrollY / 32.0f;
    }
    graphics->DrawSprite(texture, bx, by, 1.0f, 0.0f, BlendAlpha);
}

void StageScene::AddScroll(float dx, float dy) {
    scrollX += dx;
    scrollY += dy;
}

void StageScene::OnMessage(const std::string& name, std::vector<std::string>& args) {
    VrelsSkarovApp& app = App();
    if (name == "adv") {
        eventRunning = !args.empty() && args[0] == "start";
    } else if (name == "restart") {
        restartPending = true;
        fade = app.objects->Add(new Fadeout());
    } else if (name == "CreateContinue") {
        continueTask = app.objects->Add(new ContinueTask(this));
    } else if (name == "reset_midpoint") {
        startX = 100.0f;
        startY = 100.0f;
        startRecorded = false;
        startColumn = 0;
        startRow = 0;
    } else if (name == "KillBoss") {
        app.music->Halt();
        if (DemoPlay()) {
            std::vector<std::string> none;
            OnMessage("go_title", none);
        } else if (WritesReplay()) {
            app.input->SaveRecording(progressNumber);
        }
        if (player) {
            player->goalReached = true;
        }
    } else if (name == "DeadBoss") {
        clearState = 1;
    } else if (name == "Gameover") {
        app.music->Halt();
        GoTo("GameoverScene");
    } else if (name == "go_title") {
        app.music->Halt();
        GoTo("TitleScene");
    } else if (name == "NextScene") {
        app.music->Halt();
        GoTo(NextSceneName());
    }
}

void StageScene::SetStartPosition(float px, float py) {
    if (startRecorded || !map) {
        return;
    }
    // The player stands in view column 10, row 7 unless the map's edge stops the view.
    float tx = px / 32.0f;
    float ty = py / 32.0f;
    int column = 0;
    if (tx > 10.0f) {
        // A map narrower than the screen never scrolls: its view stays at column 0.
        column = std::max(map->width - ViewMap::ViewColumns, 0);
        if (tx > static_cast<float>(column)) {
            tx -= static_cast<float>(column);
        } else {
            column = static_cast<int>(tx - 10.0f);
            tx = 10.0f;
        }
    }
    int row = 0;
    if (ty > 7.0f) {
        row = std::max(map->height - ViewMap::ViewRows, 0);
        if (ty > static_cast<float>(row)) {
            ty -= static_cast<float>(row);
        } else {
            row = static_cast<int>(ty - 7.0f);
            ty = 7.0f;
        }
    }
    startRecorded = true;
    startColumn = column;
    startRow = row;
    startX = tx * 32.0f + 16.0f;
    startY = ty * 32.0f;
}

void StageScene::SetBossCell(int column, int row) {
    bossColumn = column;
    bossRow = row;
}

void StageScene::SetBossGoalCell(int column, int row) {
    bossGoalColumn = column;
    bossGoalRow = row;
}

void StageScene::RecordCheckpoint(int column, int row, float px, float py) {
    startRecorded = true;
    startColumn = column;
    startRow = row;
    startX = px;
    startY = py;
}

void StageScene::SpawnBossGoal() {
    if (!map) {
        return;
    }
    const float gx =
        static_cast<float>((bossGoalColumn - map->scrollColumn) * 32) + map->subOffsetX + 16.0f;
    const float gy =
        static_cast<float>((bossGoalRow - map->scrollRow) * 32) + map->subOffsetY + 16.0f;
    auto* goal = new Goal();
    goal->SetPosition(gx, gy);
    App().objects->Add(goal);
}

namespace {

// Numbers in the trace: shortest text that reads back as the same float.
std::string Num(float v) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(v));
    return text;
}

const char* Bool(bool b) {
    return b ? "true" : "false";
}

} // namespace

void StageScene::AppendTrace(std::string& json) const {
    VrelsSkarovApp& app = App();
    if (const PlayerBase* p = player; p && app.player == p) {
        json +=
            ",\"player\":{\"x\":" + Num(p->x) + ",\"y\":" + Num(p->y) + ",\"vx\":" + Num(p->vx) +
            ",\"vy\":" + Num(p->vy) + ",\"facing\":" + Bool(p->facing) +
            ",\"jumpState\":" + std::to_string(p->jumpState) +
            ",\"lifeState\":" + std::to_string(p->lifeState) +
            ",\"animState\":" + std::to_string(p->animState) +
            ",\"crouching\":" + Bool(p->crouching) + ",\"goalReached\":" + Bool(p->goalReached) +
            ",\"hit\":[" + std::to_string(p->hitLeft) + "," + std::to_string(p->hitTop) + "," +
            std::to_string(p->hitRight) + "," + std::to_string(p->hitBottom) + "]}";
    }
    if (map) {
        json += ",\"view\":{\"col\":" + std::to_string(map->scrollColumn) +
                ",\"row\":" + std::to_string(map->scrollRow) + ",\"subX\":" + Num(map->subOffsetX) +
                ",\"subY\":" + Num(map->subOffsetY) +
                ",\"hState\":" + std::to_string(map->horizontalState) +
                ",\"vState\":" + std::to_string(map->verticalState) + "}";
    }
    if (app.playerRecord) {
        const PlayerInfomation& r = *app.playerRecord;
        json += ",\"record\":{\"lives\":" + std::to_string(r.lives) +
                ",\"magazines\":" + std::to_string(r.magazines) +
                ",\"score\":" + std::to_string(r.score) + "}";
    }
    const auto* mary = dynamic_cast<const PlayerMary*>(player);
    if (const Skarov* gun = mary ? mary->Gun() : nullptr) {
        json += ",\"gun\":{\"rounds\":" + std::to_string(gun->rounds) +
                ",\"magazines\":" + std::to_string(gun->magazines) +
                ",\"reloading\":" + Bool(gun->reloading) + "}";
    }
    // Every awake enemy, in list order.
    if (app.objects) {
        json += ",\"enemies\":[";
        bool first = true;
        for (const auto& object : app.objects->Objects()) {
            const auto* enemy = dynamic_cast<const EnemyBase*>(object.get());
            if (!enemy || enemy->asleep || enemy->removed) {
                continue;
            }
            json += std::string(first ? "" : ",") + "{\"kind\":\"" + enemy->KindName() +
                    "\",\"x\":" + Num(enemy->x) + ",\"y\":" + Num(enemy->y) +
                    ",\"hp\":" + std::to_string(enemy->hitPoints) +
                    ",\"facing\":" + Bool(enemy->facing) + "}";
            first = false;
        }
        json += "]";
    }
    json += ",\"stage\":{\"timeLeft\":" + std::to_string(timeLeft) +
            ",\"clearState\":" + std::to_string(clearState) + ",\"paused\":" + Bool(paused) +
            ",\"level\":" + std::to_string(lastLevel) + ",\"eventRunning\":" + Bool(eventRunning) +
            "}";
}

bool StageScene::WritesReplay() const {
    const VrelsSkarovApp& app = App();
    if (!app.gameState) {
        return true;
    }
    for (const auto& stage : app.gameState->stageNumbers) {
        if (stage.second == progressNumber &&
            vrels::SceneForStageName(stage.first) != app.currentSceneName) {
            return false;
        }
    }
    return true;
}
