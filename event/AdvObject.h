#pragma once
// A conversation: a queue of commands run one after another. Portraits slide
// in from the sides, lines of dialogue rise through the screen over a
// half-transparent black veil, pauses wait, and the last command tells the
// stage what comes next. While it runs the stage updates only objects of
// level 105 or less, so the world stands still behind it.
//
// Holding Shot or Jump hurries everything eightfold, but only after the
// buttons have been released once since the conversation began.
#include "event/Command.h"
#include "event/StandObject.h"
#include "object/ObjectManager.h"

#include <boost/ptr_container/ptr_deque.hpp>
#include <boost/ptr_container/ptr_vector.hpp>
#include <memory>
#include <string>

class Black;
struct DialogueStep;

class AdvObject : public ObjectBase {
public:
    static constexpr int StandWait = 10;
    static constexpr int MessageWait = 180;

    // Adds the veil to the stage's objects and tells the scene that an event runs.
    AdvObject();
    ~AdvObject() override;

    void Update() override;
    void Draw() override;
    // Ends the event: the veil goes and the scene hears "adv" "end".
    void Remove() override;

    // Script building.
    void AddStand(const std::string& picture, int side);
    void AddMessage(const std::string& picture, int side);
    void AddKick(int side);
    void AddWait(int frames);
    void AddSend(const std::string& message);
    void AddSteps(const std::vector<DialogueStep>& steps);
    // Appends a command and owns it from then on; a null command is refused
    // with boost::bad_pointer ("Null pointer in 'push_back()'").
    void Push(Command* command);

    // What the commands do.
    void ShowLine(const std::string& picture, int side);
    void ShowPortrait(const std::string& picture, int side);
    void KickPortraits(int side);

    std::weak_ptr<Black> black;
    boost::ptr_deque<Command> commands;
    boost::ptr_vector<StandObject> portraits;
    ObjectManager lines; // the MessObjects
    bool buttonsReleased = false;

private:
    bool ended_ = false;
};
