#include "macro/macro_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/macro_block.h"
#include "macro/mouse_event_insertion.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using Items = std::vector<std::string>;
using Names = std::vector<std::string>;
using Shown = std::vector<testing::ShownMessage>;

class FakeHook : public RecordingHook {
  public:
    unsigned long Install() override {
        installed = install_error == 0;
        return install_error;
    }
    void Remove() override { installed = false; }
    bool IsInstalled() const override { return installed; }

    unsigned long install_error = 0;
    bool installed = false;
};

MacroPageTexts EnglishTexts() {
    return {"Start Recording",
            "Stop Recording",
            "Not recording",
            "Macro name is blank",
            "Macro name already exists",
            "Press Ctrl+Break key to stop recording"};
}

class MacroEditorTest : public ::testing::Test {
  protected:
    void Save(const std::string& name, const Items& items) {
        ASSERT_EQ(store.SaveMacro(name, items, record), MacroSaveOutcome::kSaved);
    }
    // A keyboard message as the hook sees it; handed on only when the filter lets it pass.
    void Key(const std::string& name, bool released, bool previously_down) {
        if (const auto transition = editor.FilterHookKey({name, released, previously_down})) {
            editor.OnRecordedKey(static_cast<std::uintptr_t>(*transition), name);
        }
    }
    void Tap(const std::string& name) {
        Key(name, false, false);
        Key(name, true, true);
    }
    void StartRecordingOf(const std::string& name) {
        Save(name, {"Q   Dn"});
        editor.SetUpPage();
        ASSERT_TRUE(editor.StartRecording());
        messages.shown.clear();
    }

    testing::ScratchFolder folder;
    MacroStore store{folder / "record.ini"};
    ProfileRecord record;
    FakeHook hook;
    testing::RecordingMessages messages;
    MacroEditor editor{store, record, hook, messages, EnglishTexts()};
};

TEST_F(MacroEditorTest, RecordingTwoKeysGivesSevenItemsWithFixedDelaysBetween) {
    StartRecordingOf("Run");
    EXPECT_TRUE(editor.events().empty());
    EXPECT_TRUE(editor.SwallowsKeyDown());
    Tap("A");
    Tap("B");
    EXPECT_EQ(editor.events(),
              (Items{"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"}));
    EXPECT_EQ(editor.selected_event(), 6u);
    editor.StopRecording();
    EXPECT_FALSE(hook.installed);
    EXPECT_FALSE(editor.SwallowsKeyDown());
    EXPECT_EQ(messages.shown, (Shown{{"Stop Recording", "Corvanti-Tarn"}}));
}

// Keeps, with each message, whether keys were still being captured while it was shown.
class HookWatchingMessages : public UserMessages {
  public:
    explicit HookWatchingMessages(const FakeHook& hook) : hook_(hook) {}
    void ShowMessage(std::string_view, std::string_view) override {
        capturing_while_shown.push_back(hook_.installed);
    }
    std::vector<bool> capturing_while_shown;

  private:
    const FakeHook& hook_;
};

TEST_F(MacroEditorTest, StopCapturesNoMoreWhileItsMessageIsUp) {
    Save("Run", {"A   Dn"});
    HookWatchingMessages watching(hook);
    MacroEditor watched(store, record, hook, watching, EnglishTexts());
    watched.SetUpPage();
    ASSERT_TRUE(watched.StartRecording());
    watched.StopRecording();
    // Start's box comes before the hook; the key dismissing Stop's box must not be recorded.
    EXPECT_EQ(watching.capturing_while_shown, (std::vector<bool>{false, false}));
}

TEST_F(MacroEditorTest, AutoRepeatsOfTheLastRecordedKeyDownAreDropped) {
    StartRecordingOf("Hold");
    // The first key of a recording is not yet the last key-down: one repeat of it counts.
    Key("A", false, false);
    Key("A", false, true);
    Key("A", false, true);
    Key("A", true, true);
    Key("B", false, false);
    Key("B", false, true);
    // A release of the last key-down that claims it was not down is dropped too.
    Key("B", true, false);
    EXPECT_EQ(editor.events(),
              (Items{"A   Dn", "50 ms", "A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn"}));
    editor.StopRecording();
    // The last key-down outlives the recording.
    StartRecordingOf("Again");
    Key("B", false, true);
    EXPECT_TRUE(editor.events().empty());
}

