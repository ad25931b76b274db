#pragma once

#include <optional>
#include <string>

namespace corvanti {

// What each capture dialog hands back when the user ends it with OK. Every dialog starts from
// these defaults, never from what the button held before.

// The Windows-function dialog: the chosen entry of its list.
struct WindowsFunctionChoice {
    int index = 0;
    std::string text;  // the entry as shown, in the dialog's language
};

// The multimedia dialog: the chosen entry of its list.
struct MultimediaChoice {
    int index = 0;
    std::string text;
};

// The fire-key dialog: the key by its list position and text, speed 5-255, count 0-255.
struct FireKeyChoice {
    int key_index = 0;
    std::string key_text = "A";
    int speed = 32;
    int count = 1;
};

// The single-key dialog: the name of the last key event it captured (empty when none).
struct SingleKeyChoice {
    std::string key_name;
};

// The combination dialog: the modifier's name and the two captured key names, each possibly
// empty.
struct ComboKeyChoice {
    std::string modifier_name;
    std::string first_key_name;
    std::string second_key_name;
};

// The macro key dialog: the macro by its position in the macro store and its name, and the
// repeat mode 1-3.
struct MacroKeyChoice {
    int macro_index = 0;
    std::string macro_name;
    int repeat_mode = 1;
};

// The dialogs the button assignment opens. Each runs modally and returns its result only when
// the user ended it with OK; Cancel and the close cross give nothing.
class CaptureDialogs {
  public:
    virtual ~CaptureDialogs() = default;

    virtual std::optional<WindowsFunctionChoice> ChooseWindowsFunction() = 0;
    virtual std::optional<MultimediaChoice> ChooseMultimedia() = 0;
    virtual std::optional<FireKeyChoice> ChooseFireKey() = 0;
    virtual std::optional<SingleKeyChoice> ChooseSingleKey() = 0;
    virtual std::optional<ComboKeyChoice> ChooseComboKey() = 0;
    virtual std::optional<MacroKeyChoice> ChooseMacroKey() = 0;
};

}  // namespace corvanti
