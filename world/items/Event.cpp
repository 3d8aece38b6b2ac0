#include "world/items/Event.h"

#include "app/VrelsSkarovApp.h"

Event::Event(std::string eventName) : name(std::move(eventName)) {
    width = 16;
    height = 16;
}

void Event::Update() {
    if (!Touched(27)) {
        return;
    }
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance()) {
        app->SendMessage("event", {name});
    }
    Remove();
}