TEST_F(MacroEditorTest, RecordedKeysNeedASelectedMacroAndAKnownTransition) {
    StartRecordingOf("Run");
    editor.OnRecordedKey(2, "A");
    EXPECT_TRUE(editor.events().empty());
    editor.SelectMacro(std::nullopt);
    Tap("A");
    EXPECT_TRUE(editor.events().empty());
}

TEST_F(MacroEditorTest, StartAndStopReportWhyNothingIsRecorded) {
    editor.SetUpPage();
    EXPECT_FALSE(editor.StartRecording());
    editor.StopRecording();
    EXPECT_EQ(messages.shown, (Shown{{"Macro name is blank", "Warning"},
                                     {"Stop Recording", "Corvanti-Tarn"},
                                     {"Not recording", "Warning"}}));
    EXPECT_FALSE(hook.installed);

    messages.shown.clear();
    Save("Run", {"A   Dn", "50 ms"});
    editor.SetUpPage();
    hook.install_error = 5;
    EXPECT_FALSE(editor.StartRecording());
    EXPECT_EQ(messages.shown,
              (Shown{{"Start Recording", "Corvanti-Tarn"},
                     {"JournalRecordHook Install error code :5\n", "Corvanti-Tarn"}}));
    EXPECT_TRUE(editor.events().empty()) << "the list is emptied before the hook is tried";
}

TEST_F(MacroEditorTest, NewChecksTheNameInOrderAndAddsOnlyToTheList) {
    struct Case {
        std::string name;
        std::size_t listed;  // macros listed before
        Shown shown;
    };
    const Case cases[] = {
        {"", 12, {{"Macro name is blank", "Corvanti-Tarn"}}},
        {"   ", 0, {{"Macro name is blank", "Corvanti-Tarn"}}},
        {"Fresh", 12, {{"Macro numbers up to 12.", "Warning"}}},
        {"m1", 3, {{"Macro name already exists", "Corvanti-Tarn"}}},
        {std::string(32, 'n'),
         3,
         {{"Macro names have at most 31 characters and no ']'.", "Warning"}}},
        {"Fresh", 0, {}},
        {" Fresh ", 11, {}},
    };
    for (const Case& c : cases) {
        MacroEditor fresh(store, record, hook, messages, EnglishTexts());
        fresh.SetUpPage();
        for (std::size_t i = 0; i < c.listed; ++i) {
            fresh.SetNameText(std::string("M").append(std::to_string(i)));
            fresh.NewMacro();
        }
        messages.shown.clear();
        fresh.SetNameText(c.name);
        fresh.NewMacro();
        EXPECT_EQ(messages.shown, c.shown) << '"' << c.name << '"' << c.listed;
        const bool added = c.shown.empty();
        EXPECT_EQ(fresh.macro_names().size(), c.listed + (added ? 1 : 0));
        if (added) {
            EXPECT_EQ(fresh.macro_names().back(), "Fresh");
            EXPECT_EQ(fresh.selected_macro(), c.listed);
        }
    }
    EXPECT_FALSE(store.Exists()) << "New writes nothing";
}

TEST_F(MacroEditorTest, LoopCountsOutsideTheRangeBecomeOne) {
    Save("Run", {"A   Dn"});
    Save("Walk", {"B   Dn"});
    editor.SetUpPage();
    editor.SelectMacro(1);
    struct Case {
        const char* typed;
        const char* shown;
        int stored;
    };
    const Case cases[] = {
        {"0", "1", 1},
        {"", "1", 1},
        {"65536", "1", 1},
        {"99999999999", "1", 1},
        {"65535", "65535", 65535},
        {"007", "007", 7},
    };
    for (const Case& c : cases) {
        editor.SetLoopCountText(c.typed);
        EXPECT_EQ(editor.loop_count_text(), c.shown) << c.typed;
        EXPECT_EQ(MacroLoopCount(record, 1), c.stored) << c.typed;
    }
    EXPECT_EQ(MacroLoopCount(record, 0), 1) << "set up from block 0, which held 0";
}

