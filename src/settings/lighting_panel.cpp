#include "settings/lighting_panel.h"

#include <algorithm>
#include <utility>

namespace corvanti {

namespace {

constexpr ClientRect kModeListRect{766, 347, 851, 407};
constexpr ClientRect kEffectListRect{766, 407, 851, 447};
constexpr int kParameterListLeft = 767;
constexpr int kParameterListTop = 377;
constexpr int kParameterListRight = 851;
// The parameter list's height, which follows the number of choices of the mode, counts from
// the parameter static's bottom edge.
constexpr int kParameterListBase = 374;
constexpr int kBrightnessListHeight = 173;
constexpr int kRespirationListHeight = 93;
constexpr int kNeonListHeight = 203;

// The effect list offers two consecutive effect codes, starting here for each mode.
constexpr std::uint8_t kFirstRespirationEffect = 1;
constexpr std::uint8_t kFirstNeonEffect = 2;
constexpr int kEffectChoiceCount = 2;
// A freshly chosen standard mode shows this effect, whatever the record holds for it.
constexpr std::uint8_t kChosenStandardEffect = 1;

// Mode list position p chooses mode p + 1: the off mode cannot be chosen.
constexpr int kChoosableModeCount = 3;

const LightingSelectorLayout& Layout(LightingSelector selector) {
    return kLightingSelectors[static_cast<std::size_t>(selector)];
}

int ParameterListHeight(std::uint8_t mode) {
    switch (mode) {
        case kLightingStandard:
            return kBrightnessListHeight;
        case kLightingRespiration:
            return kRespirationListHeight;
        default:
            return kNeonListHeight;
    }
}

std::optional<std::uint8_t> FirstEffectOf(std::uint8_t mode) {
    switch (mode) {
        case kLightingRespiration:
            return kFirstRespirationEffect;
        case kLightingNeon:
            return kFirstNeonEffect;
        default:
            return std::nullopt;
    }
}

bool ShowsDetails(std::uint8_t mode) {
    return mode == kLightingStandard || mode == kLightingRespiration || mode == kLightingNeon;
}

StaticText TextOf(LightingSelector selector, std::string text) {
    return {Layout(selector).static_id, std::move(text)};
}

}  // namespace

const LightingSelectorLayout* LightingStaticLayout(int control_id) {
    const auto found =
        std::ranges::find(kLightingSelectors, control_id, &LightingSelectorLayout::static_id);
    return found == kLightingSelectors.end() ? nullptr : &*found;
}

ClientRect LightingListRect(LightingSelector selector, std::uint8_t mode) {
    switch (selector) {
        case LightingSelector::Mode:
            return kModeListRect;
        case LightingSelector::Parameter:
            return {kParameterListLeft, kParameterListTop, kParameterListRight,
                    kParameterListBase + ParameterListHeight(mode)};
        case LightingSelector::Effect:
            return kEffectListRect;
    }
    return {};
}

LightingPanel::LightingPanel(ProfileRecord& record, LightingTexts texts)
    : record_(record), texts_(std::move(texts)) {}

LightingOutcome LightingPanel::SetUpPage() {
    const std::uint8_t mode = record_.lighting_mode();
    LightingOutcome outcome;
    outcome.create_statics.push_back(
        TextOf(LightingSelector::Mode, LightingModeText(texts_, mode)));
    for (StaticText& text : DetailTexts(record_.standard_effect())) {
        outcome.create_statics.push_back(std::move(text));
    }
    detail_statics_exist_ = ShowsDetails(mode);
    return outcome;
}

LightingOutcome LightingPanel::ClickSelector(LightingSelector selector) {
    switch (selector) {
        case LightingSelector::Mode: {
            std::vector<std::string> modes;
            for (std::uint8_t mode = 1; mode <= kChoosableModeCount; ++mode) {
                modes.push_back(LightingModeText(texts_, mode));
            }
            return Toggle(selector, std::move(modes));
        }
        case LightingSelector::Parameter:
            return Toggle(selector, LightingParameterEntries(record_.lighting_mode()));
        case LightingSelector::Effect:
            return ClickEffectSelector();
    }
    return {};
}

LightingOutcome LightingPanel::Choose(LightingSelector selector, int position) {
    if (!IsOpen(selector)) {
        return {};
    }
    switch (selector) {
        case LightingSelector::Mode:
            return ChooseMode(position);
        case LightingSelector::Parameter:
            return ChooseParameter(position);
        case LightingSelector::Effect:
            return ChooseEffect(position);
    }
    return {};
}

std::vector<int> LightingPanel::CloseListsOutside(ClientPoint click) {
    std::vector<int> closed;
    for (LightingSelector selector :
         {LightingSelector::Mode, LightingSelector::Effect, LightingSelector::Parameter}) {
        const bool inside = Layout(selector).click_area.Contains(click) ||
                            LightingListRect(selector, record_.lighting_mode()).Contains(click);
        if (IsOpen(selector) && !inside) {
            SetOpen(selector, false);
            closed.push_back(Layout(selector).list_id);
        }
    }
    return closed;
}

std::vector<int> LightingPanel::CloseLists() {
    std::vector<int> closed;
    for (const LightingSelectorLayout& layout : kLightingSelectors) {
        if (IsOpen(layout.selector)) {
            SetOpen(layout.selector, false);
            closed.push_back(layout.list_id);
        }
    }
    return closed;
}

bool LightingPanel::IsOpen(LightingSelector selector) const {
    return open_[static_cast<std::size_t>(selector)];
}

LightingOutcome LightingPanel::Toggle(LightingSelector selector, std::vector<std::string> entries) {
    LightingOutcome outcome;
    if (IsOpen(selector)) {
        outcome.destroy_list = Layout(selector).list_id;
        SetOpen(selector, false);
        return outcome;
    }
    outcome.create_list =
        ListBoxWindow{Layout(selector).list_id, LightingListRect(selector, record_.lighting_mode()),
                      std::move(entries)};
    SetOpen(selector, true);
    return outcome;
}

LightingOutcome LightingPanel::ClickEffectSelector() {
    const std::uint8_t mode = record_.lighting_mode();
    if (IsOpen(LightingSelector::Effect)) {
        return Toggle(LightingSelector::Effect, {});
    }
    LightingOutcome outcome;
    if (const auto first = FirstEffectOf(mode)) {
        std::vector<std::string> effects;
        for (int i = 0; i < kEffectChoiceCount; ++i) {
            effects.push_back(LightingEffectText(texts_, static_cast<std::uint8_t>(*first + i)));
        }
        outcome = Toggle(LightingSelector::Effect, std::move(effects));
    } else if (mode == kLightingStandard && detail_statics_exist_) {
        // The standard mode has one effect to show and nothing to choose.
        outcome.set_texts.push_back(
            TextOf(LightingSelector::Effect, LightingEffectText(texts_, kChosenStandardEffect)));
    }
    // Without a list the flag still records the click, so the next one counts as closing.
    SetOpen(LightingSelector::Effect, true);
    return outcome;
}

LightingOutcome LightingPanel::ChooseMode(int position) {
    if (position < 0 || position >= kChoosableModeCount) {
        return {};
    }
    record_.set_lighting_mode(static_cast<std::uint8_t>(position + 1));
    std::vector<StaticText> details = DetailTexts(kChosenStandardEffect);
    LightingOutcome outcome =
        Chosen(LightingSelector::Mode,
               {TextOf(LightingSelector::Mode, LightingModeText(texts_, record_.lighting_mode()))});
    if (detail_statics_exist_) {
        for (StaticText& text : details) {
            outcome.set_texts.push_back(std::move(text));
        }
    } else {
        // Coming from the off mode, the parameter and effect statics appear now.
        outcome.create_statics = std::move(details);
        detail_statics_exist_ = true;
    }
    return outcome;
}

LightingOutcome LightingPanel::ChooseParameter(int position) {
    const std::uint8_t mode = record_.lighting_mode();
    std::vector<std::string> entries = LightingParameterEntries(mode);
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) {
        return {};
    }
    // The off mode offers the neon periods but has no byte to keep the choice in.
    record_.set_lighting_parameter(mode, static_cast<std::uint8_t>(position));
    return Chosen(LightingSelector::Parameter,
                  {TextOf(LightingSelector::Parameter,
                          std::move(entries[static_cast<std::size_t>(position)]))});
}

