#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_messages.h"
#include "profile/profile_record.h"

namespace corvanti {

// Why a save did not happen.
enum class MacroSaveOutcome {
    kSaved,
    kNameBlank,
    kNameUnusable,
    // A new section would be the thirteenth: it would get no block.
    kTooManyMacros,
    // The events need more than a block's 126 bytes, or more items than a block can use.
    kTooManyEvents,
    // record.ini exists but cannot be read, or cannot be written.
    kFileUnwritable,
};

// The macros of record.ini. Every call reads the file afresh; nothing is cached between
// calls. A missing file lists and reads as empty; the first save creates it.
class MacroStore {
  public:
    explicit MacroStore(std::filesystem::path path, TraceSink* trace = nullptr);

    const std::filesystem::path& path() const { return path_; }
    bool Exists() const;

    // Every section name in file order; position k is macro k, whose events go to block k.
    std::vector<std::string> ListMacros() const;
    // The first twelve: the macros a button can be bound to.
    std::vector<std::string> ListBindableMacros() const;
    // The items of a macro; none when it is missing or empty.
    std::vector<std::string> ReadMacro(std::string_view name) const;
    // Writes ItemCount and the items of the named macro. An existing section keeps its place
    // in the file and so its block; a new one is appended. After a save every macro block
    // of `record` is re-encoded from the file. Nothing is written when the outcome is not
    // kSaved.
    MacroSaveOutcome SaveMacro(std::string_view name, const std::vector<std::string>& items,
                               ProfileRecord& record) const;
    // Deletes the macro's section; the blocks are rebuilt at the next save. False when the
    // file could not be written.
    bool DeleteMacro(std::string_view name) const;

  private:
    std::filesystem::path path_;
    TraceSink* trace_;
};

}  // namespace corvanti
