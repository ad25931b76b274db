#include "common/ini_file.h"

#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/text_encoding.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

// Byte strings with NULs inside, sized by the literal.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// A file laid out the way people and older programs leave them: blanks everywhere, quotes,
// lines that are not entries, a duplicate section and a header without its bracket.
constexpr std::string_view kUntidyFile =
    "  [ Skins ]  \r\n"
    "  Lan  =  CHS  \r\n"
    "Path=\"Default\"\r\n"
    "Quoted=  ' padded '  \r\n"
    "Unbalanced=\"open\r\n"
    "Inner=\"a\" b \"c\"\r\n"
    "LAN=second\r\n"
    "no equals sign\r\n"
    ";Comment=1\r\n"
    "[unterminated\r\n"
    "Empty=\r\n"
    "=nameless\r\n"
    "[skins]\r\n"
    "Hidden=by the first section\r\n"
    "[Setting-EN]trailing text\r\n"
    "Item1=Left Click\r\n";

TEST(IniFile, ReadsValuesAsThePrivateProfileFunctionsDo) {
    const IniFile file = IniFile::Parse(kUntidyFile);
    const struct {
        std::string_view section, key, expected;
    } cases[] = {
        {"Skins", "Lan", "CHS"},         {"SKINS", "lan", "CHS"},
        {" skins ", " LAN ", "CHS"},     {"Skins", "Path", "Default"},
        {"Skins", "Quoted", " padded "}, {"Skins", "Unbalanced", "\"open"},
        {"Skins", "Inner", "a\" b \"c"}, {"Skins", "no equals sign", ""},
        {"Skins", ";Comment", "1"},      {"Skins", "Empty", ""},
        {"Skins", "", "nameless"},       {"Skins", "Hidden", ""},
        {"unterminated", "Empty", ""},   {"Setting-EN", "Item1", "Left Click"},
        {"Missing", "Item1", ""},        {"Setting-EN", "Item2", ""},
    };
    for (const auto& [section, key, expected] : cases) {
        EXPECT_EQ(file.Get(section, key), expected) << section << "/" << key;
    }
    EXPECT_EQ(file.SectionNames(), (Names{"Skins", "Setting-EN"}));
    EXPECT_EQ(file.SectionKeys("skins"), (IniFile::KeyValues{{"Lan", "CHS"},
                                                             {"Path", "Default"},
                                                             {"Quoted", " padded "},
                                                             {"Unbalanced", "\"open"},
                                                             {"Inner", "a\" b \"c"},
                                                             {";Comment", "1"},
                                                             {"Empty", ""},
                                                             {"", "nameless"}}));
}

TEST(IniFile, NamesMatchWithoutRegardToTheCaseOfAsciiLettersOnly) {
    const IniFile file = IniFile::Parse(
        "[Été]\nk=latin\n[Макрос]\nk=cyrillic\n[ΜΑΚΡΟ]\nk=greek\n[宏]\nÄpfel=fruit\n");
    const struct {
        std::string_view section, key, expected;
    } cases[] = {
        {"Été", "K", "latin"},    {"ÉTÉ", "k", ""},        {"Макрос", "K", "cyrillic"},
        {"МАКРОС", "k", ""},      {"ΜΑΚΡΟ", "k", "greek"}, {"μακρο", "k", ""},
        {"宏", "Äpfel", "fruit"}, {"宏", "äpfel", ""},
    };
    for (const auto& [section, key, expected] : cases) {
        EXPECT_EQ(file.Get(section, key), expected) << section;
    }
}

TEST(IniFile, EveryLineEndingSeparatesLines) {
    for (const std::string_view ending : {"\r\n", "\n", "\r"}) {
        std::string text = "[A]" + std::string(ending) + "k=1" + std::string(ending) + "[B]";
        text += std::string(ending) + "k=2";
        const IniFile file = IniFile::Parse(text);
        EXPECT_EQ(file.Get("A", "k"), "1");
        EXPECT_EQ(file.Get("B", "k"), "2");
        EXPECT_EQ(file.Serialize(), text);
    }
    const std::string mixed = "[A]\rk=1\n\r\nj=2\r\r\n[B]\n\nk=3";
    const IniFile file = IniFile::Parse(mixed);
    EXPECT_EQ(file.Get("A", "j"), "2");
    EXPECT_EQ(file.Get("B", "k"), "3");
    EXPECT_EQ(file.Serialize(), mixed);
}

