#include "world/Tekyu.h"

#include "world/Block.h"

#include <cmath>

Tekyu::Tekyu() : Tekyu(ChipRect(608, 0)) {}

Tekyu::Tekyu(const TexRect& chip) : DBlock(chip) {
    left = 12;
    top = 12;
    right = 20;
    bottom = 20;
}

void Tekyu::Update() {
    HurtPlayerOnContact();
}

VerticalTekyu::VerticalTekyu() : Tekyu(ChipRect(608, 32)) {}

void VerticalTekyu::SetPosition(float nx, float ny) {
    baseY = ny;
    Tekyu::SetPosition(nx, ny);
}

void VerticalTekyu::Shift(float dx, float dy) {
    if (!skipShift) {
        baseY += dy;
    }
    Tekyu::Shift(dx, dy);
}

void VerticalTekyu::Update() {
    phase += 0.015f;
    y = 64.0f * std::sin(phase) + baseY;
    HurtPlayerOnContact();
}