TEST_F(MacroEditorTest, PageSetUpAndSelectionShowTheStoredMacros) {
    editor.SetUpPage();
    EXPECT_TRUE(editor.macro_names().empty());
    EXPECT_EQ(editor.loop_count_text(), "") << "without record.ini the edits stay empty";

    Save("Run", {"A   Dn", "50 ms"});
    Save("Walk", {"B   Dn", "50 ms"});
    SetMacroLoopCount(record, 0, 3);
    SetMacroLoopCount(record, 1, 9);
    editor.SetUpPage();
    EXPECT_EQ(editor.macro_names(), (Names{"Run", "Walk"}));
    EXPECT_EQ(editor.selected_macro(), 0u);
    EXPECT_EQ(editor.name_text(), "Run");
    EXPECT_EQ(editor.events(), (Items{"A   Dn", "50 ms"}));
    EXPECT_EQ(editor.loop_count_text(), "3");

    editor.SelectMacro(1);
    EXPECT_EQ(editor.events(), (Items{"B   Dn", "50 ms"}));
    EXPECT_EQ(editor.loop_count_text(), "9");
    // A macro not yet confirmed has no events; the loop-count edit keeps its text.
    editor.SetNameText("Sneak");
    editor.NewMacro();
    editor.SelectMacro(0);
    editor.SelectMacro(2);
    EXPECT_EQ(editor.name_text(), "Sneak");
    EXPECT_TRUE(editor.events().empty());
    EXPECT_EQ(editor.loop_count_text(), "3");
}

TEST_F(MacroEditorTest, ConfirmSavesTheEventListAndDeleteRemovesTheMacro) {
    Save("Run", {"A   Dn"});
    editor.SetUpPage();
    editor.SelectEvent(0);
    editor.ChooseMouseEvent(0);
    editor.ConfirmMacro();
    EXPECT_EQ(store.ReadMacro("Run"),
              (Items{"A   Dn", "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up"}));
    EXPECT_EQ(record.macro_block(0)[5], 0xF0);

    for (int i = 0; i < 63; ++i) {
        editor.ChooseMouseEvent(0);
    }
    editor.ConfirmMacro();
    EXPECT_EQ(messages.shown.back().text, kMacroTooLongText);
    EXPECT_EQ(store.ReadMacro("Run").size(), 5u);

    editor.DeleteMacro();
    EXPECT_TRUE(editor.macro_names().empty());
    EXPECT_TRUE(editor.events().empty());
    EXPECT_EQ(editor.name_text(), "");
    EXPECT_TRUE(store.ListMacros().empty());
    editor.ConfirmMacro();
    editor.DeleteMacro();
    EXPECT_EQ(messages.shown.size(), 1u) << "nothing selected: nothing happens";
}

