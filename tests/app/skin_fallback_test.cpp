#include "app/skin_fallback.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "support/scratch_folder.h"

namespace corvanti {
namespace {

struct LoaderLog {
    std::set<std::string, std::less<>> loadable;
    std::vector<std::string> tried;

    std::function<bool(std::string_view)> Loader() {
        return [this](std::string_view name) {
            tried.emplace_back(name);
            return loadable.contains(name);
        };
    }
};

TEST(ChooseSkin, FallsBackToTheShippedSkinThenTheFirstLoadableFolder) {
    const std::vector<std::string> folders = {"Aqua", "Default", "Frost"};
    const struct {
        const char* wanted;
        std::set<std::string, std::less<>> loadable;
        std::optional<SkinChoice> expected;
    } cases[] = {
        {"Frost", {"Default", "Frost"}, SkinChoice{"Frost", false}},
        // Empty, missing, unloadable and path-like names never reach the loader as they are.
        {"", {"Default", "Frost"}, SkinChoice{"Default", true}},
        {"Gone", {"Default", "Frost"}, SkinChoice{"Default", true}},
        {"Frost", {"Default"}, SkinChoice{"Default", true}},
        {"..", {"..", "Default"}, SkinChoice{"Default", true}},
        {"../Frost", {"../Frost", "Default"}, SkinChoice{"Default", true}},
        {"C:\\Skins\\Frost", {"C:\\Skins\\Frost", "Default"}, SkinChoice{"Default", true}},
        // Without a loadable shipped skin the folders are tried in order.
        {"Gone", {"Frost"}, SkinChoice{"Frost", true}},
        {"Gone", {"Aqua", "Frost"}, SkinChoice{"Aqua", true}},
        {"Gone", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        LoaderLog log{c.loadable, {}};
        const auto choice = ChooseSkin(c.wanted, folders, log.Loader());
        ASSERT_EQ(choice.has_value(), c.expected.has_value()) << c.wanted;
        if (choice) {
            EXPECT_EQ(choice->name, c.expected->name) << c.wanted;
            EXPECT_EQ(choice->fell_back, c.expected->fell_back) << c.wanted;
        }
        for (const std::string& name : log.tried) {
            EXPECT_EQ(std::count(log.tried.begin(), log.tried.end(), name), 1)
                << c.wanted << ": " << name << " tried twice";
        }
    }
}

TEST(ListSkinFolders, ListsOnlyFoldersSortedByName) {
    testing::ScratchFolder skins;
    for (const char* name : {"Frost", "Default", "Aqua"}) {
        std::filesystem::create_directory(skins / name);
    }
    std::ofstream(skins / "readme.txt") << "not a skin";
    EXPECT_EQ(ListSkinFolders(skins.path()),
              (std::vector<std::string>{"Aqua", "Default", "Frost"}));
    EXPECT_TRUE(ListSkinFolders(skins / "missing").empty());
}

}  // namespace
}  // namespace corvanti
