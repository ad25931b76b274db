// Feeds arbitrary record.ini text to the macro store's reading and to the block encoder: they
// must never crash or hang, read more items than a block can use, or write anywhere but the
// event bytes of the first twelve blocks.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_file.h"
#include "fuzz_require.h"
#include "macro/macro_block.h"
#include "macro/macro_encoder.h"
#include "macro/macro_section.h"
#include "profile/profile_record.h"

namespace {

using corvanti::fuzz::Require;

constexpr std::uint8_t kCanary = 0x5A;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvanti;
    const IniFile file =
        IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string> names = file.SectionNames();
    for (const std::string& name : names) {
        const MacroSection section = ReadMacroSection(file, name);
        Require(section.items.size() <= kMaxMacroItems);
        Require(section.items.size() <= static_cast<std::size_t>(std::max(section.item_count, 0)));
        const EncodedMacroEvents encoded = EncodeMacroEvents(section.items);
        Require(encoded.fitting_size <= kMacroEventBytes);
        Require(encoded.fitting_size <= encoded.bytes.size());
    }

    ProfileRecord record;
    record.bytes().fill(kCanary);
    EncodeMacroBlocks(file, record);
    const ProfileRecord::Bytes& bytes = record.bytes();
    const std::size_t encoded_blocks = std::min(names.size(), kMacroBlockCount);
    const auto untouched_from =
        bytes.begin() +
        static_cast<std::ptrdiff_t>(kMacroBlocksOffset + encoded_blocks * kMacroBlockSize);
    Require(std::all_of(bytes.begin(), bytes.begin() + kMacroBlocksOffset,
                        [](std::uint8_t b) { return b == kCanary; }));
    Require(std::all_of(untouched_from, bytes.end(), [](std::uint8_t b) { return b == kCanary; }));
    return 0;
}
