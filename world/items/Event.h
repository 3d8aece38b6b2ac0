#pragma once
// An invisible trigger: the first touch sends "event" with the trigger's name
// to the current scene, then the trigger is gone. Its position is the cell's
// top-left corner.
#include "world/items/ItemBase.h"

#include <string>

class Event : public ItemBase {
public:
    explicit Event(std::string name);
    void Update() override;

    std::string name;
};
