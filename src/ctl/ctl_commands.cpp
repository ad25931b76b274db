#include "ctl/ctl_commands.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "common/atomic_file.h"
#include "ctl/profile_report.h"
#include "profile/factory_profile.h"
#include "profile/profile_file.h"

namespace corvanti {

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

using VerbHandler = int (*)(std::span<const std::string> operands, std::ostream& out,
                            std::ostream& err);

struct Verb {
    std::string_view name;
    std::string_view usage;  // operands, as the usage text shows them
    std::size_t operand_count;
    VerbHandler run;
};

int ShowProfile(std::span<const std::string> operands, std::ostream& out, std::ostream& err) {
    const std::filesystem::path path = operands[0];
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        err << "corvanti-ctl: cannot read " << operands[0] << ": " << error.message() << "\n";
        return kExitFailure;
    }
    if (size != kProfileFileSize) {
        err << "corvanti-ctl: " << operands[0] << " is " << size
            << " bytes long; a profile file is exactly " << kProfileFileSize << " bytes\n";
        return kExitFailure;
    }
    const auto bytes = ReadWholeFile(path, kProfileFileSize);
    const auto content = bytes ? ParseProfileFile(*bytes) : std::nullopt;
    if (!content) {
        err << "corvanti-ctl: cannot read " << operands[0] << "\n";
        return kExitFailure;
    }
    out << FormatProfileReport(*content);
    return kExitSuccess;
}

// The config.bin shipped beside the program: the factory profile, not yet saved by the program.
int WriteDefaultProfile(std::span<const std::string> operands, std::ostream&, std::ostream& err) {
    const ProfileFileBytes bytes = SerializeProfileFile({0, FactoryProfile()});
    if (const std::error_code error = WriteFileAtomically(operands[0], bytes)) {
        err << "corvanti-ctl: cannot write " << operands[0] << ": " << error.message() << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

constexpr std::array kVerbs = std::to_array<Verb>({
    {"show", "FILE", 1, ShowProfile},
    {"write-default", "FILE", 1, WriteDefaultProfile},
});

void PrintUsage(std::ostream& err) {
    err << "usage:\n";
    for (const Verb& verb : kVerbs) {
        err << "  corvanti-ctl " << verb.name << " " << verb.usage << "\n";
    }
}

}  // namespace

int RunCtlCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    const auto verb = std::ranges::find(kVerbs, arguments[0], &Verb::name);
    if (verb == kVerbs.end()) {
        err << "corvanti-ctl: unknown verb \"" << arguments[0] << "\"\n";
        PrintUsage(err);
        return kExitUsage;
    }
    const auto operands = arguments.subspan(1);
    if (operands.size() != verb->operand_count) {
        err << "usage: corvanti-ctl " << verb->name << " " << verb->usage << "\n";
        return kExitUsage;
    }
    return verb->run(operands, out, err);
}

}  // namespace corvanti