TEST(MouseEventInsertionTest, InsertsAfterTheSelectionKeepingADelayAfterEveryEvent) {
    const Items list = {"A   Dn", "50 ms", "A   Up", "50 ms"};
    struct Case {
        const char* entry;
        Items events;
        std::optional<std::size_t> selected;
        bool macro_selected;
        std::optional<EventInsertion> insertion;
    };
    const Case cases[] = {
        {"R-Button Click",
         {},
         std::nullopt,
         true,
         EventInsertion{0, {"R-Button   Dn", "50 ms", "R-Button   Up", "50 ms"}, std::nullopt}},
        {"M-Button   Up",
         {},
         std::nullopt,
         true,
         EventInsertion{0, {"M-Button   Up", "50 ms"}, std::nullopt}},
        {"L-Button Click", {}, std::nullopt, false, std::nullopt},
        {"L-Button Click", list, std::nullopt, true, std::nullopt},
        {"L-Button Click", list, 1, true,
         EventInsertion{2, {"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"}, 2}},
        {"L-Button   Dn", list, 3, true, EventInsertion{4, {"L-Button   Dn", "50 ms"}, 4}},
        {"M-Button Click", list, 0, true,
         EventInsertion{1, {"50 ms", "M-Button   Dn", "50 ms", "M-Button   Up"}, 2}},
        {"M-Button   Up", list, 2, true, EventInsertion{3, {"50 ms", "M-Button   Up"}, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanMouseEventInsertion(c.entry, c.events, c.selected, c.macro_selected),
                  c.insertion)
            << c.entry << " after " << (c.selected ? static_cast<int>(*c.selected) : -1);
    }
}

TEST_F(MacroEditorTest, ChoosingAMouseEventShowsItAndClosesTheList) {
    Save("Run", {"A   Dn", "50 ms", "A   Up", "50 ms"});
    editor.SetUpPage();
    editor.ToggleMouseEventList();
    EXPECT_TRUE(editor.mouse_event_list_open());
    editor.ChooseMouseEvent(8);  // nothing selected in a non-empty list: nothing inserted
    EXPECT_EQ(editor.chosen_mouse_event(), "M-Button   Up");
    EXPECT_FALSE(editor.mouse_event_list_open());
    EXPECT_EQ(editor.events().size(), 4u);
    editor.SelectEvent(2);
    editor.ChooseMouseEvent(8);
    EXPECT_EQ(editor.events()[4], "M-Button   Up");
    EXPECT_EQ(editor.selected_event(), 4u);
    editor.ChooseMouseEvent(kMouseEventEntries.size());
    EXPECT_EQ(editor.events().size(), 6u);
}

TEST_F(MacroEditorTest, DelaysAreReplacedInPlaceWithinTheirRange) {
    Save("Run", {"A   Dn", "50 ms", "A   Up", "50 ms"});
    editor.SetUpPage();
    EXPECT_FALSE(editor.OpensDelayDialog(0)) << "a key event";
    EXPECT_FALSE(editor.OpensDelayDialog(4));
    ASSERT_TRUE(editor.OpensDelayDialog(1));
    struct Case {
        const char* typed;
        const char* item;
    };
    const Case cases[] = {
        {"", "20 ms"},
        {"19", "20 ms"},
        {"20", "20 ms"},
        {"00050", "00050 ms"},
        {"10000", "10000 ms"},
        {"10001", "10000 ms"},
        {"99999999999", "10000 ms"},
        {"1a00", "100 ms"},  // pasted text keeps only digits
    };
    for (const Case& c : cases) {
        editor.ReplaceDelay(1, DelayEntryOfEditText(c.typed));
        EXPECT_EQ(editor.events()[1], c.item) << c.typed;
        EXPECT_EQ(editor.selected_event(), 1u);
    }
    EXPECT_EQ(DelayEntryOfEditText("00050"), (DelayEntry{50, "00050"}));
    editor.ReplaceDelay(0, DelayEntryOfEditText("500"));
    EXPECT_EQ(editor.events()[0], "A   Dn");
}

TEST_F(MacroEditorTest, TheContextMenuDeletesTheSelectedEventOnly) {
    Save("Run", {"A   Dn", "50 ms", "A   Up"});
    editor.SetUpPage();
    editor.DeleteSelectedEvent();
    EXPECT_EQ(editor.events().size(), 3u);
    editor.SelectEvent(1);
    editor.DeleteSelectedEvent();
    EXPECT_EQ(editor.events(), (Items{"A   Dn", "A   Up"}));
    EXPECT_EQ(editor.selected_event(), std::nullopt);
    editor.SelectEvent(7);
    EXPECT_EQ(editor.selected_event(), std::nullopt);
}

TEST_F(MacroEditorTest, LeavingThePageStopsCapturingAtOnce) {
    StartRecordingOf("Run");
    editor.ToggleMouseEventList();
    editor.LeavePage();
    EXPECT_FALSE(hook.installed);
    EXPECT_FALSE(editor.mouse_event_list_open());
    // The recording had started, so a later Stop only shows its own text.
    editor.StopRecording();
    EXPECT_EQ(messages.shown, (Shown{{"Stop Recording", "Corvanti-Tarn"}}));
}

}  // namespace
}  // namespace corvanti
