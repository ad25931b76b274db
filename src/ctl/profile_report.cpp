#include "ctl/profile_report.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/text_format.h"
#include "profile/key_function.h"
#include "profile/key_name_table.h"
#include "profile/parameter_lists.h"

namespace corvanti {

namespace {

// Apply sends a key mode's matrix under this number; matrices 2 and 4 are not written from the
// record's key modes.
constexpr int kMatrixNumberOfModeA = 1;
constexpr int kMatrixNumberOfModeB = 3;

constexpr std::size_t kMacroLoopCountSize = 2;
constexpr std::uint8_t kLongEventMarker = 0x03;  // last byte of a 4-byte event record
constexpr std::size_t kShortEventSize = 2;
constexpr std::size_t kLongEventSize = 4;

std::string_view ModeName(KeyMode mode) {
    return mode == KeyMode::A ? "Mode A" : "Mode B";
}

// A list entry's name, or its raw value when the entry is unknown, so a damaged file still
// shows what it holds.
std::string NameOr(std::string_view name, const char* raw_format, unsigned value) {
    return name.empty() ? FormatText(raw_format, value) : std::string(name);
}

std::string KeyText(std::uint8_t code) {
    return NameOr(KeyNameOfCode(code), "code 0x%02X", code);
}

std::string FireKeyText(std::uint8_t code) {
    for (const FireKeyRow& row : FireKeyList()) {
        if (row.code == code) {
            return std::string(row.name);
        }
    }
    return FormatText("code 0x%02X", code);
}

std::string ComboText(const ProfileRecord& record, KeyMode mode, std::size_t slot) {
    const auto field = [&](SlotField f) { return record.slot(mode, f, slot); };
    std::string text;
    const std::uint8_t modifiers = field(SlotField::ComboModifiers);
    if (modifiers != 0) {
        text = NameOr(ModifierNameOfMask(modifiers), "mask 0x%02X", modifiers) + " + ";
    }
    text += KeyText(field(SlotField::ComboFirstKey));
    if (const std::uint8_t second = field(SlotField::ComboSecondKey); second != 0) {
        text += " + " + KeyText(second);
    }
    return text;
}

std::string WindowsText(const ProfileRecord& record, KeyMode mode, std::size_t slot) {
    const std::uint8_t index = record.slot(mode, SlotField::WindowsIndex, slot);
    const auto list = WindowsFunctionList();
    const std::string_view name = index < list.size() ? list[index].name : std::string_view{};
    return NameOr(name, "index %u", index) +
           FormatText(" usage 0x%02X%02X", record.slot(mode, SlotField::WindowsUsageHigh, slot),
                      record.slot(mode, SlotField::WindowsUsageLow, slot));
}

std::string MultimediaText(const ProfileRecord& record, KeyMode mode, std::size_t slot) {
    const std::uint8_t index = record.slot(mode, SlotField::MultimediaIndex, slot);
    const auto list = MultimediaList();
    const std::string_view name = index < list.size() ? list[index].name : std::string_view{};
    return NameOr(name, "index %u", index) +
           FormatText(" usage 0x%02X", record.slot(mode, SlotField::MultimediaUsage, slot));
}

// The parameters of a slot's function, as the assignment dialogs would name them.
std::string ParameterText(const ProfileRecord& record, KeyMode mode, std::size_t slot) {
    const auto field = [&](SlotField f) { return record.slot(mode, f, slot); };
    switch (static_cast<FunctionType>(field(SlotField::FunctionType))) {
        case FunctionType::DpiSwitch: {
            const std::uint8_t code = record.dpi_switch_code(mode, slot);
            return NameOr(DpiSwitchName(code), "code %u", code);
        }
        case FunctionType::Windows:
            return WindowsText(record, mode, slot);
        case FunctionType::Multimedia:
            return MultimediaText(record, mode, slot);
        case FunctionType::FireKey:
            return FireKeyText(field(SlotField::FireKeyCode)) +
                   FormatText(" speed %u count %u", field(SlotField::FireKeySpeed),
                              field(SlotField::FireKeyCount));
        case FunctionType::SingleKey:
            return KeyText(field(SlotField::SingleKeyCode));
        case FunctionType::ComboKey:
            return ComboText(record, mode, slot);
        case FunctionType::MacroKey:
            return FormatText("%u mode %u", field(SlotField::MacroIndex) + 1u,
                              field(SlotField::MacroRepeatMode) + 1u);
        default:
            return {};
    }
}

std::string ButtonLine(const ProfileRecord& record, KeyMode mode, std::size_t slot) {
    const std::uint8_t type = record.slot(mode, SlotField::FunctionType, slot);
    std::string line = FormatText("  Button %u: ", static_cast<unsigned>(slot + 1));
    line += NameOr(FunctionTypeName(type), "type %u (Key Off)", type);
    if (const std::string parameters = ParameterText(record, mode, slot); !parameters.empty()) {
        line += " " + parameters;
    }
    return line + "\n";
}

std::string KeyModeSection(const ProfileRecord& record, KeyMode mode) {
    std::string text = std::string(ModeName(mode)) + ":\n";
    for (std::size_t slot = 0; slot < kMouseButtonCount; ++slot) {
        text += ButtonLine(record, mode, slot);
    }
    return text;
}

std::string MatrixLine(const ProfileRecord& record, KeyMode mode, int number) {
    return FormatText("Key matrix %d (%s):", number, ModeName(mode).data()) +
           FormatKeyMatrixWords(BuildKeyMatrix(record, mode)) + "\n";
}

std::string DpiSection(const ProfileRecord& record) {
    std::string text = "DPI stages:\n";
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const Rgb colour = record.dpi_colour(stage);
        text += FormatText("  Stage %u: level %u, %s, colour #%02X%02X%02X\n",
                           static_cast<unsigned>(stage + 1), record.dpi_level(stage),
                           record.dpi_stage_enabled(stage) ? "enabled" : "disabled", colour.red,
                           colour.green, colour.blue);
    }
    return text;
}

}  // namespace

