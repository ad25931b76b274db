#include "settings/report_rate.h"

#include <string>
#include <string_view>

namespace corvanti {

namespace {

constexpr std::string_view kSelectedImage = "/slider-RP-light.png";
constexpr std::string_view kOtherImage = "/slider-RP-dark.png";
// The labels stand below the artwork's tick marks under the slider.
constexpr int kLabelTop = 229;
constexpr int kLabelBottom = 245;

DrawStep DrawCell(const ReportRateCell& cell, bool selected) {
    return DrawImage{std::string(selected ? kSelectedImage : kOtherImage), cell.rect.left,
                     cell.rect.top};
}

}  // namespace

DrawList ChooseReportRate(ProfileRecord& record, int cell) {
    if (cell < 1 || cell > static_cast<int>(kReportRateCells.size())) {
        return {};
    }
    const ReportRateCell& chosen = kReportRateCells[static_cast<std::size_t>(cell - 1)];
    const std::uint8_t previous = record.report_rate_code();
    if (chosen.code == previous) {
        return {};
    }
    DrawList list{DrawCell(chosen, true)};
    for (const ReportRateCell& other : kReportRateCells) {
        if (other.code == previous) {
            list.push_back(DrawCell(other, false));
        }
    }
    record.set_report_rate_code(chosen.code);
    return list;
}

DrawList DrawReportRateCells(const ProfileRecord& record) {
    DrawList list;
    for (const ReportRateCell& cell : kReportRateCells) {
        list.push_back(DrawCell(cell, cell.code == record.report_rate_code()));
    }
    return list;
}

DrawList DrawReportRateLabels() {
    DrawList list;
    for (const ReportRateCell& cell : kReportRateCells) {
        list.push_back(DrawLabel{std::to_string(cell.reports_per_second) + " Hz",
                                 {cell.rect.left, kLabelTop, cell.rect.right, kLabelBottom},
                                 text_format::kCentredTop});
    }
    return list;
}

}  // namespace corvanti
