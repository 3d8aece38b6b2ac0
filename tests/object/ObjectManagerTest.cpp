#include "object/ObjectManager.h"
#include "object/ViewObject.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Records its name in a shared log on every update and draw.
class Probe : public ViewObject {
public:
    Probe(std::vector<std::string>* log, std::string name, int prio, int lvl = 255)
        : log_(log), name_(std::move(name)) {
        priority = prio;
        level = static_cast<std::uint8_t>(lvl);
    }
    void Update() override {
        log_->push_back("u:" + name_);
        if (onUpdate) {
            onUpdate();
        }
    }
    void Draw() override { log_->push_back("d:" + name_); }
    std::function<void()> onUpdate;

private:
    std::vector<std::string>* log_;
    std::string name_;
};

std::vector<int> Priorities(const ObjectManager& m) {
    std::vector<int> p;
    for (const auto& o : m.Objects()) {
        p.push_back(o->priority);
    }
    return p;
}

} // namespace

TEST(ObjectManager, OrdersByPriorityNewestFirstAmongEquals) {
    ObjectManager m;
    std::vector<std::string> log;
    m.Add(new Probe(&log, "a", 5));
    m.Add(new Probe(&log, "b", 7));
    m.Add(new Probe(&log, "c", 5));
    EXPECT_EQ(Priorities(m), (std::vector<int>{7, 5, 5}));
    m.UpdateAll();
    EXPECT_EQ(log, (std::vector<std::string>{"u:b", "u:c", "u:a"}));
}

TEST(ObjectManager, RemovedObjectsAreDroppedByTheNextPassThatReachesThem) {
    ObjectManager m;
    std::vector<std::string> log;
    auto first = m.Add(new Probe(&log, "first", 10));
    auto second = m.Add(new Probe(&log, "second", 5));
    // The later object removes the earlier one during the update pass: it stays
    // listed (and visible to walkers) until the draw pass drops it.
    second->onUpdate = [&] { first->Remove(); };
    m.UpdateAll();
    EXPECT_EQ(m.Count(), 2u);
    log.clear();
    m.DrawAll();
    EXPECT_EQ(log, (std::vector<std::string>{"d:second"}));
    EXPECT_EQ(m.Count(), 1u);

    // An object removing itself is never drawn again.
    second->onUpdate = [&] { second->Remove(); };
    m.UpdateAll();
    log.clear();
    m.DrawAll();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(m.Count(), 0u);
}

TEST(ObjectManager, UpdateUpToFiltersByLevelButDropsRemovedOfAnyLevel) {
    ObjectManager m;
    std::vector<std::string> log;
    m.Add(new Probe(&log, "low", 10, 100));
    m.Add(new Probe(&log, "high", 9, 200));
    auto gone = m.Add(new Probe(&log, "gone", 8, 250));
    gone->Remove();
    m.UpdateUpTo(100);
    EXPECT_EQ(log, (std::vector<std::string>{"u:low"}));
    EXPECT_EQ(m.Count(), 2u);
    log.clear();
    m.UpdateUpTo(255); // levels compare as unsigned bytes
    EXPECT_EQ(log, (std::vector<std::string>{"u:low", "u:high"}));
}

TEST(ObjectManager, InterruptEndsThePassAfterTheNextLiveElement) {
    ObjectManager m;
    std::vector<std::string> log;
    auto removed = m.Add(new Probe(&log, "removed", 10));
    m.Add(new Probe(&log, "a", 9));
    m.Add(new Probe(&log, "b", 8));
    removed->Remove();
    m.Interrupt();
    m.UpdateAll();
    EXPECT_EQ(log, (std::vector<std::string>{"u:a"}));
    EXPECT_EQ(m.Count(), 2u);
    EXPECT_FALSE(m.interrupted);

    // Interrupt from inside an update ends the pass right after that object.
    log.clear();
    auto a = std::static_pointer_cast<Probe>(m.Objects().front());
    a->onUpdate = [&] { m.Interrupt(); };
    m.UpdateAll();
    EXPECT_EQ(log, (std::vector<std::string>{"u:a"}));
}

TEST(ObjectManager, ObjectsAddedDuringAPassRunOnlyWhenTheyLandAfterTheCurrentOne) {
    ObjectManager m;
    std::vector<std::string> log;
    auto parent = m.Add(new Probe(&log, "parent", 900));
    bool spawned = false;
    parent->onUpdate = [&] {
        if (spawned) {
            return;
        }
        spawned = true;
        m.Add(new Probe(&log, "lower", 800));
        m.Add(new Probe(&log, "equal", 900));
        m.Add(new Probe(&log, "higher", 1000));
    };
    m.UpdateAll();
    EXPECT_EQ(log, (std::vector<std::string>{"u:parent", "u:lower"}));
}

TEST(ObjectManager, AsleepObjectsAreSkippedButStillShifted) {
    ObjectManager m;
    std::vector<std::string> log;
    auto p = m.Add(new Probe(&log, "p", 1));
    p->SetPosition(700, 0);
    EXPECT_TRUE(p->asleep);
    m.UpdateAll();
    m.DrawAll();
    EXPECT_TRUE(log.empty());
    m.ShiftAll(-100, 0); // the scroll wakes it
    EXPECT_FALSE(p->asleep);
    EXPECT_FLOAT_EQ(p->x, 600);
    m.Clear();
    EXPECT_EQ(m.Count(), 0u);
}

TEST(ViewObject, SleepBordersAreStrict) {
    ViewObject o;
    o.SetPosition(672, 0);
    EXPECT_FALSE(o.asleep);
    o.SetPosition(672.5f, 0);
    EXPECT_TRUE(o.asleep);
    o.SetPosition(-32, 512);
    EXPECT_FALSE(o.asleep);
    o.SetPosition(0, 512.5f);
    EXPECT_TRUE(o.asleep);
    o.MoveTo(100, 100); // no test: stays asleep
    EXPECT_TRUE(o.asleep);
    o.Shift(0, 0);
    EXPECT_FALSE(o.asleep);

    ViewObject always;
    always.alwaysActive = true;
    always.SetPosition(5000, 5000);
    EXPECT_FALSE(always.asleep);
}

TEST(ViewObject, RemoveIfOutsideUsesTruncatedHalfSizes) {
    ViewObject o;
    o.width = 17; // half width 8
    o.MoveTo(-40.5f, 100);
    o.RemoveIfOutside();
    EXPECT_TRUE(o.removed); // -40.5 + 8 < -32
    ViewObject p;
    p.width = 17;
    p.MoveTo(-40, 100);
    p.RemoveIfOutside();
    EXPECT_FALSE(p.removed); // -40 + 8 == -32 is not outside
}

TEST(ObjectBase, MessagesAreAnError) {
    ObjectBase o;
    std::vector<std::string> args;
    EXPECT_THROW(o.OnMessage("x", args), std::runtime_error);
}
