#include "config/ini_routines.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/file_store.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

class IniRoutines : public ::testing::Test {
protected:
    void SetUp() override
    {
        temporary_.emplace("palvo_ini_routines_test");
        folder_ = temporary_->Path().string();
        file_ = folder_ + "/palvo.ini";
    }
    void Put(const std::string& bytes) const { std::ofstream(file_, std::ios::binary) << bytes; }

    std::optional<TemporaryFolder> temporary_;
    std::string folder_;
    std::string file_;
};

TEST_F(IniRoutines, GetAndReadTellMissingFromEmpty)
{
    Put("[PALVO]\r\nText=\x94\x77\x8C\x69\r\nEmpty=\r\nMarker=DEFAULT_FAILED\r\nLower=Default_Failed\r\n");
    const struct {
        const char* key;
        std::string got;
        std::string read;
    } cases[] = {
        {"text", "背景", "背景"},
        {"Empty", "", "dflt"},
        {"Missing", "", "dflt"},
        {"Marker", "", "dflt"},
        {"Lower", "Default_Failed", "Default_Failed"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(GetIniString("PALVO", test.key, file_), test.got) << test.key;
        EXPECT_EQ(ReadIniString("PALVO", test.key, file_, "dflt"), test.read) << test.key;
    }
    EXPECT_EQ(ReadIniString("PALVO", "Text", folder_ + "/none.ini", "dflt"), "dflt");
}

TEST_F(IniRoutines, IntegersAreWrittenInPlainDecimal)
{
    ASSERT_TRUE(WriteIni("PALVO", "A", 33023, file_));
    ASSERT_TRUE(WriteIni("PALVO", "B", std::int16_t{-5}, file_));
    ASSERT_TRUE(WriteIni("PALVO", "C", -2147483647 - 1, file_));
    ASSERT_TRUE(WriteIni("PALVO", "D", "背景", file_));
    EXPECT_EQ(ReadFileBytes(file_), "[PALVO]\r\nA=33023\r\nB=-5\r\nC=-2147483648\r\nD=\x94\x77\x8C\x69\r\n");
    EXPECT_EQ(ReadIniInt("PALVO", "b", file_, 0), -5);
    EXPECT_EQ(ReadIniInt("PALVO", "missing", file_, 9), 9);
    EXPECT_FALSE(WriteIni("PALVO", "A", 1, folder_ + "/none/palvo.ini"));
}

TEST(MidAnsi, CutsOnCodePageBytes)
{
    const struct {
        const char* text;
        int start;
        int length;
        std::string expected;
    } cases[] = {
        {"abcdef", 1, 3, "abc"},
        {"abcdef", 4, 100, "def"},
        {"a背景", 2, 2, "背"},
        {"a背景", 2, 4, "背景"},
        {"a背景", 1, 2, "a\xEF\xBF\xBD"},  // half a character
        {"abc", 0, 2, ""},
        {"abc", 4, 1, ""},
        {"abc", 1, 0, ""},
        {"abc", 2, -1, ""},
        {"", 1, 1, ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(MidAnsi(test.text, test.start, test.length), test.expected)
            << test.text << " " << test.start << " " << test.length;
    }
}

}  // namespace
}  // namespace palvo