TEST(IniFile, WritesKeepTheFileAsItWasAroundTheChange) {
    IniFile file = IniFile::Parse(
        "; captions\n[Skins]\nlan = CHT ; hand-edited\nPath=Blue\n\n[Setting-EN]\nItem1=A");
    file.Set("SKINS", "LAN", "CHS");       // existing key: spelling and place stay
    file.Set("skins", "RColor", "300");    // new key: after the last entry, before the gap
    file.Set("Setting-EN", "Item2", "B");  // section at the end without a final line break
    file.Set("Setting-CHS", "Item1", "\xE5\xB7\xA6\xE9\x94\xAE");  // missing section: appended
    EXPECT_EQ(file.Serialize(),
              "; captions\n[Skins]\nlan=CHS\nPath=Blue\nRColor=300\n\n[Setting-EN]\nItem1=A\n"
              "Item2=B\n[Setting-CHS]\nItem1=\xE5\xB7\xA6\xE9\x94\xAE\n");
    EXPECT_EQ(file.SectionNames(), (Names{"Skins", "Setting-EN", "Setting-CHS"}));
}

TEST(IniFile, WrittenLineBreaksCannotAddKeysOrSections) {
    IniFile file;
    file.Set("Macro\r\n[Evil", "Item0\n", Bytes("A   Dn\r\nItemCount=99\0x"));
    file.Set("Macro", "ItemCount", Bytes("1\r[Other]\n"));
    EXPECT_EQ(file.SectionNames(), (Names{"Macro  [Evil", "Macro"}));
    EXPECT_EQ(file.Get("Macro  [Evil", "Item0"), "A   Dn  ItemCount=99 x");
    EXPECT_EQ(file.Get("Macro  [Evil", "ItemCount"), "");
    EXPECT_EQ(file.Get("Macro", "ItemCount"), "1 [Other]");
}

TEST(IniFile, DeletingASectionRemovesEveryCopyOfIt) {
    IniFile file = IniFile::Parse("[a]\nk=1\n[b]\nk=2\n[A]\nk=3\n[c]\nk=4\n");
    file.DeleteSection(" A ");
    EXPECT_EQ(file.Serialize(), "[b]\nk=2\n[c]\nk=4\n");
    EXPECT_EQ(file.Get("a", "k"), "");
    file.DeleteSection("missing");
    EXPECT_EQ(file.SectionNames(), (Names{"b", "c"}));
}

TEST(IniFile, ReplacingASectionKeepsItsPlaceAndDropsStaleKeys) {
    IniFile file = IniFile::Parse(
        "[First]\nItemCount=3\n; note\nItem0=A   Dn\nItem2=old\n\n[Second]\nItemCount=0\n");
    file.ReplaceSection("first", {{"ItemCount", "1"}, {"Item0", "B   Up"}});
    EXPECT_EQ(file.Serialize(),
              "[First]\n; note\nItemCount=1\nItem0=B   Up\n\n[Second]\nItemCount=0\n");
    file.ReplaceSection("Third", {{"ItemCount", "0"}});
    EXPECT_EQ(file.SectionNames(), (Names{"First", "Second", "Third"}));
    EXPECT_EQ(file.Get("third", "itemcount"), "0");
}

// Built in place (GCC 12 warns wrongly about `"\"" + std::string` under -O3).
std::string Quoted(const std::string& text) {
    std::string quoted(text.size() + 2, '"');
    std::copy(text.begin(), text.end(), quoted.begin() + 1);
    return quoted;
}

TEST(IniFile, ValuesReadAreCutTo1023Utf16Units) {
    const std::string smiley = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const std::string chinese = "\xE5\xAE\x8F";     // one unit, three bytes
    const struct {
        std::string value;
        std::string expected;
    } cases[] = {
        {std::string(3000, 'x'), std::string(1023, 'x')},
        {std::string(1023, 'x'), std::string(1023, 'x')},
        {std::string(1021, 'x') + smiley + "y", std::string(1021, 'x') + smiley},
        {std::string(1022, 'x') + smiley, std::string(1022, 'x')},  // no half character
        {chinese + std::string(1029, 'x'), chinese + std::string(1022, 'x')},
        {Quoted(std::string(1023, 'q')), std::string(1023, 'q')},  // quotes go first
    };
    for (const auto& [value, expected] : cases) {
        IniFile file;
        file.Set("S", "k", value);
        EXPECT_EQ(file.Get("S", "k"), expected);
        EXPECT_EQ(file.SectionKeys("S").at(0).second, expected);
    }
}

