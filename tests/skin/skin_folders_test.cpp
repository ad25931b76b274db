#include "skin/skin_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "common/text_encoding.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

// A skins folder with three skins (one named in Chinese), a loose file and a file inside a
// skin.
class SkinFoldersTest : public ::testing::Test {
  protected:
    SkinFoldersTest() {
        for (std::string_view skin : {"Dark", "Default", "深色"}) {
            std::filesystem::create_directories(scratch_.path() / PathFromUtf8(skin));
        }
        std::ofstream(scratch_ / "readme.txt") << "not a skin";
        std::ofstream(scratch_ / "Dark" / "main.png") << "";
    }

    std::string root() const {
        const std::u8string utf8 = scratch_.path().u8string();
        return std::string(utf8.begin(), utf8.end());
    }

    testing::ScratchFolder scratch_;
};

// Names outside the system's code page come back as they are on disk.
TEST_F(SkinFoldersTest, ListsTheFoldersByTheirUtf8Names) {
    EXPECT_EQ(ListSkinFolders(scratch_.path()),
              (std::vector<std::string>{"Dark", "Default", "深色"}));
    EXPECT_TRUE(ListSkinFolders(scratch_ / "readme.txt").empty());
    EXPECT_EQ(FindSkinFolder(root() + "/missing", "Dark"), std::nullopt);
}

// A folder name that is no valid text (a lone UTF-16 surrogate on Windows, a stray byte
// elsewhere) is legal on disk; it must not stop the listing of the others, which runs at start.
TEST_F(SkinFoldersTest, AFolderNameWithoutValidTextLeavesTheOthersListed) {
#ifdef _WIN32
    const std::filesystem::path odd = std::wstring(L"Odd\xD800");
#else
    const std::filesystem::path odd = std::string("Odd\xFF");
#endif
    std::error_code error;
    std::filesystem::create_directory(scratch_.path() / odd, error);
    if (error) {
        // Wine's file system, for one, cannot hold a lone surrogate.
        GTEST_SKIP() << "this file system refuses such a name: " << error.message();
    }
    std::vector<std::string> names;
    ASSERT_NO_THROW(names = ListSkinFolders(scratch_.path()));
    for (std::string_view skin : {"Dark", "Default", "深色"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), skin), names.end()) << skin;
    }
    EXPECT_EQ(FindSkinFolder(root(), "Dark"), root() + "\\Dark");
}

TEST_F(SkinFoldersTest, FindsTheFolderWithoutRegardToTheCaseOfLatinLetters) {
    struct Case {
        std::string_view name;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {"Dark", "Dark"},
        {"dark", "Dark"},
        {"DARK", "Dark"},
        {"深色", "深色"},
        {"Dar", std::nullopt},
        {"Darker", std::nullopt},
        {"readme.txt", std::nullopt},  // a file is no skin
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> found = FindSkinFolder(root(), c.name);
        const std::optional<std::string> expected =
            c.folder ? std::optional(root() + "\\" + *c.folder) : std::nullopt;
        EXPECT_EQ(found, expected) << c.name;
    }
}

TEST(EqualsIgnoringAsciiCaseTest, FoldsOnlyAToZ) {
    struct Case {
        std::string_view a;
        std::string_view b;
        bool equal;
    };
    const Case cases[] = {
        {"Frost", "fROST", true},   {"Skin-1_[x]", "SKIN-1_[X]", true},
        {"Frost", "Frost ", false}, {"Frost", "Fros", false},
        {"É", "é", false},  // other letters must match exactly
        {"@", "`", false},  // neighbours of the letters are not letters
        {"[", "{", false},          {"", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EqualsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    }
}

TEST(SkinsRootOfTest, IsTheExecutablesFolderWithItsSeparatorThenSkins) {
    EXPECT_EQ(SkinsRootOf("C:\\Tools\\Corvanti-Tarn.exe"), "C:\\Tools\\/Skins");
    EXPECT_EQ(SkinsRootOf("/opt/tarn/renamed.exe"), "/opt/tarn//Skins");
    EXPECT_EQ(SkinsRootOf("Corvanti-Tarn.exe"), "/Skins");
}

}  // namespace
}  // namespace corvanti
