// Everything that can hurt the heroine must read at a glance on every stage
// backdrop: each frame of each enemy, boss, projectile and hazard chip is laid
// over every backdrop at its darkest and at its busiest spot, and the
// sprite's outermost ring of pixels must differ from the backdrop right
// under it by a luminance contrast of at least 3:1. The heroine's dress must
// also never share a colour with a boss.
#include "ColourMath.h"
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;

// A sheet of frames as the game cuts it: frame size and the grid of frames.
struct Sheet {
    const char* path;
    int frameW, frameH, columns, rows;
};

const Sheet kEnemySheets[] = {
    {"gfx/enemy/dummy.tga", 32, 32, 1, 1},
    {"gfx/enemy/brain.tga", 32, 32, 3, 1},
    {"gfx/enemy/met.tga", 32, 32, 3, 1},
    {"gfx/enemy/togezo.tga", 64, 64, 2, 1},
    {"gfx/enemy/monoeye.tga", 64, 64, 3, 1},
    {"gfx/enemy/ghost.tga", 64, 64, 3, 1},
    {"gfx/enemy/patapata.tga", 96, 96, 3, 1},
    {"gfx/enemy/death.tga", 64, 96, 3, 1},
    {"gfx/enemy/mecha.tga", 128, 96, 1, 3},
    {"gfx/enemy/marionette.tga", 64, 96, 2, 1},
    {"gfx/enemy/fireball.tga", 32, 32, 1, 1},
    {"gfx/enemy/knife.tga", 32, 16, 1, 1},
    {"gfx/enemy/beam.tga", 32, 8, 1, 1},
    {"gfx/enemy/burner.tga", 64, 32, 1, 3},
    {"gfx/enemy/guruguru.tga", 32, 32, 3, 1},
    {"gfx/enemy/fesbio_brain.tga", 96, 96, 3, 1},
    {"gfx/enemy/fesbio_snake.tga", 176, 192, 4, 1},
    {"gfx/enemy/marfes.tga", 128, 160, 5, 1},
    {"gfx/enemy/marfes2.tga", 640, 680, 2, 1},
};

const Sheet kBossSheets[] = {
    {"gfx/enemy/fesbio_brain.tga", 96, 96, 3, 1},
    {"gfx/enemy/fesbio_snake.tga", 176, 192, 4, 1},
    {"gfx/enemy/marfes.tga", 128, 160, 5, 1},
    {"gfx/enemy/marfes2.tga", 640, 680, 2, 1},
};

// The hazard chips of the map chip sheet (column, row of 32 x 32 cells).
struct Chip {
    const char* name;
    int column, row;
};
const Chip kHazardChips[] = {{"steel spikes pointing up", 17, 0},
                             {"steel spikes hanging down", 18, 0},
                             {"steel spike ball", 19, 0},
                             {"red spike ball", 19, 1}};

const char* const kBackdrops[] = {"gfx/bg/bg1.tga", "gfx/bg/bg2.tga", "gfx/bg/bg3.tga",
                                  "gfx/bg/bg4.tga", "gfx/bg/bg5.tga", "gfx/bg/bg6.tga"};

// The stages of worlds 2 to 5 and of the trial lay their world's haze (a
// half-transparent chip) over whichever backdrop the stage table gives them,
// so every backdrop is also checked under every world's full haze chip.
const Chip kHazes[] = {{"world 2 haze", 1, 28},
                       {"world 3 haze", 2, 29},
                       {"world 4 haze", 2, 19},
                       {"world 5 haze", 6, 10},
                       {"trial haze", 3, 25}};

constexpr double kMinContrast = 3.0;
constexpr double kMinDressDistance = 30.0;
constexpr int kSolid = 128; // alpha from which a pixel counts as part of the sprite

// A frame cut out of a sheet, with straight alpha.
struct Frame {
    std::string name;
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    uint8_t Alpha(int x, int y) const {
        if (x < 0 || y < 0 || x >= w || y >= h) {
            return 0;
        }
        return rgba[(static_cast<size_t>(y) * w + x) * 4 + 3];
    }
};

