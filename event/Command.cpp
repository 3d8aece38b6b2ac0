#include "event/Command.h"

#include "app/VrelsSkarovApp.h"
#include "event/AdvObject.h"

void WaitCommand::Execute(AdvObject& /*event*/) {
    framesLeft -= hurried ? HurriedStep : 1;
    hurried = false;
    if (framesLeft <= 0) {
        Finish();
    }
}

void MessageCommand::Execute(AdvObject& /*event*/) {
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance()) {
        app->SendMessage(message);
    }
    Finish();
}

void MessCommand::Execute(AdvObject& event) {
    event.ShowLine(picture, side);
    Finish();
}

void StandCommand::Execute(AdvObject& event) {
    event.ShowPortrait(picture, side);
    Finish();
}

void KickCommand::Execute(AdvObject& event) {
    event.KickPortraits(side);
    Finish();
}
