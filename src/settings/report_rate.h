#pragma once

#include <array>
#include <cstdint>

#include "common/client_rect.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// The report-rate slider: four cells, slowest first, each storing its rate code.
struct ReportRateCell {
    int reports_per_second;
    std::uint8_t code;
    ClientRect rect;
};

inline constexpr std::array<ReportRateCell, 4> kReportRateCells = {{
    {125, 8, {542, 204, 612, 215}},
    {250, 4, {614, 204, 684, 215}},
    {500, 2, {686, 204, 756, 215}},
    {1000, 1, {758, 204, 828, 215}},
}};

// Cell 1-4 clicked: stores its code and lights it, darkening the one selected before. The cell
// already selected, or a cell number outside 1-4, changes and draws nothing.
DrawList ChooseReportRate(ProfileRecord& record, int cell);

// The four cells as the record holds the rate: its cell light, the others dark (all dark for
// a code no cell stores).
DrawList DrawReportRateCells(const ProfileRecord& record);

// The rate of each cell written under it ("125 Hz" ... "1000 Hz"), centred on the cell's column.
// Drawn with the page only: a cell's redraw never reaches below the cell.
DrawList DrawReportRateLabels();

}  // namespace corvanti
