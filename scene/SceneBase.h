#pragma once
// One screen of the game. A scene leaves by returning its successor's name.
#include "resource/ImageStore.h"
#include "resource/SoundStore.h"

#include <memory>
#include <string>
#include <vector>

class SceneBase {
public:
    SceneBase();
    virtual ~SceneBase();
    SceneBase(const SceneBase&) = delete;
    SceneBase& operator=(const SceneBase&) = delete;

    virtual void Start() {}
    // One frame; returns the next scene's name, or empty to stay.
    virtual std::string Update() = 0;
    virtual void Draw() {}
    virtual void OnMessage(const std::string& /*name*/, std::vector<std::string>& /*args*/) {}
    // Adds scene-specific fields to the headless runner's per-frame trace:
    // appends `,"key":value` pairs to a JSON object being written.
    virtual void AppendTrace(std::string& /*json*/) const {}
    // True while the scene reads Escape itself (a screen waiting for a key to
    // bind); otherwise Escape closes the program.
    virtual bool TakesEscape() const { return false; }

    std::shared_ptr<ImageStore> images;
    std::shared_ptr<SoundStore> sounds;
};
