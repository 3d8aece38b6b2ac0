#include "scene/gameover/RunEnd.h"

#include "app/PlayerInfomation.h"
#include "app/Ranking.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"

namespace vrels {

void EndRun() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->playerRecord) {
        app->playerRecord->EndRun();
    }
}

std::string SceneAfterRun() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->playerRecord && app->gameState && !app->gameState->demo &&
        EntersRanking(app->gameState->ranking, app->playerRecord->rankedScore)) {
        return "NameEntryScene";
    }
    return "TitleScene";
}

} // namespace vrels
