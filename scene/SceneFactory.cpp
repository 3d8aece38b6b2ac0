#include "scene/SceneFactory.h"

#include "scene/SceneBase.h"

#include <loki/Factory.h>

namespace {

using Factory = Loki::Factory<SceneBase, std::string>;

// Created on first use so that registrations from any translation unit's
// static initialisation find it ready.
Factory& TheFactory() {
    static Factory factory;
    return factory;
}

std::vector<std::string>& Names() {
    static std::vector<std::string> names;
    return names;
}

} // namespace

bool RegisterScene(const std::string& name, SceneCreator creator) {
    const bool added = TheFactory().Register(name, creator);
    if (added) {
        Names().push_back(name);
    }
    return added;
}

std::unique_ptr<SceneBase> CreateScene(const std::string& name) {
    return std::unique_ptr<SceneBase>(TheFactory().CreateObject(name));
}

bool IsSceneRegistered(const std::string& name) {
    for (const auto& n : Names()) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> RegisteredSceneNames() {
    return Names();
}
