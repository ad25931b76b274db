#include "profile_text/macro_text.h"

#include <algorithm>
#include <vector>

#include "common/text_format.h"
#include "macro/macro_block.h"
#include "macro/macro_block_decoder.h"
#include "macro/macro_encoder.h"
#include "macro/macro_event_item.h"
#include "profile/key_name_table.h"
#include "profile_text/profile_text_names.h"

namespace corvanti {

namespace {

namespace key = text_key;

TextValue EventValue(const MacroKeyEvent& event) {
    return TextValue::Table(
        {MakeField(event.released ? key::kRelease : key::kPress, TextValue::String(event.key_name)),
         MakeField(key::kDelay, TextValue::Integer(event.delay_ms))});
}

std::optional<std::int64_t> ReadDelay(TextFieldReader& reader, const toml::node& node,
                                      const std::string& path) {
    const auto delay = reader.Integer(node, path, 0, kMaxEventDelay);
    if (delay && *delay <= kShortFormMaxDelay && *delay % kShortFormUnit != 0) {
        reader.Fail(
            node, path,
            FormatText("%lld ms cannot be kept: up to %lld ms a macro keeps tens of "
                       "milliseconds",
                       static_cast<long long>(*delay), static_cast<long long>(kShortFormMaxDelay)));
        return std::nullopt;
    }
    return delay;
}

// { press = "A", delay = 50 } or { release = "A", delay = 50 }; a missing delay is 0.
std::optional<MacroKeyEvent> ReadEvent(TextFieldReader& reader, const toml::node& node,
                                       const std::string& path) {
    const toml::table* table = reader.Table(node, path);
    if (!table) {
        return std::nullopt;
    }
    MacroKeyEvent event;
    int actions = 0;
    const std::vector<std::string_view> names = RowNames(KeyNameTable());
    const bool read = reader.EachField(
        *table, path,
        [&](std::string_view field, const toml::node& value, const std::string& field_path) {
            using Outcome = TextFieldReader::Outcome;
            if (field == key::kPress || field == key::kRelease) {
                event.released = field == key::kRelease;
                ++actions;
                const auto index = reader.Name(value, field_path, names, "a key name");
                event.key_name = index ? std::string(names[*index]) : std::string();
                return index ? Outcome::Read : Outcome::Failed;
            }
            if (field == key::kDelay) {
                const auto delay = ReadDelay(reader, value, field_path);
                event.delay_ms = static_cast<int>(delay.value_or(0));
                return delay ? Outcome::Read : Outcome::Failed;
            }
            return Outcome::Unknown;
        });
    if (read && actions != 1) {
        reader.Fail(*table, path, "an event is either press = \"KEY\" or release = \"KEY\"");
    }
    return reader.failed() ? std::nullopt : std::optional(event);
}

bool ReadEvents(TextFieldReader& reader, const toml::node& node, const std::string& path,
                std::span<std::uint8_t> event_bytes) {
    const toml::array* array = reader.Array(node, path);
    if (!array) {
        return false;
    }
    std::vector<MacroKeyEvent> events;
    for (std::size_t i = 0; i < array->size(); ++i) {
        const auto event =
            ReadEvent(reader, *array->get(i), path + "[" + std::to_string(i + 1) + "]");
        if (!event) {
            return false;
        }
        events.push_back(*event);
    }
    const EncodedMacroEvents encoded = EncodeMacroEvents(MacroItemsOf(events));
    if (!encoded.Fits()) {
        return reader.Fail(node, path,
                           FormatText("these events need %zu bytes; a macro holds %zu",
                                      encoded.bytes.size(), event_bytes.size()));
    }
    std::ranges::fill(event_bytes, 0);
    std::ranges::copy(encoded.bytes, event_bytes.begin());
    return true;
}

}  // namespace

std::optional<TextSection> MacroSection(std::size_t block_index,
                                        std::span<const std::uint8_t> block) {
    const auto decoded = DecodeMacroBlock(block);
    if (!decoded || std::ranges::all_of(block, [](std::uint8_t b) { return b == 0; })) {
        return std::nullopt;
    }
    std::vector<TextValue> events;
    for (const MacroKeyEvent& event : decoded->events) {
        events.push_back(EventValue(event));
    }
    return TextSection{NumberedKey(key::kMacroPrefix, block_index),
                       {},
                       {{std::string(key::kLoopCount), TextValue::Integer(decoded->loop_count), {}},
                        {std::string(key::kEvents), TextValue::Array(std::move(events)),
                         "pauses in milliseconds"}}};
}

bool ReadMacroTable(TextFieldReader& reader, const toml::node& node, const std::string& path,
                    std::size_t block_index, ProfileRecord& record) {
    const toml::table* table = reader.Table(node, path);
    const std::span<std::uint8_t> block = record.macro_block(block_index);
    if (!table || block.size() != kMacroBlockSize) {
        return false;
    }
    return reader.EachField(
        *table, path,
        [&](std::string_view field, const toml::node& value, const std::string& field_path) {
            using Outcome = TextFieldReader::Outcome;
            if (field == key::kLoopCount) {
                const auto count = reader.Integer(value, field_path, 0, kMaxLoopCount);
                if (!count) {
                    return Outcome::Failed;
                }
                SetMacroLoopCount(record, block_index, static_cast<std::uint16_t>(*count));
                return Outcome::Read;
            }
            if (field == key::kEvents) {
                return ReadEvents(reader, value, field_path, block.subspan(kLoopCountSize))
                           ? Outcome::Read
                           : Outcome::Failed;
            }
            return Outcome::Unknown;
        });
}

}  // namespace corvanti