Frame CutFrame(const TgaImage& sheet, int x0, int y0, int w, int h, const std::string& name) {
    Frame frame;
    frame.name = name;
    frame.w = w;
    frame.h = h;
    frame.rgba.resize(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < 4; ++c) {
                frame.rgba[(static_cast<size_t>(y) * w + x) * 4 + c] = sheet.At(x0 + x, y0 + y, c);
            }
        }
    }
    return frame;
}

std::vector<Frame> FramesOf(const Sheet& sheet) {
    TgaImage image;
    std::string error;
    EXPECT_TRUE(ReadTga(kGameDir + "/" + sheet.path, image, error)) << sheet.path << ": " << error;
    std::vector<Frame> frames;
    if (image.width < sheet.frameW * sheet.columns || image.height < sheet.frameH * sheet.rows) {
        ADD_FAILURE() << sheet.path << " is smaller than its frames";
        return frames;
    }
    for (int row = 0; row < sheet.rows; ++row) {
        for (int column = 0; column < sheet.columns; ++column) {
            const int index = row * sheet.columns + column;
            frames.push_back(CutFrame(image, column * sheet.frameW, row * sheet.frameH,
                                      sheet.frameW, sheet.frameH,
                                      std::string(sheet.path) + " frame " + std::to_string(index)));
        }
    }
    return frames;
}

// Luminance of a backdrop with running sums, so any window's mean and
// spread come cheaply.
class LumaField {
public:
    explicit LumaField(const TgaImage& image)
        : w_(image.width), h_(image.height), lum_(static_cast<size_t>(w_) * h_),
          sum_(static_cast<size_t>(w_ + 1) * (h_ + 1)), sq_(sum_.size()) {
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                const double l =
                    colour::Luminance(image.At(x, y, 0), image.At(x, y, 1), image.At(x, y, 2));
                lum_[Index(x, y)] = l;
                sum_[Sum(x + 1, y + 1)] =
                    l + sum_[Sum(x, y + 1)] + sum_[Sum(x + 1, y)] - sum_[Sum(x, y)];
                sq_[Sum(x + 1, y + 1)] =
                    l * l + sq_[Sum(x, y + 1)] + sq_[Sum(x + 1, y)] - sq_[Sum(x, y)];
            }
        }
    }
    int Width() const { return w_; }
    int Height() const { return h_; }
    double Mean(int x, int y, int w, int h) const { return Box(sum_, x, y, w, h) / (w * h); }
    double Spread(int x, int y, int w, int h) const {
        const double mean = Mean(x, y, w, h);
        return std::max(0.0, Box(sq_, x, y, w, h) / (w * h) - mean * mean);
    }

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * w_ + x; }
    size_t Sum(int x, int y) const { return static_cast<size_t>(y) * (w_ + 1) + x; }
    double Box(const std::vector<double>& s, int x, int y, int w, int h) const {
        return s[Sum(x + w, y + h)] - s[Sum(x, y + h)] - s[Sum(x + w, y)] + s[Sum(x, y)];
    }
    int w_, h_;
    std::vector<double> lum_, sum_, sq_;
};

struct Spot {
    const char* kind;
    int x, y;
};

// The darkest and the busiest window of a frame's size on the backdrop.
std::vector<Spot> SpotsFor(const LumaField& field, int w, int h) {
    Spot darkest{"darkest", 0, 0}, busiest{"busiest", 0, 0};
    double lowest = 1e9, widest = -1.0;
    const int step = 8;
    for (int y = 0; y + h <= field.Height(); y += step) {
        for (int x = 0; x + w <= field.Width(); x += step) {
            const double mean = field.Mean(x, y, w, h);
            if (mean < lowest) {
                lowest = mean;
                darkest.x = x;
                darkest.y = y;
            }
            const double spread = field.Spread(x, y, w, h);
            if (spread > widest) {
                widest = spread;
                busiest.x = x;
                busiest.y = y;
            }
        }
    }
    return {darkest, busiest};
}

