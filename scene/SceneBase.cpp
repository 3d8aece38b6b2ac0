#include "scene/SceneBase.h"

SceneBase::SceneBase()
    : images(std::make_shared<RealImageStore>()), sounds(std::make_shared<RealSoundStore>()) {}

SceneBase::~SceneBase() {
    sounds.reset();
    images.reset();
}
