#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "profile/profile_file.h"
#include "profile_text/profile_document.h"

namespace corvanti {

// The text form of a config.bin's content: every button by its function and parameters, DPI
// stages, report rate, lighting, pointer settings, the shown key mode and the macros, by the
// names the program shows. `sensor_type`, when known, gives each DPI level its DPI value.
// Bytes that no name can say (reserved bytes, unknown codes, parameters a function does not
// use) are kept in [raw], so importing the document gives back exactly `content`.
ProfileDocument ProfileTextDocument(const ProfileFileContent& content,
                                    std::optional<std::uint8_t> sensor_type);

// The document above as TOML.
std::string ExportProfileText(const ProfileFileContent& content,
                              std::optional<std::uint8_t> sensor_type);

}  // namespace corvanti
