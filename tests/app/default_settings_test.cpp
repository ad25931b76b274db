#include "app/default_settings.h"

#include <gtest/gtest.h>

#include "app/language_texts.h"
#include "app/settings_file.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

TEST(WriteDefaultSettings, GivesEnglishTheDefaultSkinAndALightColour) {
    testing::ScratchFolder folder;
    const auto file = folder.path() / "str.ini";
    ASSERT_FALSE(WriteDefaultSettings(file));
    EXPECT_EQ(LanguageFromCode(ReadLanguageCode(file)), Language::English);
    const auto settings = ReadSettings(file, "Setting-EN");
    EXPECT_EQ(settings.skin.path, "Default");
    const auto colour = TextColorFromSettings(settings.skin);
    EXPECT_GE(colour.red + colour.green + colour.blue, 3 * 200);
    for (const auto& caption : settings.captions) {
        EXPECT_TRUE(caption.empty());
    }
}

}  // namespace
}  // namespace corvanti