// How far each solid pixel lies inside the silhouette: 0 on the outer ring
// (a 4-neighbour is clear), 1 on the ring just inside it, and so on up to
// `deepest`; -1 for clear pixels and for those deeper still.
std::vector<int> RingDepths(const Frame& frame, int deepest) {
    std::vector<int> depth(static_cast<size_t>(frame.w) * frame.h, -1);
    auto at = [&](int x, int y) -> int {
        if (x < 0 || y < 0 || x >= frame.w || y >= frame.h) {
            return -2; // outside the frame counts as clear
        }
        return depth[static_cast<size_t>(y) * frame.w + x];
    };
    for (int ring = 0; ring <= deepest; ++ring) {
        std::vector<int> next = depth;
        for (int y = 0; y < frame.h; ++y) {
            for (int x = 0; x < frame.w; ++x) {
                if (frame.Alpha(x, y) < kSolid ||
                    depth[static_cast<size_t>(y) * frame.w + x] >= 0) {
                    continue;
                }
                const int outside = ring == 0 ? -2 : ring - 1;
                auto touches = [&](int nx, int ny) {
                    const int d = at(nx, ny);
                    return ring == 0 ? (d == -2 || frame.Alpha(nx, ny) < kSolid) : d == outside;
                };
                if (touches(x - 1, y) || touches(x + 1, y) || touches(x, y - 1) ||
                    touches(x, y + 1)) {
                    next[static_cast<size_t>(y) * frame.w + x] = ring;
                }
            }
        }
        depth = std::move(next);
    }
    return depth;
}

// The contrast between one ring of the frame (0: the outermost), laid over
// the backdrop at (bx, by), and the backdrop pixels under that ring.
double RingContrast(const Frame& frame, const TgaImage& backdrop, int bx, int by, int ring = 0) {
    const std::vector<int> depth = RingDepths(frame, ring);
    double ringSum = 0.0, backSum = 0.0;
    int count = 0;
    for (int y = 0; y < frame.h; ++y) {
        for (int x = 0; x < frame.w; ++x) {
            if (depth[static_cast<size_t>(y) * frame.w + x] != ring) {
                continue;
            }
            const int a = frame.Alpha(x, y);
            double mixed[3], back[3];
            for (int c = 0; c < 3; ++c) {
                back[c] = backdrop.At(bx + x, by + y, c);
                const double s = frame.rgba[(static_cast<size_t>(y) * frame.w + x) * 4 + c];
                mixed[c] = (s * a + back[c] * (255 - a)) / 255.0;
            }
            ringSum += colour::Luminance(mixed[0], mixed[1], mixed[2]);
            backSum += colour::Luminance(back[0], back[1], back[2]);
            ++count;
        }
    }
    if (count == 0) {
        return 0.0;
    }
    return colour::ContrastRatio(ringSum / count, backSum / count);
}

// The backdrop with a 32 x 32 chip laid over it again and again, as a stage
// lays its haze in every free cell.
TgaImage UnderHaze(const TgaImage& backdrop, const TgaImage& chips, int chipX, int chipY) {
    TgaImage out = backdrop;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const int a = chips.At(chipX + x % 32, chipY + y % 32, 3);
            for (int c = 0; c < 3; ++c) {
                const int over = chips.At(chipX + x % 32, chipY + y % 32, c);
                out.rgba[(static_cast<size_t>(y) * out.width + x) * 4 + c] =
                    static_cast<uint8_t>((over * a + backdrop.At(x, y, c) * (255 - a) + 127) / 255);
            }
        }
    }
    return out;
}

// Reads a picture of the game folder; a failure ends the calling test.
void ReadPicture(const std::string& path, TgaImage& image) {
    std::string error;
    ASSERT_TRUE(ReadTga(kGameDir + "/" + path, image, error)) << path << ": " << error;
}