TEST(IniFile, KeepsTheEncodingOfTheFileItRead) {
    const struct {
        std::string_view name;
        std::string bytes;
        std::string written;  // the bytes after setting [S] k=中
    } cases[] = {
        {"new file", "", Bytes("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0")},
        {"UTF-16LE", Bytes("\xFF\xFE[\0S\0]\0"),
         Bytes("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0")},
        {"UTF-16BE", Bytes("\xFE\xFF\0[\0S\0]\0\n"),
         Bytes("\xFE\xFF\0[\0S\0]\0\n\0k\0=\x4E\x2D\0\n")},
        {"UTF-8 with BOM", "\xEF\xBB\xBF[S]\n", "\xEF\xBB\xBF[S]\nk=\xE4\xB8\xAD\n"},
        {"UTF-8", "[S]\n", "[S]\nk=\xE4\xB8\xAD\n"},
    };
    for (const auto& [name, bytes, written] : cases) {
        IniFile file = IniFile::Parse(bytes);
        file.Set("S", "k", "\xE4\xB8\xAD");
        EXPECT_EQ(file.Serialize(), written) << name;
        EXPECT_EQ(IniFile::Parse(written).Get("s", "K"), "\xE4\xB8\xAD") << name;
    }
}

TEST(IniFile, BytesThatAreNoTextSurviveUnchanged) {
    const std::string legacy = "[\xBA\xEA]\r\nItem0=\xD6\xD0\xCE\xC4   Dn\r\n";  // code-page text
    const std::string odd_utf16 = Bytes("\xFF\xFE[\0a\0]\0\n\0k\0=\0\x3D\xD8\n\0\x41");
    const std::string fake_escape = "[a]\nk=\xED\xB2\x80\xC0\xAF\n";
    for (const std::string& bytes : {legacy, odd_utf16, fake_escape}) {
        IniFile file = IniFile::Parse(bytes);
        EXPECT_EQ(file.Serialize(), bytes);
        file.Set("New", "k", "v");
        EXPECT_EQ(file.Serialize().substr(0, bytes.size() - (bytes == odd_utf16 ? 1 : 0)),
                  bytes.substr(0, bytes.size() - (bytes == odd_utf16 ? 1 : 0)));
    }
    // What cannot be shown is shown as U+FFFD, one per byte, and a read value written back
    // keeps the original bytes.
    IniFile file = IniFile::Parse(legacy);
    const std::string value = file.Get(file.SectionNames().at(0), "item0");
    EXPECT_EQ(Utf8ToUtf16(value), u"\uFFFD\uFFFD\uFFFD\uFFFD   Dn");
    file.Set(file.SectionNames().at(0), "Item1", value);
    EXPECT_NE(file.Serialize().find("Item1=\xD6\xD0\xCE\xC4   Dn\r\n"), std::string::npos);
}

TEST(IniFile, HostileInputParsesAndRoundTrips) {
    const std::string huge_line = "[S]\nk=" + std::string(3 * 1024 * 1024, 'v') + "\n";
    const std::string many_breaks(200000, '\n');
    const std::string cases[] = {
        "[",        "[[[[]]]]",     "[unterminated\nk=v", Bytes("[S\0]\nk\0=\0v\0\n"),
        "\xFF\xFE", "\xFF\xFE\x00", "\xFE\xFF\xD8\x00",   "=\n==\n[]\n[]=\n",
        huge_line,  many_breaks,
    };
    for (const std::string& bytes : cases) {
        IniFile file = IniFile::Parse(bytes);
        EXPECT_EQ(file.Serialize(), bytes);
        file.Set("S", "k", "1");
        file.ReplaceSection("T", {{"a", "b"}});
        EXPECT_EQ(file.Get("S", "k"), "1");
        EXPECT_EQ(IniFile::Parse(file.Serialize()).Get("t", "A"), "b");
    }
    EXPECT_EQ(IniFile::Parse(huge_line).Get("S", "k").size(), IniFile::kMaxValueLength);
}

// Edits leave old line bytes behind until enough pile up to be reclaimed; every kind of edit,
// many times over, must keep the document exactly what the same edits on a fresh parse give.
TEST(IniFile, LongEditingSessionsKeepTheDocumentExact) {
    IniFile file = IniFile::Parse("; head\r\n[A]\r\nk=0\r\n\r\n[B]\r\nx=1\r\n; tail");
    const std::string padding(200, 'p');
    for (int round = 0; round < 2000; ++round) {
        const std::string value = padding + std::to_string(round);
        file.Set("A", "k", value);
        file.Set("B", "new" + std::to_string(round % 3), value);
        file.ReplaceSection("C", {{"r", value}});
        file.DeleteSection("D");
        file.Set("D", "d", value);
        const std::string text = file.Serialize();
        IniFile reparsed = IniFile::Parse(text);
        ASSERT_EQ(reparsed.Get("A", "k"), value) << round;
        ASSERT_EQ(reparsed.Get("B", "x"), "1") << round;
        ASSERT_EQ(reparsed.Get("C", "r"), value) << round;
        ASSERT_EQ(reparsed.Get("D", "d"), value) << round;
        ASSERT_EQ(reparsed.Serialize(), text) << round;
    }
    const std::string text = file.Serialize();
    EXPECT_TRUE(text.starts_with("; head\r\n[A]\r\nk=" + padding + "1999\r\n\r\n[B]\r\nx=1\r\n"))
        << text.substr(0, 300);
    EXPECT_NE(text.find("\r\n; tail\r\n"), std::string::npos);
}

