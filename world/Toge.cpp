#include "world/Toge.h"

#include "world/Block.h"

Toge::Toge() : Toge(ChipRect(544, 0)) {}

Toge::Toge(const TexRect& chip) : DBlock(chip) {
    left = 4;
    top = 6;
    right = 28;
    bottom = 28;
}

void Toge::Update() {
    HurtPlayerOnContact();
}

UToge::UToge() : Toge(ChipRect(576, 0)) {
    left = 4;
    top = 4;
    right = 26;
    bottom = 28;
}
