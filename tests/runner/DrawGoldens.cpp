#include "DrawGoldens.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace drawgolden {

namespace {

const char* const kUpdateVariable = "VRELS_UPDATE_DRAW_GOLDENS";
// How many differing draws a failure shows.
constexpr size_t kShownDifferences = 6;

std::string GoldenPath(const std::string& name) {
    return std::string(VRELS_TEST_DATA_DIR) + "/draws/" + name + ".txt";
}

std::string ReadAll(const std::string& path, bool* found) {
    std::ifstream in(path, std::ios::binary);
    *found = static_cast<bool>(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

bool Updating() {
    const char* value = std::getenv(kUpdateVariable);
    return value && *value;
}

// A scratch folder for the listings, removed with the object.
struct ListingFolder {
    ListingFolder() {
        char folder[] = "/tmp/vrels-draws-XXXXXX";
        if (mkdtemp(folder)) {
            path = folder;
        }
    }
    ~ListingFolder() {
        std::error_code ignored;
        if (!path.empty()) {
            std::filesystem::remove_all(path, ignored);
        }
    }
    ListingFolder(const ListingFolder&) = delete;
    ListingFolder& operator=(const ListingFolder&) = delete;
    std::string path;
};

} // namespace

std::string DescribeDifference(const std::string& goldenFile, const std::string& expected,
                               const std::string& actual) {
    if (expected == actual) {
        return "";
    }
    const auto want = Lines(expected);
    const auto got = Lines(actual);
    std::ostringstream out;
    out << "The draws differ from " << goldenFile << " (" << want.size() << " draws expected, "
        << got.size() << " drawn).\n"
        << "If the change is intended, regenerate every golden with\n"
        << "    scripts/update-draw-goldens.sh\n"
        << "and review the listings' diff (docs/draw-goldens.md).\n"
        << "First differing draws (- golden, + now):\n";
    size_t shown = 0;
    for (size_t i = 0; i < std::max(want.size(), got.size()) && shown < kShownDifferences; ++i) {
        const std::string* w = i < want.size() ? &want[i] : nullptr;
        const std::string* g = i < got.size() ? &got[i] : nullptr;
        if (w && g && *w == *g) {
            continue;
        }
        out << "  - " << (w ? *w : "(none)") << "\n  + " << (g ? *g : "(none)") << "\n";
        ++shown;
    }
    return out.str();
}

void CheckGoldenFrames(vrels::RunnerOptions options, const std::vector<GoldenFrame>& frames) {
    ListingFolder listings;
    ASSERT_FALSE(listings.path.empty());
    options.shotsDir = listings.path;
    options.drawsAt.clear();
    for (const GoldenFrame& golden : frames) {
        options.drawsAt.push_back(golden.frame);
    }
    ASSERT_EQ(vrels::RunHeadless(options), 0);
    for (const GoldenFrame& golden : frames) {
        SCOPED_TRACE(golden.name);
        bool found = false;
        const std::string actual =
            ReadAll(vrels::DrawsFileName(listings.path, golden.frame), &found);
        ASSERT_TRUE(found) << "frame " << golden.frame << " was not listed";
        for (const std::string& texture : golden.mustShow) {
            EXPECT_NE(actual.find(" \"" + texture + "\""), std::string::npos)
                << "frame " << golden.frame << " no longer shows \"" << texture << "\"";
        }
        const std::string path = GoldenPath(golden.name);
        if (Updating()) {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << actual;
            out.close();
            ASSERT_TRUE(out) << "cannot write " << path;
            continue;
        }
        const std::string expected = ReadAll(path, &found);
        ASSERT_TRUE(found) << path << " is missing: run scripts/update-draw-goldens.sh";
        const std::string difference = DescribeDifference(path, expected, actual);
        if (!difference.empty()) {
            ADD_FAILURE() << difference;
        }
    }
}

} // namespace drawgolden
