#include "platform/program_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/paths.h"

namespace palvo {
namespace {

using std::filesystem::path;

// The table's absolute paths, on a drive where the build is for Windows.
path Native(const std::string& text)
{
#ifdef _WIN32
    if (!text.empty() && text[0] == '/') {
        return path("C:" + text);
    }
#endif
    return path(text);
}

std::optional<path> NativeIfSet(const std::optional<std::string>& text)
{
    return text ? std::optional<path>(Native(*text)) : std::nullopt;
}

TEST(ProgramFolders, InstalledDataLiesInShareBesideTheProgramsFolder)
{
    EXPECT_EQ(InstalledDataDirectory(Native("/usr/bin")), Native("/usr/share/palvo"));
    EXPECT_EQ(InstalledDataDirectory(Native("/opt/palvo/bin/")), Native("/opt/palvo/share/palvo"));
}

TEST(ProgramFolders, ChoosesWhereDataAndSettingsLive)
{
    enum class Data { Beside, Installed, Both, Nowhere };
    struct Case {
        const char* what;
        std::string program;
        Data data;
        bool writable;
        bool iniBeside;
        std::optional<std::string> configHome;
        std::optional<std::string> home;
        std::string expectedData;
        std::string expectedSettings;
    };
    const Case cases[] = {
        {"portable folder", "/home/op/palvo", Data::Beside, true, false, std::nullopt, "/home/op",
         "/home/op/palvo", "/home/op/palvo"},
        {"portable folder already used", "/home/op/palvo", Data::Beside, true, true, "/x", "/home/op",
         "/home/op/palvo", "/home/op/palvo"},
        {"read-only portable folder", "/media/cd/palvo", Data::Beside, false, false, std::nullopt, "/home/op",
         "/media/cd/palvo", "/home/op/.config/palvo"},
        {"read-only folder that holds palvo.ini", "/srv/palvo", Data::Beside, false, true, std::nullopt,
         "/home/op", "/srv/palvo", "/srv/palvo"},
        {"installed, ordinary user", "/usr/bin", Data::Installed, false, false, std::nullopt, "/home/op",
         "/usr/share/palvo", "/home/op/.config/palvo"},
        {"installed, XDG_CONFIG_HOME set", "/usr/bin", Data::Installed, false, false, "/home/op/cfg",
         "/home/op", "/usr/share/palvo", "/home/op/cfg/palvo"},
        {"installed, relative XDG_CONFIG_HOME ignored", "/usr/bin", Data::Installed, false, false, "cfg",
         "/home/op", "/usr/share/palvo", "/home/op/.config/palvo"},
        {"installed, run by root: never into /usr/bin", "/usr/bin", Data::Installed, true, false,
         std::nullopt, "/root", "/usr/share/palvo", "/root/.config/palvo"},
        {"installed, no home at all", "/usr/bin", Data::Installed, false, false, std::nullopt, std::nullopt,
         "/usr/share/palvo", "/usr/bin"},
        {"portable copy inside an installed tree wins", "/usr/local/bin", Data::Both, true, false,
         std::nullopt, "/home/op", "/usr/local/bin", "/usr/local/bin"},
        {"files missing everywhere", "/tmp/palvo", Data::Nowhere, true, false, std::nullopt, "/home/op",
         "/tmp/palvo", "/tmp/palvo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramFolderFacts facts;
        facts.programDirectory = Native(c.program);
        facts.dataBesideProgram = c.data == Data::Beside || c.data == Data::Both;
        facts.dataInstalled = c.data == Data::Installed || c.data == Data::Both;
        facts.programDirectoryWritable = c.writable;
        facts.settingsBesideProgram = c.iniBeside;
        facts.configHome = NativeIfSet(c.configHome);
        facts.home = NativeIfSet(c.home);
        EXPECT_EQ(ChooseDataDirectory(facts), Native(c.expectedData));
        EXPECT_EQ(ChooseSettingsDirectory(facts), Native(c.expectedSettings));
    }
}

// The files beside the program are named folder, separator, relative path, byte for byte as
// palvo.ini has always stored them, whatever the folder looks like.
TEST(ProgramFolders, FilesInAFolderAreTheFolderTheSeparatorAndTheRelativePath)
{
#ifdef _WIN32
    const std::string separator = "\\";
#else
    const std::string separator = "/";
#endif
    const struct {
        const char* folder;
        const char* relative;
        std::string expected;
    } cases[] = {
        {"/hall/パルボ", "palvo.ini", "/hall/パルボ" + separator + "palvo.ini"},
        {"/hall", "wav/ユートピア - Windows の終了.WAV",
         "/hall" + separator + "wav" + separator + "ユートピア - Windows の終了.WAV"},
        {"C:", "bg/bg01.jpg", "C:" + separator + "bg" + separator + "bg01.jpg"},  // a drive's root
        {"", "palvo.ini", separator + "palvo.ini"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Utf8PathIn(test.folder, test.relative), test.expected) << test.folder;
    }
}

// A folder the program cannot name as text, or too deep for its files' paths, is named as the
// reason the program does not start; any other folder runs.
TEST(ProgramFolders, FolderThatCannotBeNamedOrIsTooDeepIsTheReasonNotToStart)
{
    const std::string fits(kLongestProgramFolderBytes, 'a');
    const struct {
        std::optional<std::string> folder;
        const char* reason;  // nullptr: the program runs
    } cases[] = {
        {"/home/hall/palvo", nullptr},
        {"/home/hall/パルボ 2026/写真_Ğ😀", nullptr},
        {fits, nullptr},
        {fits + "a", "長すぎる"},
        {std::nullopt, "長すぎる"},
        {"/home/hall/\xFFpalvo", "UTF-8"},
        {"/home/hall/caf\xE9", "UTF-8"},           // Latin-1
        {"/home/hall/\x83\x70\x83\x8B", "UTF-8"},  // code page 932
        {"/home/\xC0\xAF", "UTF-8"},               // an overlong "/"
        {"/home/\xED\xA0\x80", "UTF-8"},           // a surrogate
        {"/home/\xF4\x90\x80\x80", "UTF-8"},       // above U+10FFFF
        {"/home/\xE3\x81", "UTF-8"},               // cut short
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.folder ? each.folder->substr(0, 40) : "(unnamed)");
        const std::optional<std::string> problem = ProgramFolderProblem(each.folder);
        if (each.reason == nullptr) {
            EXPECT_FALSE(problem) << *problem;
            continue;
        }
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->find(each.reason), std::string::npos) << *problem;
        EXPECT_NE(problem->find("起動してください"), std::string::npos) << "says what to do";
    }
    const std::optional<std::string> shown = ProgramFolderProblem(std::string("/home/\xFF\xFE/パルボ"));
    ASSERT_TRUE(shown);
    EXPECT_NE(shown->find("/home/?"
                          "?/パルボ"),
              std::string::npos)
        << "the readable parts of the name";
    // A name is shown as it is, even where it reads like a place for a value.
    const std::pair<std::string, std::string> names[] = {{"/home/\xFF{1}{2}", "/home/?{1}{2}（"},
                                                         {"/{1}" + fits, "/{1}aaa"}};
    for (const auto& [name, shownAs] : names) {
        const std::optional<std::string> marks = ProgramFolderProblem(name);
        ASSERT_TRUE(marks);
        EXPECT_NE(marks->find(shownAs), std::string::npos) << *marks;
    }
}

}  // namespace
}  // namespace palvo
