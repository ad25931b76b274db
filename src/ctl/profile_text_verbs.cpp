#include "ctl/profile_text_verbs.h"

#include <cstdint>
#include <optional>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text_encoding.h"
#include "ctl/ctl_exit_codes.h"
#include "ctl/operand_parsing.h"
#include "ctl/profile_loading.h"
#include "profile_text/profile_text_diff.h"
#include "profile_text/profile_text_export.h"

namespace corvanti {

namespace {

constexpr std::string_view kSensorOption = "--sensor";
constexpr std::uint8_t kHighestSensorWithTable = 3;

struct ExportOptions {
    std::string profile_path;
    std::string out_path;  // empty: standard output
    std::optional<std::uint8_t> sensor_type;
};

std::optional<ExportOptions> ParseExportOptions(std::span<const std::string> operands,
                                                std::ostream& err) {
    ExportOptions options;
    options.profile_path = operands[0];
    std::size_t at = 1;
    if (at < operands.size() && !operands[at].starts_with("--")) {
        options.out_path = operands[at++];
    }
    if (at == operands.size()) {
        return options;
    }
    if (operands[at] != kSensorOption || at + 2 != operands.size()) {
        err << "corvanti-ctl: export takes CONFIG.BIN, then OUT and " << kSensorOption
            << " N, both optional\n";
        return std::nullopt;
    }
    const auto sensor = ParseByteOperand(operands[at + 1]);
    if (!sensor || *sensor > kHighestSensorWithTable) {
        err << "corvanti-ctl: the sensor type is 0, 1, 2 or 3, not \"" << operands[at + 1]
            << "\"\n";
        return std::nullopt;
    }
    options.sensor_type = sensor;
    return options;
}

bool WriteBytesTo(const std::string& path, std::span<const std::uint8_t> bytes, std::ostream& err) {
    if (const std::error_code error = WriteFileAtomically(PathFromUtf8(path), bytes)) {
        err << "corvanti-ctl: cannot write " << path << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunExportVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err) {
    const auto options = ParseExportOptions(operands, err);
    if (!options) {
        err << "usage: corvanti-ctl export " << kExportVerbUsage << "\n";
        return kCtlExitUsage;
    }
    const auto content = LoadProfileForCtl(options->profile_path, err);
    if (!content) {
        return kCtlExitFailure;
    }
    const std::string text = ExportProfileText(*content, options->sensor_type);
    if (options->out_path.empty()) {
        out << text;
        return kCtlExitSuccess;
    }
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    return WriteBytesTo(options->out_path, bytes, err) ? kCtlExitSuccess : kCtlExitFailure;
}

int RunImportVerb(std::span<const std::string> operands, std::ostream&, std::ostream& err) {
    const auto content = LoadAnyProfileForCtl(operands[0], err);
    if (!content) {
        return kCtlExitFailure;
    }
    const ProfileFileBytes bytes = SerializeProfileFile(*content);
    return WriteBytesTo(operands[1], bytes, err) ? kCtlExitSuccess : kCtlExitFailure;
}

int RunDiffVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err) {
    const auto first = LoadAnyProfileForCtl(operands[0], err);
    const auto second = first ? LoadAnyProfileForCtl(operands[1], err) : std::nullopt;
    if (!first || !second) {
        return kCtlExitFailure;
    }
    const std::vector<std::string> lines = DiffProfiles(*first, *second);
    if (lines.empty()) {
        out << "The profiles are the same.\n";
    }
    for (const std::string& line : lines) {
        out << line << "\n";
    }
    return kCtlExitSuccess;
}

}  // namespace corvanti