class StandOut : public testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const char* path : kBackdrops) {
            TgaImage image;
            std::string error;
            ASSERT_TRUE(ReadTga(kGameDir + "/" + path, image, error)) << path << ": " << error;
            backdrops_.emplace(path, std::move(image));
        }
        TgaImage chips;
        ASSERT_NO_FATAL_FAILURE(ReadPicture("gfx/mapchip.tga", chips));
        std::map<std::string, TgaImage> hazed;
        for (const Chip& haze : kHazes) {
            for (const auto& [path, image] : backdrops_) {
                hazed.emplace(path + " under the " + haze.name,
                              UnderHaze(image, chips, haze.column * 32, haze.row * 32));
            }
        }
        backdrops_.merge(hazed);
    }
    static void TearDownTestSuite() { backdrops_.clear(); }

    // Every failing frame, backdrop and spot, one per line, for the rings
    // from the outermost to `deepestRing`.
    static std::string Shortfalls(const std::vector<Frame>& frames, int deepestRing = 0) {
        std::ostringstream report;
        for (const auto& [path, image] : backdrops_) {
            const LumaField field(image);
            std::map<std::pair<int, int>, std::vector<Spot>> spotsBySize;
            for (const Frame& frame : frames) {
                auto& spots = spotsBySize[{frame.w, frame.h}];
                if (spots.empty()) {
                    spots = SpotsFor(field, frame.w, frame.h);
                }
                for (const Spot& spot : spots) {
                    for (int ring = 0; ring <= deepestRing; ++ring) {
                        const double contrast = RingContrast(frame, image, spot.x, spot.y, ring);
                        if (contrast < kMinContrast) {
                            report << frame.name << " ring " << ring << " on " << path << " ("
                                   << spot.kind << " spot " << spot.x << "," << spot.y
                                   << "): " << contrast << ":1\n";
                        }
                    }
                }
            }
        }
        return report.str();
    }

    static std::map<std::string, TgaImage> backdrops_;
};

std::map<std::string, TgaImage> StandOut::backdrops_;

TEST_F(StandOut, EveryEnemyProjectileAndBossFrameOutlinesItselfOnEveryBackdrop) {
    std::vector<Frame> frames;
    for (const Sheet& sheet : kEnemySheets) {
        const std::vector<Frame> cut = FramesOf(sheet);
        frames.insert(frames.end(), cut.begin(), cut.end());
    }
    ASSERT_FALSE(frames.empty());
    const std::string shortfalls = Shortfalls(frames);
    EXPECT_TRUE(shortfalls.empty()) << "outer rings below " << kMinContrast << ":1\n" << shortfalls;
}

TEST_F(StandOut, EveryHazardChipOutlinesItselfOnEveryBackdrop) {
    TgaImage chips;
    ASSERT_NO_FATAL_FAILURE(ReadPicture("gfx/mapchip.tga", chips));
    std::vector<Frame> frames;
    for (const Chip& chip : kHazardChips) {
        frames.push_back(CutFrame(chips, chip.column * 32, chip.row * 32, 32, 32,
                                  std::string("chip ") +
                                      std::to_string(chip.column * 100 + chip.row) + " (" +
                                      chip.name + ")"));
    }
    const std::string shortfalls = Shortfalls(frames);
    EXPECT_TRUE(shortfalls.empty()) << "outer rings below " << kMinContrast << ":1\n" << shortfalls;
}

// The heroine's frames the game draws: (row, first column, count) of her
// sheet's 64 x 64 grid, the miss frame included.
struct CellRun {
    int row, column, count;
};
const CellRun kHeroineCells[] = {{0, 0, 3}, {0, 4, 3}, {1, 0, 9}, {2, 0, 3}, {2, 4, 3}, {3, 0, 5},
                                 {3, 6, 3}, {4, 0, 9}, {5, 0, 9}, {6, 0, 9}, {8, 0, 9}};

