#include "profile_text/profile_text_import.h"

#include <array>
#include <string>
#include <vector>

#include "common/hex_text.h"
#include "common/text_format.h"
#include "profile_text/button_text.h"
#include "profile_text/macro_text.h"
#include "profile_text/profile_text_names.h"
#include "profile_text/raw_bytes.h"
#include "profile_text/text_field_reader.h"
#include "settings/dpi_values.h"
#include "settings/lighting_texts.h"

namespace corvanti {

namespace {

namespace key = text_key;
using Outcome = TextFieldReader::Outcome;

constexpr std::int64_t kByteMax = 0xFF;
constexpr std::int64_t kMaxPointerStep = 11;
constexpr std::int64_t kHighestSensorWithTable = 3;
constexpr std::size_t kColourTextSize = 7;  // "#rrggbb"

class ProfileTextReader {
  public:
    explicit ProfileTextReader(TextFieldReader& reader) : reader_(reader) {}

    bool ReadDocument(const toml::table& root, ProfileFileContent& content);

  private:
    Outcome ReadTopField(std::string_view field, const toml::node& node, const std::string& path,
                         ProfileFileContent& content);
    bool ReadDpi(const toml::node& node, const std::string& path);
    bool ReadDpiStage(const toml::node& node, const std::string& path, std::size_t stage,
                      std::optional<std::int64_t> sensor);
    bool ReadLighting(const toml::node& node, const std::string& path);
    bool ReadLightingMode(const toml::node& node, const std::string& path, std::uint8_t mode);
    bool ReadPointer(const toml::node& node, const std::string& path);
    bool ReadRaw(const toml::node& node, const std::string& path);

    std::uint8_t& Byte(std::size_t offset) { return record_.bytes()[offset]; }

