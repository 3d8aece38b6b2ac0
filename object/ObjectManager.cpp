#include "object/ObjectManager.h"

ObjectManager::ObjectManager() {
    priority = 1000;
    level = 255;
}

void ObjectManager::Insert(std::shared_ptr<ObjectBase> object) {
    auto it = objects.begin();
    while (it != objects.end() && (*it)->priority > object->priority) {
        ++it;
    }
    objects.insert(it, std::move(object));
}

void ObjectManager::ShiftAll(float dx, float dy) {
    for (auto& object : objects) {
        object->Shift(dx, dy);
    }
}

void ObjectManager::UpdatePass(bool limited, std::uint8_t limit) {
    for (auto it = objects.begin(); it != objects.end();) {
        if ((*it)->removed) {
            it = objects.erase(it);
            continue;
        }
        // Keep the object alive through its own update even if it is the
        // last owner's concern elsewhere.
        ObjectBase* object = it->get();
        if (!object->asleep && (!limited || object->level <= limit)) {
            object->Update();
        }
        if (interrupted) {
            interrupted = false;
            return;
        }
        ++it;
    }
}

void ObjectManager::UpdateAll() {
    UpdatePass(false, 255);
}

void ObjectManager::UpdateUpTo(std::uint8_t limit) {
    UpdatePass(true, limit);
}

void ObjectManager::DrawAll() {
    for (auto it = objects.begin(); it != objects.end();) {
        if ((*it)->removed) {
            it = objects.erase(it);
            continue;
        }
        if (!(*it)->asleep) {
            (*it)->Draw();
        }
        ++it;
    }
}

void ObjectManager::Clear() {
    objects.clear();
}