// Her dark dress and hair sank into the night forest behind a faint one-pixel
// rim: her rim must hold 3:1 over two rings, so it is wide enough to carry
// her outline on every backdrop.
TEST_F(StandOut, EveryHeroineFrameOutlinesHerselfOnEveryBackdrop) {
    TgaImage heroine;
    ASSERT_NO_FATAL_FAILURE(ReadPicture("gfx/mary/mary.tga", heroine));
    std::vector<Frame> frames;
    for (const CellRun& run : kHeroineCells) {
        for (int column = run.column; column < run.column + run.count; ++column) {
            frames.push_back(CutFrame(heroine, column * 64, run.row * 64, 64, 64,
                                      "heroine row " + std::to_string(run.row) + " column " +
                                          std::to_string(column)));
        }
    }
    const std::string shortfalls = Shortfalls(frames, 1);
    EXPECT_TRUE(shortfalls.empty()) << "rings below " << kMinContrast << ":1\n" << shortfalls;
}

// Whether a pixel lies within two pixels of the silhouette's edge: that band
// is the pale rim every sprite wears, not a colour of its own.
bool NearEdge(const Frame& frame, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (frame.Alpha(x + dx, y + dy) < 255) {
                return true;
            }
        }
    }
    return false;
}

// The colours that cover at least `share` of a frame's solid pixels, most
// common first, leaving out the shared near-black outline and the rim band:
// quantised to 8 levels a channel (so a fill and its cel shade mostly fall
// together), each bucket standing for the mean of its pixels.
std::vector<colour::Lab> MainColours(const Frame& frame, double share) {
    struct Bucket {
        double r = 0, g = 0, b = 0;
        int count = 0;
    };
    std::map<int, Bucket> buckets;
    int solid = 0;
    for (int y = 0; y < frame.h; ++y) {
        for (int x = 0; x < frame.w; ++x) {
            if (frame.Alpha(x, y) < 255 || NearEdge(frame, x, y)) {
                continue;
            }
            const uint8_t* p = &frame.rgba[(static_cast<size_t>(y) * frame.w + x) * 4];
            if (colour::ToLab(p[0], p[1], p[2]).l < 12.0) {
                continue; // outline ink
            }
            ++solid;
            Bucket& bucket = buckets[(p[0] >> 5) << 6 | (p[1] >> 5) << 3 | (p[2] >> 5)];
            bucket.r += p[0];
            bucket.g += p[1];
            bucket.b += p[2];
            ++bucket.count;
        }
    }
    std::vector<Bucket> common;
    for (const auto& entry : buckets) {
        if (entry.second.count >= share * solid) {
            common.push_back(entry.second);
        }
    }
    std::sort(common.begin(), common.end(),
              [](const Bucket& a, const Bucket& b) { return a.count > b.count; });
    std::vector<colour::Lab> main;
    for (const Bucket& bucket : common) {
        main.push_back(colour::ToLab(bucket.r / bucket.count, bucket.g / bucket.count,
                                     bucket.b / bucket.count));
    }
    return main;
}

TEST_F(StandOut, TheHeroinesDressNeverSharesABossColour) {
    // Her dress is the colour that covers most of her standing frame.
    TgaImage heroine;
    ASSERT_NO_FATAL_FAILURE(ReadPicture("gfx/mary/mary.tga", heroine));
    const Frame stand = CutFrame(heroine, 0, 0, 64, 64, "heroine");
    const std::vector<colour::Lab> dress = MainColours(stand, 0.15);
    ASSERT_FALSE(dress.empty()) << "no colour covers much of the heroine's standing frame";
    for (const Sheet& sheet : kBossSheets) {
        for (const Frame& frame : FramesOf(sheet)) {
            for (const colour::Lab& main : MainColours(frame, 0.08)) {
                EXPECT_GE(colour::DeltaE(dress[0], main), kMinDressDistance)
                    << frame.name << ": main colour L*a*b* (" << main.l << ", " << main.a << ", "
                    << main.b << ") is too close to the heroine's dress (" << dress[0].l << ", "
                    << dress[0].a << ", " << dress[0].b << ")";
            }
        }
    }
}