    TextFieldReader& reader_;
    ProfileRecord record_;
};

bool ProfileTextReader::ReadDocument(const toml::table& root, ProfileFileContent& content) {
    const toml::node* raw = nullptr;
    const bool read = reader_.EachField(
        root, "", [&](std::string_view field, const toml::node& node, const std::string& path) {
            if (field == key::kRaw) {
                raw = &node;  // laid over everything else, so read last
                return Outcome::Read;
            }
            return ReadTopField(field, node, path, content);
        });
    if (!read || (raw && !ReadRaw(*raw, std::string(key::kRaw)))) {
        return false;
    }
    content.record = record_;
    return true;
}

Outcome ProfileTextReader::ReadTopField(std::string_view field, const toml::node& node,
                                        const std::string& path, ProfileFileContent& content) {
    if (field == key::kFirstRunFlag) {
        return reader_.ByteInto(node, path, 0, kByteMax, content.first_run_flag);
    }
    if (field == key::kShownKeyMode) {
        const std::array names = {KeyModeName(KeyMode::A), KeyModeName(KeyMode::B)};
        return reader_.NameInto(node, path, names, "a key mode", Byte(kShownKeyModeOffset));
    }
    if (field == key::kReportRate) {
        const auto rate = reader_.Integer(node, path, 0, INT32_MAX);
        const auto code = rate ? ReportRateCodeOf(*rate) : std::nullopt;
        if (rate && !code) {
            reader_.Fail(
                node, path,
                FormatText("%lld is not 125, 250, 500 or 1000", static_cast<long long>(*rate)));
        }
        Byte(kReportRateOffset) = code.value_or(0);
        return TextFieldReader::OutcomeOf(code.has_value());
    }
    for (const KeyMode mode : {KeyMode::A, KeyMode::B}) {
        if (field == KeyModeTableName(mode)) {
            return TextFieldReader::OutcomeOf(ReadKeyModeTable(reader_, node, path, mode, record_));
        }
    }
    if (field == key::kDpi) {
        return TextFieldReader::OutcomeOf(ReadDpi(node, path));
    }
    if (field == key::kLighting) {
        return TextFieldReader::OutcomeOf(ReadLighting(node, path));
    }
    if (field == key::kPointer) {
        return TextFieldReader::OutcomeOf(ReadPointer(node, path));
    }
    if (const auto block = IndexOfNumberedKey(field, key::kMacroPrefix, kMacroBlockCount)) {
        return TextFieldReader::OutcomeOf(ReadMacroTable(reader_, node, path, *block, record_));
    }
    return Outcome::Unknown;
}

bool ProfileTextReader::ReadDpi(const toml::node& node, const std::string& path) {
    const toml::table* table = reader_.Table(node, path);
    if (!table) {
        return false;
    }
    std::optional<std::int64_t> sensor;
    if (const toml::node* sensor_node = table->get(key::kSensor)) {
        sensor = reader_.Integer(*sensor_node, TextFieldReader::Child(path, key::kSensor), 0,
                                 kHighestSensorWithTable);
        if (!sensor) {
            return false;
        }
    }
    return reader_.EachField(
        *table, path,
        [&](std::string_view field, const toml::node& value, const std::string& field_path) {
            if (field == key::kSensor) {
                return Outcome::Read;
            }
            const auto stage = IndexOfNumberedKey(field, key::kStagePrefix, kDpiStageCount);
            if (!stage) {
                return Outcome::Unknown;
            }
            return TextFieldReader::OutcomeOf(ReadDpiStage(value, field_path, *stage, sensor));
        });
}

// The level of a DPI value in the sensor's table; nothing when the table does not hold it.
std::optional<std::size_t> LevelOfDpi(std::int64_t sensor, std::int64_t dpi) {
    const int type = static_cast<int>(sensor);
    for (std::size_t level = 0; level < DpiLevelCount(type); ++level) {
        if (DpiValue(type, level) == dpi) {
            return level;
        }
    }
    return std::nullopt;
}

std::optional<Rgb> ParseColour(std::string_view text) {
    if (text.size() != kColourTextSize || text.front() != '#') {
        return std::nullopt;
    }
    const auto bytes = ParseHex(text.substr(1));
    if (!bytes) {
        return std::nullopt;
    }
    return Rgb{(*bytes)[0], (*bytes)[1], (*bytes)[2]};
}

bool ProfileTextReader::ReadDpiStage(const toml::node& node, const std::string& path,
                                     std::size_t stage, std::optional<std::int64_t> sensor) {
    const toml::table* table = reader_.Table(node, path);
    if (!table) {
        return false;
    }
    const std::int64_t level_count = static_cast<std::int64_t>(MostDpiLevels());
    std::optional<std::int64_t> level;
    const toml::node* dpi_node = nullptr;
    const bool read = reader_.EachField(
        *table, path,
        [&](std::string_view field, const toml::node& value, const std::string& field_path) {
            if (field == key::kEnabled) {
                return reader_.FlagInto(value, field_path, Byte(kDpiEnabledOffset + stage));
            }
            if (field == key::kLevel) {
                level = reader_.Integer(value, field_path, 1, level_count);
                return TextFieldReader::OutcomeOf(level.has_value());
            }
            if (field == key::kDpiValue) {
                dpi_node = &value;
                return Outcome::Read;
            }
            if (field == key::kColour) {
                const auto text = reader_.Text(value, field_path);
                const auto colour = text ? ParseColour(*text) : std::nullopt;
                if (text && !colour) {
                    reader_.Fail(value, field_path,
                                 "a colour is written #rrggbb, e.g. \"#ff8000\"");
                }
                record_.set_dpi_colour(stage, colour.value_or(Rgb{}));
                return TextFieldReader::OutcomeOf(colour.has_value());
            }
            return Outcome::Unknown;
        });
    if (!read) {
        return false;
    }
    if (dpi_node) {
        const std::string dpi_path = TextFieldReader::Child(path, key::kDpiValue);
        if (!sensor) {
            return reader_.Fail(
                *dpi_node, dpi_path,
                "a DPI value needs dpi.sensor (0-3), which gives each level its DPI");
        }
        const auto dpi = reader_.Integer(*dpi_node, dpi_path, 0, INT32_MAX);
        const auto dpi_level = dpi ? LevelOfDpi(*sensor, *dpi) : std::nullopt;
        if (dpi && !dpi_level) {
            return reader_.Fail(
                *dpi_node, dpi_path,
                FormatText("sensor %lld has no level of %lld DPI", static_cast<long long>(*sensor),
                           static_cast<long long>(*dpi)));
        }
        if (!dpi) {
            return false;
        }
        if (level && static_cast<std::size_t>(*level - 1) != *dpi_level) {
            return reader_.Fail(
                *dpi_node, dpi_path,
                FormatText("%lld DPI is level %zu of sensor %lld, not level %lld",
                           static_cast<long long>(*dpi), *dpi_level + 1,
                           static_cast<long long>(*sensor), static_cast<long long>(*level)));
        }
        level = static_cast<std::int64_t>(*dpi_level) + 1;
    }
    if (level) {
        record_.set_dpi_level(stage, static_cast<std::uint8_t>(*level - 1));
    }
    return true;
}

bool ProfileTextReader::ReadLighting(const toml::node& node, const std::string& path) {
    const toml::table* table = reader_.Table(node, path);
    return table &&
           reader_.EachField(
               *table, path,
               [&](std::string_view field, const toml::node& value, const std::string& field_path) {
                   if (field == key::kMode) {
                       return reader_.NameInto(value, field_path, NameViews(LightingModeNames()),
                                               "a lighting mode", Byte(kLightingModeOffset));
                   }
                   const auto mode = PositionOfName(key::kLightingModeTables, field);
                   if (!mode) {
                       return Outcome::Unknown;
                   }
                   return TextFieldReader::OutcomeOf(ReadLightingMode(
                       value, field_path, static_cast<std::uint8_t>(*mode + kLightingStandard)));
               });
}

bool ProfileTextReader::ReadLightingMode(const toml::node& node, const std::string& path,
                                         std::uint8_t mode) {
    const toml::table* table = reader_.Table(node, path);
    const std::string_view parameter = mode == kLightingStandard ? key::kBrightness : key::kPeriod;
    const std::size_t effect_offsets[kLightingModeCount] = {
        kStandardEffectOffset, kRespirationEffectOffset, kNeonEffectOffset};
    return table &&
           reader_.EachField(
               *table, path,
               [&](std::string_view field, const toml::node& value, const std::string& field_path) {
                   if (field == parameter) {
                       const std::vector<std::string> entries = LightingParameterEntries(mode);
                       return reader_.NameInto(
                           value, field_path, NameViews(entries),
                           mode == kLightingStandard ? "a brightness" : "a period",
                           Byte(kLightingParameterOffset + mode - kLightingStandard));
                   }
                   if (field == key::kEffect) {
                       return reader_.NameInto(value, field_path, NameViews(LightingEffectNames()),
                                               "a lighting effect",
                                               Byte(effect_offsets[mode - kLightingStandard]));
                   }
                   return Outcome::Unknown;
               });
}

bool ProfileTextReader::ReadPointer(const toml::node& node, const std::string& path) {
    const toml::table* table = reader_.Table(node, path);
    return table &&
           reader_.EachField(
               *table, path,
               [&](std::string_view field, const toml::node& value, const std::string& field_path) {
                   if (field == key::kPrecision) {
                       return reader_.FlagInto(value, field_path, Byte(kPointerPrecisionOffset));
                   }
                   if (field == key::kScrollOneScreen) {
                       return reader_.FlagInto(value, field_path, Byte(kScrollOneScreenOffset));
                   }
                   if (field == key::kPointerSpeed) {
                       return reader_.ByteInto(value, field_path, 1, kMaxPointerStep,
                                               Byte(kPointerSpeedOffset));
                   }
                   if (field == key::kWheelLines) {
                       return reader_.ByteInto(value, field_path, 0, kMaxPointerStep,
                                               Byte(kWheelLinesOffset));
                   }
                   if (field == key::kDoubleClickSpeed) {
                       return reader_.ByteInto(value, field_path, 1, kMaxPointerStep,
                                               Byte(kDoubleClickSpeedOffset));
                   }
                   return Outcome::Unknown;
               });
}

bool ProfileTextReader::ReadRaw(const toml::node& node, const std::string& path) {
    const toml::table* table = reader_.Table(node, path);
    std::vector<bool> taken(kProfileRecordSize, false);
    return table &&
           reader_.EachField(
               *table, path,
               [&](std::string_view field, const toml::node& value, const std::string& field_path) {
                   const auto offset = RawOffsetOfKey(field);
                   if (!offset) {
                       reader_.Fail(value, field_path,
                                    "a raw key is an offset in the record, 0x0000-0x07c0");
                       return Outcome::Failed;
                   }
                   const auto text = reader_.Text(value, field_path);
                   const auto bytes = text ? ParseHex(*text) : std::nullopt;
                   if (!text || !bytes) {
                       if (text) {
                           reader_.Fail(value, field_path, "raw bytes are hex digits, two a byte");
                       }
                       return Outcome::Failed;
                   }
                   if (*offset + bytes->size() > kProfileRecordSize) {
                       reader_.Fail(value, field_path,
                                    "these bytes run past the end of the record");
                       return Outcome::Failed;
                   }
                   for (std::size_t i = 0; i < bytes->size(); ++i) {
                       if (taken[*offset + i]) {
                           reader_.Fail(value, field_path,
                                        "overlaps bytes given under another raw key at " +
                                            RawKeyOfOffset(*offset + i));
                           return Outcome::Failed;
                       }
                       taken[*offset + i] = true;
                       Byte(*offset + i) = (*bytes)[i];
                   }
                   return Outcome::Read;
               });
}

}  // namespace

ProfileTextImport ImportProfileText(std::string_view text) {
    ProfileTextImport result;
    toml::parse_result parsed = toml::parse(text);
    if (!parsed) {
        const toml::parse_error& error = parsed.error();
        result.error = {error.source().begin.line,
                        error.source().begin.column,
                        {},
                        std::string(error.description())};
        return result;
    }
    // Every export holds fields; an empty text is a mistake, not an all-zero profile.
    if (parsed.table().empty()) {
        result.error = {1, 1, {}, "the text holds no profile; export one to start from"};
        return result;
    }
    TextFieldReader reader;
    ProfileTextReader profile(reader);
    ProfileFileContent content;
    if (profile.ReadDocument(parsed.table(), content)) {
        result.content = content;
    } else {
        result.error = reader.error();
    }
    return result;
}

}  // namespace corvanti
