#include "profile_text/profile_text_export.h"

#include <cstddef>
#include <vector>

#include "common/text_format.h"
#include "profile_text/button_text.h"
#include "profile_text/macro_text.h"
#include "profile_text/profile_text_import.h"
#include "profile_text/profile_text_names.h"
#include "profile_text/raw_bytes.h"
#include "settings/dpi_values.h"
#include "settings/lighting_texts.h"

namespace corvanti {

namespace {

namespace key = text_key;

constexpr std::size_t kMaxPointerStep = 11;

const std::vector<std::string> kHeader = {
    "Corvanti-Tarn mouse profile: what a config.bin holds, by the names the program shows.",
    "Apply it to the mouse:        corvanti-ctl apply THIS-FILE",
    "Turn it into a config.bin:    corvanti-ctl import THIS-FILE config.bin",
    "Compare it with another one:  corvanti-ctl diff THIS-FILE OTHER",
    "",
    "A field left out is stored as 0. Buttons 11 and 12 are kept in the file but never reach",
    "the mouse. Macros that are not listed are empty. [raw] keeps, by their place in the",
    "profile record, the bytes that have no name here, so that nothing is lost.",
};

TextSection TopSection(const ProfileFileContent& content) {
    const ProfileRecord& record = content.record;
    TextSection section;
    section.fields.push_back(MakeField(key::kFirstRunFlag,
                                       TextValue::Integer(content.first_run_flag),
                                       "0 until the program has saved the file once"));
    const std::uint8_t shown = record.bytes()[kShownKeyModeOffset];
    if (shown == static_cast<std::uint8_t>(KeyMode::A) ||
        shown == static_cast<std::uint8_t>(KeyMode::B)) {
        section.fields.push_back(
            NameField(key::kShownKeyMode, KeyModeName(static_cast<KeyMode>(shown))));
    }
    if (const auto rate = ReportsPerSecondOfCode(record.report_rate_code())) {
        section.fields.push_back(MakeField(key::kReportRate, TextValue::Integer(*rate),
                                           "reports per second: 125, 250, 500 or 1000"));
    }
    return section;
}

TextSection DpiStageSection(const ProfileRecord& record, std::size_t stage,
                            std::optional<std::uint8_t> sensor_type) {
    TextSection section{
        std::string(key::kDpi) + "." + NumberedKey(key::kStagePrefix, stage), {}, {}};
    AddFlagIfAny(section.fields, key::kEnabled, record.bytes()[kDpiEnabledOffset + stage]);
    const std::uint8_t level = record.dpi_level(stage);
    if (level < MostDpiLevels()) {
        section.fields.push_back(MakeField(key::kLevel, TextValue::Integer(level + 1)));
        const auto dpi = sensor_type ? DpiValue(*sensor_type, level) : std::nullopt;
        if (dpi) {
            section.fields.push_back(MakeField(key::kDpiValue, TextValue::Integer(*dpi)));
        }
    }
    const Rgb colour = record.dpi_colour(stage);
    section.fields.push_back(NameField(
        key::kColour, FormatText("#%02x%02x%02x", colour.red, colour.green, colour.blue)));
    return section;
}

std::vector<TextSection> DpiSections(const ProfileRecord& record,
                                     std::optional<std::uint8_t> sensor_type) {
    std::vector<TextSection> sections;
    TextSection head{std::string(key::kDpi), {"DPI stages: levels count from 1 (the lowest)."}, {}};
    if (sensor_type) {
        head.fields.push_back(MakeField(key::kSensor, TextValue::Integer(*sensor_type),
                                        "the mouse's sensor type; it gives each level its DPI"));
    }
    sections.push_back(std::move(head));
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        sections.push_back(DpiStageSection(record, stage, sensor_type));
    }
    return sections;
}

TextSection LightingSection(const ProfileRecord& record) {
    TextSection section{std::string(key::kLighting), {}, {}};
    const std::vector<std::string>& modes = LightingModeNames();
    if (record.lighting_mode() < modes.size()) {
        section.fields.push_back(NameField(key::kMode, modes[record.lighting_mode()]));
    }
    const std::uint8_t effects[kLightingModeCount] = {
        record.standard_effect(), record.respiration_effect(), record.neon_effect()};
    for (std::uint8_t mode = kLightingStandard; mode <= kLightingNeon; ++mode) {
        std::vector<TextField> fields;
        AddNameIfAny(fields, mode == kLightingStandard ? key::kBrightness : key::kPeriod,
                     LightingParameterText(mode, record.lighting_parameter(mode)));
        const std::uint8_t effect = effects[mode - kLightingStandard];
        if (effect < LightingEffectNames().size()) {
            fields.push_back(NameField(key::kEffect, LightingEffectNames()[effect]));
        }
        section.fields.push_back(MakeField(key::kLightingModeTables[mode - kLightingStandard],
                                           TextValue::Table(std::move(fields))));
    }
    return section;
}

void AddPointerStep(std::vector<TextField>& fields, std::string_view name, std::uint8_t step,
                    std::uint8_t lowest) {
    if (step >= lowest && step <= kMaxPointerStep) {
        fields.push_back(MakeField(name, TextValue::Integer(step)));
    }
}

TextSection PointerSection(const ProfileRecord& record) {
    TextSection section{std::string(key::kPointer),
                        {"Windows pointer settings; the steps are those of the sliders (1-11)."},
                        {}};
    const auto& bytes = record.bytes();
    AddFlagIfAny(section.fields, key::kPrecision, bytes[kPointerPrecisionOffset]);
    AddFlagIfAny(section.fields, key::kScrollOneScreen, bytes[kScrollOneScreenOffset]);
    AddPointerStep(section.fields, key::kPointerSpeed, record.pointer_speed(), 1);
    AddPointerStep(section.fields, key::kWheelLines, record.wheel_lines(), 0);
    AddPointerStep(section.fields, key::kDoubleClickSpeed, record.double_click_speed(), 1);
    return section;
}

ProfileDocument NamedDocument(const ProfileFileContent& content,
                              std::optional<std::uint8_t> sensor_type) {
    const ProfileRecord& record = content.record;
    ProfileDocument document{kHeader, {TopSection(content)}};
    document.sections.push_back(KeyModeSection(record, KeyMode::A));
    document.sections.push_back(KeyModeSection(record, KeyMode::B));
    for (TextSection& section : DpiSections(record, sensor_type)) {
        document.sections.push_back(std::move(section));
    }
    document.sections.push_back(LightingSection(record));
    document.sections.push_back(PointerSection(record));
    for (std::size_t block = 0; block < kMacroBlockCount; ++block) {
        if (auto section = MacroSection(block, record.macro_block(block))) {
            document.sections.push_back(std::move(*section));
        }
    }
    return document;
}

}  // namespace

ProfileDocument ProfileTextDocument(const ProfileFileContent& content,
                                    std::optional<std::uint8_t> sensor_type) {
    ProfileDocument document = NamedDocument(content, sensor_type);
    // What the names alone give back; every byte they do not is kept raw.
    const ProfileTextImport named = ImportProfileText(WriteToml(document));
    ProfileRecord from_names;
    if (named.content) {
        from_names = named.content->record;
    } else {
        document = ProfileDocument{kHeader, {TopSection({content.first_run_flag, {}})}};
    }
    if (auto raw = RawSection(from_names, content.record)) {
        document.sections.push_back(std::move(*raw));
    }
    return document;
}

std::string ExportProfileText(const ProfileFileContent& content,
                              std::optional<std::uint8_t> sensor_type) {
    return WriteToml(ProfileTextDocument(content, sensor_type));
}

}  // namespace corvanti
