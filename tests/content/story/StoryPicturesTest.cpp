// Every picture the conversation scripts name: present, decodable, and
// fitting its place on the conversation screen.
#include "PictureMeasures.h"
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;

// The lines the boss stages' conversations show, as ranges of numbered names.
std::vector<std::string> LineNames() {
    struct Range {
        char prefix;
        int first, last;
    };
    const Range ranges[] = {{'a', 1, 10}, {'b', 0, 21}, {'c', 1, 24}, {'t', 1, 11},
                            {'d', 1, 39}, {'e', 1, 39}, {'f', 1, 20}};
    std::vector<std::string> names;
    for (const Range& r : ranges) {
        for (int n = r.first; n <= r.last; ++n) {
            char name[8];
            std::snprintf(name, sizeof name, "%c%02d", r.prefix, n);
            names.push_back(name);
        }
    }
    for (const char* extra : {"e27_2", "e28_2", "e28_3"}) {
        names.push_back(extra);
    }
    return names;
}

const char* const kPortraits[] = {"mary0", "mary1",  "mary2", "mary3", "mary4",
                                  "mary5", "ghost0", "boss0", "boss1", "boss2",
                                  "boss4", "boss5",  "boss6", "gil0",  "gil1"};

TEST(StoryPictures, EveryScriptedLineExistsAndFitsTheReadingBand) {
    const std::vector<std::string> names = LineNames();
    ASSERT_EQ(names.size(), 168u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TgaImage image;
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/adv/" + name + ".tga", image, error)) << error;
        // Lines start at x 50 or 320 and must not run past 350 or 620.
        EXPECT_LE(image.width, 300);
        // Two rows at most: lines rise 90 pixels apart and must not overlap.
        EXPECT_LE(image.height, 64);
        EXPECT_GE(image.height, 16);
        const InkMeasure ink = MeasureInk(image);
        EXPECT_GT(ink.light, 40) << "no visible text";
        // On the veil over a dark scene the fill must stand out strongly...
        EXPECT_GE(Contrast(ink.fillLuminance, 0.0), 10.0);
        // ...and over a bright scene or a portrait the dark outline carries
        // it: every letter is ringed by near-black pixels.
        EXPECT_GE(Contrast(ink.fillLuminance, 0.02), 7.0);
        EXPECT_GT(ink.dark, ink.light / 3) << "the outline is missing";
        // Each line sits on its own dark box with rounded corners: the pad
        // left of the text is a dim, mostly opaque plate wherever a face or
        // the fight shows behind it, and the very corner stays clear.
        const int midY = image.height / 2;
        EXPECT_GE(image.At(3, midY, 3), 150) << "no plate behind the line";
        EXPECT_LT(image.At(3, midY, 0) + image.At(3, midY, 1) + image.At(3, midY, 2), 3 * 64);
        EXPECT_LT(image.At(0, 0, 3), 64) << "the plate's corners are rounded";
        // The speaker's name tops the box as a small row of its own: light
        // ink near the top, then a clear row before the line's text.
        const std::vector<bool> rows = LightRows(image);
        const auto name = std::find(rows.begin(), rows.end(), true);
        ASSERT_NE(name, rows.end());
        EXPECT_LE(name - rows.begin(), 8) << "no name at the top of the box";
        const auto gap = std::find(name, rows.end(), false);
        EXPECT_LE(gap - name, 11) << "the name runs into the text";
        EXPECT_NE(std::find(gap, rows.end(), true), rows.end()) << "no text under the name";
    }
}

// A line a speaker repeats is one picture; every other line is its own
// words, so no two line pictures may be identical.
TEST(StoryPictures, NoTwoLinesAreTheSamePicture) {
    const std::vector<std::string> names = LineNames();
    std::vector<std::vector<uint8_t>> seen;
    for (const std::string& name : names) {
        const std::vector<uint8_t> bytes = ReadBytes(kGameDir + "/adv/" + name + ".tga");
        ASSERT_FALSE(bytes.empty()) << name;
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_NE(bytes, seen[i]) << name << " repeats " << names[i];
        }
        seen.push_back(bytes);
    }
}

// Portraits are drawn centred at (140, 240) or (500, 240): busts of about
// 260 x 440 that fill the middle and stay clear of the opposite portrait.
TEST(StoryPictures, EveryPortraitIsABustOfTheExpectedSize) {
    for (const char* name : kPortraits) {
        SCOPED_TRACE(name);
        TgaImage image;
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/adv/" + std::string(name) + ".tga", image, error))
            << error;
        EXPECT_EQ(image.width, 260);
        EXPECT_EQ(image.height, 440);
        // The face sits in the upper middle and is solid enough to read
        // through the veil (the ghost is a little see-through).
        int solid = 0;
        for (int y = 120; y < 200; ++y) {
            for (int x = 100; x < 160; ++x) {
                solid += image.At(x, y, 3) >= 200 ? 1 : 0;
            }
        }
        EXPECT_GT(solid, 60 * 80 * 9 / 10);
        // The corners stay empty: a bust, not a framed card.
        EXPECT_EQ(image.At(0, 0, 3), 0);
        EXPECT_EQ(image.At(259, 0, 3), 0);
    }
}

// Expressions of one character share the figure and differ in the face:
// the bodies below the chin are identical, the faces are not.
TEST(StoryPictures, ExpressionsShareOneFigure) {
    const std::vector<std::vector<std::string>> characters = {
        {"mary0", "mary1", "mary2", "mary3", "mary4", "mary5"},
        {"boss0", "boss2", "boss5", "boss6"},
        {"gil0", "gil1"}};
    for (const auto& group : characters) {
        TgaImage first;
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/adv/" + group[0] + ".tga", first, error)) << error;
        for (size_t i = 1; i < group.size(); ++i) {
            SCOPED_TRACE(group[i]);
            TgaImage other;
            ASSERT_TRUE(ReadTga(kGameDir + "/adv/" + group[i] + ".tga", other, error)) << error;
            int bodyDiffers = 0, faceDiffers = 0;
            for (int y = 0; y < 440; ++y) {
                for (int x = 0; x < 260; ++x) {
                    bool same = true;
                    for (int c = 0; c < 4; ++c) {
                        same = same && first.At(x, y, c) == other.At(x, y, c);
                    }
                    if (!same) {
                        (y >= 300 ? bodyDiffers : faceDiffers) += 1;
                    }
                }
            }
            EXPECT_EQ(bodyDiffers, 0);
            EXPECT_GT(faceDiffers, 200);
        }
    }
}

} // namespace
