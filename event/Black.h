#pragma once
// The half-transparent black veil behind a conversation.
#include "object/ObjectBase.h"

class Black : public ObjectBase {
public:
    static constexpr float Alpha = 0.5f;

    Black();
    void Draw() override;
};
