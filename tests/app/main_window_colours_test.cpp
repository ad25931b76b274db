#include "app/main_window_colours.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

constexpr Rgb kUserText{0x12, 0x34, 0x56};
constexpr std::uint32_t kUserTextValue = 0x563412;
constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kNearBlack = 0x0E0F0E;  // RGB(14, 15, 14)
constexpr std::uint32_t kGreenGrey = 0x649664;  // RGB(100, 150, 100)

TEST(MainWindowChildColoursTest, FollowsTheKindAndTheControl) {
    ProfileRecord working;
    const struct {
        ChildKind kind;
        int id;
        std::optional<MainChildColours> colours;
    } cases[] = {
        {ChildKind::kEdit, 150, MainChildColours{kUserTextValue, {}, false, kBlack}},
        {ChildKind::kEdit, 149, MainChildColours{kUserTextValue, {}, false, kBlack}},
        // The lines of a list box stand on its ground colour, like the space below them.
        {ChildKind::kListBox, 151, MainChildColours{kUserTextValue, kNearBlack, false, kNearBlack}},
        {ChildKind::kListBox, 152, MainChildColours{kUserTextValue, kNearBlack, false, kNearBlack}},
        {ChildKind::kListBox, 41, MainChildColours{kWhite, kBlack, true, kBlack}},
        {ChildKind::kListBox, 154, MainChildColours{kWhite, kBlack, true, kBlack}},
        {ChildKind::kButton, 1, MainChildColours{}},
        {ChildKind::kStatic, 80, MainChildColours{kUserTextValue, kBlack, true, kBlack}},
        {ChildKind::kStatic, 82, MainChildColours{kUserTextValue, kBlack, true, kBlack}},
        {ChildKind::kStatic, 119, MainChildColours{kUserTextValue, kBlack, true, kBlack}},
        {ChildKind::kStatic, 83, MainChildColours{kUserTextValue, kGreenGrey, true, kGreenGrey}},
        {ChildKind::kStatic, 70, MainChildColours{kUserTextValue, kGreenGrey, true, kGreenGrey}},
        {ChildKind::kStatic, 75, MainChildColours{kUserTextValue, kGreenGrey, true, kGreenGrey}},
        {ChildKind::kOther, 150, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MainWindowChildColours(c.kind, c.id, kUserText, working), c.colours)
            << static_cast<int>(c.kind) << " " << c.id;
    }
}

TEST(MainWindowChildColoursTest, SwatchesPaintTheirStagesColourFromTheWorkingRecord) {
    ProfileRecord working;
    working.set_dpi_colour(0, {0xFF, 0x00, 0x00});
    working.set_dpi_colour(3, {0x01, 0x02, 0x03});
    const auto first = MainWindowChildColours(ChildKind::kStatic, 71, kUserText, working);
    EXPECT_EQ(first, (MainChildColours{{}, {}, false, 0x0000FF}));
    const auto fourth = MainWindowChildColours(ChildKind::kStatic, 74, kUserText, working);
    EXPECT_EQ(fourth, (MainChildColours{{}, {}, false, 0x030201}));
    working.set_dpi_colour(3, {0x40, 0x50, 0x60});
    EXPECT_EQ(MainWindowChildColours(ChildKind::kStatic, 74, kUserText, working)->brush_colour,
              0x605040u)
        << "a chosen colour shows at the next repaint";
}

}  // namespace
}  // namespace corvanti
