#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/language.h"

namespace corvanti {

// Every text of the main window by its role, in table order.
enum class TextRole : std::size_t {
    BasicPageTitle,
    AdvancedPageTitle,
    ColorSettingsCaption,
    OkButton,
    ApplyButton,
    CancelButton,
    KeySettingsCaption,
    ReportRateCaption,
    DpiCaption,
    KeyDefaultsButton,
    KeyConfiguration1,
    KeyConfiguration2,
    KeyConfiguration3,
    KeyConfiguration4,
    AuxiliaryLedCaption,
    LedAsBreathing,
    LedAsHeartbeat,
    LedAsKeyGroupIndicator,
    DpiEffectCaption,
    LightingModeLabel,
    LightingParameterLabel,
    LightingSpeed,
    LightingBrightness,
    LightingEffectLabel,
    LightingModeOff,
    LightingModeStandard,
    LightingModeBreathing,
    LightingModeNeon,
    DpiEffectOff,
    DpiEffectRgbEffect,
    DpiEffectRgbFlash,
    DpiEffectRgbSteady,
    FunctionLeftClick,
    FunctionRightClick,
    FunctionMiddleClick,
    FunctionDpiUp,
    FunctionDpiDown,
    FunctionMyComputer,
    FunctionPreviousTrack,
    FunctionNextTrack,
    FunctionForward,
    FunctionBackward,
    FunctionTripleClick,
    FunctionDpiSwitch,
    FunctionReportRateSwitch,
    FunctionShift,
    FunctionRgbOnOff,
    FunctionWindows,
    FunctionMultimediaGroup,
    FunctionFireKey,
    FunctionSingleKey,
    FunctionCombinationKey,
    FunctionMacroKey,
    FunctionKeyOff,
    FireKeySuffix,
    LeftButtonWarning,
    WebAddress,
    BalloonRate1000,
    BalloonRate500,
    BalloonRate250,
    BalloonRate125,
    BalloonDpiStage1,
    BalloonDpiStage2,
    BalloonDpiStage3,
    BalloonDpiStage4,
    BalloonKeyMatrix1,
    BalloonKeyMatrix2,
    BalloonKeyMatrix3,
    BalloonKeyMatrix4,
    BalloonMacroKey,
    TrayMenuExit,
    BalloonNotDetected,
    BalloonDetected,
    MouseSpeedCaption,
    ScrollingSpeedCaption,
    DoubleClickSpeedCaption,
    MacroSettingsCaption,
    MacroListCaption,
    KeySequenceCaption,
    RecordOptionsCaption,
    PointerPrecisionTick,
    PageScrollingTick,
    PointerDefaultsButton,
    MacroNameLabel,
    StartRecording,
    StopRecording,
    RecordOptionTick,
    LoopCountLabel,
    InsertMouseEventBox,
    NewMacro,
    Delete,
    ConfirmMacro,
    MacroNameEmpty,
    MacroNameExists,
    RecordingHint,
    StopWithoutRecording,
    SettingsSectionName,
};
inline constexpr std::size_t kTextRoleCount =
    static_cast<std::size_t>(TextRole::SettingsSectionName) + 1;

// The address the web link shows (its WebAddress text, the same in every language) and opens.
inline constexpr std::string_view kWebAddress = "https://corvanti.example/";

// The text of `role` in `language` (UTF-8). Blanks at either end belong to the text.
std::string_view LanguageText(Language language, TextRole role);

// The texts of one language, copied once, as the main window holds them.
class LanguageTexts {
  public:
    explicit LanguageTexts(Language language);

    Language language() const { return language_; }
    const std::string& Text(TextRole role) const;

  private:
    Language language_;
    std::array<std::string, kTextRoleCount> texts_;
};

}  // namespace corvanti
