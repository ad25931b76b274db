// Feeds arbitrary text to the profile text importer: it must never crash, hang or read out of
// bounds, and whatever it accepts must survive an export and a second import unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "profile_text/profile_text_export.h"
#include "profile_text/profile_text_import.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const corvanti::ProfileTextImport imported = corvanti::ImportProfileText(text);
    if (!imported.content) {
        Require(!imported.error.message.empty());
        return 0;
    }
    const std::string exported = corvanti::ExportProfileText(*imported.content, std::nullopt);
    const corvanti::ProfileTextImport again = corvanti::ImportProfileText(exported);
    Require(again.content.has_value());
    Require(again.content->first_run_flag == imported.content->first_run_flag);
    Require(again.content->record == imported.content->record);
    return 0;
}
