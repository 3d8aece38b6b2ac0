#include "EndingMock.h"

#include "TgaSurface.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace storygen {
namespace {

artgen::SurfacePtr Load(const std::string& path) {
    std::string error;
    artgen::SurfacePtr surface = ReadTgaSurface(path, error);
    if (!surface) {
        throw std::runtime_error("ending mock-up: " + error);
    }
    return surface;
}

void Save(const artgen::Canvas& screen, const std::string& path) {
    if (cairo_surface_write_to_png(screen.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path);
    }
}

// Where everything stands after the given number of frames of the roll,
// with nobody pressing a button.
struct RollState {
    double backdropAlpha = 0.0, backdropX = 0.0, creditY = 480.0, pictureY = -1920.0;
};

RollState StateAt(int frames) {
    RollState s;
    bool fadedIn = false;
    for (int i = 0; i < frames; ++i) {
        if (!fadedIn) {
            s.backdropAlpha = std::min(s.backdropAlpha + 0.005, 1.0);
            fadedIn = s.backdropAlpha >= 1.0;
        } else if (s.backdropX < -540.0) {
            s.backdropAlpha = std::max(s.backdropAlpha - 0.002, 0.0);
        }
        s.creditY = std::max(s.creditY - 0.5, -1920.0);
        s.pictureY = std::min(s.pictureY + 0.5, 480.0);
        s.backdropX = std::max(s.backdropX - 0.125, -640.0);
    }
    return s;
}

} // namespace

int WriteEndingMocks(const std::string& gameDir, const std::string& mockDir) {
    const artgen::SurfacePtr backdrop = Load(gameDir + "/gfx/bg/bg5.tga");
    const artgen::SurfacePtr credit = Load(gameDir + "/gfx/end/credit.tga");
    const artgen::SurfacePtr senga = Load(gameDir + "/gfx/end/senga.tga");
    const artgen::SurfacePtr sale = Load(gameDir + "/gfx/end/sale.tga");
    int written = 0;
    for (const int frame : {300, 1200, 2400, 3600, 4800}) {
        const RollState s = StateAt(frame);
        artgen::Canvas screen(640, 480);
        cairo_t* cr = screen.Context();
        cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
        cairo_paint(cr);
        cairo_set_source_surface(cr, backdrop.get(), s.backdropX, -160.0);
        cairo_paint_with_alpha(cr, s.backdropAlpha);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source_surface(cr, senga.get(), 0.0, s.pictureY);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_set_source_surface(cr, credit.get(), 0.0, s.creditY);
        cairo_paint(cr);
        artgen::CheckCairo(cr, "drawing an ending screen");
        Save(screen, mockDir + "/ending_" + std::to_string(frame) + ".png");
        ++written;
    }
    artgen::Canvas trial(640, 480);
    cairo_set_source_surface(trial.Context(), sale.get(), 0.0, 0.0);
    cairo_paint(trial.Context());
    Save(trial, mockDir + "/trial_end.png");
    return written + 1;
}

} // namespace storygen