// Whether a colour is the saturated red of spilt blood: a hue within 15
// degrees of pure red, strongly saturated and not near black.
bool BloodRed(int r, int g, int b) {
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high < 80 || high != r || high - low < 0.6 * high) {
        return false;
    }
    const double hue = 60.0 * (g - b) / (high - low); // -60..60 around red
    return std::abs(hue) < 15.0;
}

// A defeated enemy pops in a white flash with warm outlined stars and a pale
// puff: from its opening to its peak, as the game draws it (alpha blended at
// 0.8), a good share of its pixels must hold 3:1 against the backdrop right
// under them on every backdrop: the pale parts on dark stone and night sky,
// the dark outlines where it bursts over the pale moon, where white cannot
// stand out. No frame may splash blood red.
TEST_F(StandOut, TheDefeatPopFlashesBrightAndSpillsNoRed) {
    constexpr double kDrawAlpha = 0.8;
    constexpr double kMinShareApart = 0.3;
    const Sheet pop{"gfx/blood.tga", 96, 96, 8, 2};
    const std::vector<Frame> frames = FramesOf(pop);
    ASSERT_EQ(frames.size(), 16u);
    for (const Frame& frame : frames) {
        int solid = 0, red = 0;
        for (size_t i = 0; i < frame.rgba.size(); i += 4) {
            if (frame.rgba[i + 3] >= kSolid) {
                ++solid;
                red += BloodRed(frame.rgba[i], frame.rgba[i + 1], frame.rgba[i + 2]) ? 1 : 0;
            }
        }
        EXPECT_LE(red, solid / 100) << frame.name << ": " << red << " blood-red pixels";
    }
    for (const auto& [path, image] : backdrops_) {
        const LumaField field(image);
        for (const Spot& spot : SpotsFor(field, pop.frameW, pop.frameH)) {
            for (int index = 1; index <= 3; ++index) {
                const Frame& frame = frames[index];
                int solid = 0, apart = 0;
                for (int y = 0; y < frame.h; ++y) {
                    for (int x = 0; x < frame.w; ++x) {
                        if (frame.Alpha(x, y) < kSolid) {
                            continue;
                        }
                        const double a = kDrawAlpha * frame.Alpha(x, y) / 255.0;
                        double mixed[3], back[3];
                        for (int c = 0; c < 3; ++c) {
                            back[c] = image.At(spot.x + x, spot.y + y, c);
                            mixed[c] =
                                frame.rgba[(static_cast<size_t>(y) * frame.w + x) * 4 + c] * a +
                                back[c] * (1.0 - a);
                        }
                        ++solid;
                        apart += colour::ContrastRatio(
                                     colour::Luminance(mixed[0], mixed[1], mixed[2]),
                                     colour::Luminance(back[0], back[1], back[2])) >= kMinContrast
                                     ? 1
                                     : 0;
                    }
                }
                ASSERT_GT(solid, 0) << frame.name << " is empty";
                EXPECT_GE(apart, kMinShareApart * solid)
                    << frame.name << " on " << path << " (" << spot.kind << " spot " << spot.x
                    << "," << spot.y << "): " << apart << " of " << solid << " pixels stand apart";
            }
        }
    }
}

// The window of a picture's size where red stands out most over green and
// blue: on the throne room, the throne's tall back and the carpet.
Spot ReddestSpot(const TgaImage& image, int w, int h) {
    Spot reddest{"reddest", 0, 0};
    double most = -1e9;
    for (int y = 0; y + h <= image.height; y += 16) {
        for (int x = 0; x + w <= image.width; x += 16) {
            double redness = 0.0;
            for (int dy = 0; dy < h; dy += 4) {
                for (int dx = 0; dx < w; dx += 4) {
                    redness += image.At(x + dx, y + dy, 0) -
                               0.5 * (image.At(x + dx, y + dy, 1) + image.At(x + dx, y + dy, 2));
                }
            }
            if (redness > most) {
                most = redness;
                reddest.x = x;
                reddest.y = y;
            }
        }
    }
    return reddest;
}

