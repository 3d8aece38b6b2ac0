#include "ConversationMock.h"

#include "TgaSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace storygen {
namespace {

constexpr int kScreenW = 640, kScreenH = 480;
// Frames after a line appears at which its screen is taken: it has just
// entered the reading band and the line before it is still readable above
// it, so the screen shows how close two lines come.
constexpr int kShotDelay = 60;

class PictureCache {
public:
    explicit PictureCache(std::string gameDir) : gameDir_(std::move(gameDir)) {}

    // The picture, or a loud magenta box when it is missing, so a mock-up
    // shows the gap instead of failing.
    cairo_surface_t* Get(const std::string& relative, int fallbackW, int fallbackH) {
        auto it = pictures_.find(relative);
        if (it != pictures_.end()) {
            return it->second.get();
        }
        std::string error;
        artgen::SurfacePtr surface = ReadTgaSurface(gameDir_ + "/" + relative, error);
        if (!surface) {
            std::fprintf(stderr, "vrels-storygen: mock-up: %s\n", error.c_str());
            artgen::Canvas box(fallbackW, fallbackH);
            cairo_set_source_rgba(box.Context(), 1.0, 0.0, 1.0, 0.8);
            cairo_paint(box.Context());
            surface.reset(cairo_surface_reference(box.Surface()));
        }
        cairo_surface_t* raw = surface.get();
        pictures_[relative] = std::move(surface);
        return raw;
    }

private:
    std::string gameDir_;
    std::map<std::string, artgen::SurfacePtr> pictures_;
};

struct Portrait {
    cairo_surface_t* picture;
    Side side;
    double x, target, alpha = 0.0;
    bool arrived = false, leaving = false, gone = false;
};

struct RisingLine {
    cairo_surface_t* picture;
    double x, y = 480.0, alpha = 0.0;
    bool gone = false;
};

// The conversation screen, stepped one game frame at a time.
class Playback {
public:
    Playback(const Conversation& conversation, PictureCache& pictures)
        : pictures_(pictures), steps_(conversation.steps.begin(), conversation.steps.end()) {
        // Portraits and lines are each followed by their reading pause.
        std::deque<Step> expanded;
        for (const Step& step : steps_) {
            expanded.push_back(step);
            if (step.kind == Step::Kind::Stand) {
                expanded.push_back({Step::Kind::Wait, "", Side::Left, 10});
            } else if (step.kind == Step::Kind::Line) {
                expanded.push_back({Step::Kind::Wait, "", Side::Left, 180});
            }
        }
        steps_ = std::move(expanded);
    }

    bool Finished() const { return steps_.empty(); }

    // One frame: portraits, then lines, then the first step. Returns the
    // name of a line that appeared this frame, if any.
    std::string Update() {
        for (Portrait& p : portraits_) {
            UpdatePortrait(p);
        }
        for (RisingLine& l : lines_) {
            UpdateLine(l);
        }
        lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                    [](const RisingLine& l) { return l.gone; }),
                     lines_.end());
        if (steps_.empty()) {
            return "";
        }
        Step& step = steps_.front();
        std::string appeared;
        bool done = true;
        switch (step.kind) {
        case Step::Kind::Stand: {
            const bool left = step.side == Side::Left;
            Portrait p{pictures_.Get("adv/" + step.picture + ".tga", 260, 440), step.side,
                       left ? 40.0 : 600.0, left ? 140.0 : 500.0};
            portraits_.push_back(p);
            break;
        }
        case Step::Kind::Line:
            lines_.push_back({pictures_.Get("adv/" + step.picture + ".tga", 300, 40),
                              step.side == Side::Left ? 50.0 : 320.0});
            appeared = step.picture;
            break;
        case Step::Kind::Kick:
            for (Portrait& p : portraits_) {
                if (p.side == step.side) {
                    p.leaving = true;
                }
            }
            break;
        case Step::Kind::Wait:
            step.frames -= 1;
            done = step.frames <= 0;
            break;
        }
        if (done) {
            steps_.pop_front();
        }
        return appeared;
    }

    void Draw(cairo_t* cr) const {
        for (const Portrait& p : portraits_) {
            if (p.gone) {
                continue;
            }
            const double w = cairo_image_surface_get_width(p.picture);
            const double h = cairo_image_surface_get_height(p.picture);
            cairo_set_source_surface(cr, p.picture, std::floor(p.x - w / 2.0),
                                     std::floor(240.0 - h / 2.0));
            cairo_paint_with_alpha(cr, p.alpha);
        }
        for (const RisingLine& l : lines_) {
            cairo_set_source_surface(cr, l.picture, l.x, std::floor(l.y));
            cairo_paint_with_alpha(cr, l.alpha);
        }
    }

