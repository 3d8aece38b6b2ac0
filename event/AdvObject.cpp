#include "event/AdvObject.h"

#include "app/VrelsSkarovApp.h"
#include "event/Black.h"
#include "event/DialogueScripts.h"
#include "event/HurryButtons.h"
#include "event/MessObject.h"
#include "lib/myInput.h"

AdvObject::AdvObject() {
    priority = 50;
    level = 105;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->objects) {
        black = app->objects->Add(new Black());
    }
    if (app) {
        app->SendMessage("adv", {"start"});
    }
}

AdvObject::~AdvObject() = default;

void AdvObject::Update() {
    const std::uint8_t held = ReadHurryButtons() & (ButtonShot | ButtonSub);
    if (!buttonsReleased && held == 0) {
        buttonsReleased = true;
    }
    const bool hurry = buttonsReleased && held != 0;
    if (hurry) {
        for (const auto& line : lines.Objects()) {
            if (auto* mess = dynamic_cast<MessObject*>(line.get())) {
                mess->fast = true;
            }
        }
        for (StandObject& portrait : portraits) {
            portrait.fast = true;
        }
    }

    for (StandObject& portrait : portraits) {
        if (!portrait.removed) {
            portrait.Update();
        }
    }
    lines.UpdateAll();

    if (!commands.empty()) {
        Command& first = commands.front();
        if (hurry) {
            first.Hurry();
        }
        first.Execute(*this);
        if (first.done) {
            commands.pop_front();
        }
    }
    if (commands.empty()) {
        Remove();
    }
}

void AdvObject::Draw() {
    for (StandObject& portrait : portraits) {
        if (!portrait.removed) {
            portrait.Draw();
        }
    }
    lines.DrawAll();
}

void AdvObject::Remove() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (auto veil = black.lock()) {
        veil->Remove();
    }
    removed = true;
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance()) {
        app->SendMessage("adv", {"end"});
    }
}

void AdvObject::Push(Command* command) {
    commands.push_back(command);
}

void AdvObject::AddStand(const std::string& picture, int side) {
    Push(new StandCommand(picture, side));
    Push(new WaitCommand(StandWait));
}

void AdvObject::AddMessage(const std::string& picture, int side) {
    Push(new MessCommand(picture, side));
    Push(new WaitCommand(MessageWait));
}

void AdvObject::AddKick(int side) {
    Push(new KickCommand(side));
}

void AdvObject::AddWait(int frames) {
    Push(new WaitCommand(frames));
}

void AdvObject::AddSend(const std::string& message) {
    Push(new MessageCommand(message));
}

void AdvObject::AddSteps(const std::vector<DialogueStep>& steps) {
    for (const DialogueStep& step : steps) {
        switch (step.kind) {
        case DialogueStep::Stand:
            AddStand(step.picture, step.value);
            break;
        case DialogueStep::Message:
            AddMessage(step.picture, step.value);
            break;
        case DialogueStep::Kick:
            AddKick(step.value);
            break;
        case DialogueStep::Wait:
            AddWait(step.value);
            break;
        }
    }
}

void AdvObject::ShowLine(const std::string& picture, int side) {
    lines.Add(new MessObject(picture, side));
}

void AdvObject::ShowPortrait(const std::string& picture, int side) {
    portraits.push_back(new StandObject(picture, side));
}

void AdvObject::KickPortraits(int side) {
    for (StandObject& portrait : portraits) {
        if (portrait.side == side) {
            portrait.Leave();
        }
    }
}
