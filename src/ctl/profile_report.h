#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "profile/key_function.h"
#include "profile/profile_file.h"

namespace corvanti {

// A readable account of a config.bin: the first-run flag, both key modes button by button,
// the key matrices Apply sends (matrix 1 from "Mode A", 3 from "Mode B"), DPI stages, report
// rate, lighting, pointer settings, the shown key mode and every macro block's loop count and
// event count. One fact per line, so tools can grep it.
std::string FormatProfileReport(const ProfileFileContent& content);

// Pieces the report shares with the account of what a mouse holds.

// A key matrix's sixteen words, each as %08x after a space.
std::string FormatKeyMatrixWords(const KeyMatrix& matrix);

// "Report rate: ..." for a report-rate code, with the rate it stands for when it is valid.
std::string FormatReportRateLine(std::uint8_t code);

// "Macro blocks:" and one line per block with its loop count and event count.
using MacroBlockViews = std::array<std::span<const std::uint8_t>, kMacroBlockCount>;
std::string FormatMacroSummary(const MacroBlockViews& blocks);

}  // namespace corvanti
