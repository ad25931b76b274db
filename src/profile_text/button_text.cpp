#include "profile_text/button_text.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "assign/fire_key_entry.h"
#include "profile/key_function.h"
#include "profile/key_name_table.h"
#include "profile/parameter_lists.h"
#include "profile_text/profile_text_names.h"

namespace corvanti {

namespace {

namespace key = text_key;
using Outcome = TextFieldReader::Outcome;

constexpr std::size_t kMaxComboKeys = 2;

std::string_view FireKeyNameOfCode(std::uint8_t code) {
    for (const FireKeyRow& row : FireKeyList()) {
        if (row.code == code) {
            return row.name;
        }
    }
    return {};
}

template <typename Rows>
std::string_view EntryName(const Rows& rows, std::uint8_t index) {
    return index < rows.size() ? rows[index].name : std::string_view{};
}

// The modifier of a combination when its mask holds exactly one modifier.
std::string_view SingleModifierName(std::uint8_t mask) {
    const std::string_view name = ModifierNameOfMask(mask);
    return !name.empty() && ModifierMaskOfName(name) == mask ? name : std::string_view{};
}

std::optional<TextValue> ComboKeys(std::uint8_t first, std::uint8_t second) {
    const std::string_view first_name = KeyNameOfCode(first);
    if (first_name.empty()) {
        return std::nullopt;
    }
    std::vector<TextValue> names = {TextValue::String(std::string(first_name))};
    if (const std::string_view second_name = KeyNameOfCode(second); !second_name.empty()) {
        names.push_back(TextValue::String(std::string(second_name)));
    }
    return TextValue::Array(std::move(names));
}

void AddParameters(const ProfileRecord& record, KeyMode mode, std::size_t slot,
                   std::vector<TextField>& fields) {
    const auto at = [&](SlotField f) { return record.slot(mode, f, slot); };
    switch (static_cast<FunctionType>(at(SlotField::FunctionType))) {
        case FunctionType::DpiSwitch:
            AddNameIfAny(fields, key::kDpiFunction,
                         DpiSwitchName(record.dpi_switch_code(mode, slot)));
            return;
        case FunctionType::Windows:
            AddNameIfAny(fields, key::kEntry,
                         EntryName(WindowsFunctionList(), at(SlotField::WindowsIndex)));
            return;
        case FunctionType::Multimedia:
            AddNameIfAny(fields, key::kEntry,
                         EntryName(MultimediaList(), at(SlotField::MultimediaIndex)));
            return;
        case FunctionType::FireKey:
            AddNameIfAny(fields, key::kKey, FireKeyNameOfCode(at(SlotField::FireKeyCode)));
            if (at(SlotField::FireKeySpeed) >= kFireKeyMinSpeed) {
                fields.push_back(
                    MakeField(key::kSpeed, TextValue::Integer(at(SlotField::FireKeySpeed))));
            }
            fields.push_back(
                MakeField(key::kCount, TextValue::Integer(at(SlotField::FireKeyCount))));
            return;
        case FunctionType::SingleKey:
            AddNameIfAny(fields, key::kKey, KeyNameOfCode(at(SlotField::SingleKeyCode)));
            return;
        case FunctionType::ComboKey:
            AddNameIfAny(fields, key::kModifier, SingleModifierName(at(SlotField::ComboModifiers)));
            if (auto keys =
                    ComboKeys(at(SlotField::ComboFirstKey), at(SlotField::ComboSecondKey))) {
                fields.push_back(MakeField(key::kKeys, std::move(*keys)));
            }
            return;
        case FunctionType::MacroKey:
            if (at(SlotField::MacroIndex) < kMacroBlockCount) {
                fields.push_back(
                    MakeField(key::kMacro, TextValue::Integer(at(SlotField::MacroIndex) + 1)));
            }
            AddNameIfAny(fields, key::kRepeat,
                         MacroRepeatModeTextOfStored(at(SlotField::MacroRepeatMode)));
            return;
        default:
            return;
    }
}

std::vector<std::string_view> FunctionNames() {
    std::vector<std::string_view> names;
    for (std::size_t type = 0; type < kFunctionTypeCount; ++type) {
        names.push_back(FunctionTypeName(static_cast<std::uint8_t>(type)));
    }
    return names;
}

std::vector<std::string_view> DpiSwitchNames() {
    std::vector<std::string_view> names;
    for (std::uint8_t code = 1; !DpiSwitchName(code).empty(); ++code) {
        names.push_back(DpiSwitchName(code));
    }
    return names;
}

class ButtonReader {
  public:
    ButtonReader(TextFieldReader& reader, ProfileRecord& record)
        : reader_(reader), record_(record) {}