private:
    static void UpdatePortrait(Portrait& p) {
        const double toward = p.side == Side::Left ? 1.0 : -1.0;
        if (!p.arrived) {
            p.alpha = std::min(p.alpha + 0.05, 1.0);
            p.x += toward * 5.0;
            if ((p.x - p.target) * toward >= 0.0) {
                p.x = p.target;
            }
            p.arrived = p.x == p.target && p.alpha >= 1.0;
        }
        if (p.leaving) {
            p.x -= toward * 10.0;
            p.alpha = std::max(p.alpha - 0.1, 0.0);
            p.gone = p.gone || p.alpha <= 0.0;
        }
    }

    static void UpdateLine(RisingLine& l) {
        if (l.y > 300.0) {
            l.y -= 8.0;
            l.alpha = std::min(l.alpha + 0.04, 1.0);
        } else if (l.y < 180.0) {
            l.y -= 8.0;
            l.alpha = std::max(l.alpha - 0.04, 0.0);
        } else {
            l.y -= 0.5;
            l.alpha = 1.0;
        }
        l.gone = l.y < -32.0;
    }

    PictureCache& pictures_;
    std::deque<Step> steps_;
    std::vector<Portrait> portraits_;
    std::vector<RisingLine> lines_;
};

// The stage backdrop behind each conversation, as the boss stages use them.
std::string BackdropFor(const std::string& conversation) {
    if (conversation.rfind("Stage3", 0) == 0) {
        return "gfx/bg/bg5.tga";
    }
    if (conversation.rfind("Stage5", 0) == 0) {
        return "gfx/bg/bg6.tga";
    }
    return "gfx/bg/bg4.tga";
}

std::unique_ptr<artgen::Canvas> Screen(const Playback& playback, cairo_surface_t* backdrop) {
    auto screen = std::make_unique<artgen::Canvas>(kScreenW, kScreenH);
    cairo_t* cr = screen->Context();
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, backdrop, -320.0, -240.0);
    cairo_paint(cr);
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.5); // the veil
    cairo_paint(cr);
    playback.Draw(cr);
    artgen::CheckCairo(cr, "drawing a conversation screen");
    return screen;
}

void WriteSheet(const std::string& path,
                const std::vector<std::unique_ptr<artgen::Canvas>>& shots) {
    const int columns = 2;
    const int rows = static_cast<int>((shots.size() + columns - 1) / columns);
    artgen::Canvas sheet(kScreenW * columns + 8, kScreenH * rows + 4 * (rows + 1));
    cairo_t* cr = sheet.Context();
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_paint(cr);
    for (size_t i = 0; i < shots.size(); ++i) {
        const int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        cairo_set_source_surface(cr, shots[i]->Surface(), 4 + col * kScreenW,
                                 4 + row * (kScreenH + 4));
        cairo_paint(cr);
    }
    if (cairo_surface_write_to_png(sheet.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

int WriteConversationMocks(const Story& story, const std::string& gameDir,
                           const std::string& mockDir) {
    std::error_code error;
    std::filesystem::create_directories(mockDir, error);
    if (error) {
        throw std::runtime_error("cannot create " + mockDir + ": " + error.message());
    }
    PictureCache pictures(gameDir);
    int sheets = 0;
    for (const Conversation& conversation : story.conversations) {
        int page = 0;
        std::string tag = conversation.name;
        std::replace(tag.begin(), tag.end(), ':', '_');
        cairo_surface_t* backdrop = pictures.Get(BackdropFor(conversation.name), 1280, 960);
        Playback playback(conversation, pictures);
        std::vector<int> shotFrames;
        std::vector<std::unique_ptr<artgen::Canvas>> shots;
        auto flush = [&](bool all) {
            while (shots.size() >= 4 || (all && !shots.empty())) {
                const size_t take = std::min<size_t>(4, shots.size());
                std::vector<std::unique_ptr<artgen::Canvas>> shotsOfPage;
                for (size_t i = 0; i < take; ++i) {
                    shotsOfPage.push_back(std::move(shots[i]));
                }
                shots.erase(shots.begin(), shots.begin() + static_cast<long>(take));
                char number[16];
                std::snprintf(number, sizeof number, "%02d", ++page);
                WriteSheet(mockDir + "/mock_" + tag + "_" + number + ".png", shotsOfPage);
                ++sheets;
            }
        };
        for (int frame = 0; !playback.Finished() || !shotFrames.empty(); ++frame) {
            if (!playback.Update().empty()) {
                shotFrames.push_back(frame + kShotDelay);
            }
            if (!shotFrames.empty() && (shotFrames.front() == frame || playback.Finished())) {
                shotFrames.erase(shotFrames.begin());
                shots.push_back(Screen(playback, backdrop));
                flush(false);
            }
        }
        flush(true);
    }
    return sheets;
}

} // namespace storygen
