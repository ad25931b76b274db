#include "ctl/ctl_commands.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

#include "app/default_settings.h"
#include "common/atomic_file.h"
#include "common/text_encoding.h"
#include "ctl/apply_verb.h"
#include "ctl/ctl_exit_codes.h"
#include "ctl/mouse_report.h"
#include "ctl/mouse_verb.h"
#include "ctl/profile_loading.h"
#include "ctl/profile_report.h"
#include "ctl/profile_text_verbs.h"
#include "profile/factory_profile.h"
#include "profile/profile_file.h"
#include "sim/simulated_mouse_state.h"

namespace corvanti {

namespace {

using VerbHandler = int (*)(std::span<const std::string> operands, std::ostream& out,
                            std::ostream& err);

struct Verb {
    std::string_view name;
    std::string_view usage;  // operands, as the usage text shows them
    std::size_t min_operands;
    std::size_t max_operands;
    VerbHandler run;
};

int ShowProfile(std::span<const std::string> operands, std::ostream& out, std::ostream& err) {
    const auto content = LoadProfileForCtl(operands[0], err);
    if (!content) {
        return kCtlExitFailure;
    }
    out << FormatProfileReport(*content);
    return kCtlExitSuccess;
}

// The config.bin shipped beside the program: the factory profile, not yet saved by the program.
int WriteDefaultProfile(std::span<const std::string> operands, std::ostream&, std::ostream& err) {
    const ProfileFileBytes bytes = SerializeProfileFile({0, FactoryProfile()});
    if (const std::error_code error = WriteFileAtomically(PathFromUtf8(operands[0]), bytes)) {
        err << "corvanti-ctl: cannot write " << operands[0] << ": " << error.message() << "\n";
        return kCtlExitFailure;
    }
    return kCtlExitSuccess;
}

// The str.ini shipped beside the program.
int WriteDefaultSettingsFile(std::span<const std::string> operands, std::ostream&,
                             std::ostream& err) {
    if (const std::error_code error = WriteDefaultSettings(PathFromUtf8(operands[0]))) {
        err << "corvanti-ctl: cannot write " << operands[0] << ": " << error.message() << "\n";
        return kCtlExitFailure;
    }
    return kCtlExitSuccess;
}

// apply: FILE and up to three options with their values.
constexpr std::size_t kApplyMinOperands = 1;
constexpr std::size_t kApplyMaxOperands = 7;

constexpr std::array kVerbs = std::to_array<Verb>({
    {"show", "FILE", 1, 1, ShowProfile},
    {"write-default", "FILE", 1, 1, WriteDefaultProfile},
    {"write-settings", "FILE", 1, 1, WriteDefaultSettingsFile},
    {"apply", kApplyVerbUsage, kApplyMinOperands, kApplyMaxOperands, RunApplyVerb},
    {"mouse", kMouseVerbUsage, 0, 1, RunMouseVerb},
    {"export", kExportVerbUsage, 1, 4, RunExportVerb},
    {"import", "TEXT CONFIG.BIN", 2, 2, RunImportVerb},
    {"diff", "A B", 2, 2, RunDiffVerb},
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
        return kCtlExitUsage;
    }
    const auto verb = std::ranges::find(kVerbs, arguments[0], &Verb::name);
    if (verb == kVerbs.end()) {
        err << "corvanti-ctl: unknown verb \"" << arguments[0] << "\"\n";
        PrintUsage(err);
        return kCtlExitUsage;
    }
    const auto operands = arguments.subspan(1);
    if (operands.size() < verb->min_operands || operands.size() > verb->max_operands) {
        err << "usage: corvanti-ctl " << verb->name << " " << verb->usage << "\n";
        return kCtlExitUsage;
    }
    return verb->run(operands, out, err);
}

}  // namespace corvanti
