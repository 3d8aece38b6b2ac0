#include "lib/myDxGraphics.h"

#include "app/IniFile.h"

myDxGraphics::myDxGraphics(const std::string& settingsPath) {
    using vrels::IniReadInt;
    using vrels::IniReadString;
    fullScreen = IniReadString(settingsPath, "Graphics", "FullScreen", "1") != "0";
    const int bits =
        vrels::ParseLeadingInt(IniReadString(settingsPath, "Graphics", "ColorBit", "16"), 0);
    colourBits = bits == 16 ? 16 : 32;
    tripleBuffering = IniReadString(settingsPath, "Graphics", "TripleBuffering", "1") != "0";
    vsyncSetting_ = IniReadString(settingsPath, "Graphics", "Vsync", "1");
    pacingMode = vsyncSetting_ == "0" ? vrels::PacingTimer : vrels::PacingVSync;
    vsyncNextStart_ = vsyncSetting_ != "0";
    windowScale_ = IniReadInt(settingsPath, "Graphics", "WindowScale", 1);
    if (windowScale_ < 1) {
        windowScale_ = 1;
    }
    if (windowScale_ > 8) {
        windowScale_ = 8;
    }
}
