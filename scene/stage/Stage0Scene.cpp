#include "scene/stage/Stage0Scene.h"

#include "scene/SceneFactory.h"

REGISTER_SCENE(Stage0Scene)

Stage0Scene::Stage0Scene() : TableStage(StageRowFor("Stage0Scene")) {}

std::string Stage0Scene::NextSceneName() const {
    return IsSceneRegistered(nextSceneName) ? nextSceneName : "TitleScene";
}
