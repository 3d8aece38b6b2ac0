#include "scene/stage/Stage0Scene.h"

#include "app/VrelsSkarovApp.h"
#include "lib/OggStream.h"
#include "scene/SceneFactory.h"
#include "world/ViewMap.h"

REGISTER_SCENE(Stage0Scene)

Stage0Scene::Stage0Scene() : StageScene(0) {
    progressNumber = 0;
    displayName = "TestStage";
    nextSceneName = "Stage1Scene";
    LoadBackground("gfx/bg/bg1.tga");
}

void Stage0Scene::SetupStage() {
    map->Load("map/test.tm2");
    IOggStream& music = *VrelsSkarovApp::Instance()->music;
    music.OpenIntro("bgm/bgm1a.ogg", "bgm/bgm1b.ogg");
    music.Play();
}

std::string Stage0Scene::NextSceneName() const {
    return IsSceneRegistered(nextSceneName) ? nextSceneName : "TitleScene";
}
