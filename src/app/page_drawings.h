#pragma once

#include "app/language_texts.h"
#include "app/settings_file.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// Everything a page build puts on the canvas, in order: the page's fixed part, then each
// control in the state it holds, so the page shows the working record the moment it appears.

// The basic page: the key-mode buttons and the ten dropdown boxes of the key mode shown, the
// report-rate cells and the DPI panel for the mouse's sensor.
DrawList BasicPageDrawing(const LanguageTexts& texts, const ProfileRecord& working,
                          const ButtonCaptions& captions, int sensor_type);

// The advanced page: its fixed part and the sliders' position numbers, then `pointer_panel`,
// the ticks and sliders as the pointer settings show them.
DrawList AdvancedPageDrawing(const LanguageTexts& texts, const DrawList& pointer_panel);

}  // namespace corvanti
