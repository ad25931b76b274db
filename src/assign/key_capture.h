#pragma once

#include <cstdint>
#include <string>

#include "assign/capture_dialogs.h"

namespace corvanti {

// The key capture of the single-key and combination dialogs. A keyboard hook reports every
// key event, down and up alike (auto-repeat included), with the keystroke flags of a key
// message; the key is named from its scan code by the key-name table, so the name turns back
// into the key's code. The last event wins, which is normally the release of the last key.

// The single-key dialog: every event replaces the name.
class SingleKeyCapture {
  public:
    // Returns the name to show in the key box.
    const std::string& OnKeyEvent(std::uint32_t keystroke_flags);
    const SingleKeyChoice& choice() const { return choice_; }

  private:
    SingleKeyChoice choice_;
};

// Which of the combination dialog's key boxes has the keyboard focus.
enum class ComboKeyBox { kNeither, kFirst, kSecond };

// The combination dialog: a key is captured only into the key box that has the focus; with
// the focus elsewhere (the list, the dialog itself) the event is dropped. A captured name
// cannot be cleared, only replaced by another key.
class ComboKeyCapture {
  public:
    // True when the focused box's name changed and must be shown.
    bool OnKeyEvent(ComboKeyBox focused, std::uint32_t keystroke_flags);
    void OnModifierChosen(std::string name);

    // The name a key box shows; empty for kNeither.
    const std::string& NameIn(ComboKeyBox box) const;
    const ComboKeyChoice& choice() const { return choice_; }

  private:
    ComboKeyChoice choice_;
};

}  // namespace corvanti
