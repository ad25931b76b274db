#pragma once

#include <cstdint>

namespace corvanti {

// One colour as red, green and blue bytes: a DPI stage's colour in the profile record and the
// text colour of the settings file alike.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

}  // namespace corvanti
