#include "skin/skin_dialog_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace corvanti {
namespace {

constexpr Rgb kCurrentColour{200, 100, 50};

class SkinDialogChoiceTest : public ::testing::Test {
  protected:
    SkinDialogChoiceTest() { std::filesystem::create_directories(scratch_ / "Dark"); }

    std::string root() const { return scratch_.path().string(); }
    std::string current_directory() const { return root() + "/Default"; }

    testing::ScratchFolder scratch_;
};

TEST_F(SkinDialogChoiceTest, StartsFromTheCurrentSkinAndTakesItsNameOnceShown) {
    SkinDialogChoice choice(root(), current_directory(), kCurrentColour);
    // A dialog that could not show itself hands back no name.
    EXPECT_EQ(choice.selection(), (SkinSelection{current_directory(), "", kCurrentColour}));
    choice.OnShown("Default");
    EXPECT_EQ(choice.selection(), (SkinSelection{current_directory(), "Default", kCurrentColour}));
    EXPECT_EQ(choice.ListEntries(), std::vector<std::string>{"Dark"});
}

TEST_F(SkinDialogChoiceTest, AChosenSkinSetsNameAndTheMatchingFolder) {
    SkinDialogChoice choice(root(), current_directory(), kCurrentColour);
    choice.OnShown("Default");
    choice.OnSkinChosen("Dark");
    choice.OnColourChosen({1, 2, 3});
    EXPECT_EQ(choice.selection(), (SkinSelection{root() + "\\Dark", "Dark", {1, 2, 3}}));

    // A folder that vanished after the list was read leaves the directory as it was.
    choice.OnSkinChosen("Gone");
    EXPECT_EQ(choice.selection().skin_directory, root() + "\\Dark");
    EXPECT_EQ(choice.selection().skin_name, "Gone");
}

TEST(SkinToAdoptTest, NothingIsAdoptedFromADialogThatCouldNotShowItself) {
    const SkinSelection not_shown{"C:\\prog\\/Skins/Default", "", kCurrentColour};
    EXPECT_EQ(SkinToAdopt(not_shown), std::nullopt);
    const SkinSelection chosen{"C:\\prog\\/Skins\\Dark", "Dark", {0, 0, 0}};
    EXPECT_EQ(SkinToAdopt(chosen), chosen);
}

}  // namespace
}  // namespace corvanti
