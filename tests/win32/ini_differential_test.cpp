// Our settings-file engine against the Windows profile functions themselves
// (GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA): the same files
// and calls through both, the values compared. Windows lays out a file it writes its own way,
// so writes are compared by what both read back afterwards. Under Wine the system's code page
// must be 932 (a Japanese locale) for the double-byte cases; they are skipped otherwise.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_store.h"
#include "platform/ini_file.h"
#include "platform/win32/os/wide_text.h"

namespace palvo {
namespace {

using namespace std::string_literals;

constexpr char kDefault[] = "DEFAULT_FAILED";

// A folder of its own for the files of one test; each file name is used once, so Windows'
// cache of recently read profiles never hands back an older version of a file.
class ProfileFolder {
public:
    ProfileFolder()
    {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = win32::Narrow(std::wstring(base)) + "palvo-ini-" + std::to_string(GetCurrentProcessId()) +
                "-" + std::to_string(GetTickCount());
        CreateDirectoryW(win32::Widen(path_).c_str(), nullptr);
    }
    ~ProfileFolder()
    {
        for (const std::string& file : files_) {
            DeleteFileW(win32::Widen(file).c_str());
        }
        RemoveDirectoryW(win32::Widen(path_).c_str());
    }
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

    // A new file holding `bytes` (nullptr: no file), named in plain ASCII so both APIs agree on it.
    std::string NewFile(const char* bytes, std::size_t size)
    {
        const std::string file = path_ + "\\case" + std::to_string(files_.size()) + ".ini";
        files_.push_back(file);
        if (bytes != nullptr) {
            ReplaceFileBytes(file, std::string(bytes, size));
        }
        return file;
    }
    std::string NewFile(const std::string& bytes) { return NewFile(bytes.data(), bytes.size()); }
    std::string MissingFile() { return NewFile(nullptr, 0); }

private:
    std::string path_;
    std::vector<std::string> files_;
};

std::string WindowsReadString(const std::string& section, const std::string& key, const std::string& fallback,
                              const std::string& file)
{
    char buffer[256] = {};
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                                                  sizeof(buffer), file.c_str());
    return std::string(buffer, copied);
}

std::int32_t WindowsReadInt(const std::string& section, const std::string& key, std::int32_t fallback,
                            const std::string& file)
{
    return static_cast<std::int32_t>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, file.c_str()));
}

bool SystemCodePageIs932()
{
    return GetACP() == 932;
}

struct ReadCase {
    const char* what;
    std::string bytes;
    const char* section;
    const char* key;
};

