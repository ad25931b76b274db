#include "app/main_window_hover.h"

#include <array>
#include <optional>

#include "profile/profile_record.h"

namespace corvanti {

namespace {

enum class ShownOn { EveryPage, BasicPage, AdvancedPage };

// The members of a group stand side by side: lighting one returns the others of its group
// to normal, while a control outside the group keeps its light until the pointer leaves.
enum class HoverGroup { None, OkApplyCancel, Tabs, MacroButtons, DropdownBoxes };

struct HoverableRow {
    HoverControl control;
    ShownOn page;
    HoverGroup group;
};

constexpr int kButtonCount = static_cast<int>(kMouseButtonCount);
constexpr int kCommonControlCount = 8;
constexpr int kBasicPageControlCount = 1 + kButtonCount;  // key defaults, the boxes
constexpr int kAdvancedPageControlCount = 4;              // pointer "Default", the macro buttons
constexpr int kHoverableCount =
    kCommonControlCount + kBasicPageControlCount + kAdvancedPageControlCount;

// In hit-test order: where controls share a column, the earlier one is under the pointer.
constexpr std::array<HoverableRow, kHoverableCount> MakeHoverableTable() {
    std::array<HoverableRow, kHoverableCount> rows{{
        {{HoverKind::Ok}, ShownOn::EveryPage, HoverGroup::OkApplyCancel},
        {{HoverKind::Apply}, ShownOn::EveryPage, HoverGroup::OkApplyCancel},
        {{HoverKind::Skins}, ShownOn::EveryPage, HoverGroup::None},
        {{HoverKind::Minimise}, ShownOn::EveryPage, HoverGroup::None},
        {{HoverKind::Close}, ShownOn::EveryPage, HoverGroup::None},
        {{HoverKind::BasicTab}, ShownOn::EveryPage, HoverGroup::Tabs},
        {{HoverKind::AdvancedTab}, ShownOn::EveryPage, HoverGroup::Tabs},
        {{HoverKind::Cancel}, ShownOn::EveryPage, HoverGroup::OkApplyCancel},
        {{HoverKind::KeyDefaults}, ShownOn::BasicPage, HoverGroup::None},
    }};
    std::size_t next = kCommonControlCount + 1;
    for (int k = 1; k <= kButtonCount; ++k) {
        rows[next++] = {{HoverKind::DropdownBox, k}, ShownOn::BasicPage, HoverGroup::DropdownBoxes};
    }
    rows[next++] = {{HoverKind::PointerDefault}, ShownOn::AdvancedPage, HoverGroup::None};
    rows[next++] = {{HoverKind::NewMacro}, ShownOn::AdvancedPage, HoverGroup::MacroButtons};
    rows[next++] = {{HoverKind::DeleteMacro}, ShownOn::AdvancedPage, HoverGroup::MacroButtons};
    rows[next++] = {{HoverKind::ConfirmMacro}, ShownOn::AdvancedPage, HoverGroup::MacroButtons};
    return rows;
}

constexpr std::array<HoverableRow, kHoverableCount> kHoverables = MakeHoverableTable();

bool IsShown(const HoverableRow& row, PageState page) {
    switch (row.page) {
        case ShownOn::EveryPage:
            return page != PageState::None;
        case ShownOn::BasicPage:
            return page == PageState::Basic;
        case ShownOn::AdvancedPage:
            return page == PageState::Advanced;
    }
    return false;
}

std::optional<std::size_t> HoverableAt(ClientPoint p, PageState page) {
    for (std::size_t i = 0; i < kHoverables.size(); ++i) {
        if (IsShown(kHoverables[i], page) && HoverControlArea(kHoverables[i].control).Contains(p)) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::size_t> GroupOf(std::size_t index) {
    std::vector<std::size_t> members;
    const HoverGroup group = kHoverables[index].group;
    if (group == HoverGroup::None) {
        return members;
    }
    for (std::size_t i = 0; i < kHoverables.size(); ++i) {
        if (kHoverables[i].group == group) {
            members.push_back(i);
        }
    }
    return members;
}

std::optional<std::size_t> IndexOf(HoverControl control) {
    for (std::size_t i = 0; i < kHoverables.size(); ++i) {
        if (kHoverables[i].control == control) {
            return i;
        }
    }
    return std::nullopt;
}

MainHoverStep ToMainStep(const HoverStep& step) {
    MainHoverStep main_step{step.request_hover, {}};
    for (const HoverDraw& draw : step.draws) {
        main_step.draws.push_back({kHoverables[draw.control].control, draw.hot});
    }
    return main_step;
}

}  // namespace

MainWindowHover::MainWindowHover() : flags_(kHoverables.size()) {}

MainHoverStep MainWindowHover::OnMouseMove(ClientPoint p, PageState page) {
    return ToMainStep(flags_.OnMouseMove(HoverableAt(p, page).has_value()));
}

MainHoverStep MainWindowHover::OnMouseHover(ClientPoint p, PageState page) {
    const std::optional<std::size_t> index = HoverableAt(p, page);
    if (!index) {
        return {};
    }
    return ToMainStep(flags_.OnMouseHover(index, GroupOf(*index)));
}

void MainWindowHover::OnPageBuilt() {
    flags_.ClearAll();
}

bool MainWindowHover::IsHot(HoverControl control) const {
    const std::optional<std::size_t> index = IndexOf(control);
    return index && flags_.IsHot(*index);
}

DrawList HoverStepDrawing(const MainHoverStep& step, const ControlTexts& texts) {
    DrawList drawing;
    for (const HoverControlDraw& draw : step.draws) {
        Append(drawing, HoverControlDrawing(draw.control, draw.hot, texts));
    }
    return drawing;
}

}  // namespace corvanti
