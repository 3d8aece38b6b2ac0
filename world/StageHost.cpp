#include "world/StageHost.h"

#include "app/VrelsSkarovApp.h"
#include "scene/SceneBase.h"

StageHost* StageHost::Current() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->scene) {
        return nullptr;
    }
    return dynamic_cast<StageHost*>(app->scene.get());
}
