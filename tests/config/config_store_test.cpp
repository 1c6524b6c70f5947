#include "config/config_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <optional>
#include <string>

#include "config/ini_routines.h"
#include "platform/file_store.h"
#include "platform/paths.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

using namespace std::string_literals;

// The separator palvo.ini stores and the messages show, spelled out rather than taken from the
// code that joins the paths.
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

class ConfigStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        temporary_.emplace("palvo_config_store_test");
        folder_ = Utf8FromPath(temporary_->Path());
    }

    std::string File() const { return folder_ + kSeparator + "palvo.ini"; }
    void Put(const std::string& bytes) const
    {
        std::ofstream out(File(), std::ios::binary);
        out << bytes;
    }
    std::string Get() const { return ReadFileBytes(File()).value_or("<missing>"); }
    CConfig Read() const
    {
        CConfig config(folder_);
        config.ReadConfig();
        return config;
    }

    std::optional<TemporaryFolder> temporary_;
    std::string folder_;
};

void ExpectDefaults(const CConfig& config, const std::string& folder)
{
    EXPECT_EQ(config.BackGroundImageFile(), folder + kSeparator + "bg" + kSeparator + "bg01.jpg");
    EXPECT_EQ(config.NumColor(), 33023);
    EXPECT_EQ(config.NumSizeIndex(), 2);
    EXPECT_EQ(config.NumPosIndex(), 4);
    EXPECT_EQ(config.NumMax(), 72);
    EXPECT_EQ(config.RhythmFast(), 20);
    EXPECT_EQ(config.RhythmSlow(), 3);
}

TEST_F(ConfigStore, MissingFileGivesDefaultsAndWriteCreatesIt)
{
    const CConfig config = Read();
    EXPECT_EQ(config.IniFilePath(), folder_ + kSeparator + "palvo.ini");
    ExpectDefaults(config, folder_);

    ASSERT_TRUE(config.WriteConfig());
    EXPECT_EQ(Get(), "[PALVO]\r\nBackGroundImageFile=" + folder_ + kSeparator + "bg" + kSeparator +
                         "bg01.jpg\r\nNumColor=33023\r\nNumSizeIndex=2\r\nNumPosIndex=4\r\nNumMax=72\r\n"
                         "RhythmFast=20\r\nRhythmSlow=3\r\n");
}

TEST_F(ConfigStore, RoundTripKeepsEveryValue)
{
    CConfig config(folder_);
    config.SetBackGroundImageFile("/home/ユーザー/背景～画像/表示.jpg");
    config.SetNumColor(16777215);
    config.SetNumSizeIndex(0);
    config.SetNumPosIndex(2);
    config.SetNumMax(99);
    config.SetRhythmFast(5);
    config.SetRhythmSlow(4);
    ASSERT_TRUE(config.WriteConfig());

    const CConfig loaded = Read();
    EXPECT_EQ(loaded.BackGroundImageFile(), "/home/ユーザー/背景～画像/表示.jpg");
    EXPECT_EQ(loaded.NumColor(), 16777215);
    EXPECT_EQ(loaded.NumSizeIndex(), 0);
    EXPECT_EQ(loaded.NumPosIndex(), 2);
    EXPECT_EQ(loaded.NumMax(), 99);
    EXPECT_EQ(loaded.RhythmFast(), 5);
    EXPECT_EQ(loaded.RhythmSlow(), 4);
    // The file is code page 932, not UTF-8: "表" is 0x95 0x5C.
    EXPECT_NE(Get().find("\x95\x5C\x8E\xA6.jpg"), std::string::npos);
}

