#include "scene/SceneFactory.h"
#include "scene/SceneBase.h"

#include <gtest/gtest.h>

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
