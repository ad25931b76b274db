#include "sim/fault_request.h"

#include <optional>
#include <string>

#include "sim/request_file.h"

namespace corvanti {

namespace {

struct FaultWord {
    std::string_view word;
    FaultRequest request;
};

constexpr FaultWord kFaultWords[] = {
    {"unplug", FaultRequest::Unplug},
    {"replug", FaultRequest::Replug},
    {"silent", FaultRequest::Silent},
    {"answer", FaultRequest::Answer},
};

std::string_view Trimmed(std::string_view line) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

std::optional<FaultRequest> ParseLine(std::string_view line) {
    const std::string_view word = Trimmed(line);
    for (const FaultWord& known : kFaultWords) {
        if (known.word == word) {
            return known.request;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<FaultRequest> ParseFaultRequests(std::string_view text) {
    std::vector<FaultRequest> requests;
    for (std::string_view line : RequestLines(text)) {
        if (const auto request = ParseLine(line)) {
            requests.push_back(*request);
        }
    }
    return requests;
}

std::vector<FaultRequest> TakeFaultRequests(const std::filesystem::path& path) {
    const std::optional<std::string> text = TakeRequestFile(path);
    return text ? ParseFaultRequests(*text) : std::vector<FaultRequest>{};
}

}  // namespace corvanti
