// The INI engine against the system's own private-profile functions: each must read what the
// other wrote in the same way.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ini_file.h"
#include "common/text_encoding.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kBufferLength = 1024;  // what the program's own reads use

std::string SystemRead(const fs::path& path, const std::string& section, const std::string& key) {
    wchar_t buffer[kBufferLength] = {};
    const DWORD length =
        GetPrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), L"", buffer,
                                 kBufferLength, path.c_str());
    return WideToUtf8(std::wstring(buffer, length));
}

std::vector<std::string> SystemSectionNames(const fs::path& path) {
    std::vector<wchar_t> buffer(8192);
    const DWORD length = GetPrivateProfileSectionNamesW(
        buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::string> names;
    for (const wchar_t* name = buffer.data(); name < buffer.data() + length && *name != 0;
         name += wcslen(name) + 1) {
        names.push_back(WideToUtf8(name));
    }
    return names;
}

void SystemWrite(const fs::path& path, const std::string& section, const std::string& key,
                 const std::string& value) {
    ASSERT_TRUE(WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(),
                                           Utf8ToWide(value).c_str(), path.c_str()));
}

struct Lookup {
    std::string section;
    std::string key;
};

// Sections and keys as the program uses them, in other cases too (the system folds only ASCII
// letters), and ones that are missing.
const Lookup kLookups[] = {
    {"Skins", "Lan"},           {"SKINS", "lan"},         {"Skins", "RColor"},
    {"skins", "Path"},          {"Setting-CHS", "Item1"}, {"setting-chs", "ITEM13"},
    {"Setting-CHS", "Item123"}, {"宏一", "ItemCount"},    {"宏一", "Item0"},
    {"Long", "Value"},          {"Quoted", "Value"},      {"Missing", "Item1"},
    {"Skins", "Missing"},       {"МАКРОС", "ITEMCOUNT"},  {"ÉTÉ", "k"},
};

class IniCompatibility : public ::testing::Test {
  protected:
    void ExpectBothReadTheSame() const {
        const IniFile file = IniFile::Load(path_);
        for (const auto& [section, key] : kLookups) {
            EXPECT_EQ(file.Get(section, key), SystemRead(path_, section, key))
                << section << "/" << key;
        }
        EXPECT_EQ(file.SectionNames(), SystemSectionNames(path_));
    }

    testing::ScratchFolder folder_;
    fs::path path_ = folder_ / "str.ini";
};

TEST_F(IniCompatibility, AFileTheEngineWroteReadsTheSameThroughTheSystem) {
    IniFile file;
    file.Set("Skins", "Lan", "CHS");
    file.Set("Setting-CHS", "Item1", "左键");
    file.Set("SETTING-CHS", "item1", "火力键-L-Button");  // the same key in other cases
    file.Set("Setting-CHS", "Item13", "  组合键  ");
    file.Set("skins", "RColor", "300");
    file.Set("宏一", "ItemCount", "1");
    file.Set("宏一", "Item0", "Caps Lock   Dn");
    file.Set("Long", "Value", std::string(1500, 'x'));
    file.Set("Quoted", "Value", "\"Default\"");
    file.Set("Макрос", "ItemCount", "2");
    file.Set("Été", "K", "summer");
    ASSERT_FALSE(file.Save(path_));

    ExpectBothReadTheSame();
    EXPECT_EQ(SystemRead(path_, "setting-chs", "ITEM1"), "火力键-L-Button");
    EXPECT_EQ(SystemRead(path_, "Setting-CHS", "Item13"), "组合键");
    EXPECT_EQ(SystemSectionNames(path_),
              (std::vector<std::string>{"Skins", "Setting-CHS", "宏一", "Long", "Quoted", "Макрос",
                                        "Été"}));
}

TEST_F(IniCompatibility, AFileTheSystemWroteReadsTheSameThroughTheEngine) {
    // Started as UTF-16 with BOM, the system writes Unicode, as the engine creates new files.
    IniFile{}.Save(path_);
    SystemWrite(path_, "Skins", "Lan", "CHT");
    SystemWrite(path_, "Setting-CHS", "Item1", "左键");
    SystemWrite(path_, "setting-chs", "ITEM1", "右键");
    SystemWrite(path_, "Setting-CHS", "Item123", "宏");
    SystemWrite(path_, "宏一", "ItemCount", "1");
    SystemWrite(path_, "宏一", "Item0", "Caps Lock   Dn");
    SystemWrite(path_, "Doomed", "k", "v");
    ASSERT_TRUE(WritePrivateProfileStringW(L"DOOMED", nullptr, nullptr, path_.c_str()));
    SystemWrite(path_, "Long", "Value", std::string(1500, 'y'));
    SystemWrite(path_, "Quoted", "Value", "'single'");
    SystemWrite(path_, "макрос", "ItemCount", "3");

    ExpectBothReadTheSame();
    EXPECT_EQ(ReadIniString(path_, "SETTING-CHS", "item1"), "右键");
    EXPECT_EQ(
        IniFile::Load(path_).SectionNames(),
        (std::vector<std::string>{"Skins", "Setting-CHS", "宏一", "Long", "Quoted", "макрос"}));

    // The engine's own edits of that file stay readable to the system.
    ASSERT_FALSE(WriteIniString(path_, "setting-chs", "Item13", "单键"));
    ASSERT_FALSE(DeleteIniSection(path_, "LONG"));
    ExpectBothReadTheSame();
    EXPECT_EQ(SystemRead(path_, "Setting-CHS", "Item13"), "单键");
    EXPECT_EQ(SystemRead(path_, "Setting-CHS", "Item123"), "宏");
}

TEST_F(IniCompatibility, AFileTheSystemCreatedInTheCodePageKeepsItsEncoding) {
    SystemWrite(path_, "Skins", "Path", "Default");
    SystemWrite(path_, "SKINS", "RColor", "12");
    const std::string before = IniFile::Load(path_).Serialize();
    ExpectBothReadTheSame();

    ASSERT_FALSE(WriteIniString(path_, "Skins", "GColor", "34"));
    ExpectBothReadTheSame();
    EXPECT_EQ(SystemRead(path_, "skins", "gcolor"), "34");
    EXPECT_EQ(IniFile::Load(path_).Serialize().substr(0, 2), before.substr(0, 2));
}

}  // namespace
}  // namespace corvanti