LightingOutcome LightingPanel::ChooseEffect(int position) {
    const std::uint8_t mode = record_.lighting_mode();
    const auto first = FirstEffectOf(mode);
    if (!first || position < 0 || position >= kEffectChoiceCount) {
        return {};
    }
    const auto code = static_cast<std::uint8_t>(*first + position);
    if (mode == kLightingRespiration) {
        record_.set_respiration_effect(code);
    } else {
        record_.set_neon_effect(code);
    }
    return Chosen(LightingSelector::Effect,
                  {TextOf(LightingSelector::Effect, LightingEffectText(texts_, code))});
}

LightingOutcome LightingPanel::Chosen(LightingSelector selector, std::vector<StaticText> texts) {
    LightingOutcome outcome;
    outcome.destroy_list = Layout(selector).list_id;
    SetOpen(selector, false);
    for (StaticText& text : texts) {
        const bool exists =
            text.control_id == Layout(LightingSelector::Mode).static_id || detail_statics_exist_;
        if (exists) {
            outcome.set_texts.push_back(std::move(text));
        }
    }
    return outcome;
}

std::vector<StaticText> LightingPanel::DetailTexts(std::uint8_t standard_effect) const {
    const std::uint8_t mode = record_.lighting_mode();
    std::uint8_t effect = 0;
    switch (mode) {
        case kLightingStandard:
            effect = standard_effect;
            break;
        case kLightingRespiration:
            effect = record_.respiration_effect();
            break;
        case kLightingNeon:
            effect = record_.neon_effect();
            break;
        default:
            return {};
    }
    return {
        TextOf(LightingSelector::Parameter,
               LightingParameterText(mode, record_.lighting_parameter(mode))),
        TextOf(LightingSelector::Effect, LightingEffectText(texts_, effect)),
    };
}

void LightingPanel::SetOpen(LightingSelector selector, bool open) {
    open_[static_cast<std::size_t>(selector)] = open;
}

}  // namespace corvanti
