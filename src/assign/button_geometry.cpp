#include "assign/button_geometry.h"

namespace corvanti {

namespace {

constexpr int kBoxLeft = 252;
constexpr int kBoxRight = 463;
constexpr int kFirstBoxTop = 199;
constexpr int kBoxHeight = 21;
constexpr int kRowPitch = 23;

// Buttons 1-6 drop their list below the box; the rest open beside the upper boxes, starting
// again from the top.
constexpr std::size_t kFirstSideListSlot = 6;
constexpr int kListHeight = 270;
constexpr int kListBelowGap = 1;  // the list starts one pixel under its box
constexpr int kSideListLeft = 463;
constexpr int kSideListRight = 674;
constexpr int kFirstSideListTop = 100;

int RowOffset(std::size_t row) {
    return kRowPitch * static_cast<int>(row);
}

}  // namespace

ClientRect DropdownBoxRect(std::size_t slot) {
    if (slot >= kMouseButtonCount) {
        return {};
    }
    const int top = kFirstBoxTop + RowOffset(slot);
    return {kBoxLeft, top, kBoxRight, top + kBoxHeight};
}

ClientRect ButtonListArea(std::size_t slot) {
    if (slot >= kMouseButtonCount) {
        return {};
    }
    if (slot < kFirstSideListSlot) {
        const int top = DropdownBoxRect(slot).bottom + kListBelowGap;
        return {kBoxLeft, top, kBoxRight, top + kListHeight};
    }
    const int top = kFirstSideListTop + RowOffset(slot - kFirstSideListSlot);
    return {kSideListLeft, top, kSideListRight, top + kListHeight};
}

int ButtonListId(std::size_t slot) {
    return kButtonListIdBase + 1 + static_cast<int>(slot);
}

}  // namespace corvanti
