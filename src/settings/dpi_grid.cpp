#include "settings/dpi_grid.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "settings/dpi_values.h"
#include "settings/tick_box.h"

namespace corvanti {

namespace {

constexpr std::string_view kLitCellImage = "/slider-DPI-light.png";
constexpr std::string_view kUnlitCellImage = "/slider-DPI-dark.png";

constexpr int kFirstColumnLeft = 554;
constexpr int kColumnPitch = 27;
constexpr int kSquareSize = 16;  // cells, ticks and swatches are all 16 by 16
constexpr int kFirstCellTop = 500;
constexpr int kCellPitch = 18;  // each cell sits this far above the one below it
constexpr int kSwatchTop = 523;
constexpr int kTickTop = 541;

// The labels end where the first column starts; a longer table starts them further left.
constexpr int kLabelRight = 544;
constexpr int kEightLevelLabelLeft = 494;
constexpr int kTwelveLevelLabelLeft = 514;
constexpr int kEightLevels = 8;

bool IsStage(std::size_t stage) {
    return stage < kDpiStageCount;
}

int ColumnLeft(std::size_t stage) {
    return kFirstColumnLeft + kColumnPitch * static_cast<int>(stage);
}

int CellTop(int cell) {
    return kFirstCellTop - kCellPitch * (cell - 1);
}

ClientRect Square(int left, int top) {
    return {left, top, left + kSquareSize, top + kSquareSize};
}

ClientRect StageSquare(std::size_t stage, int top) {
    return IsStage(stage) ? Square(ColumnLeft(stage), top) : ClientRect{};
}

DrawStep ImageAt(std::string_view image, const ClientRect& rect) {
    return DrawImage{std::string(image), rect.left, rect.top};
}

}  // namespace

ClientRect DpiCellRect(std::size_t stage, int cell) {
    if (cell < 1 || cell > kMaxDpiCells) {
        return {};
    }
    return StageSquare(stage, CellTop(cell));
}

ClientRect DpiTickRect(std::size_t stage) {
    return StageSquare(stage, kTickTop);
}

ClientRect DpiSwatchRect(std::size_t stage) {
    return StageSquare(stage, kSwatchTop);
}

int DpiSwatchId(std::size_t stage) {
    return kDpiSwatchIdBase + static_cast<int>(stage);
}

DrawList DrawDpiCells(std::size_t stage, int lit, int cell_count) {
    DrawList list;
    if (!IsStage(stage)) {
        return list;
    }
    for (int cell = 1; cell <= std::min(cell_count, kMaxDpiCells); ++cell) {
        list.push_back(
            ImageAt(cell <= lit ? kLitCellImage : kUnlitCellImage, DpiCellRect(stage, cell)));
    }
    return list;
}

DrawList DrawDpiTick(std::size_t stage, bool on) {
    if (!IsStage(stage)) {
        return {};
    }
    const ClientRect tick = DpiTickRect(stage);
    return {DrawTickBox(tick.left, tick.top, on)};
}

DrawList DrawDpiStage(const ProfileRecord& record, int sensor_type, std::size_t stage) {
    const bool on = record.dpi_stage_enabled(stage);
    // The stored level is 0-based: level L lights cells 1 to L + 1.
    const int lit = on ? record.dpi_level(stage) + 1 : 0;
    DrawList list = DrawDpiTick(stage, on);
    Append(list, DrawDpiCells(stage, lit, static_cast<int>(DpiLevelCount(sensor_type))));
    return list;
}

DrawList DrawDpiLabels(int sensor_type) {
    const int levels = static_cast<int>(DpiLevelCount(sensor_type));
    const int left = levels > kEightLevels ? kTwelveLevelLabelLeft : kEightLevelLabelLeft;
    DrawList list;
    for (int cell = 1; cell <= levels; ++cell) {
        std::string text = DpiValueText(sensor_type, static_cast<std::size_t>(cell - 1));
        if (text.empty()) {
            continue;
        }
        const int top = CellTop(cell);
        list.push_back(DrawLabel{std::move(text),
                                 {left, top, kLabelRight, top + kSquareSize},
                                 text_format::kRightMiddle});
    }
    return list;
}

DrawList DrawDpiPanel(const ProfileRecord& record, int sensor_type) {
    DrawList list = DrawDpiLabels(sensor_type);
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        Append(list, DrawDpiStage(record, sensor_type, stage));
    }
    return list;
}

}  // namespace corvanti