// A path the file cannot hold (outside code page 932, or beyond 255 bytes) would come back as
// another path; it is stored empty, which reads as the default picture.
TEST_F(ConfigStore, PathTheFileCannotHoldIsStoredAsTheDefault)
{
    std::string longJapanese = "/";  // 1 + 127 * 2 = 255 bytes in the file, the most a value holds
    std::string longJapaneseBytes = "/";
    for (int index = 0; index < 127; ++index) {
        longJapanese += "背";
        longJapaneseBytes += "\x94\x77";
    }
    const struct {
        std::string path;
        std::string stored;
    } cases[] = {
        {"/bg/한글😀.jpg", ""},
        {"/Fotos Über/bild.bmp", ""},
        {longJapanese + "背", ""},
        {longJapanese, longJapaneseBytes},
        {"/背景/写真.jpg", "/\x94\x77\x8C\x69/\x8E\xCA\x90\x5E.jpg"},
    };
    for (const auto& each : cases) {
        CConfig config(folder_);
        config.SetBackGroundImageFile(each.path);
        ASSERT_TRUE(config.WriteConfig());
        EXPECT_NE(Get().find("BackGroundImageFile=" + each.stored + "\r\n"), std::string::npos) << each.path;
        EXPECT_EQ(Read().BackGroundImageFile(),
                  each.stored.empty() ? config.DefaultBackGroundImageFile() : each.path);
    }
}

TEST_F(ConfigStore, BackgroundPathRules)
{
    const std::string defaultPath = folder_ + kSeparator + "bg" + kSeparator + "bg01.jpg";
    const std::string longPath = "/" + std::string(299, 'p');

    const struct {
        std::string line;
        std::string expected;
    } cases[] = {
        {"", defaultPath},
        {"BackGroundImageFile=", defaultPath},
        {"BackGroundImageFile=  ", defaultPath},
        {"BackGroundImageFile=\"\"", defaultPath},
        {"BackGroundImageFile=DEFAULT_FAILED", defaultPath},
        {"BackGroundImageFile=default_failed", "default_failed"},
        {"backgroundimagefile= /x/y.bmp ", "/x/y.bmp"},
        {"BackGroundImageFile=" + longPath, longPath.substr(0, 255)},
        {"BackGroundImageFile=" + std::string("/\x94\x77\x8C\x69.jpg"), "/背景.jpg"},
        {"BackGroundImageFile=/a\0b.jpg"s, "/a"},
        {"BackGroundImageFile=/\xFF\x80.jpg", "/\xEF\xBF\xBD\xEF\xBF\xBD.jpg"},
    };
    for (const auto& test : cases) {
        Put("[PALVO]\r\n" + test.line + "\r\n");
        EXPECT_EQ(Read().BackGroundImageFile(), test.expected) << test.line;
    }
}

