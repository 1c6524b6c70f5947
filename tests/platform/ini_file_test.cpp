#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <optional>
#include <string>

#include "platform/file_store.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

using namespace std::string_literals;

// Code page 932 bytes: 'ア' ends in 'A', 'ヂ' in 'a', 'ゾ' in ']', 'ゼ' in '[', '表' in '\'.
const std::string kKatakanaA = "\x83\x41";
const std::string kKatakanaDi = "\x83\x61";
const std::string kKatakanaZo = "\x83\x5D";
const std::string kKatakanaZe = "\x83\x5B";
const std::string kKanjiHyo = "\x95\x5C";

struct FindCase {
    const char* name;
    std::string document;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniFileFind, FollowsTheProfileReadingRules)
{
    const FindCase cases[] = {
        {"case-blind key", "[section1]\r\nname1=val1", "section1", "NaMe1", "val1"},
        {"case-blind section", "[Section1]\r\nname1=val1", "SECTION1", "name1", "val1"},
        {"double-byte key not folded", "[s]\r\n" + kKatakanaA + "=v", "s", kKatakanaDi, std::nullopt},
        {"double-byte key exact", "[s]\r\n" + kKatakanaA + "=v", "s", kKatakanaA, "v"},
        {"blanks and tabs trimmed", "[s]\r\n  \t k  =  v  \r\n", "s", "k", "v"},
        {"blanks in header", "[ s ]\r\nk=v", "s", "k", "v"},
        {"double quotes removed", "[s]\r\nk=  \"   v   \"  ", "s", "k", "   v   "},
        {"single quotes removed", "[s]\r\nk='y'", "s", "k", "y"},
        {"mismatched quotes kept", "[s]\r\nk='x\"", "s", "k", "'x\""},
        {"lone quote kept", "[s]\r\nk=\"", "s", "k", "\""},
        {"semicolon comment", "[s]\r\n ;k=v\r\n", "s", "k", std::nullopt},
        {"hash is no comment", "[s]\r\n#k=v\r\n", "s", "#k", "v"},
        {"no trailing comment", "[s]\r\nk=a;b", "s", "k", "a;b"},
        {"line without equals is no key", "[s]\r\ngarbage\r\nk=v", "s", "garbage", std::nullopt},
        {"line without equals keeps section", "[s]\r\ngarbage\r\nk=v", "s", "k", "v"},
        {"text after header ignored", "[s] trailing]\r\nk=v", "s", "k", "v"},
        {"name ends at first bracket", "[a]b]\r\nk=v", "a", "k", "v"},
        {"bracket as second byte", "[" + kKatakanaZo + "]\r\nk=v", kKatakanaZo, "k", "v"},
        {"open bracket as second byte", "[" + kKatakanaZe + "]\r\nk=v", kKatakanaZe, "k", "v"},
        {"backslash as second byte", "[s]\r\np=C:\\" + kKanjiHyo + "\\a", "s", "p",
         "C:\\" + kKanjiHyo + "\\a"},
        {"first duplicate key wins", "[s]\r\nk=1\r\nK=2", "s", "k", "1"},
        {"only first section searched", "[s]\r\nk=1\r\n[t]\r\n[S]\r\nk=2\r\nj=3", "s", "j", std::nullopt},
        {"lines before any section", "k=v\r\n[s]\r\n", "s", "k", std::nullopt},
        {"no section name matches them", "k=v\r\n[s]\r\n", "", "k", std::nullopt},
        {"missing section", "[s]\r\nk=v", "t", "k", std::nullopt},
        {"missing key", "[s]\r\nk=v", "s", "j", std::nullopt},
        {"empty value present", "[s]\r\nk=", "s", "k", ""},
        {"LF endings", "[s]\nx=1\nk=v\n", "s", "k", "v"},
        {"CR endings", "[s]\rx=1\rk=v\r", "s", "k", "v"},
        {"mixed endings", "[s]\r\nx=1\rk=v\n", "s", "k", "v"},
        {"byte-order mark hides first header", "\xEF\xBB\xBF[s]\r\nk=v", "s", "k", std::nullopt},
        {"later header after mark", "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w", "t", "k", "w"},
        {"unclosed header is no header", "[s]\r\n[t\r\nk=v", "s", "k", "v"},
        {"NUL bytes are ordinary", "[s]\r\nk=a\0b\r\n"s, "s", "k", "a\0b"s},
        {"stray lead byte", "[s]\r\n\x81=v\r\nk=\x81", "s", "k", "\x81"},
    };
    for (const FindCase& test : cases) {
        const auto found = IniFindValue(test.document, test.section, test.key);
        ASSERT_EQ(found.has_value(), test.expected.has_value()) << test.name;
        if (found) {
            EXPECT_EQ(std::string(*found), *test.expected) << test.name;
        }
    }
}

