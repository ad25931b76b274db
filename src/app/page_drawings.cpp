#include "app/page_drawings.h"

#include "app/page_skeletons.h"
#include "assign/button_drawing.h"
#include "settings/dpi_grid.h"
#include "settings/pointer_panel.h"
#include "settings/report_rate.h"

namespace corvanti {

DrawList BasicPageDrawing(const LanguageTexts& texts, const ProfileRecord& working,
                          const ButtonCaptions& captions, int sensor_type) {
    DrawList list = BasicPageSkeleton(texts);
    const KeyMode mode = working.shown_key_mode();
    Append(list, DrawKeyModeButtons(mode));
    Append(list, DrawDropdownBoxes(captions, mode));
    Append(list, DrawReportRateCells(working));
    Append(list, DrawReportRateLabels());
    Append(list, DrawDpiPanel(working, sensor_type));
    return list;
}

DrawList AdvancedPageDrawing(const LanguageTexts& texts, const DrawList& pointer_panel) {
    DrawList list = AdvancedPageSkeleton(texts);
    Append(list, DrawPointerSliderNumbers());
    Append(list, pointer_panel);
    return list;
}

}  // namespace corvanti
