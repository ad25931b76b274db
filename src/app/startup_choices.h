#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/language_texts.h"

namespace corvanti {

struct FontSpec {
    std::string face;  // UTF-8
    int height = 0;
    int weight = 0;
    bool operator==(const FontSpec&) const = default;
};

struct MainWindowFonts {
    FontSpec normal;
    FontSpec title;
    bool operator==(const MainWindowFonts&) const = default;
};

// The main window's two fonts for a language and the packed Windows version (major version in
// the low byte, minor version in the next byte).
MainWindowFonts FontsFor(Language language, std::uint32_t packed_windows_version);

// The folder of the skin named `skin_name`: the executable's folder with its trailing
// separator, then "/Skins/", then the name. The folder is cut at the executable's last path
// separator, so a renamed executable still finds the skins beside it.
std::string SkinDirectory(std::string_view executable_path, std::string_view skin_name);

// The window starts visible by its template but must not be seen: the first two non-client
// paints hide it instead of painting.
class HideAtStartCounter {
  public:
    // True when this non-client paint is one of the first two and must hide the window.
    bool ShouldHideOnNonClientPaint();

  private:
    int remaining_ = 2;
};

}  // namespace corvanti