TEST(IniFileCut, KeepsAtMost255BytesWithoutSplittingACharacter)
{
    struct CutCase {
        std::string value;
        std::size_t expectedBytes;
    };
    const CutCase cases[] = {
        {"", 0},
        {std::string(255, 'a'), 255},
        {std::string(256, 'a'), 255},
        {std::string(10000, 'a'), 255},
        {std::string(253, 'a') + kKanjiHyo + "b", 255},
        {std::string(254, 'a') + kKanjiHyo, 254},     // the character would need bytes 255 and 256
        {std::string(254, 'a') + "\x81" + " ", 255},  // a stray lead byte is a single byte
        {std::string(254, 'a') + "\xB1\xB1", 255},    // half-width katakana are single bytes
    };
    for (const CutCase& test : cases) {
        const std::string cut = IniCutToBuffer(test.value);
        EXPECT_EQ(cut.size(), test.expectedBytes) << test.value.size();
        EXPECT_EQ(cut, test.value.substr(0, test.expectedBytes));
    }
}

TEST(IniFileInteger, TakesTheLeadingNumberModulo2To32)
{
    struct IntegerCase {
        const char* text;
        std::int32_t expected;
    };
    const IntegerCase cases[] = {
        {"1", 1},
        {"+1", 1},
        {"-1", -1},
        {"  17", 17},
        {"42A94967297", 42},
        {"B4294967297", 0},
        {"-", 0},
        {"- 5", 0},
        {"4294967296", 0},
        {"4294967297", 1},
        {"2147483648", -2147483647 - 1},
        {"12345678901234567890123456789012345678901234567890", -834729262},
        {"-98765432109876543210987654321098765432109876543210", -1371963114},
        {"0x10", 0},
        {"1e5", 1},
    };
    for (const IntegerCase& test : cases) {
        EXPECT_EQ(IniParseLeadingInteger(test.text), test.expected) << test.text;
    }
}

struct SetCase {
    const char* name;
    std::string document;
    std::string section;
    std::string key;
    std::string value;
    std::string expected;
};

