#include "platform/file_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

using namespace std::string_literals;

class FileStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        temporary_.emplace("palvo_file_store_test");
        folder_ = temporary_->Path().string();
        file_ = folder_ + "/palvo.ini";
    }

    void Put(const std::string& bytes) const
    {
        std::ofstream out(file_, std::ios::binary);
        out << bytes;
    }
    // Names in the folder, so that a left-over temporary file shows.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::optional<TemporaryFolder> temporary_;
    std::string folder_;
    std::string file_;
};

TEST_F(FileStore, ReadsOnlyRegularFiles)
{
    EXPECT_FALSE(ReadFileBytes(file_).has_value());
    EXPECT_FALSE(ReadFileBytes(folder_).has_value());
    EXPECT_FALSE(ReadFileBytes("").has_value());

    const std::string pipe = folder_ + "/pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileBytes(pipe).has_value());  // and does not wait for a writer

    Put("");
    EXPECT_EQ(ReadFileBytes(file_), "");
    const std::string binary = "a\0\r\n\xFF\x81"s + std::string(200000, 'z');
    Put(binary);
    EXPECT_EQ(ReadFileBytes(file_), binary);
}

TEST_F(FileStore, ReplaceCreatesAndReplacesLeavingNoTemporaryFile)
{
    ASSERT_TRUE(ReplaceFileBytes(file_, "first\0"s));
    EXPECT_EQ(ReadFileBytes(file_), "first\0"s);
    ASSERT_TRUE(ReplaceFileBytes(file_, "second"));
    EXPECT_EQ(ReadFileBytes(file_), "second");
    ASSERT_TRUE(ReplaceFileBytes(file_, ""));
    EXPECT_EQ(ReadFileBytes(file_), "");
    EXPECT_EQ(Names(), std::vector<std::string>{"palvo.ini"});
}

TEST_F(FileStore, ReplaceKeepsPermissionsAndLinks)
{
    Put("old");
    ASSERT_EQ(::chmod(file_.c_str(), 0640), 0);
    ASSERT_TRUE(ReplaceFileBytes(file_, "new"));
    struct stat status {};
    ASSERT_EQ(::stat(file_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    const std::string link = folder_ + "/link.ini";
    std::filesystem::create_symlink(file_, link);
    ASSERT_TRUE(ReplaceFileBytes(link, "through the link"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(file_), "through the link");
    EXPECT_EQ(Names(), (std::vector<std::string>{"link.ini", "palvo.ini"}));
}

TEST_F(FileStore, ReplaceFailsWithoutTouchingAnything)
{
    EXPECT_FALSE(ReplaceFileBytes(folder_ + "/missing/palvo.ini", "x"));
    EXPECT_FALSE(ReplaceFileBytes("", "x"));

    std::filesystem::create_directory(file_);
    std::ofstream(file_ + "/inside") << "kept";
    EXPECT_FALSE(ReplaceFileBytes(file_, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(file_));
    EXPECT_EQ(ReadFileBytes(file_ + "/inside"), "kept");
    EXPECT_EQ(Names(), std::vector<std::string>{"palvo.ini"});
}

TEST_F(FileStore, ReadRefusesAFileAboveTheLimitBeforeReadingIt)
{
    Put(std::string(1000, 'x'));
    EXPECT_EQ(ReadFileBytes(file_, 1000)->size(), 1000u);
    EXPECT_FALSE(ReadFileBytes(file_, 999).has_value());
}

// A read-only file is a write failure, never replaced; a dangling link gets its target written.
TEST_F(FileStore, ReplaceKeepsReadOnlyFilesAndDanglingLinks)
{
    Put("locked");
    ASSERT_EQ(::chmod(file_.c_str(), 0444), 0);
    EXPECT_FALSE(ReplaceFileBytes(file_, "new"));
    EXPECT_EQ(ReadFileBytes(file_), "locked");

    const std::string link = folder_ + "/dangling.ini";
    std::filesystem::create_symlink("made-by-save.ini", link);
    ASSERT_TRUE(ReplaceFileBytes(link, "through the link"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(folder_ + "/made-by-save.ini"), "through the link");

    const std::string nowhere = folder_ + "/nowhere.ini";
    std::filesystem::create_symlink(folder_ + "/missing/palvo.ini", nowhere);
    EXPECT_FALSE(ReplaceFileBytes(nowhere, "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(nowhere));
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"dangling.ini", "made-by-save.ini", "nowhere.ini", "palvo.ini"}));
}

// Temporary files of a process killed during a save go at the next save; a running one's stay.
TEST_F(FileStore, ReplaceRemovesTemporaryFilesOfEndedProcesses)
{
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string stale = "palvo.ini.tmp" + std::to_string(ended) + "_0";
    const std::string running = "palvo.ini.tmp" + std::to_string(::getppid()) + "_3";
    for (const std::string& name : {stale, running, "palvo.ini.tmp_x"s, "other.ini.tmp1_1"s}) {
        std::ofstream(folder_ + "/" + name) << std::string(4096, 't');
    }
    ASSERT_TRUE(ReplaceFileBytes(file_, "saved"));
    std::vector<std::string> expected = {"other.ini.tmp1_1", "palvo.ini", running, "palvo.ini.tmp_x"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(), expected);
}

// A file-size limit makes writes fail the way a full disk does.
TEST_F(FileStore, FullDiskLeavesTheOldFile)
{
    Put("old content");
    struct rlimit original {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = original;
    limited.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

    const bool replaced = ReplaceFileBytes(file_, std::string(4096, 'n'));

    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(ReadFileBytes(file_), "old content");
    EXPECT_EQ(Names(), std::vector<std::string>{"palvo.ini"});
}

}  // namespace
}  // namespace palvo
