#pragma once
// The single owner of every live game object, kept in one list in descending
// priority: earlier objects are updated first and drawn furthest back.
#include "object/ObjectBase.h"

#include <cstdint>
#include <list>
#include <memory>

class ObjectManager : public ObjectBase {
public:
    using ObjectList = std::list<std::shared_ptr<ObjectBase>>;

    ObjectManager();

    void Shift(float dx, float dy) override { ShiftAll(dx, dy); }
    virtual void ShiftAll(float dx, float dy);
    virtual void UpdateAll();
    virtual void DrawAll();
    virtual void UpdateUpTo(std::uint8_t limit);
    virtual void Clear();

    // Takes ownership of a newly made object and inserts it by priority.
    template <typename T> std::shared_ptr<T> Add(T* object) {
        std::shared_ptr<T> handle(object);
        Insert(handle);
        return handle;
    }
    void Interrupt() { interrupted = true; }

    const ObjectList& Objects() const { return objects; }
    size_t Count() const { return objects.size(); }

    ObjectList objects;
    bool interrupted = false;

private:
    void Insert(std::shared_ptr<ObjectBase> object);
    void UpdatePass(bool limited, std::uint8_t limit);
};