TEST(IniFileSet, ChangesOnlyTheKeyLine)
{
    const SetCase cases[] = {
        {"new document", "", "PALVO", "key", "value", "[PALVO]\r\nkey=value\r\n"},
        {"replaced in place, spelling kept", "[s]\r\nTestKey=a", "S", "TESTKEY", "b", "[s]\r\nTestKey=b\r\n"},
        {"surrounding bytes kept", "lead\r\n[s]\r\n;c\r\n  k = \"old\" \r\nx=1\0y\r\n\r\n[t]\r\nk=2\r\n"s,
         "s", "k", "new", "lead\r\n[s]\r\n;c\r\nk=new\r\nx=1\0y\r\n\r\n[t]\r\nk=2\r\n"s},
        {"first of duplicate keys", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\nk=2\r\n"},
        {"first of duplicate sections", "[s]\r\na=1\r\n[s]\r\nk=2\r\n", "s", "k", "3",
         "[s]\r\na=1\r\nk=3\r\n[s]\r\nk=2\r\n"},
        {"new key after last key line", "[s]\r\na=1\r\n\r\n;c\r\n[t]\r\n", "s", "b", "2",
         "[s]\r\na=1\r\nb=2\r\n\r\n;c\r\n[t]\r\n"},
        {"new key in section without keys", "[s]\r\n\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n\r\n[t]\r\n"},
        {"a comment holding '=' is no key line", "[PALVO]\r\nNumMax=72\r\n; old NumMax=50\r\n", "PALVO",
         "RhythmSlow", "3", "[PALVO]\r\nNumMax=72\r\nRhythmSlow=3\r\n; old NumMax=50\r\n"},
        {"new key after unterminated header", "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"new key after unterminated key", "[s]\r\na=1", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
        {"new section at end", "[t]\r\nx=1\r\n", "s", "k", "v", "[t]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"line break added before new section", "[t]\r\nx=1", "s", "k", "v", "[t]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"LF file stays LF", "[t]\nx=1\n", "s", "k", "v", "[t]\nx=1\n[s]\nk=v\n"},
        {"CR file stays CR", "[t]\rx=1\r", "t", "k", "v", "[t]\rx=1\rk=v\r"},
        {"first line ending decides", "a\n[t]\r\nx=1", "t", "k", "v", "a\n[t]\r\nx=1\nk=v\n"},
        {"blank line after a bare-CR file's header kept", ";c\r[PALVO]\n\n[Other]\nA=1\n", "PALVO", "k", "v",
         ";c\r[PALVO]\nk=v\n\n[Other]\nA=1\n"},
        {"empty value", "", "s", "k", "", "[s]\r\nk=\r\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "2",
         "\xEF\xBB\xBF[s]\r\nk=1\r\n[s]\r\nk=2\r\n"},
        {"double-byte section", "[" + kKatakanaZo + "]\r\nk=1\r\n", kKatakanaZo, "k", "2",
         "[" + kKatakanaZo + "]\r\nk=2\r\n"},
    };
    for (const SetCase& test : cases) {
        const auto result = IniSetValue(test.document, test.section, test.key, test.value);
        ASSERT_TRUE(result.has_value()) << test.name;
        EXPECT_EQ(*result, test.expected) << test.name;
    }
}

TEST(IniFileSet, KeysAddedOneAfterAnotherStayInOrder)
{
    std::string document = "[s]\r\n\r\n;tail\r\n";
    for (const char* key : {"one", "two", "three"}) document = *IniSetValue(document, "s", key, "x");
    EXPECT_EQ(document, "[s]\r\none=x\r\ntwo=x\r\nthree=x\r\n\r\n;tail\r\n");
}

TEST(IniFileSet, RefusesWhatCannotBeOneLine)
{
    const struct {
        std::string section, key, value;
    } cases[] = {
        {"s", "k", "a\r\nb=c"}, {"s", "k", "a\rb"}, {"s", "k", "a\0b"s}, {"s", "", "v"},
        {"", "k", "v"},         {"s", "a=b", "v"},  {"s]", "k", "v"},    {"s", ";k", "v"},
        {"s", "[k", "v"},       {"s", " k", "v"},   {"s ", "k", "v"},    {"s\n", "k", "v"},
    };
    for (const auto& test : cases) {
        EXPECT_FALSE(IniSetValue("[s]\r\nk=1\r\n", test.section, test.key, test.value).has_value())
            << test.section << "/" << test.key;
    }
}

// Whatever the document holds, a value set can be read back, and a new section goes behind
// every original byte.
TEST(IniFileSet, SurvivesGarbageDocuments)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string pieces[] = {"[",  "]",       "=",       "\r",  "\n",        "\r\n", ";",
                                  "\"", "[PALVO]", "NumMax=", "\0"s, kKatakanaZo, "\x81", " "};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    for (int round = 0; round < 300; ++round) {
        std::string document;
        const int length = round * 7;
        for (int index = 0; index < length; ++index) {
            if (byte(random) < 128) {
                document.push_back(static_cast<char>(byte(random)));
            } else {
                document += pieces[piece(random)];
            }
        }
        // Without '[' there is no section, so every original byte must come first.
        const bool withoutSections = round % 2 == 0;
        if (withoutSections) std::erase(document, '[');
        const std::string value = "v" + std::to_string(round);
        const auto result = IniSetValue(document, "PALVO", "NumMax", value);
        ASSERT_TRUE(result.has_value());
        const auto readBack = IniFindValue(*result, "PALVO", "NumMax");
        ASSERT_TRUE(readBack.has_value()) << round;
        EXPECT_EQ(std::string(*readBack), value) << round;
        if (withoutSections) {
            EXPECT_EQ(result->substr(0, document.size()), document) << round;
        }
    }
}

class IniFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        temporary_.emplace("palvo_ini_file_test");
        folder_ = temporary_->Path();
        file_ = (folder_ / "palvo.ini").string();
    }

    void Put(const std::string& bytes)
    {
        std::ofstream out(file_, std::ios::binary);
        out << bytes;
    }
    std::string Get() const { return ReadFileBytes(file_).value_or("<missing>"); }

    std::optional<TemporaryFolder> temporary_;
    std::filesystem::path folder_;
    std::string file_;
};

