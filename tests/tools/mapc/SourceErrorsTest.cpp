#include <gtest/gtest.h>

#include "tools/mapc/MapSource.h"

namespace {

using Severity = mapc::Diagnostic::Severity;

struct Parsed {
    std::optional<mapc::TileMap> map;
    std::vector<std::string> messages; // formatted, errors and warnings in order
};

Parsed Parse(const std::string& text) {
    mapc::Diagnostics diagnostics("stage.map");
    Parsed parsed;
    parsed.map = mapc::ParseMapSource(text, diagnostics);
    for (const mapc::Diagnostic& entry : diagnostics.All()) {
        parsed.messages.push_back(diagnostics.Format(entry));
    }
    return parsed;
}

// Legend shared by the cases: empty, ground, start marker, coin, coin over scenery.
const std::string kHead = "vrels-map 1\n"        // line 1
                          "\".\" = empty\n"      // line 2
                          "\"#\" = 100\n"        // line 3
                          "\"S\" = 709\n"        // line 4
                          "\"o\" = 208\n"        // line 5
                          "\"O\" = 1010 + 208\n" // line 6
                          "chips:\n";            // line 7

std::vector<std::string> Containing(const std::vector<std::string>& messages,
                                    const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& message : messages) {
        if (message.find(part) != std::string::npos) {
            found.push_back(message);
        }
    }
    return found;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(SourceErrors, UnknownCharactersAreReportedWhereTheyStand) {
    const Parsed parsed = Parse(kHead + "|.S..|\n"
                                        "|.?.x|\n"
                                        "  |##o#|  # indented rows count their indent\n"
                                        "|#o#?|\n");
    EXPECT_FALSE(parsed.map);
    ASSERT_EQ(parsed.messages.size(), 3u);
    EXPECT_TRUE(StartsWith(parsed.messages[0], "stage.map:9:3: error: unknown character '?'"))
        << parsed.messages[0];
    EXPECT_TRUE(StartsWith(parsed.messages[1], "stage.map:9:5: error: unknown character 'x'"));
    EXPECT_TRUE(StartsWith(parsed.messages[2], "stage.map:11:5: error: unknown character '?'"));
}

TEST(SourceErrors, RaggedRowsPointAtTheirEndOrTheirSurplus) {
    const Parsed parsed = Parse(kHead + "|.S..|\n"
                                        "|...|\n"
                                        "|####?#|\n");
    EXPECT_FALSE(parsed.map);
    ASSERT_EQ(parsed.messages.size(), 3u);
    EXPECT_TRUE(StartsWith(parsed.messages[0], "stage.map:9:5: error: ragged row: 3 cells"))
        << parsed.messages[0];
    EXPECT_TRUE(StartsWith(parsed.messages[1], "stage.map:10:6: error: ragged row: 6 cells"))
        << parsed.messages[1];
    // Unknown characters in ragged rows are reported in the same run.
    EXPECT_TRUE(StartsWith(parsed.messages[2], "stage.map:10:6: error: unknown character '?'"))
        << parsed.messages[2];
}

TEST(SourceErrors, StartMarkers) {
    Parsed parsed = Parse(kHead + "|....|\n|####|\n");
    EXPECT_FALSE(parsed.map);
    std::vector<std::string> found = Containing(parsed.messages, "start marker");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(StartsWith(found[0], "stage.map:7:1: error: no start marker")) << found[0];

    parsed = Parse("vrels-map 1\nstart = optional\n\".\" = empty\nchips:\n|..|\n");
    EXPECT_TRUE(parsed.map);
    EXPECT_TRUE(parsed.messages.empty());

    // A second marker only warns, in the chips layer and in the objects layer alike.
    parsed = Parse(kHead + "|.S.S|\n|####|\nobjects:\n|....|\n|..S.|\n");
    ASSERT_TRUE(parsed.map);
    found = Containing(parsed.messages, "start marker");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "stage.map:8:5: warning: another start marker; the player "
                        "starts at the first one (line 8, column 3)");
    EXPECT_TRUE(StartsWith(found[1], "stage.map:12:4: warning: another start marker"));
}