// The last boss's first form fights in front of the throne room's wine-red
// throne and carpet: her rim must carry her outline at 3:1 over two rings
// there too, and her body inside it must be clearly lighter than the red
// behind it, or the game's see-through drawing melts the two together (her
// darker crimson and gown held only 2.7:1 on average there).
TEST_F(StandOut, TheSorceressStandsApartFromTheThroneBehindHer) {
    constexpr double kMinBodyContrast = 3.5;
    const Sheet sorceress{"gfx/enemy/marfes.tga", 128, 160, 5, 1};
    const TgaImage& throneRoom = backdrops_.at("gfx/bg/bg6.tga");
    const Spot spot = ReddestSpot(throneRoom, sorceress.frameW, sorceress.frameH);
    for (const Frame& frame : FramesOf(sorceress)) {
        for (int ring = 0; ring <= 1; ++ring) {
            EXPECT_GE(RingContrast(frame, throneRoom, spot.x, spot.y, ring), kMinContrast)
                << frame.name << " ring " << ring << " on the throne room's reddest spot " << spot.x
                << "," << spot.y;
        }
        // inside the rim, her body as a whole must differ from the red behind it
        const std::vector<int> depth = RingDepths(frame, 3);
        double bodySum = 0.0, backSum = 0.0;
        int count = 0;
        for (int y = 0; y < frame.h; ++y) {
            for (int x = 0; x < frame.w; ++x) {
                if (frame.Alpha(x, y) < 255 || depth[static_cast<size_t>(y) * frame.w + x] != -1) {
                    continue;
                }
                const uint8_t* p = &frame.rgba[(static_cast<size_t>(y) * frame.w + x) * 4];
                bodySum += colour::Luminance(p[0], p[1], p[2]);
                backSum += colour::Luminance(throneRoom.At(spot.x + x, spot.y + y, 0),
                                             throneRoom.At(spot.x + x, spot.y + y, 1),
                                             throneRoom.At(spot.x + x, spot.y + y, 2));
                ++count;
            }
        }
        ASSERT_GT(count, 0) << frame.name;
        EXPECT_GE(colour::ContrastRatio(bodySum / count, backSum / count), kMinBodyContrast)
            << frame.name << ": her body melts into the throne room's red";
    }
}

// The catacomb backdrop stands behind three boss fights: the detail in its
// niches (skulls, stacked bones, a crypt gate) must not lift the part of the
// picture a one-screen map shows, its lower half. Its brightest pixel and
// the spread of its luminance stay at or under what the plain backdrop had
// (0.057 and 0.0075 in linear luminance when its skull shelves were flat
// blobs; 0.049 and 0.0065 now).
TEST_F(StandOut, TheCatacombStaysCalmBehindPlay) {
    constexpr double kMaxBrightest = 0.057, kMaxSpread = 0.0075;
    const TgaImage& catacomb = backdrops_.at("gfx/bg/bg4.tga");
    const LumaField field(catacomb);
    const int top = catacomb.height / 2, height = catacomb.height - top;
    double brightest = 0.0;
    for (int y = top; y < catacomb.height; ++y) {
        for (int x = 0; x < catacomb.width; ++x) {
            brightest = std::max(brightest, field.Mean(x, y, 1, 1));
        }
    }
    const double spread = std::sqrt(field.Spread(0, top, catacomb.width, height));
    EXPECT_LE(brightest, kMaxBrightest) << "the catacomb's play band has a brighter pixel";
    EXPECT_LE(spread, kMaxSpread) << "the catacomb's play band is busier";
}

