#include "platform/program_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace palvo {
namespace {

using std::filesystem::path;

TEST(ProgramFolders, InstalledDataLiesInShareBesideTheProgramsFolder)
{
    EXPECT_EQ(InstalledDataDirectory("/usr/bin"), path("/usr/share/palvo"));
    EXPECT_EQ(InstalledDataDirectory("/opt/palvo/bin/"), path("/opt/palvo/share/palvo"));
}

TEST(ProgramFolders, ChoosesWhereDataAndSettingsLive)
{
    enum class Data { Beside, Installed, Both, Nowhere };
    struct Case {
        const char* what;
        const char* program;
        Data data;
        bool writable;
        bool iniBeside;
        std::optional<path> configHome;
        std::optional<path> home;
        path expectedData;
        path expectedSettings;
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
        facts.programDirectory = c.program;
        facts.dataBesideProgram = c.data == Data::Beside || c.data == Data::Both;
        facts.dataInstalled = c.data == Data::Installed || c.data == Data::Both;
        facts.programDirectoryWritable = c.writable;
        facts.settingsBesideProgram = c.iniBeside;
        facts.configHome = c.configHome;
        facts.home = c.home;
        EXPECT_EQ(ChooseDataDirectory(facts), c.expectedData);
        EXPECT_EQ(ChooseSettingsDirectory(facts), c.expectedSettings);
    }
}

}  // namespace
}  // namespace palvo
