#include "macro/macro_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ini_file.h"
#include "macro/macro_block.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using Items = std::vector<std::string>;
using Names = std::vector<std::string>;

class MacroStoreTest : public ::testing::Test {
  protected:
    std::string FileText() const {
        const auto bytes = testing::ReadBytes(store.path());
        return std::string(bytes.begin(), bytes.end());
    }
    void WriteText(const std::string& text) const {
        testing::WriteBytes(
            store.path(),
            std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }
    std::vector<std::uint8_t> Block(std::size_t k) const {
        const auto block = record.macro_block(k);
        return {block.begin(), block.end()};
    }

    testing::ScratchFolder folder;
    MacroStore store{folder / "record.ini"};
    ProfileRecord record;
};

TEST_F(MacroStoreTest, AMissingFileListsNothingAndIsNotCreatedByADelete) {
    EXPECT_FALSE(store.Exists());
    EXPECT_TRUE(store.ListMacros().empty());
    EXPECT_TRUE(store.ReadMacro("Run").empty());
    EXPECT_TRUE(store.DeleteMacro("Run"));
    EXPECT_FALSE(store.Exists());
}

TEST_F(MacroStoreTest, SavedMacrosReadBackUnchangedAndAreEncoded) {
    const Items run = {"A   Dn", "50 ms", "A   Up", "50 ms"};
    const Items chinese = {"Right Ctrl   Dn", "00050 ms", "Right Ctrl   Up"};
    SetMacroLoopCount(record, 0, 1);
    EXPECT_EQ(store.SaveMacro("Run", run, record), MacroSaveOutcome::kSaved);
    EXPECT_EQ(store.SaveMacro("\xE5\xAE\x8F\xE4\xB8\x80", chinese, record),
              MacroSaveOutcome::kSaved);

    EXPECT_EQ(store.ListMacros(), (Names{"Run", "\xE5\xAE\x8F\xE4\xB8\x80"}));
    EXPECT_EQ(store.ReadMacro("RUN"), run);
    EXPECT_EQ(store.ReadMacro("\xE5\xAE\x8F\xE4\xB8\x80"), chinese);
    EXPECT_EQ(IniFile::Load(store.path()).Get("Run", "ItemCount"), "4");
    const std::vector<std::uint8_t> first = Block(0);
    const std::vector<std::uint8_t> second = Block(1);
    EXPECT_EQ(first[1], 1);
    EXPECT_EQ(std::vector<std::uint8_t>(first.begin() + 2, first.begin() + 6),
              (std::vector<std::uint8_t>{0x05, 0x04, 0x85, 0x04}));
    EXPECT_EQ(std::vector<std::uint8_t>(second.begin() + 2, second.begin() + 6),
              (std::vector<std::uint8_t>{0x05, 0xE4, 0x80, 0xE4}));
}

// Saving used to delete the section and append it, which moved the macro to the last block
// and every later macro down by one, under the buttons bound to them.
TEST_F(MacroStoreTest, ResavingAMacroKeepsItsPlaceAndDropsItsStaleItems) {
    ASSERT_EQ(store.SaveMacro("First", {"A   Dn", "50 ms", "A   Up", "50 ms"}, record),
              MacroSaveOutcome::kSaved);
    ASSERT_EQ(store.SaveMacro("Second", {"B   Dn", "50 ms"}, record), MacroSaveOutcome::kSaved);
    ASSERT_EQ(store.SaveMacro("Third", {"C   Dn", "50 ms"}, record), MacroSaveOutcome::kSaved);
    SetMacroLoopCount(record, 0, 300);
    SetMacroLoopCount(record, 2, 7);
    const std::vector<std::uint8_t> second_block = Block(1);

    ASSERT_EQ(store.SaveMacro("first", {"Z   Up", "2000 ms"}, record), MacroSaveOutcome::kSaved);

    EXPECT_EQ(store.ListMacros(), (Names{"First", "Second", "Third"}));
    EXPECT_EQ(store.ReadMacro("First"), (Items{"Z   Up", "2000 ms"}));
    EXPECT_EQ(IniFile::Load(store.path()).Get("First", "Item2"), "");
    std::vector<std::uint8_t> first(kMacroBlockSize, 0);
    first[0] = 1;  // 300 = 0x012C
    first[1] = 0x2C;
    first[2] = 0x80;
    first[3] = 0x1D;
    first[4] = 20;
    first[5] = 0x03;
    EXPECT_EQ(Block(0), first);
    EXPECT_EQ(Block(1), second_block);
    EXPECT_EQ(Block(2)[1], 7);
    EXPECT_EQ(Block(2)[3], 0x06);
}

TEST_F(MacroStoreTest, RefusesWhatCannotBeKeptAndWritesNothing) {
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(store.SaveMacro(std::string("M").append(std::to_string(i)), {"A   Dn"}, record),
                  MacroSaveOutcome::kSaved);
    }
    Items sixty_four;
    for (int i = 0; i < 64; ++i) {
        sixty_four.insert(sixty_four.end(), {"A   Dn", "50 ms"});
    }
    const Items too_many_items(127, "50 ms");
    struct Case {
        std::string name;
        Items items;
        MacroSaveOutcome outcome;
    };
    const Case cases[] = {
        {"Thirteenth", {"A   Dn"}, MacroSaveOutcome::kTooManyMacros},
        {"M3", sixty_four, MacroSaveOutcome::kTooManyEvents},
        {"M3", too_many_items, MacroSaveOutcome::kTooManyEvents},
        {"   ", {"A   Dn"}, MacroSaveOutcome::kNameBlank},
        {"M4", {"B   Dn"}, MacroSaveOutcome::kSaved},
    };
    for (const Case& c : cases) {
        const std::string before = FileText();
        const ProfileRecord::Bytes blocks_before = record.bytes();
        EXPECT_EQ(store.SaveMacro(c.name, c.items, record), c.outcome) << c.name;
        if (c.outcome != MacroSaveOutcome::kSaved) {
            EXPECT_EQ(FileText(), before) << c.name;
            EXPECT_EQ(record.bytes(), blocks_before) << c.name;
        }
    }
    EXPECT_EQ(store.ReadMacro("M4"), (Items{"B   Dn"}));
}

