#include "app/page_skeletons.h"

#include <cstdint>
#include <span>
#include <string>

#include "app/hover_controls.h"
#include "app/main_window_layout.h"
#include "settings/report_rate.h"

namespace corvanti {

namespace {

using text_format::kCentred;
using text_format::kLeftMiddle;
using text_format::kRightMiddle;
using text_format::kWrapped;

struct PageLabelRow {
    TextRole role;
    ClientRect rect;
    std::uint32_t format;
};

// The basic page's own labels. The lighting labels stand right-aligned, 10 pixels left of
// their selectors.
constexpr PageLabelRow kBasicPageLabels[] = {
    {TextRole::KeySettingsCaption, {259, 160, 364, 181}, kCentred},
    {TextRole::ReportRateCaption, {504, 161, 609, 182}, kCentred},
    {TextRole::DpiCaption, {504, 275, 609, 296}, kCentred},
    {TextRole::DpiEffectCaption, {704, 275, 809, 296}, kCentred},
    {TextRole::WebAddress, kWebLinkArea, kCentred},
};

constexpr PageLabelRow kLightingLabels[] = {
    {TextRole::LightingModeLabel, {697, 330, 757, 344}, kRightMiddle},
    {TextRole::LightingParameterLabel, {697, 360, 757, 374}, kRightMiddle},
    {TextRole::LightingEffectLabel, {697, 390, 757, 404}, kRightMiddle},
};

// The advanced page's own labels. The tick labels start 10 pixels right of their ticks; the
// macro editor's field labels stand in the 20 pixels above their fields, where the fields
// do not cover them; the two recording labels wrap within their rectangles.
constexpr PageLabelRow kAdvancedPageLabelsBeforeButtons[] = {
    {TextRole::WebAddress, kWebLinkArea, kCentred},
    {TextRole::PointerPrecisionTick, {77, 255, 408, 271}, kLeftMiddle},
    {TextRole::PageScrollingTick, {77, 405, 408, 421}, kLeftMiddle},
};

constexpr PageLabelRow kMacroHeadings[] = {
    {TextRole::MacroListCaption, {457, 196, 592, 220}, kCentred},
    {TextRole::KeySequenceCaption, {591, 196, 726, 220}, kCentred},
    {TextRole::RecordOptionsCaption, {725, 196, 875, 220}, kCentred},
};

constexpr PageLabelRow kMacroFieldLabels[] = {
    {TextRole::StartRecording, {765, 227, 874, 260}, kWrapped},
    {TextRole::StopRecording, {765, 263, 874, 296}, kWrapped},
    {TextRole::LoopCountLabel, {735, 342, 874, 362}, kLeftMiddle},
    {TextRole::MacroNameLabel, {735, 302, 874, 322}, kLeftMiddle},
    {TextRole::InsertMouseEventBox, {735, 382, 874, 402}, kLeftMiddle},
};

constexpr PageLabelRow kAdvancedPageCaptions[] = {
    {TextRole::MouseSpeedCaption, {38, 160, 143, 181}, kCentred},
    {TextRole::ScrollingSpeedCaption, {38, 310, 143, 331}, kCentred},
    {TextRole::DoubleClickSpeedCaption, {38, 460, 143, 481}, kCentred},
    {TextRole::MacroSettingsCaption, {469, 160, 578, 181}, kCentred},
};

// Control images in the order the pages draw them.
constexpr HoverKind kBasicPageImages[] = {
    HoverKind::Minimise,    HoverKind::Close,    HoverKind::Skins,
    HoverKind::Ok,          HoverKind::Apply,    HoverKind::Cancel,
    HoverKind::KeyDefaults, HoverKind::BasicTab, HoverKind::AdvancedTab,
};
constexpr HoverKind kAdvancedPageImages[] = {
    HoverKind::Minimise,       HoverKind::Close,    HoverKind::Skins,       HoverKind::BasicTab,
    HoverKind::AdvancedTab,    HoverKind::Ok,       HoverKind::Apply,       HoverKind::Cancel,
    HoverKind::PointerDefault, HoverKind::NewMacro, HoverKind::DeleteMacro, HoverKind::ConfirmMacro,
};

// Text buttons whose labels follow one another.
constexpr HoverKind kBasicPageButtons[] = {HoverKind::Ok, HoverKind::Apply, HoverKind::Cancel,
                                           HoverKind::KeyDefaults};
constexpr HoverKind kConfirmationButtons[] = {HoverKind::Ok, HoverKind::Apply, HoverKind::Cancel};
constexpr HoverKind kPointerDefault[] = {HoverKind::PointerDefault};
constexpr HoverKind kMacroButtons[] = {HoverKind::NewMacro, HoverKind::DeleteMacro,
                                       HoverKind::ConfirmMacro};

void AddImages(DrawList& list, std::span<const HoverKind> kinds) {
    for (HoverKind kind : kinds) {
        list.push_back(ButtonImage(kind, false));
    }
}

void AddButtonLabels(DrawList& list, std::span<const HoverKind> kinds, const LanguageTexts& texts) {
    for (HoverKind kind : kinds) {
        if (auto label = ButtonLabel(kind, texts)) {
            list.push_back(*label);
        }
    }
}

void AddLabels(DrawList& list, std::span<const PageLabelRow> rows, const LanguageTexts& texts) {
    for (const PageLabelRow& row : rows) {
        list.push_back(DrawLabel{texts.Text(row.role), row.rect, row.format});
    }
}

DrawLabel PageTitle(TextRole role, const LanguageTexts& texts) {
    return {texts.Text(role), kPageTitleArea, kLeftMiddle, LabelFont::kTitle};
}

}  // namespace

DrawList BasicPageSkeleton(const LanguageTexts& texts) {
    DrawList list{DrawImage{"/BasicSet2.png", 0, 0}};
    AddImages(list, kBasicPageImages);
    for (const ReportRateCell& cell : kReportRateCells) {
        list.push_back(DrawImage{"/slider-RP-dark.png", cell.rect.left, cell.rect.top});
    }
    list.push_back(PageTitle(TextRole::BasicPageTitle, texts));
    AddLabels(list, kBasicPageLabels, texts);
    AddButtonLabels(list, kBasicPageButtons, texts);
    AddLabels(list, kLightingLabels, texts);
    return list;
}

DrawList AdvancedPageSkeleton(const LanguageTexts& texts) {
    DrawList list{DrawImage{"/AdvancedSet2.png", 0, 0}};
    AddImages(list, kAdvancedPageImages);
    AddLabels(list, kAdvancedPageLabelsBeforeButtons, texts);
    AddButtonLabels(list, kPointerDefault, texts);
    AddLabels(list, kMacroHeadings, texts);
    AddButtonLabels(list, kMacroButtons, texts);
    AddLabels(list, kMacroFieldLabels, texts);
    AddButtonLabels(list, kConfirmationButtons, texts);
    AddLabels(list, kAdvancedPageCaptions, texts);
    list.push_back(PageTitle(TextRole::AdvancedPageTitle, texts));
    return list;
}

}  // namespace corvanti