TEST_F(ConfigStore, UnusableNumbersTakeTheirDefaults)
{
    const struct {
        std::string text;
        std::int32_t color;
        std::int16_t size, position, max, fast, slow;
    } cases[] = {
        {"", 33023, 2, 4, 72, 20, 3},
        {"NumColor=16777215\r\nNumSizeIndex=0\r\nNumPosIndex=3\r\nNumMax=1\r\nRhythmFast=30\r\nRhythmSlow=10",
         16777215, 0, 4, 1, 30, 10},  // lower right (3) has no place on the display
        {"NumColor=0\r\nNumSizeIndex=1\r\nNumPosIndex=0\r\nNumMax=99\r\nRhythmFast=5\r\nRhythmSlow=1", 0, 1,
         0, 99, 5, 1},
        {"NumColor=16777216\r\nNumSizeIndex=3\r\nNumPosIndex=5\r\nNumMax=100\r\nRhythmFast=31\r\nRhythmSlow="
         "11",
         33023, 2, 4, 72, 20, 3},
        {"NumColor=-1\r\nNumSizeIndex=-1\r\nNumPosIndex=-1\r\nNumMax=0\r\nRhythmFast=4\r\nRhythmSlow=0",
         33023, 2, 4, 72, 20, 3},
        {"NumMax=-5", 33023, 2, 4, 72, 20, 3},
        // Out of 16 bits: that key takes its default and the later keys are still read.
        {"NumSizeIndex=40000\r\nNumPosIndex=1\r\nNumMax=-40000\r\nRhythmFast=25\r\nRhythmSlow=70000", 33023,
         2, 1, 72, 25, 3},
        {"NumMax=4294967346\r\nRhythmFast=6", 33023, 2, 4, 50, 6, 3},  // wraps to 50
        {"RhythmFast=5\r\nRhythmSlow=5", 33023, 2, 4, 72, 5, 3},
        {"RhythmFast=8\r\nRhythmSlow=7", 33023, 2, 4, 72, 8, 7},
        {"NumMax=\r\nRhythmFast=abc", 33023, 2, 4, 72, 20, 3},  // "abc" reads as 0
        {"NumMax=12345678901234567890123456789012345678901234567890", 33023, 2, 4, 72, 20, 3},
        {"NumMax=\"42\"\r\nNumColor= 255 ", 255, 2, 4, 42, 20, 3},
    };
    for (const auto& test : cases) {
        Put("[PALVO]\r\n" + test.text + "\r\n");
        const CConfig config = Read();
        EXPECT_EQ(config.NumColor(), test.color) << test.text;
        EXPECT_EQ(config.NumSizeIndex(), test.size) << test.text;
        EXPECT_EQ(config.NumPosIndex(), test.position) << test.text;
        EXPECT_EQ(config.NumMax(), test.max) << test.text;
        EXPECT_EQ(config.RhythmFast(), test.fast) << test.text;
        EXPECT_EQ(config.RhythmSlow(), test.slow) << test.text;
    }
}

TEST_F(ConfigStore, CorrectedValuesAreWhatALaterWriteSaves)
{
    Put("[PALVO]\r\nNumMax=0\r\nNumSizeIndex=7\r\nRhythmSlow=40\r\n");
    ASSERT_TRUE(Read().WriteConfig());
    const std::string saved = Get();
    EXPECT_NE(saved.find("NumMax=72\r\n"), std::string::npos);
    EXPECT_NE(saved.find("NumSizeIndex=2\r\n"), std::string::npos);
    EXPECT_NE(saved.find("RhythmSlow=3\r\n"), std::string::npos);
}

TEST_F(ConfigStore, WriteKeepsEverythingElseAndEqualsSingleKeyWrites)
{
    const std::string original =
        "\xEF\xBB\xBF; written by hand\r\n[Other]\r\nNumMax=5\r\n\r\n[palvo]\r\n  numMAX = 10 "
        "\r\nUnknown=1\r\n"
        "garbage line\r\nRhythmFast=abc\r\n\r\n; end\r\n[Last]\r\nx=\0y\r\n"s;
    CConfig config(folder_);
    config.SetBackGroundImageFile("/p/背景.jpg");
    config.SetNumColor(255);
    config.SetNumSizeIndex(1);
    config.SetNumPosIndex(0);
    config.SetNumMax(42);
    config.SetRhythmFast(12);
    config.SetRhythmSlow(2);

    Put(original);
    const std::string file = File();
    ASSERT_TRUE(WriteIni("PALVO", "BackGroundImageFile", "/p/背景.jpg", file));
    ASSERT_TRUE(WriteIni("PALVO", "NumColor", 255, file));
    ASSERT_TRUE(WriteIni("PALVO", "NumSizeIndex", std::int16_t{1}, file));
    ASSERT_TRUE(WriteIni("PALVO", "NumPosIndex", std::int16_t{0}, file));
    ASSERT_TRUE(WriteIni("PALVO", "NumMax", std::int16_t{42}, file));
    ASSERT_TRUE(WriteIni("PALVO", "RhythmFast", std::int16_t{12}, file));
    ASSERT_TRUE(WriteIni("PALVO", "RhythmSlow", std::int16_t{2}, file));
    const std::string singly = Get();

    Put(original);
    ASSERT_TRUE(config.WriteConfig());
    EXPECT_EQ(Get(), singly);
    EXPECT_EQ(
        Get(),
        "\xEF\xBB\xBF; written by hand\r\n[Other]\r\nNumMax=5\r\n\r\n[palvo]\r\nnumMAX=42\r\nUnknown=1\r\n"
        "garbage line\r\nRhythmFast=12\r\nBackGroundImageFile=/p/\x94\x77\x8C\x69.jpg\r\nNumColor=255\r\n"
        "NumSizeIndex=1\r\nNumPosIndex=0\r\nRhythmSlow=2\r\n\r\n; end\r\n[Last]\r\nx=\0y\r\n"s);
}

