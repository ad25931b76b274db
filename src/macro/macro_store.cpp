#include "macro/macro_store.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "common/ini_file.h"
#include "macro/macro_block.h"
#include "macro/macro_encoder.h"
#include "macro/macro_name.h"
#include "macro/macro_section.h"

namespace corvanti {

namespace {

bool Lists(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& listed) { return SameMacroName(listed, name); });
}

MacroSaveOutcome CheckSave(std::string_view name, std::span<const std::string> items,
                           const std::vector<std::string>& existing) {
    const MacroNameCheck name_check = CheckMacroName(name);
    if (name_check == MacroNameCheck::kBlank) {
        return MacroSaveOutcome::kNameBlank;
    }
    // A section the file already holds is rewritten in place whatever its name.
    if (!Lists(existing, name)) {
        if (name_check == MacroNameCheck::kUnusable) {
            return MacroSaveOutcome::kNameUnusable;
        }
        if (existing.size() >= kMacroBlockCount) {
            return MacroSaveOutcome::kTooManyMacros;
        }
    }
    if (items.size() > kMaxMacroItems || !EncodeMacroEvents(items).Fits()) {
        return MacroSaveOutcome::kTooManyEvents;
    }
    return MacroSaveOutcome::kSaved;
}

}  // namespace

MacroStore::MacroStore(std::filesystem::path path, TraceSink* trace)
    : path_(std::move(path)), trace_(trace) {}

bool MacroStore::Exists() const {
    std::error_code ignored;
    return std::filesystem::exists(path_, ignored);
}

std::vector<std::string> MacroStore::ListMacros() const {
    return IniFile::Load(path_).SectionNames();
}

std::vector<std::string> MacroStore::ListBindableMacros() const {
    std::vector<std::string> names = ListMacros();
    if (names.size() > kMacroBlockCount) {
        names.resize(kMacroBlockCount);
    }
    return names;
}

std::vector<std::string> MacroStore::ReadMacro(std::string_view name) const {
    return ReadMacroSection(IniFile::Load(path_), name).items;
}

MacroSaveOutcome MacroStore::SaveMacro(std::string_view name, const std::vector<std::string>& items,
                                       ProfileRecord& record) const {
    std::error_code error;
    IniFile file = IniFile::Load(path_, error);
    if (error) {
        return MacroSaveOutcome::kFileUnwritable;
    }
    const MacroSaveOutcome check = CheckSave(name, items, file.SectionNames());
    if (check != MacroSaveOutcome::kSaved) {
        return check;
    }
    file.ReplaceSection(TrimmedMacroName(name), MacroSectionKeys(items));
    if (file.Save(path_)) {
        return MacroSaveOutcome::kFileUnwritable;
    }
    EncodeMacroBlocks(file, record, trace_);
    return MacroSaveOutcome::kSaved;
}

bool MacroStore::DeleteMacro(std::string_view name) const {
    std::error_code error;
    IniFile file = IniFile::Load(path_, error);
    if (error) {
        return false;
    }
    if (!Lists(file.SectionNames(), name)) {
        // Nothing to delete (a macro never confirmed); a missing file stays missing.
        return true;
    }
    file.DeleteSection(TrimmedMacroName(name));
    return !file.Save(path_);
}

}  // namespace corvanti
