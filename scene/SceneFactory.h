#pragma once
// Scenes are made by name through one process-wide factory. Each scene class
// registers its own name where it is defined.
#include <memory>
#include <string>
#include <vector>

class SceneBase;

using SceneCreator = SceneBase* (*)();

// Adds name -> creator; the first registration of a name wins (false after).
bool RegisterScene(const std::string& name, SceneCreator creator);
// Makes the scene registered under exactly this name; an unknown name throws
// an exception whose text is "Unknown Type".
std::unique_ptr<SceneBase> CreateScene(const std::string& name);
bool IsSceneRegistered(const std::string& name);
std::vector<std::string> RegisteredSceneNames();

template <typename T> SceneBase* MakeScene() {
    return new T();
}

// Registers a scene class under its name at start-up:
//   REGISTER_SCENE(TitleScene)
#define REGISTER_SCENE(Class)                                                                      \
    namespace {                                                                                    \
    const bool registered_##Class = RegisterScene(#Class, &MakeScene<Class>);                      \
    }
