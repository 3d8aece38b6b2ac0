#pragma once
// The root of every game object: life, draw/update order and update level.
#include <cstdint>
#include <string>
#include <vector>

class ObjectBase {
public:
    ObjectBase() = default;
    virtual ~ObjectBase() = default;
    ObjectBase(const ObjectBase&) = delete;
    ObjectBase& operator=(const ObjectBase&) = delete;

    virtual void Shift(float dx, float dy);
    virtual void Update();
    virtual void Draw();
    virtual void Remove();
    // No object handles messages; asking one is a programming error.
    virtual void OnMessage(const std::string& name, std::vector<std::string>& args);

    // Cheap class test used by the block collision walk.
    bool IsBlock() const { return isBlock_; }

    bool removed = false;
    bool asleep = false;
    int priority = 1000;
    bool alwaysActive = false;
    std::uint8_t level = 255;

protected:
    bool isBlock_ = false;
};
