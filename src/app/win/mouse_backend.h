#pragma once

#include <memory>

#include "app/program_options.h"
#include "common/user_messages.h"
#include "device/hid_transport.h"
#include "device/pause_clock.h"

namespace corvanti::win {

// The HID interfaces the program sees: the system's, or the simulated mouse's when the
// program was started with --simulated-mouse.
std::shared_ptr<HidDiscovery> MakeHidDiscovery(const ProgramOptions& options, TraceSink& trace);

// The pauses that pace device traffic, taken on the calling thread.
std::unique_ptr<PauseClock> MakePauseClock();

}  // namespace corvanti::win
