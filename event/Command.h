#pragma once
// One step of a conversation. The event runs the first command of its queue
// each frame until the command says it is done.
#include <string>

class AdvObject;

class Command {
public:
    Command() = default;
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // One frame of work on the event that runs the command.
    virtual void Execute(AdvObject& event) = 0;
    virtual void Finish() { done = true; }
    // The player holds a button: go faster this frame.
    virtual void Hurry() {}

    bool done = false;
};

// Waits a number of frames; hurried frames count eight.
class WaitCommand : public Command {
public:
    static constexpr int HurriedStep = 8;

    explicit WaitCommand(int frames) : framesLeft(frames) {}
    void Execute(AdvObject& event) override;
    void Hurry() override { hurried = true; }

    int framesLeft;
    bool hurried = false;
};

// Sends a message without parameters to the current stage scene.
class MessageCommand : public Command {
public:
    explicit MessageCommand(std::string name) : message(std::move(name)) {}
    void Execute(AdvObject& event) override;

    std::string message;
};

// Starts one line of dialogue rising through the screen.
class MessCommand : public Command {
public:
    MessCommand(std::string picture, int side) : picture(std::move(picture)), side(side) {}
    void Execute(AdvObject& event) override;

    std::string picture;
    int side;
};

// Slides a speaker's portrait in.
class StandCommand : public Command {
public:
    StandCommand(std::string picture, int side) : picture(std::move(picture)), side(side) {}
    void Execute(AdvObject& event) override;

    std::string picture;
    int side;
};

// Sends every portrait on one side away.
class KickCommand : public Command {
public:
    explicit KickCommand(int side) : side(side) {}
    void Execute(AdvObject& event) override;

    int side;
};
