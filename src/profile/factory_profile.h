#pragma once

#include "profile/profile_record.h"

namespace corvanti {

// The profile the mouse and the program start from: the default key layout with real
// parameters for its multimedia, fire-key and Windows-function buttons (in both key modes),
// four enabled DPI stages with distinct levels and colours, 1000 reports per second, standard
// lighting, the default pointer settings, "Mode A" shown and no macros. The shipped config.bin
// is generated from it, and a missing or damaged config.bin falls back to it.
ProfileRecord FactoryProfile();

}  // namespace corvanti
