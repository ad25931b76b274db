#pragma once

#include <cstdint>

#include "common/user_messages.h"
#include "profile/profile_record.h"
#include "settings/pointer_panel.h"
#include "settings/pointer_system.h"
#include "skin/draw_list.h"

namespace corvanti {

// The system's pointer settings as the advanced page edits them: read from the system once per
// run, edited in the working record, written back on OK and Apply. Every system call that
// fails is reported in a "Warning" box and the rest goes on.
class PointerSettings {
  public:
    PointerSettings(ProfileRecord& record, PointerSystem& system, UserMessages& messages);

    // The advanced page is shown: the first showing in a run takes the system's values into
    // the record; every showing draws the ticks and sliders from the record.
    DrawList ShowPage();

    // Cell 1-11 of a slider: stores it as the slider's step. The page-scrolling tick keeps its
    // state. A cell outside the row changes nothing.
    DrawList ClickSlider(PointerSlider slider, int cell);

    // A tick box flips its setting.
    DrawList ClickTick(PointerTick tick);

    // OK and Apply: precision, pointer speed, wheel lines (a screen per notch while that tick
    // is on) and double-click time, in this order.
    void WriteToSystem();

    // "Default": writes the system's own defaults at once, then shows them as steps.
    DrawList RestoreDefaults();

  private:
    struct SystemValues {
        MouseParameters parameters;
        int speed = 0;
        std::uint32_t wheel_lines = 0;
        std::uint32_t double_click_time = 0;
    };

    void ReadFromSystem();
    void Write(const SystemValues& values);
    void WarnUnless(bool succeeded, std::string_view failure_text);

    ProfileRecord& record_;
    PointerSystem& system_;
    UserMessages& messages_;
    bool read_from_system_ = false;
};

}  // namespace corvanti