TEST_F(ConfigStore, WriteFailureIsReportedAndChangesNothing)
{
    CConfig missingFolder(folder_ + "/not-there");
    missingFolder.ReadConfig();
    missingFolder.SetNumMax(10);
    EXPECT_FALSE(missingFolder.WriteConfig());
    EXPECT_EQ(missingFolder.NumMax(), 10);
    EXPECT_FALSE(std::filesystem::exists(folder_ + "/not-there"));

    std::filesystem::create_directory(File());  // the settings path is taken by a folder
    CConfig blocked = Read();
    ExpectDefaults(blocked, folder_);
    EXPECT_FALSE(blocked.WriteConfig());
    EXPECT_TRUE(std::filesystem::is_directory(File()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

// No file content may crash the reader; whatever it reads must be usable and survive a round trip.
TEST_F(ConfigStore, HostileFilesReadAsUsableValues)
{
    std::mt19937 random(99);
    std::string garbage(kIniLargestFileBytes / 2, '\0');  // a file above the limit is refused
    for (char& byte : garbage) byte = static_cast<char>(random() & 0xFF);
    const std::string files[] = {
        "",
        garbage,
        garbage + "\r\n[PALVO]\r\nNumMax=33\r\n",
        std::string(1000, '\0'),
        "[PALVO]\0NumMax=33\r\n"s,
        "[PALVO]\r\nno equals here\r\nNumMax\r\n=\r\n==\r\n",
        "[PALVO]\r\nBackGroundImageFile=" + std::string(10000, 'x') + "\r\n",
        "[PALVO]\r\nBackGroundImageFile=\x81\r\nNumMax=\x81\x39\r\n",
        "[PALVO]\rNumMax=33\rRhythmFast=9\r",
        "\xEF\xBB\xBF[PALVO]\r\nNumMax=33\r\n",
        "[PALVO]\r\nNumColor=99999999999999999999999999999999999999999999999999\r\n",
        "[" + std::string(100000, '[') + "\r\n" + std::string(100000, ']') + "=",
    };
    for (const std::string& bytes : files) {
        Put(bytes);
        CConfig config = Read();
        EXPECT_LE(config.BackGroundImageFile().size(), 255u * 3);
        EXPECT_TRUE(config.NumColor() >= 0 && config.NumColor() <= 0xFFFFFF);
        EXPECT_TRUE(config.NumSizeIndex() >= 0 && config.NumSizeIndex() <= 2);
        EXPECT_TRUE(config.NumPosIndex() >= 0 && config.NumPosIndex() <= 4);
        EXPECT_TRUE(config.NumMax() >= 1 && config.NumMax() <= 99);
        EXPECT_TRUE(config.RhythmFast() >= 5 && config.RhythmFast() <= 30);
        EXPECT_TRUE(config.RhythmSlow() >= 1 && config.RhythmSlow() < config.RhythmFast());

        config.SetNumMax(17);
        ASSERT_TRUE(config.WriteConfig());
        const CConfig again = Read();
        EXPECT_EQ(again.NumMax(), 17);
        EXPECT_EQ(again.RhythmFast(), config.RhythmFast());
        EXPECT_EQ(again.NumColor(), config.NumColor());
    }
}

}  // namespace
}  // namespace palvo
