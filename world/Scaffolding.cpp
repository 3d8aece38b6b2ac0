#include "world/Scaffolding.h"

Scaffolding::Scaffolding(const TexRect& chip) : Block(chip) {
    oneWay_ = true;
    bottom = 1;
}
