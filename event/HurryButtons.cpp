#include "event/HurryButtons.h"

#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/myInput.h"

std::uint8_t ReadHurryButtons() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->input || (app->gameState && app->gameState->demo)) {
        return 0;
    }
    myInput& input = *app->input;
    std::uint8_t buttons = 0;
    if (input.KeyDown(input.shotKey) || input.PadButtonDown(input.padShot)) {
        buttons |= ButtonShot;
    }
    if (input.KeyDown(input.subKey) || input.PadButtonDown(input.padSub)) {
        buttons |= ButtonSub;
    }
    return buttons;
}
