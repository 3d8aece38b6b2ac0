#include "scene/SceneFactory.h"
#include "scene/SceneBase.h"

#include <gtest/gtest.h>
#include <iterator>

namespace {
class Empty : public SceneBase {
public:
    std::string Update() override { return ""; }
};
class Other : public SceneBase {
public:
    std::string Update() override { return "other"; }
};
} // namespace

TEST(SceneFactory, FirstRegistrationWinsAndNamesAreExact) {
    EXPECT_TRUE(IsSceneRegistered("TitleScene"));
    EXPECT_TRUE(RegisterScene("FactoryTestScene", &MakeScene<Empty>));
    EXPECT_FALSE(RegisterScene("FactoryTestScene", &MakeScene<Other>));
    auto scene = CreateScene("FactoryTestScene");
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->Update(), "") << "the first creator is kept";
    try {
        CreateScene("factorytestscene");
        FAIL() << "letter case matters";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Unknown Type");
    }
}

TEST(SceneFactory, EveryScreenOfTheGameIsRegistered) {
    const char* const names[] = {
        "TitleScene",     "StageSelectScene", "MusicModeScene", "Stage0Scene",     "Stage1_1Scene",
        "Stage1_2Scene",  "Stage1_3Scene",    "Stage1_4Scene",  "Stage1bossScene", "Stage2_1Scene",
        "Stage2_2Scene",  "Stage2_3Scene",    "Stage2_4Scene",  "Stage2bossScene", "Stage3_1Scene",
        "Stage3_2Scene",  "Stage3_3Scene",    "Stage3_4Scene",  "Stage3bossScene", "Stage4_1Scene",
        "Stage4_2Scene",  "Stage4_3Scene",    "Stage5_1Scene",  "Stage5_2Scene",   "Stage5_3Scene",
        "Stage5_4Scene",  "Stage5bossScene",  "Trial1_1Scene",  "Trial1_2Scene",   "Trial1_3Scene",
        "TrialBossScene", "GameoverScene",    "NameEntryScene", "EndScene",        "TrialEndScene",
        "OptionsScene",
    };
    EXPECT_EQ(std::size(names), 36u);
    for (const char* name : names) {
        EXPECT_TRUE(IsSceneRegistered(name)) << name;
    }
}