TEST(SourceErrors, ObjectsLayerTakesPlainCodesOnlyAndOneObjectPerCell) {
    const Parsed parsed = Parse(kHead + "|.SO.|\n|####|\n"
                                        "objects:\n"
                                        "|O.o.|\n"
                                        "|#.o.|\n");
    EXPECT_FALSE(parsed.map);
    ASSERT_EQ(parsed.messages.size(), 2u);
    EXPECT_TRUE(StartsWith(parsed.messages[0], "stage.map:11:2: error: 'O' stands for more"))
        << parsed.messages[0];
    EXPECT_TRUE(StartsWith(parsed.messages[1], "stage.map:11:4: error: the chips layer already"))
        << parsed.messages[1];
}

TEST(SourceErrors, MalformedLinesAndValues) {
    struct Case {
        std::string text;
        std::string expected; // start of the first message
    };
    const Case cases[] = {
        {"map 1\n", "stage.map:1:1: error: the first line must be 'vrels-map 1'"},
        {"vrels-map 1\n\"ab\" = 100\n", "stage.map:2:1: error: a legend key is 1 character"},
        {"vrels-map 1\n\"a\" 100\n", "stage.map:2:4: error: expected '='"},
        {"vrels-map 1\n  \"a\" = 12x\n", "stage.map:2:9: error: unexpected text after"},
        {"vrels-map 1\n\"a\" = @70000,0\n", "stage.map:2:7: error: raw chip pixels"},
        {"vrels-map 1\n\"a\" = 100 + 0\n", "stage.map:2:7: error: the object code after '+'"},
        {"vrels-map 1\n\"a\" = 300000\n", "stage.map:2:7: error: chip code 300000"},
        {"vrels-map 1\n\"a\" = 1\n\"a\" = 2\n", "stage.map:3:1: error: key 'a' is already"},
        {"vrels-map 1\n|..|\n", "stage.map:2:1: error: row outside a layer"},
        {"vrels-map 1\nchips:\n|..\n", "stage.map:3:4: error: row does not end with '|'"},
        {"vrels-map 1\nchips:\n|..| x\n", "stage.map:3:6: error: unexpected text after the row"},
        {"vrels-map 1\nfloor:\n", "stage.map:2:1: error: unknown layer 'floor'"},
        {"vrels-map 1\ncolour = red\n", "stage.map:2:1: error: unknown setting 'colour'"},
        {"vrels-map 1\n\".\" = empty\ncell-width = 2\n", "stage.map:3:1: error: 'cell-width'"},
        {"vrels-map 1\nwords = 1\n", "stage.map:2:1: error: 'words' takes two"},
        {"vrels-map 1\nheader = 00\n", "stage.map:2:1: error: 'header' takes 96"},
        {"vrels-map 1\n", "stage.map:2:1: error: no 'chips:' layer"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse(c.text);
        EXPECT_FALSE(parsed.map) << c.text;
        ASSERT_FALSE(parsed.messages.empty()) << c.text;
        EXPECT_TRUE(StartsWith(parsed.messages[0], c.expected))
            << c.text << "\n gave: " << parsed.messages[0];
    }
}

TEST(SourceErrors, UnusedLegendKeysOnlyWarn) {
    const Parsed parsed = Parse(kHead + "|.S..|\n|####|\n");
    ASSERT_TRUE(parsed.map); // "o" and "O" are unused: warnings, not errors
    ASSERT_EQ(parsed.messages.size(), 2u);
    EXPECT_EQ(parsed.messages[0], "stage.map:6:1: warning: legend key 'O' is never used");
    EXPECT_EQ(parsed.messages[1], "stage.map:5:1: warning: legend key 'o' is never used");
}

} // namespace