// Worlds 3 and 4 build in grey and blue stone over backdrops of much the same
// value; under a pale haze the ledges melted into the scenery behind them
// (players called both worlds muddy). Their hazes are deep now, so a ledge's
// face stands clearly brighter than the play band of every backdrop their
// stages use: 1.6 to 1.9:1 on average (1.3 to 1.6:1 under the pale hazes).
TEST_F(StandOut, TheStoneOfWorldsThreeAndFourStandsApartFromTheHazedBackdrop) {
    constexpr double kMinFaceContrast = 1.55;
    struct World {
        const char* haze;
        Chip face;
        std::vector<const char*> backdrops;
    };
    const World worlds[] = {
        {"world 3 haze",
         {"world 3 stone face", 2, 6},
         {"gfx/bg/bg1.tga", "gfx/bg/bg2.tga", "gfx/bg/bg3.tga", "gfx/bg/bg4.tga",
          "gfx/bg/bg5.tga"}},
        {"world 4 haze",
         {"world 4 stone face", 6, 3},
         {"gfx/bg/bg1.tga", "gfx/bg/bg4.tga", "gfx/bg/bg5.tga"}},
    };
    TgaImage chips;
    ASSERT_NO_FATAL_FAILURE(ReadPicture("gfx/mapchip.tga", chips));
    for (const World& world : worlds) {
        double face = 0.0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const int cx = world.face.column * 32 + x, cy = world.face.row * 32 + y;
                face += colour::Luminance(chips.At(cx, cy, 0), chips.At(cx, cy, 1),
                                          chips.At(cx, cy, 2));
            }
        }
        face /= 32 * 32;
        for (const char* path : world.backdrops) {
            const TgaImage& hazed = backdrops_.at(std::string(path) + " under the " + world.haze);
            const LumaField field(hazed);
            // The band a one-screen stage plays in: below the heads-up display.
            const double back = field.Mean(0, 48, field.Width(), field.Height() - 48);
            EXPECT_GE(colour::ContrastRatio(face, back), kMinFaceContrast)
                << world.face.name << " over " << path << " under the " << world.haze << ": face "
                << face << ", backdrop " << back;
        }
    }
}

// The mean colour of a frame's solid pixels (rim included: it is part of
// what the eye takes in of a small shot).
colour::Lab MeanColour(const Frame& frame) {
    double r = 0, g = 0, b = 0;
    int count = 0;
    for (size_t i = 0; i < frame.rgba.size(); i += 4) {
        if (frame.rgba[i + 3] >= kSolid) {
            r += frame.rgba[i];
            g += frame.rgba[i + 1];
            b += frame.rgba[i + 2];
            ++count;
        }
    }
    return count ? colour::ToLab(r / count, g / count, b / count) : colour::Lab{};
}

// Colour says who fired: the heroine's shots and the stars they burst into
// are ice-white and cyan, every enemy shot is warm. In a busy fight her
// orange impact stars and brass tracer passed for the enemies' fireballs,
// and the silver knife for her shots. Every pair must lie 30 apart.
TEST_F(StandOut, TheHeroinesShotsNeverShareAColourWithEnemyShots) {
    constexpr double kMinShotDistance = 30.0;
    const Sheet heroineShots[] = {{"gfx/SkarovBullet.tga", 24, 8, 1, 1},
                                  {"gfx/effect.tga", 32, 32, 5, 1}};
    const Sheet enemyShots[] = {
        {"gfx/enemy/fireball.tga", 32, 32, 1, 1}, {"gfx/enemy/knife.tga", 32, 16, 1, 1},
        {"gfx/enemy/beam.tga", 32, 8, 1, 1},      {"gfx/enemy/burner.tga", 64, 32, 1, 3},
        {"gfx/enemy/guruguru.tga", 32, 32, 3, 1},
    };
    for (const Sheet& mine : heroineShots) {
        for (const Frame& shot : FramesOf(mine)) {
            const colour::Lab ours = MeanColour(shot);
            for (const Sheet& theirs : enemyShots) {
                for (const Frame& enemy : FramesOf(theirs)) {
                    const colour::Lab other = MeanColour(enemy);
                    EXPECT_GE(colour::DeltaE(ours, other), kMinShotDistance)
                        << shot.name << " (" << ours.l << ", " << ours.a << ", " << ours.b
                        << ") looks like " << enemy.name << " (" << other.l << ", " << other.a
                        << ", " << other.b << ")";
                }
            }
        }
    }
}

} // namespace
