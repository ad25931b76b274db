#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvanti {

// The lighting modes and effects by code, as the record stores them.
inline constexpr std::uint8_t kLightingOff = 0;
inline constexpr std::uint8_t kLightingStandard = 1;
inline constexpr std::uint8_t kLightingRespiration = 2;
inline constexpr std::uint8_t kLightingNeon = 3;
inline constexpr std::size_t kLightingTextCount = 4;

// The mode and effect names of the window's language by code 0-3; the window fills them from
// its language table.
struct LightingTexts {
    std::array<std::string, kLightingTextCount> modes;    // off, standard, respiration, neon
    std::array<std::string, kLightingTextCount> effects;  // effect codes 0-3
};

// The name of a mode or effect code; empty for a code without one.
std::string LightingModeText(const LightingTexts& texts, std::uint8_t mode);
std::string LightingEffectText(const LightingTexts& texts, std::uint8_t code);

// The parameter choices of a mode, the same in every language: ten brightness steps for the
// standard mode, five respiration periods, and thirty neon periods for any other mode.
std::vector<std::string> LightingParameterEntries(std::uint8_t mode);

// The text of a stored parameter index of modes 1-3; empty past the mode's choices and for
// any other mode.
std::string LightingParameterText(std::uint8_t mode, std::uint8_t index);

// Neon period index i lasts (i + 1) / 2 seconds: "0.5S", "1S", "1.5S" ... "15S".
std::string NeonPeriodText(std::size_t index);

}  // namespace corvanti
