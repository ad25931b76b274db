#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace corvanti {

// What another process can do to the simulated mouse besides pressing its buttons, one request
// a line: "unplug" pulls it out, "replug" plugs it back in (it must pass the handshake again),
// "silent" makes it stop answering, "answer" makes it answer again.
enum class FaultRequest { Unplug, Replug, Silent, Answer };

// The requests of the well-formed lines (the word alone, blanks around it allowed), in order;
// every other line is skipped.
std::vector<FaultRequest> ParseFaultRequests(std::string_view text);

// Takes the request file away and returns its requests, as TakeRequestFile does.
std::vector<FaultRequest> TakeFaultRequests(const std::filesystem::path& path);

}  // namespace corvanti