class IniFileOnDisk : public ::testing::Test {
  protected:
    std::string ReadBytes(const fs::path& path) const {
        const auto bytes = ReadWholeFile(path, 2 * IniFile::kMaxFileSize);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    void WriteBytes(const fs::path& path, std::string_view bytes) const {
        testing::WriteBytes(
            path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }

    testing::ScratchFolder folder_;
};

TEST_F(IniFileOnDisk, MissingFileReadsEmptyAndTheFirstWriteCreatesUtf16) {
    const fs::path path = folder_ / "str.ini";
    std::error_code error;
    EXPECT_TRUE(IniFile::Load(path, error).SectionNames().empty());
    EXPECT_FALSE(error);
    EXPECT_EQ(ReadIniString(path, "Skins", "Lan"), "");
    EXPECT_FALSE(DeleteIniSection(path, "Skins"));
    EXPECT_FALSE(fs::exists(path));

    ASSERT_FALSE(WriteIniString(path, "Setting-CHS", "Item1", "\xE5\xB7\xA6\xE9\x94\xAE"));
    ASSERT_FALSE(WriteIniString(path, "Skins", "Path", "Default"));
    EXPECT_EQ(ReadBytes(path).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ReadIniString(path, "setting-chs", "item1"), "\xE5\xB7\xA6\xE9\x94\xAE");
    ASSERT_FALSE(DeleteIniSection(path, "setting-chs"));
    EXPECT_EQ(IniFile::Load(path).SectionNames(), (Names{"Skins"}));
    EXPECT_EQ(folder_.EntryNames(), (Names{"str.ini"}));  // no temporary file left
}

TEST_F(IniFileOnDisk, AFileThatCannotBeReadIsNeverOverwritten) {
    const fs::path too_large = folder_ / "record.ini";
    const std::string bytes = "[Macro]\n" + std::string(IniFile::kMaxFileSize, ';');
    WriteBytes(too_large, bytes);
    std::error_code error;
    IniFile::Load(too_large, error);
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(ReadIniString(too_large, "Macro", "ItemCount"), "");
    EXPECT_TRUE(WriteIniString(too_large, "Macro", "ItemCount", "0"));
    EXPECT_TRUE(DeleteIniSection(too_large, "Macro"));
    EXPECT_EQ(ReadBytes(too_large), bytes);

    const fs::path folder_in_the_way = folder_ / "str.ini";
    fs::create_directory(folder_in_the_way);
    EXPECT_TRUE(WriteIniString(folder_in_the_way, "Skins", "Path", "x"));
    EXPECT_TRUE(fs::is_directory(folder_in_the_way));
}

TEST_F(IniFileOnDisk, ASaveFailingAtAnyStepKeepsTheOldFileReadable) {
    using namespace std::string_literals;
    const std::string settings = "\xFF\xFE[\0S\0k\0i\0n\0s\0]\0\r\0\n\0P\0a\0t\0h\0=\0F\0\r\0\n\0"s;
    const std::string macros = "[Macro 0]\r\nItemCount=1\r\nItem0=A   Dn\r\n";
    for (const SaveStep step :
         {SaveStep::Open, SaveStep::Write, SaveStep::Flush, SaveStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        WriteBytes(folder_ / "str.ini", settings);
        WriteBytes(folder_ / "record.ini", macros);
        {
            ScopedSaveFailure failure(step);
            EXPECT_TRUE(WriteIniString(folder_ / "str.ini", "Skins", "Path", "Default"));
            IniFile store = IniFile::Load(folder_ / "record.ini");
            store.ReplaceSection("Macro 0", {{"ItemCount", "0"}});
            EXPECT_TRUE(store.Save(folder_ / "record.ini"));
        }
        EXPECT_EQ(ReadBytes(folder_ / "str.ini"), settings);
        EXPECT_EQ(ReadIniString(folder_ / "str.ini", "Skins", "Path"), "F");
        EXPECT_EQ(ReadBytes(folder_ / "record.ini"), macros);
        EXPECT_EQ(ReadIniString(folder_ / "record.ini", "Macro 0", "Item0"), "A   Dn");
        EXPECT_EQ(folder_.EntryNames().size(), 2u);  // no temporary file left
    }
    // Without a failure the same saves go through.
    EXPECT_FALSE(WriteIniString(folder_ / "str.ini", "Skins", "Path", "Default"));
    EXPECT_EQ(ReadIniString(folder_ / "str.ini", "Skins", "Path"), "Default");
}

}  // namespace
}  // namespace corvanti
