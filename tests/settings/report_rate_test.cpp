#include "settings/report_rate.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

DrawStep Light(int x) {
    return DrawImage{"/slider-RP-light.png", x, 204};
}
DrawStep Dark(int x) {
    return DrawImage{"/slider-RP-dark.png", x, 204};
}

TEST(ChooseReportRate, StoresTheCellsCodeAndSwapsTheLitCell) {
    const struct {
        std::uint8_t stored;
        int cell;
        std::uint8_t code;
        DrawList drawn;
    } cases[] = {
        {1, 1, 8, {Light(542), Dark(758)}},  // 1000 to 125 reports per second
        {8, 2, 4, {Light(614), Dark(542)}},
        {4, 3, 2, {Light(686), Dark(614)}},
        {2, 4, 1, {Light(758), Dark(686)}},
        {8, 1, 8, {}},            // the selected cell again: nothing happens
        {0, 3, 2, {Light(686)}},  // no cell was lit before
        {4, 0, 4, {}},
        {4, 5, 4, {}},
    };
    for (const auto& c : cases) {
        ProfileRecord record;
        record.set_report_rate_code(c.stored);
        EXPECT_EQ(ChooseReportRate(record, c.cell), c.drawn)
            << "stored " << int{c.stored} << " cell " << c.cell;
        EXPECT_EQ(record.report_rate_code(), c.code);
    }
}

TEST(DrawReportRateCells, LightsTheStoredRateOnly) {
    ProfileRecord record;
    record.set_report_rate_code(4);
    EXPECT_EQ(DrawReportRateCells(record), (DrawList{Dark(542), Light(614), Dark(686), Dark(758)}));
    record.set_report_rate_code(3);
    EXPECT_EQ(DrawReportRateCells(record), (DrawList{Dark(542), Dark(614), Dark(686), Dark(758)}));
}

TEST(DrawReportRateLabels, WritesEachRateUnderItsCell) {
    const DrawList labels = DrawReportRateLabels();
    ASSERT_EQ(labels.size(), kReportRateCells.size());
    const char* texts[] = {"125 Hz", "250 Hz", "500 Hz", "1000 Hz"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const auto* label = std::get_if<DrawLabel>(&labels[i]);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text, texts[i]);
        EXPECT_EQ(label->rect.left, kReportRateCells[i].rect.left);
        EXPECT_EQ(label->rect.right, kReportRateCells[i].rect.right);
        // Below the cell, so a cell's redraw never covers its label.
        EXPECT_GE(label->rect.top, kReportRateCells[i].rect.bottom);
        EXPECT_EQ(label->format, text_format::kCentredTop);
    }
}

}  // namespace
}  // namespace corvanti