    bool ReadKeyMode(const toml::node& node, const std::string& path, KeyMode mode);

  private:
    bool ReadButton(const toml::node& node, const std::string& path, KeyMode mode,
                    std::size_t slot);
    Outcome ReadParameter(FunctionType type, std::string_view field, const toml::node& node,
                          const std::string& path, KeyMode mode, std::size_t slot);
    Outcome ReadComboKeys(const toml::node& node, const std::string& path, KeyMode mode,
                          std::size_t slot);

    // Reads the name of a table row into `target` as a value of that row.
    template <typename Rows, typename Row>
    Outcome RowValueInto(const toml::node& node, const std::string& path, const Rows& rows,
                         std::uint8_t Row::*value, std::string_view what, std::uint8_t& target) {
        std::uint8_t position = 0;
        const Outcome outcome = reader_.NameInto(node, path, RowNames(rows), what, position);
        target = outcome == Outcome::Read ? rows[position].*value : 0;
        return outcome;
    }

    Outcome KeyCodeInto(const toml::node& node, const std::string& path, std::uint8_t& target) {
        return RowValueInto(node, path, KeyNameTable(), &KeyNameRow::code, "a key name", target);
    }

    TextFieldReader& reader_;
    ProfileRecord& record_;
};

// The byte of one slot's field; the reader writes through it.
std::uint8_t& SlotByte(ProfileRecord& record, KeyMode mode, SlotField field, std::size_t slot) {
    return record.bytes()[(mode == KeyMode::A ? kKeyModeAOffset : kKeyModeBOffset) +
                          static_cast<std::size_t>(field) * kSlotsPerArray + slot];
}

bool ButtonReader::ReadKeyMode(const toml::node& node, const std::string& path, KeyMode mode) {
    const toml::table* table = reader_.Table(node, path);
    return table &&
           reader_.EachField(
               *table, path,
               [&](std::string_view field, const toml::node& value, const std::string& field_path) {
                   const auto slot = IndexOfNumberedKey(field, key::kButtonPrefix, kSlotsPerArray);
                   if (!slot) {
                       return Outcome::Unknown;
                   }
                   return TextFieldReader::OutcomeOf(ReadButton(value, field_path, mode, *slot));
               });
}

bool ButtonReader::ReadButton(const toml::node& node, const std::string& path, KeyMode mode,
                              std::size_t slot) {
    const toml::table* table = reader_.Table(node, path);
    if (!table) {
        return false;
    }
    const toml::node* function = table->get(key::kFunction);
    if (!function) {
        return reader_.Fail(*table, path, "needs a function, such as function = \"Left Click\"");
    }
    std::uint8_t& type = SlotByte(record_, mode, SlotField::FunctionType, slot);
    if (reader_.NameInto(*function, TextFieldReader::Child(path, key::kFunction), FunctionNames(),
                         "a function", type) != Outcome::Read) {
        return false;
    }
    return reader_.EachField(
        *table, path,
        [&](std::string_view field, const toml::node& value, const std::string& field_path) {
            if (field == key::kFunction) {
                return Outcome::Read;
            }
            const Outcome outcome = ReadParameter(static_cast<FunctionType>(type), field, value,
                                                  field_path, mode, slot);
            if (outcome == Outcome::Unknown) {
                reader_.Fail(
                    value, field_path,
                    "is not a parameter of \"" + std::string(FunctionTypeName(type)) + "\"");
                return Outcome::Failed;
            }
            return outcome;
        });
}

Outcome ButtonReader::ReadParameter(FunctionType type, std::string_view field,
                                    const toml::node& node, const std::string& path, KeyMode mode,
                                    std::size_t slot) {
    const auto slot_byte = [&](SlotField f) -> std::uint8_t& {
        return SlotByte(record_, mode, f, slot);
    };
    switch (type) {
        case FunctionType::DpiSwitch:
            if (field != key::kDpiFunction) {
                return Outcome::Unknown;
            }
            return reader_.NameInto(node, path, DpiSwitchNames(), "a DPI function",
                                    record_.bytes()[(mode == KeyMode::A ? kDpiSwitchCodesAOffset
                                                                        : kDpiSwitchCodesBOffset) +
                                                    slot],
                                    1);
        case FunctionType::Windows: {
            if (field != key::kEntry) {
                return Outcome::Unknown;
            }
            std::uint8_t& index = slot_byte(SlotField::WindowsIndex);
            const Outcome outcome = reader_.NameInto(node, path, RowNames(WindowsFunctionList()),
                                                     "a Windows function", index);
            slot_byte(SlotField::WindowsUsageLow) = WindowsFunctionUsageLowOf(index);
            slot_byte(SlotField::WindowsUsageHigh) = WindowsFunctionUsageHighOf(index);
            return outcome;
        }
        case FunctionType::Multimedia: {
            if (field != key::kEntry) {
                return Outcome::Unknown;
            }
            std::uint8_t& index = slot_byte(SlotField::MultimediaIndex);
            const Outcome outcome =
                reader_.NameInto(node, path, RowNames(MultimediaList()), "a multimedia key", index);
            slot_byte(SlotField::MultimediaUsage) = MultimediaUsageOf(index);
            return outcome;
        }
        case FunctionType::FireKey:
            if (field == key::kKey) {
                std::uint8_t& index = slot_byte(SlotField::FireKeyIndex);
                const Outcome outcome =
                    reader_.NameInto(node, path, RowNames(FireKeyList()), "a fire key", index);
                slot_byte(SlotField::FireKeyCode) = FireKeyCodeOf(index);
                return outcome;
            }
            if (field == key::kSpeed) {
                return reader_.ByteInto(node, path, kFireKeyMinSpeed, kFireKeyMaxNumber,
                                        slot_byte(SlotField::FireKeySpeed));
            }
            if (field == key::kCount) {
                return reader_.ByteInto(node, path, kFireKeyMinCount, kFireKeyMaxNumber,
                                        slot_byte(SlotField::FireKeyCount));
            }
            return Outcome::Unknown;
        case FunctionType::SingleKey:
            if (field != key::kKey) {
                return Outcome::Unknown;
            }
            return KeyCodeInto(node, path, slot_byte(SlotField::SingleKeyCode));
        case FunctionType::ComboKey:
            if (field == key::kModifier) {
                return RowValueInto(node, path, ModifierTable(), &ModifierRow::mask, "a modifier",
                                    slot_byte(SlotField::ComboModifiers));
            }
            if (field == key::kKeys) {
                return ReadComboKeys(node, path, mode, slot);
            }
            return Outcome::Unknown;
        case FunctionType::MacroKey:
            if (field == key::kMacro) {
                std::uint8_t number = 0;
                const Outcome outcome = reader_.ByteInto(
                    node, path, 1, static_cast<std::int64_t>(kMacroBlockCount), number);
                slot_byte(SlotField::MacroIndex) = static_cast<std::uint8_t>(number - 1);
                return outcome;
            }
            if (field == key::kRepeat) {
                const auto texts = MacroRepeatModeTexts();
                return reader_.NameInto(node, path,
                                        std::vector<std::string_view>(texts.begin(), texts.end()),
                                        "a repeat mode", slot_byte(SlotField::MacroRepeatMode));
            }
            return Outcome::Unknown;
        default:
            return Outcome::Unknown;
    }
}

Outcome ButtonReader::ReadComboKeys(const toml::node& node, const std::string& path, KeyMode mode,
                                    std::size_t slot) {
    const toml::array* keys = reader_.Array(node, path);
    if (!keys) {
        return Outcome::Failed;
    }
    if (keys->empty() || keys->size() > kMaxComboKeys) {
        reader_.Fail(node, path, "a combination has one or two keys");
        return Outcome::Failed;
    }
    const SlotField fields[kMaxComboKeys] = {SlotField::ComboFirstKey, SlotField::ComboSecondKey};
    for (std::size_t i = 0; i < keys->size(); ++i) {
        if (KeyCodeInto(*keys->get(i), path + "[" + std::to_string(i + 1) + "]",
                        SlotByte(record_, mode, fields[i], slot)) != Outcome::Read) {
            return Outcome::Failed;
        }
    }
    return Outcome::Read;
}
}  // namespace
TextSection KeyModeSection(const ProfileRecord& record, KeyMode mode) {
    TextSection section{std::string(KeyModeTableName(mode)),
                        {std::string(KeyModeName(mode)) + ": each button's function."},
                        {}};
    for (std::size_t slot = 0; slot < kSlotsPerArray; ++slot) {
        const std::string_view function =
            FunctionTypeName(record.slot(mode, SlotField::FunctionType, slot));
        if (function.empty()) {
            continue;  // an unknown function type lives in [raw]
        }
        std::vector<TextField> fields = {NameField(key::kFunction, function)};
        AddParameters(record, mode, slot, fields);
        section.fields.push_back(
            MakeField(NumberedKey(key::kButtonPrefix, slot), TextValue::Table(std::move(fields))));
    }
    return section;
}

bool ReadKeyModeTable(TextFieldReader& reader, const toml::node& node, const std::string& path,
                      KeyMode mode, ProfileRecord& record) {
    return ButtonReader(reader, record).ReadKeyMode(node, path, mode);
}

}  // namespace corvanti
