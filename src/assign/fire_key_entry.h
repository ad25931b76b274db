#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "assign/capture_dialogs.h"

namespace corvanti {

// The range of a fire key's speed (smaller is faster) and count (0 repeats until the button
// is released), and what replaces a number outside it.
inline constexpr int kFireKeyMinSpeed = 5;
inline constexpr int kFireKeyMinCount = 0;
inline constexpr int kFireKeyMaxNumber = 255;
inline constexpr int kFireKeySpeedReplacement = 5;
inline constexpr int kFireKeyCountReplacement = 1;

// The number a box's text stands for: its leading decimal digits, 0 when it starts with none
// (an empty box included). Long runs of digits stop growing past the range instead of
// overflowing.
int LeadingDecimal(std::string_view text);

// The fire-key dialog's choice while it runs: the key from the list and the two numbers as
// the user types them. It starts from the defaults whatever the button held before.
class FireKeyEntry {
  public:
    // The speed box lost the focus with this text. A number outside 5-255 becomes 5; the
    // result is then the text the box must show instead.
    std::optional<std::string> OnSpeedFocusLost(std::string_view text);
    // The count box's text changed. A number above 255 becomes 1, with the text to show.
    std::optional<std::string> OnCountChanged(std::string_view text);
    // An entry of the key list was chosen.
    void OnKeyChosen(int index, std::string text);

    // The texts the boxes show for the current numbers (the defaults when the dialog starts).
    std::string InitialSpeedText() const;
    std::string InitialCountText() const;

    const FireKeyChoice& choice() const { return choice_; }

  private:
    FireKeyChoice choice_;
};

}  // namespace corvanti
