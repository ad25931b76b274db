#include "profile/key_function.h"

namespace corvanti {

namespace {

constexpr std::uint8_t kClassKeyboard = 0x00;
constexpr std::uint8_t kClassMouse = 0x01;
constexpr std::uint8_t kClassConsumer = 0x03;
constexpr std::uint8_t kClassDpi = 0x07;
constexpr std::uint8_t kClassSpecial = 0x08;
constexpr std::uint8_t kClassMacro = 0x09;
constexpr std::uint8_t kClassFireKey = 0x0A;

constexpr std::uint8_t kMouseLeft = 0xF0;
constexpr std::uint8_t kMouseRight = 0xF1;
constexpr std::uint8_t kMouseMiddle = 0xF2;
constexpr std::uint8_t kMouseFourth = 0xF3;
constexpr std::uint8_t kMouseFifth = 0xF4;
constexpr std::uint8_t kFixedWord14Code = 0xF7;
constexpr std::uint8_t kFixedWord15Code = 0xF8;

constexpr std::uint8_t kSpecialShift = 0x02;
constexpr std::uint8_t kSpecialRgbOnOff = 0x03;
constexpr std::uint8_t kShiftDpiCode = 4;  // the only DPI-switch code that carries a flag byte

// "Triple-click" is a fire key of the left button: speed 34, three shots.
constexpr KeyFunctionWord kTripleClickWord = {kClassFireKey, kMouseLeft, 0x22, 0x03};

constexpr std::array<std::string_view, kFunctionTypeCount> kFunctionTypeNames = {
    "Left Click", "Right Click", "Mid Click", "Forward",    "Backward", "Triple-click",
    "DPI Switch", "RGB On/Off",  "Windows",   "Multimedia", "Fire Key", "Single Key",
    "Combo Key",  "Macro Key",   "Shift",     "Key Off",
};

// Position in the secondary DPI list plus one is the stored code.
constexpr std::array<std::string_view, 4> kDpiSwitchNames = {"DPI +", "DPI -", "DPI Loop",
                                                             "Shift DPI"};

constexpr std::size_t kFixedPosition14 = 14;
constexpr std::size_t kFixedPosition15 = 15;

KeyFunctionWord MouseWord(std::uint8_t code) {
    return {kClassMouse, 0, code, 0};
}

void StoreWord(KeyMatrix& matrix, std::size_t position, const KeyFunctionWord& word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        matrix[position * 4 + i] = word[i];
    }
}

}  // namespace

std::string_view FunctionTypeName(std::uint8_t type) {
    return type < kFunctionTypeNames.size() ? kFunctionTypeNames[type] : std::string_view{};
}

std::string_view DpiSwitchName(std::uint8_t code) {
    if (code < 1 || code > kDpiSwitchNames.size()) {
        return {};
    }
    return kDpiSwitchNames[code - 1u];
}

KeyFunctionWord KeyFunctionWordOf(const ProfileRecord& record, KeyMode mode, std::size_t slot) {
    const auto field = [&](SlotField f) { return record.slot(mode, f, slot); };
    if (slot >= kSlotsPerArray) {
        return {};
    }
    switch (static_cast<FunctionType>(field(SlotField::FunctionType))) {
        case FunctionType::LeftClick:
            return MouseWord(kMouseLeft);
        case FunctionType::RightClick:
            return MouseWord(kMouseRight);
        case FunctionType::MidClick:
            return MouseWord(kMouseMiddle);
        case FunctionType::Forward:
            return MouseWord(kMouseFifth);
        case FunctionType::Backward:
            return MouseWord(kMouseFourth);
        case FunctionType::TripleClick:
            return kTripleClickWord;
        case FunctionType::DpiSwitch: {
            const std::uint8_t code = record.dpi_switch_code(mode, slot);
            return {kClassDpi, 0, code, static_cast<std::uint8_t>(code == kShiftDpiCode ? 1 : 0)};
        }
        case FunctionType::RgbOnOff:
            return {kClassSpecial, 0, kSpecialRgbOnOff, 0};
        case FunctionType::Windows:
            return {kClassConsumer, 0, field(SlotField::WindowsUsageLow),
                    field(SlotField::WindowsUsageHigh)};
        case FunctionType::Multimedia:
            return {kClassConsumer, 0, field(SlotField::MultimediaUsage), 0};
        case FunctionType::FireKey:
            return {kClassFireKey, field(SlotField::FireKeyCode), field(SlotField::FireKeySpeed),
                    field(SlotField::FireKeyCount)};
        case FunctionType::SingleKey:
            return {kClassKeyboard, 0, field(SlotField::SingleKeyCode), 0};
        case FunctionType::ComboKey:
            return {kClassKeyboard, field(SlotField::ComboModifiers),
                    field(SlotField::ComboFirstKey), field(SlotField::ComboSecondKey)};
        case FunctionType::MacroKey:
            return {kClassMacro, field(SlotField::MacroRepeatMode),
                    static_cast<std::uint8_t>(field(SlotField::MacroIndex) + 1), 0};
        case FunctionType::Shift:
            return {kClassSpecial, 0, kSpecialShift, 0};
        case FunctionType::KeyOff:
            break;
    }
    return {};
}

KeyMatrix BuildKeyMatrix(const ProfileRecord& record, KeyMode mode) {
    KeyMatrix matrix{};
    for (std::size_t slot = 0; slot < kMouseButtonCount; ++slot) {
        StoreWord(matrix, kKeyMatrixPositionOfSlot[slot], KeyFunctionWordOf(record, mode, slot));
    }
    StoreWord(matrix, kFixedPosition14, MouseWord(kFixedWord14Code));
    StoreWord(matrix, kFixedPosition15, MouseWord(kFixedWord15Code));
    return matrix;
}

std::uint32_t KeyMatrixWordValue(const KeyMatrix& matrix, std::size_t position) {
    if (position >= kKeyMatrixWordCount) {
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | matrix[position * 4 + i];
    }
    return value;
}

}  // namespace corvanti
