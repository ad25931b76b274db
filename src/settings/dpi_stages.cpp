#include "settings/dpi_stages.h"

#include "settings/dpi_grid.h"
#include "settings/dpi_values.h"

namespace corvanti {

namespace {

// Only the twelve-level sensor lets the user reach the upper cells.
constexpr int kTwelveLevelSensor = 0;
constexpr int kCellsForEverySensor = 8;

bool IsStage(std::size_t stage) {
    return stage < kDpiStageCount;
}

int LevelCount(int sensor_type) {
    return static_cast<int>(DpiLevelCount(sensor_type));
}

bool CellAnswers(int sensor_type, int cell) {
    if (cell < 1 || cell > LevelCount(sensor_type)) {
        return false;
    }
    return cell <= kCellsForEverySensor || sensor_type == kTwelveLevelSensor;
}

bool AnotherStageOn(const ProfileRecord& record, std::size_t stage) {
    for (std::size_t other = 0; other < kDpiStageCount; ++other) {
        if (other != stage && record.dpi_stage_enabled(other)) {
            return true;
        }
    }
    return false;
}

}  // namespace

DrawList ClickDpiCell(ProfileRecord& record, int sensor_type, std::size_t stage, int cell) {
    if (!IsStage(stage) || !CellAnswers(sensor_type, cell)) {
        return {};
    }
    record.set_dpi_level(stage, static_cast<std::uint8_t>(cell - 1));
    return DrawDpiCells(stage, cell, LevelCount(sensor_type));
}

DrawList ClickDpiTick(ProfileRecord& record, int sensor_type, std::size_t stage) {
    if (!IsStage(stage)) {
        return {};
    }
    if (record.dpi_stage_enabled(stage)) {
        if (!AnotherStageOn(record, stage)) {
            return {};
        }
        record.set_dpi_stage_enabled(stage, false);
    } else {
        record.set_dpi_stage_enabled(stage, true);
    }
    return DrawDpiStage(record, sensor_type, stage);
}

bool DpiColourChoosable(const ProfileRecord& record, std::size_t stage) {
    return record.dpi_stage_enabled(stage);
}

std::optional<int> StoreDpiColour(ProfileRecord& record, std::size_t stage, Rgb colour) {
    if (!IsStage(stage)) {
        return std::nullopt;
    }
    record.set_dpi_colour(stage, colour);
    return DpiSwatchId(stage);
}

}  // namespace corvanti