std::string FormatReportRateLine(std::uint8_t code) {
    const unsigned rate = (code == 1 || code == 2 || code == 4 || code == 8) ? 1000u / code : 0u;
    if (rate == 0) {
        return FormatText("Report rate: code %u (not a valid code)\n", code);
    }
    return FormatText("Report rate: code %u (%u reports per second)\n", code, rate);
}

namespace {

std::string LightingSection(const ProfileRecord& record) {
    constexpr std::string_view kModeNames[] = {"Off", "Standard", "Respiration", "Neon"};
    const std::uint8_t mode = record.lighting_mode();
    const std::string_view mode_name =
        mode < std::size(kModeNames) ? kModeNames[mode] : std::string_view{"(unknown)"};
    return FormatText("Lighting: mode %u %s\n", mode, mode_name.data()) +
           FormatText("  Standard: brightness index %u, effect %u\n", record.lighting_parameter(1),
                      record.standard_effect()) +
           FormatText("  Respiration: period index %u, effect %u\n", record.lighting_parameter(2),
                      record.respiration_effect()) +
           FormatText("  Neon: period index %u, effect %u\n", record.lighting_parameter(3),
                      record.neon_effect());
}

std::string PointerLine(const ProfileRecord& record) {
    return FormatText(
        "Pointer: precision %s, scroll one screen %s, speed level %u, wheel lines %u, "
        "double-click level %u\n",
        record.pointer_precision() ? "on" : "off", record.scroll_one_screen() ? "on" : "off",
        record.pointer_speed(), record.wheel_lines(), record.double_click_speed());
}

bool AllZero(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t byte : bytes) {
        if (byte != 0) {
            return false;
        }
    }
    return true;
}

// Event records are packed from byte 2 and followed by zeros. A record is long when its fourth
// byte is the long-form marker; no key code is that small, so a short record's neighbour never
// looks like one.
std::size_t MacroEventCount(std::span<const std::uint8_t> block) {
    std::size_t count = 0;
    std::size_t at = kMacroLoopCountSize;
    while (at < block.size() && !AllZero(block.subspan(at))) {
        const bool long_form = at + 3 < block.size() && block[at + 3] == kLongEventMarker;
        at += long_form ? kLongEventSize : kShortEventSize;
        ++count;
    }
    return count;
}

unsigned MacroLoopCount(std::span<const std::uint8_t> block) {
    return block.size() < kMacroLoopCountSize ? 0u : block[0] * 256u + block[1];
}

MacroBlockViews MacroBlocksOf(const ProfileRecord& record) {
    MacroBlockViews blocks;
    for (std::size_t index = 0; index < kMacroBlockCount; ++index) {
        blocks[index] = record.macro_block(index);
    }
    return blocks;
}

}  // namespace

std::string FormatKeyMatrixWords(const KeyMatrix& matrix) {
    std::string words;
    for (std::size_t position = 0; position < kKeyMatrixWordCount; ++position) {
        words += FormatText(" %08x", KeyMatrixWordValue(matrix, position));
    }
    return words;
}

std::string FormatMacroSummary(const MacroBlockViews& blocks) {
    std::string text = "Macro blocks:\n";
    for (std::size_t index = 0; index < kMacroBlockCount; ++index) {
        const auto block = blocks[index];
        text +=
            FormatText("  Macro %u: loop count %u, events %u\n", static_cast<unsigned>(index + 1),
                       MacroLoopCount(block), static_cast<unsigned>(MacroEventCount(block)));
    }
    return text;
}

std::string FormatProfileReport(const ProfileFileContent& content) {
    const ProfileRecord& record = content.record;
    std::string text = FormatText("First-run flag: %u\n", content.first_run_flag);
    text += FormatText("Shown key mode: %s\n", ModeName(record.shown_key_mode()).data());
    text += KeyModeSection(record, KeyMode::A);
    text += KeyModeSection(record, KeyMode::B);
    text += MatrixLine(record, KeyMode::A, kMatrixNumberOfModeA);
    text += MatrixLine(record, KeyMode::B, kMatrixNumberOfModeB);
    text += DpiSection(record);
    text += FormatReportRateLine(record.report_rate_code());
    text += LightingSection(record);
    text += PointerLine(record);
    text += FormatMacroSummary(MacroBlocksOf(record));
    return text;
}

}  // namespace corvanti