TEST_F(MacroStoreTest, NewNamesMustFitTheNameFieldAndTheFilesSyntax) {
    struct Case {
        std::string name;
        MacroSaveOutcome outcome;
    };
    const Case cases[] = {
        {std::string(31, 'x'), MacroSaveOutcome::kSaved},
        {std::string(32, 'y'), MacroSaveOutcome::kNameUnusable},
        {"a]b", MacroSaveOutcome::kNameUnusable},
        {"tab\there", MacroSaveOutcome::kNameUnusable},
        // Blanks around a name are not part of it in the file.
        {"  Padded  ", MacroSaveOutcome::kSaved},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store.SaveMacro(c.name, {"A   Dn"}, record), c.outcome) << c.name;
    }
    EXPECT_EQ(store.ListMacros(), (Names{std::string(31, 'x'), "Padded"}));
}

TEST_F(MacroStoreTest, ListsEveryMacroButBindsOnlyTheFirstTwelve) {
    std::string text;
    Names names;
    for (int i = 0; i < 14; ++i) {
        // Fourteen names of 31 characters: far beyond 255 characters of names.
        names.push_back(std::string(29, static_cast<char>('a' + i)) + std::to_string(10 + i));
        text += "[" + names.back() + "]\nItemCount=1\nItem0=A   Dn\n";
    }
    WriteText(text);
    EXPECT_EQ(store.ListMacros(), names);
    EXPECT_EQ(store.ListBindableMacros(), Names(names.begin(), names.begin() + 12));
    // A macro that has no block can still be edited in place.
    EXPECT_EQ(store.SaveMacro(names[13], {"B   Dn"}, record), MacroSaveOutcome::kSaved);
}

TEST_F(MacroStoreTest, AFileThatCannotBeReadIsNeitherSavedOverNorDeletedFrom) {
    const std::string oversized(IniFile::kMaxFileSize + 1, '\n');
    WriteText("[Run]\nItemCount=0\n" + oversized);
    EXPECT_EQ(store.SaveMacro("Run", {"A   Dn"}, record), MacroSaveOutcome::kFileUnwritable);
    EXPECT_FALSE(store.DeleteMacro("Run"));
    EXPECT_EQ(FileText().size(), oversized.size() + 18);
}

TEST_F(MacroStoreTest, DeletingLeavesTheBlocksAsTheyAre) {
    ASSERT_EQ(store.SaveMacro("First", {"A   Dn"}, record), MacroSaveOutcome::kSaved);
    ASSERT_EQ(store.SaveMacro("Second", {"B   Dn"}, record), MacroSaveOutcome::kSaved);
    const ProfileRecord::Bytes before = record.bytes();
    EXPECT_TRUE(store.DeleteMacro("FIRST"));
    EXPECT_EQ(store.ListMacros(), (Names{"Second"}));
    EXPECT_EQ(record.bytes(), before);
}

}  // namespace
}  // namespace corvanti
