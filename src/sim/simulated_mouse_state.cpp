#include "sim/simulated_mouse_state.h"

#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "common/atomic_file.h"
#include "common/hex_text.h"

namespace corvanti {

namespace {

// A state file is a few kilobytes; anything much larger is not one.
constexpr std::uintmax_t kMaxStateFileSize = 64 * 1024;

constexpr std::string_view kHeaderComment =
    "# simulated mouse: one block a line, name and hex bytes";

// Calls visit(name, bytes) for every block in file order; works on const and mutable states.
template <typename State, typename Visit>
void ForEachBlock(State& state, Visit visit) {
    visit(std::string("sensor-block"), std::span(state.sensor_block));
    visit(std::string("lighting"), std::span(state.lighting));
    for (std::size_t i = 0; i < state.lighting_detail.size(); ++i) {
        visit("lighting-detail-" + std::to_string(i), std::span(state.lighting_detail[i]));
    }
    for (std::size_t i = 0; i < state.settings.size(); ++i) {
        visit("settings-" + std::to_string(i), std::span(state.settings[i]));
    }
    visit(std::string("dpi-stage-count"), std::span(&state.dpi_stage_count, 1));
    visit(std::string("dpi-stage-codes"), std::span(state.dpi_stage_codes));
    for (std::size_t i = 0; i < state.key_matrices.size(); ++i) {
        visit("key-matrix-" + std::to_string(i + 1), std::span(state.key_matrices[i]));
    }
    for (std::size_t i = 0; i < state.macros.size(); ++i) {
        visit("macro-" + std::to_string(i + 1), std::span(state.macros[i]));
    }
}

std::string_view TrimLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.remove_suffix(1);
    }
    return line;
}

// Stores one "name hex" line into the block of that name; false with a reason otherwise.
bool ParseBlockLine(std::string_view line, SimulatedMouseState& state, std::set<std::string>& seen,
                    std::string& error) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        error = "line without a value: " + std::string(line);
        return false;
    }
    const std::string name(line.substr(0, space));
    const auto bytes = ParseHex(line.substr(space + 1));
    bool known = false;
    ForEachBlock(state, [&](const std::string& block, std::span<std::uint8_t> target) {
        if (block != name) {
            return;
        }
        known = true;
        if (!bytes || bytes->size() != target.size()) {
            error = "block " + name + " needs " + std::to_string(target.size()) + " hex bytes";
            return;
        }
        std::copy(bytes->begin(), bytes->end(), target.begin());
    });
    if (!known) {
        error = "unknown block: " + name;
    } else if (!seen.insert(name).second) {
        error = "block given twice: " + name;
    }
    return error.empty();
}

}  // namespace

SimulatedMouseState FactoryMouseState(std::uint8_t sensor_type) {
    SimulatedMouseState state;
    state.sensor_block = {sensor_type, 0x01, 0x01, 0x00};
    state.lighting = {0x01, 0x03, 0x02};
    state.lighting_detail = {{{0x01, 0x40, 0x20}, {0x10, 0x20, 0x30}}};
    state.settings[0] = {0x01, 0x00, 0x03, 0x0A, 0x05, 0x01, 0x00, 0x00, 0x20, 0x10, 0x08, 0x04,
                         0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
    state.settings[1] = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    ProfileRecord defaults;
    ApplyDefaultKeyLayout(defaults);
    state.key_matrices[0] = BuildKeyMatrix(defaults, KeyMode::A);
    state.key_matrices[2] = BuildKeyMatrix(defaults, KeyMode::B);
    state.dpi_stage_count = 4;
    state.dpi_stage_codes = {0x02, 0x04, 0x06, 0x08, 0x80, 0x80, 0x80, 0x80};
    return state;
}

std::string FormatMouseState(const SimulatedMouseState& state) {
    std::string text(kHeaderComment);
    text += '\n';
    ForEachBlock(state, [&](const std::string& name, std::span<const std::uint8_t> bytes) {
        text += name + ' ' + ToHex(bytes) + '\n';
    });
    return text;
}

std::optional<SimulatedMouseState> ParseMouseState(std::string_view text, std::string& error) {
    SimulatedMouseState state;
    std::set<std::string> seen;
    error.clear();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimLineEnd(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (!ParseBlockLine(line, state, seen, error)) {
            return std::nullopt;
        }
    }
    ForEachBlock(state, [&](const std::string& name, std::span<const std::uint8_t>) {
        if (error.empty() && seen.count(name) == 0) {
            error = "missing block: " + name;
        }
    });
    if (!error.empty()) {
        return std::nullopt;
    }
    return state;
}

std::optional<SimulatedMouseState> LoadMouseState(const std::filesystem::path& path,
                                                  std::string& error) {
    const auto bytes = ReadWholeFile(path, kMaxStateFileSize);
    if (!bytes) {
        error = "cannot read " + path.string() + " (missing, unreadable or too large)";
        return std::nullopt;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    auto state = ParseMouseState(text, error);
    if (!state) {
        error = path.string() + ": " + error;
    }
    return state;
}

std::error_code SaveMouseState(const std::filesystem::path& path,
                               const SimulatedMouseState& state) {
    const std::string text = FormatMouseState(state);
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace corvanti
