#pragma once

#include <cstddef>

#include "common/client_rect.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// The DPI panel of the basic page: per stage 0-3 a column of level cells (cell 1 at the
// bottom), a colour swatch under it and an on/off tick under that; the level labels stand
// left of the first column.

// The highest cell count of a column; a sensor may have fewer levels.
inline constexpr int kMaxDpiCells = 12;
// The swatch of stage s is the static control 71 + s.
inline constexpr int kDpiSwatchIdBase = 71;

// Cell 1-12 of a stage's column; empty for a cell or stage outside the grid.
ClientRect DpiCellRect(std::size_t stage, int cell);
ClientRect DpiTickRect(std::size_t stage);
ClientRect DpiSwatchRect(std::size_t stage);
int DpiSwatchId(std::size_t stage);

// A stage's column with cells 1 up to `lit` lit and the rest up to `cell_count` unlit.
DrawList DrawDpiCells(std::size_t stage, int lit, int cell_count);
DrawList DrawDpiTick(std::size_t stage, bool on);

// A stage as the record holds it: its tick, and its cells lit up to its level when it is on,
// all unlit when it is off.
DrawList DrawDpiStage(const ProfileRecord& record, int sensor_type, std::size_t stage);

// The DPI value of each level of the sensor beside the first column; levels without a value
// (an unknown sensor) get no label.
DrawList DrawDpiLabels(int sensor_type);

// The whole panel as the page build shows it: the labels, then the four stages.
DrawList DrawDpiPanel(const ProfileRecord& record, int sensor_type);

}  // namespace corvanti
