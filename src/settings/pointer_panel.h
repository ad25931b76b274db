#pragma once

#include "common/client_rect.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// The pointer half of the advanced page: three eleven-cell sliders, one above the other, and
// two tick boxes.
enum class PointerSlider { Speed = 1, Scrolling = 2, DoubleClick = 3 };
enum class PointerTick { Precision, PageScrolling };

inline constexpr int kPointerSliderCells = 11;

// Cell 1-11 of a slider; empty for a cell outside the row.
ClientRect PointerSliderCellRect(PointerSlider slider, int cell);
ClientRect PointerTickRect(PointerTick tick);

// A slider showing `value`: cells 1 to value lit, the rest unlit (none lit for 0).
DrawList DrawPointerSlider(PointerSlider slider, int value);
DrawStep DrawPointerTick(PointerTick tick, bool on);

// The position numbers 1-11 of the three sliders, each centred under its cell, where the
// lit and unlit cell images drawn later cannot cover them.
DrawList DrawPointerSliderNumbers();

// Both ticks and the three sliders as the record holds them.
DrawList DrawPointerPanel(const ProfileRecord& record);

}  // namespace corvanti