// Files and lookups on which the Windows profile functions and ours must agree.
std::vector<ReadCase> ReadCases()
{
    const std::string longValue(300, 'p');
    return {
        {"case-blind names", "[section1]\r\nname1=val1\r\n", "SECTION1", "NaMe1"},
        {"blanks around names and value", "[s]\r\n  \t k  =  v  \r\n", "s", "k"},
        {"blanks inside the section brackets", "[ s ]\r\nk=v\r\n", "s", "k"},
        {"quoted value keeps its inner blanks", "[s]\r\nk=  \"   v   \"  \r\n", "s", "k"},
        {"single quotes", "[s]\r\nk='v'\r\n", "s", "k"},
        {"unmatched quotes stay", "[s]\r\nk='x\"\r\n", "s", "k"},
        {"comment line", "[s]\r\n;k=v\r\n", "s", "k"},
        {"no trailing comment", "[s]\r\nk=a;b\r\n", "s", "k"},
        {"hash is no comment", "[s]\r\n#k=v\r\n", "s", "#k"},
        {"line without equals is no key", "[s]\r\nfoo\r\nk=v\r\n", "s", "foo"},
        {"line without equals does not end the section", "[s]\r\nfoo\r\nk=v\r\n", "s", "k"},
        {"text after the closing bracket", "[s]junk\r\nk=v\r\n", "s", "k"},
        {"first of two equal keys", "[s]\r\nk=1\r\nK=2\r\n", "s", "k"},
        {"missing section", "[s]\r\nk=v\r\n", "t", "k"},
        {"missing key", "[s]\r\nk=v\r\n", "s", "x"},
        {"empty value", "[s]\r\nk=\r\n", "s", "k"},
        {"second section", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n", "b", "k"},
        {"LF line ends", "[s]\nk=v\nj=w\n", "s", "j"},
        {"value cut to 255 bytes", "[s]\r\nk=" + longValue + "\r\n", "s", "k"},
        {"NumColor as written", "[PALVO]\r\nNumColor=33023\r\n", "palvo", "numcolor"},
        {"the default word itself", "[PALVO]\r\nBackGroundImageFile=DEFAULT_FAILED\r\n", "PALVO",
         "BackGroundImageFile"},
        {"last line without a line break", "[s]\r\nk=v", "s", "k"},
        {"CR line ends", "[s]\rk=v\rj=w\r", "s", "j"},
        {"UTF-8 byte-order mark, later section", "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w\r\n", "t", "k"},
        {"duplicate sections", "[s]\r\nk=1\r\n[t]\r\n[s]\r\nj=2\r\n", "s", "j"},
        {"lines before the first section", "k=v\r\n[s]\r\nj=w\r\n", "s", "k"},
    };
}

// Double-byte text: meaningful only where the system code page is 932.
std::vector<ReadCase> DoubleByteReadCases()
{
    std::string cutJapanese = "[s]\r\nk=a";
    for (int index = 0; index < 130; ++index) {
        cutJapanese += "\x94\x77";  // a double-byte character
    }
    return {
        {"Shift-JIS value", "[PALVO]\r\nBackGroundImageFile=C:\\\x94\x77\x8c\x69\\\x83\x5c.jpg\r\n", "PALVO",
         "BackGroundImageFile"},
        {"second byte equal to the backslash", "[s]\r\nk=\x83\x5c\x95\x5c\r\n", "s", "k"},
        {"second byte equal to the bracket", "[s\x81\x5d]\r\nk=v\r\n", "s\x81\x5d", "k"},
        {"double-byte key", "[s]\r\n\x8c\x9f=v\r\n", "s", "\x8c\x9f"},
        {"cut before a character split at byte 255", cutJapanese + "\r\n", "s", "k"},
    };
}

struct IntCase {
    const char* value;  // nullptr: the key is missing
};

// Where the profile functions read more than the settings file rules allow: they take the
// prefixes 0x, 0b and 0o as a number base; ours reads decimal digits only, as the rules say.
struct IntDifference {
    const char* value;
    std::int32_t ours;
};

void ExpectSameReads(const std::vector<ReadCase>& cases)
{
    ProfileFolder folder;
    for (const ReadCase& test : cases) {
        const std::string file = folder.NewFile(test.bytes);
        EXPECT_EQ(IniReadString(test.section, test.key, kDefault, file),
                  WindowsReadString(test.section, test.key, kDefault, file))
            << test.what;
    }
}

TEST(IniDifferential, TextValuesReadAsWindowsReadsThem)
{
    ExpectSameReads(ReadCases());

    ProfileFolder folder;
    const std::string missing = folder.MissingFile();
    EXPECT_EQ(IniReadString("PALVO", "NumMax", kDefault, missing),
              WindowsReadString("PALVO", "NumMax", kDefault, missing));
}

TEST(IniDifferential, AByteOrderMarkIsPartOfTheFirstLine)
{
    // Wine takes a UTF-8 byte-order mark as the file's encoding; the settings file rules make it
    // part of the first line, so a section header right after it is not one.
    ProfileFolder folder;
    const std::string file = folder.NewFile("\xEF\xBB\xBF[s]\r\nk=v\r\n");
    EXPECT_EQ(IniReadString("s", "k", kDefault, file), kDefault);
    std::printf("note: with a byte-order mark GetPrivateProfileStringA reads \"%s\"\n",
                WindowsReadString("s", "k", kDefault, file).c_str());
}

TEST(IniDifferential, DoubleByteTextReadsAsWindowsReadsIt)
{
    if (!SystemCodePageIs932()) {
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not 932 (run Wine in a Japanese locale)";
    }
    ExpectSameReads(DoubleByteReadCases());
}

TEST(IniDifferential, IntegersReadAsWindowsReadsThem)
{
    const IntCase cases[] = {
        {"1"},           {"+1"},          {"-1"},          {"0"},          {"33023"},      {"  7"},
        {"\"12\""},      {"42A94967297"}, {"B4294967297"}, {"4294967296"}, {"4294967297"}, {"2147483648"},
        {"-2147483649"}, {"99999999999"}, {"010"},         {"0X1F"},       {""},           {"   "},
        {"-"},           {"+"},           {"1 2"},         {"\t3"},        {nullptr},
    };
    ProfileFolder folder;
    for (const IntCase& test : cases) {
        const std::string bytes = test.value == nullptr
                                      ? "[PALVO]\r\nOther=1\r\n"
                                      : "[PALVO]\r\nNumMax=" + std::string(test.value) + "\r\n";
        const std::string file = folder.NewFile(bytes);
        EXPECT_EQ(IniReadInt("PALVO", "NumMax", 72, file), WindowsReadInt("PALVO", "NumMax", 72, file))
            << (test.value == nullptr ? "(missing)" : test.value);
    }

    const IntDifference differences[] = {{"0x10", 0}, {"0b11", 0}, {"0o17", 0}, {"-0x10", 0}};
    for (const IntDifference& test : differences) {
        const std::string file = folder.NewFile("[PALVO]\r\nNumMax=" + std::string(test.value) + "\r\n");
        EXPECT_EQ(IniReadInt("PALVO", "NumMax", 72, file), test.ours) << test.value;
        std::printf("note: %s reads as %d here, as %d through GetPrivateProfileIntA\n", test.value, test.ours,
                    WindowsReadInt("PALVO", "NumMax", 72, file));
    }
}

struct WriteCase {
    const char* what;
    const char* start;                                        // nullptr: no file yet
    std::vector<std::pair<std::string, std::string>> writes;  // section "PALVO": key, value
    std::vector<std::string> keysToRead;                      // in section "PALVO"
    const char* oursAfter;  // the bytes our engine leaves: every line it did not write kept as it was
};

TEST(IniDifferential, WritesLeaveFilesThatReadTheSameEitherWay)
{
    const WriteCase cases[] = {
        {"the seven settings into a new file",
         nullptr,
         {{"BackGroundImageFile", "C:\\palvo\\bg\\bg01.jpg"},
          {"NumColor", "33023"},
          {"NumSizeIndex", "2"},
          {"NumPosIndex", "4"},
          {"NumMax", "72"},
          {"RhythmFast", "20"},
          {"RhythmSlow", "3"}},
         {"BackGroundImageFile", "NumColor", "NumSizeIndex", "NumPosIndex", "NumMax", "RhythmFast",
          "RhythmSlow"},
         "[PALVO]\r\nBackGroundImageFile=C:\\palvo\\bg\\bg01.jpg\r\nNumColor=33023\r\nNumSizeIndex=2\r\n"
         "NumPosIndex=4\r\nNumMax=72\r\nRhythmFast=20\r\nRhythmSlow=3\r\n"},
        {"replacing in place, other sections and comments kept",
         "; settings\r\n[Other]\r\nNumMax=1\r\n[PALVO]\r\nnummax=5\r\nUnknown=x\r\n\r\n[Last]\r\nk=v\r\n",
         {{"NumMax", "99"}, {"RhythmFast", "6"}},
         {"NumMax", "nummax", "Unknown", "RhythmFast"},
         "; "
         "settings\r\n[Other]\r\nNumMax=1\r\n[PALVO]\r\nnummax=99\r\nUnknown=x\r\nRhythmFast=6\r\n\r\n[Last]"
         "\r\n"
         "k=v\r\n"},
        {"an empty value",
         "[PALVO]\r\nNumMax=72\r\n",
         {{"NumMax", ""}},
         {"NumMax"},
         "[PALVO]\r\nNumMax=\r\n"},
        {"a new section after a file without a final line break",
         "[Other]\r\nk=v",
         {{"NumMax", "3"}},
         {"NumMax"},
         "[Other]\r\nk=v\r\n[PALVO]\r\nNumMax=3\r\n"},
        {"keys added one after another",
         "[PALVO]\r\n",
         {{"B", "2"}, {"A", "1"}, {"C", "3"}},
         {"A", "B", "C"},
         "[PALVO]\r\nB=2\r\nA=1\r\nC=3\r\n"},
    };
    ProfileFolder folder;
    for (const WriteCase& test : cases) {
        const std::string ours = test.start == nullptr ? folder.MissingFile() : folder.NewFile(test.start);
        const std::string theirs = test.start == nullptr ? folder.MissingFile() : folder.NewFile(test.start);
        for (const auto& [key, value] : test.writes) {
            EXPECT_TRUE(IniWriteString("PALVO", key, value, ours)) << test.what;
            EXPECT_TRUE(WritePrivateProfileStringA("PALVO", key.c_str(), value.c_str(), theirs.c_str()))
                << test.what;
        }
        for (const std::string& key : test.keysToRead) {
            const std::string expected = WindowsReadString("PALVO", key, kDefault, theirs);
            EXPECT_EQ(IniReadString("PALVO", key, kDefault, ours), expected) << test.what << ": " << key;
            EXPECT_EQ(WindowsReadString("PALVO", key, kDefault, ours), expected) << test.what << ": " << key;
            EXPECT_EQ(IniReadString("PALVO", key, kDefault, theirs), expected) << test.what << ": " << key;
        }
        EXPECT_EQ(ReadFileBytes(ours), std::optional<std::string>(test.oursAfter)) << test.what;
    }
}

TEST(IniDifferential, NewFileIsTheOneWindowsWouldStartWith)
{
    ProfileFolder folder;
    const std::string ours = folder.MissingFile();
    const std::string theirs = folder.MissingFile();
    ASSERT_TRUE(IniWriteString("PALVO", "NumMax", "72", ours));
    ASSERT_TRUE(WritePrivateProfileStringA("PALVO", "NumMax", "72", theirs.c_str()));
    // Both begin with the section header right at the top and use CRLF line ends.
    EXPECT_EQ(ReadFileBytes(ours), "[PALVO]\r\nNumMax=72\r\n"s);
    const std::optional<std::string> windows = ReadFileBytes(theirs);
    ASSERT_TRUE(windows.has_value());
    EXPECT_EQ(windows->rfind("[PALVO]\r\nNumMax=72\r\n", 0), 0u) << *windows;
}

}  // namespace
}  // namespace palvo