TEST_F(IniFileOnDisk, ReadsStringsAndIntegersWithDefaults)
{
    EXPECT_EQ(IniReadString("s", "k", "dflt", file_), "dflt");
    EXPECT_EQ(IniReadInt("s", "k", 7, file_), 7);

    Put("[s]\r\ntext=abc\r\nempty=\r\nquoted=\"\"\r\nnumber=-12x\r\nbig=" + std::string(300, '9') + "\r\n");
    EXPECT_EQ(IniReadString("S", "TEXT", "dflt", file_), "abc");
    EXPECT_EQ(IniReadString("s", "empty", "dflt", file_), "");
    EXPECT_EQ(IniReadString("s", "missing", "dflt", file_), "dflt");
    EXPECT_EQ(IniReadString("s", "missing", std::string(300, 'd'), file_), std::string(255, 'd'));
    EXPECT_EQ(IniReadString("s", "big", "", file_), std::string(255, '9'));
    EXPECT_EQ(IniReadInt("s", "number", 7, file_), -12);
    EXPECT_EQ(IniReadInt("s", "empty", 7, file_), 7);
    EXPECT_EQ(IniReadInt("s", "quoted", 7, file_), 7);
    EXPECT_EQ(IniReadInt("s", "text", 7, file_), 0);
    EXPECT_EQ(IniReadInt("t", "text", 7, file_), 7);
}

TEST_F(IniFileOnDisk, WriteCreatesAMissingFile)
{
    ASSERT_TRUE(IniWriteString("PALVO", "key", "value", file_));
    EXPECT_EQ(Get(), "[PALVO]\r\nkey=value\r\n");
}

TEST_F(IniFileOnDisk, SeveralKeysInOneWriteEqualSingleWrites)
{
    const std::string original =
        "\xEF\xBB\xBFhead\r\n[other]\r\nb=1\r\n[s]\r\n;note\r\nB=old\r\nzz=keep\r\n\r\n";
    const std::vector<IniEntry> entries = {{"a", "1"}, {"b", "2"}, {"c", ""}, {"bad\n", "x"}, {"a", "3"}};

    Put(original);
    for (const IniEntry& entry : entries) IniWriteString("s", entry.key, entry.value, file_);
    const std::string singly = Get();

    Put(original);
    EXPECT_FALSE(IniWriteStrings("s", entries, file_));  // the key with a line break is refused
    EXPECT_EQ(Get(), singly);
    EXPECT_EQ(singly,
              "\xEF\xBB\xBFhead\r\n[other]\r\nb=1\r\n[s]\r\n;note\r\nB=2\r\nzz=keep\r\na=3\r\nc=\r\n\r\n");
}

TEST_F(IniFileOnDisk, WriteFailsWithoutTouchingAnything)
{
    const std::string missingFolder = (folder_ / "no-such-folder" / "palvo.ini").string();
    EXPECT_FALSE(IniWriteString("s", "k", "v", missingFolder));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "no-such-folder"));

    std::filesystem::create_directory(file_);  // the settings path is a folder
    EXPECT_FALSE(IniWriteString("s", "k", "v", file_));
    EXPECT_TRUE(std::filesystem::is_directory(file_));
    EXPECT_EQ(IniReadString("s", "k", "dflt", file_), "dflt");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(IniFileOnDisk, WritingTheStoredValueLeavesTheFileAlone)
{
    Put("[s]\r\nk=v\r\n");
    struct stat before {};
    ASSERT_EQ(::stat(file_.c_str(), &before), 0);
    EXPECT_TRUE(IniWriteString("s", "k", "v", file_));
    struct stat after {};
    ASSERT_EQ(::stat(file_.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);

    EXPECT_TRUE(IniWriteString("s", "k", "w", file_));
    EXPECT_EQ(Get(), "[s]\r\nk=w\r\n");
}

TEST_F(IniFileOnDisk, HugeFileStaysIntactAroundTheKey)
{
    std::string huge;
    huge.reserve(kIniLargestFileBytes);
    std::mt19937 random(7);
    while (huge.size() < kIniLargestFileBytes - 64) huge.push_back(static_cast<char>(random() & 0xFF));
    Put(huge);
    ASSERT_TRUE(IniWriteString("PALVO", "NumMax", "50", file_));
    EXPECT_EQ(IniReadInt("PALVO", "NumMax", 0, file_), 50);
    const std::string after = Get();
    ASSERT_GE(after.size(), huge.size());
    EXPECT_EQ(after.substr(0, huge.size()), huge);
}

// A file above the limit is unreadable: defaults, and a write never replaces it.
TEST_F(IniFileOnDisk, FileAboveTheLimitIsNeitherReadNorWritten)
{
    const std::string tooLarge = "[PALVO]\r\nNumMax=50\r\n" + std::string(kIniLargestFileBytes, ';');
    Put(tooLarge);
    EXPECT_EQ(IniFileStateOf(file_), IniFileState::TooLarge);
    EXPECT_EQ(IniReadInt("PALVO", "NumMax", 7, file_), 7);
    EXPECT_FALSE(IniWriteString("PALVO", "NumMax", "60", file_));
    EXPECT_EQ(ReadFileBytes(file_), tooLarge);
}

}  // namespace
}  // namespace palvo
