// The real program (the built palvo) in child processes, as a session, a script or a second
// double-click meets it: termination signals, a second copy on the same settings folder, a copy
// killed outright, and program folders it cannot run from. Every wait is bounded.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "draw/game_journal.h"
#include "platform/qt/qt_instance_lock.h"
#include "tests/qt/qt_test_application.h"
#include "tests/support/temporary_folder.h"

extern char** environ;

namespace palvo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string ReadAll(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Polls `condition` every 20 ms until it holds or `timeout` has passed.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// A program folder as `make run` leaves it: palvo with its pictures, bars, buttons and sound.
void LayOutProgramFolder(const fs::path& folder)
{
    const fs::path shipped(PALVO_APP_DIR);
    fs::create_directories(folder);
    for (const char* sub : {"bg", "bars", "buttons", "wav"}) {
        fs::copy(shipped / sub, folder / sub, fs::copy_options::recursive);
    }
    fs::copy_file(PALVO_PROGRAM, folder / "palvo");
}

// The program started from `program`, with its home and settings home in `home`, standard error
// kept in a file. Killed if a test leaves it running.
class Program {
public:
    Program(const fs::path& program, const fs::path& home, const fs::path& workingFolder = {})
        : errors_(home / ("stderr-" + std::to_string(++serial_)))
    {
        std::vector<std::string> variables = {"HOME=" + home.string(),
                                              "XDG_CONFIG_HOME=" + (home / "config").string(),
                                              "QT_QPA_PLATFORM=offscreen"};
        for (char** each = environ; *each != nullptr; ++each) {
            const std::string variable = *each;
            if (variable.rfind("HOME=", 0) != 0 && variable.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
                variable.rfind("QT_QPA_PLATFORM=", 0) != 0) {
                variables.push_back(variable);
            }
        }
        std::vector<char*> environment;
        for (std::string& variable : variables) {
            environment.push_back(variable.data());
        }
        environment.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (!workingFolder.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
        }
        std::string path = program.string();
        char* arguments[] = {path.data(), nullptr};
        started_ = posix_spawn(&child_, path.c_str(), &actions, nullptr, arguments, environment.data()) == 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Program()
    {
        if (started_ && !status_) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return started_; }
    pid_t Id() const { return child_; }

    // True once the process catches `signal` (its handlers are installed).
    bool Catches(int signal) const
    {
        std::ifstream status("/proc/" + std::to_string(child_) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("SigCgt:", 0) == 0) {
                const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
                return ((caught >> (signal - 1)) & 1U) != 0;
            }
        }
        return false;
    }

    // True while the process holds a whole-file lock (flock) on `folder`.
    bool Holds(const fs::path& folder) const
    {
        struct stat facts = {};
        if (::stat(folder.c_str(), &facts) != 0) {
            return false;
        }
        const std::string inode = ":" + std::to_string(facts.st_ino);
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);) {
            std::istringstream words(line);
            std::string number, kind, mode, access, owner, device;
            words >> number >> kind >> mode >> access >> owner >> device;
            if (kind == "FLOCK" && owner == std::to_string(child_) && device.size() > inode.size() &&
                device.compare(device.size() - inode.size(), inode.size(), inode) == 0) {
                return true;
            }
        }
        return false;
    }

    void Send(int signal) const { ::kill(child_, signal); }

    // The wait status once the process has ended within `timeout`, or nullopt.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout)
    {
        WaitUntil(
            [this] {
                int status = 0;
                if (::waitpid(child_, &status, WNOHANG) == child_) {
                    status_ = status;
                }
                return status_.has_value();
            },
            timeout);
        return status_;
    }

    std::string Errors() const { return ReadAll(errors_); }

private:
    static inline int serial_ = 0;
    fs::path errors_;
    pid_t child_ = 0;
    bool started_ = false;
    std::optional<int> status_;
};

constexpr auto kStartUp = 30s;
constexpr auto kExit = 30s;

std::string Describe(const std::optional<int>& status)
{
    if (!status) {
        return "still running";
    }
    if (WIFSIGNALED(*status)) {
        return "killed by signal " + std::to_string(WTERMSIG(*status));
    }
    return "exit status " + std::to_string(WEXITSTATUS(*status));
}

// Each signal the session or a script ends the program with closes it as its close box would:
// settings written, exit status 0. A save that failed is never reported as success: the exit
// status says so and standard error names the file.
TEST(ProgramProcess, EachTerminationSignalClosesAndTheExitStatusTellsWhetherTheSettingsWereSaved)
{
    TemporaryFolder scratch("palvo_signals");
    const fs::path program = scratch.Path() / "app";
    LayOutProgramFolder(program);
    const struct {
        int signal;
        const char* name;
    } endings[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};
    for (const auto& each : endings) {
        for (const bool writable : {true, false}) {
            SCOPED_TRACE(std::string(each.name) + (writable ? "" : ", a folder in palvo.ini's place"));
            fs::remove_all(program / "palvo.ini");
            if (!writable) {
                fs::create_directory(program / "palvo.ini");
            }
            Program palvo(program / "palvo", scratch.Path());
            ASSERT_TRUE(palvo.Started());
            EXPECT_TRUE(WaitUntil([&] { return palvo.Catches(each.signal); }, kStartUp))
                << "handler installed";
            std::this_thread::sleep_for(300ms);
            palvo.Send(each.signal);
            const std::optional<int> status = palvo.WaitForExit(kExit);
            ASSERT_TRUE(status && WIFEXITED(*status)) << Describe(status);
            if (writable) {
                EXPECT_EQ(WEXITSTATUS(*status), 0) << palvo.Errors();
                EXPECT_NE(ReadAll(program / "palvo.ini").find("NumMax=72"), std::string::npos);
            } else {
                EXPECT_NE(WEXITSTATUS(*status), 0);
                EXPECT_NE(palvo.Errors().find("設定ファイルに書き込めませんでした。\n" +
                                              (program / "palvo.ini").string()),
                          std::string::npos)
                    << palvo.Errors();
            }
        }
    }
}

// A signal while the start-up question about an unfinished game is open ends the program and
// leaves the game in the journal, byte for byte, for the next start.
TEST(ProgramProcess, ASignalDuringTheResumeQuestionLeavesTheJournalUntouched)
{
    TemporaryFolder scratch("palvo_resume_signal");
    const fs::path program = scratch.Path() / "app";
    LayOutProgramFolder(program);
    const std::string journal = JournalHeaderLine(72, "2026-01-02 10:00:00") +
                                JournalDrawLine(1, 17, "2026-01-02 10:00:05") +
                                JournalDrawLine(2, 40, "2026-01-02 10:00:09");
    std::ofstream(program / "palvo-game.txt", std::ios::binary) << journal;
    Program palvo(program / "palvo", scratch.Path());
    ASSERT_TRUE(palvo.Started());
    ASSERT_TRUE(WaitUntil([&] { return palvo.Catches(SIGTERM); }, kStartUp));
    std::this_thread::sleep_for(1s);  // the question is up by now; a signal before it is the same case
    palvo.Send(SIGTERM);
    const std::optional<int> status = palvo.WaitForExit(kExit);
    ASSERT_TRUE(status && WIFEXITED(*status)) << Describe(status);
    EXPECT_EQ(WEXITSTATUS(*status), 0) << palvo.Errors();
    EXPECT_EQ(ReadAll(program / "palvo-game.txt"), journal);
    EXPECT_FALSE(fs::exists(program / "palvo-history.csv"));
    EXPECT_TRUE(fs::exists(program / "palvo.ini"));
}

// Names, sizes and modification times of everything in `folder`.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat facts = {};
        ::lstat(entry.path().c_str(), &facts);
        entries[entry.path().string()] = std::to_string(facts.st_size) + " " +
                                         std::to_string(facts.st_mtim.tv_sec) + "." +
                                         std::to_string(facts.st_mtim.tv_nsec);
    }
    return entries;
}

// One copy per settings folder: a second start says so, touches nothing and ends; a copy killed
// outright leaves no hold behind.
TEST(ProgramProcess, ASecondCopySaysSoAndTouchesNothingAndAKilledCopyLocksNoOneOut)
{
    TemporaryFolder scratch("palvo_second_copy");
    const fs::path program = scratch.Path() / "app";
    LayOutProgramFolder(program);
    std::ofstream(program / "palvo.ini", std::ios::binary) << "[PALVO]\r\nNumMax=30\r\n";
    const std::string journal =
        JournalHeaderLine(30, "2026-01-02 10:00:00") + JournalDrawLine(1, 7, "2026-01-02 10:00:05");
    std::ofstream(program / "palvo-game.txt", std::ios::binary) << journal;

    Program first(program / "palvo", scratch.Path());
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitUntil([&] { return first.Holds(program); }, kStartUp));
    const std::map<std::string, std::string> before = Snapshot(program);

    Program second(program / "palvo", scratch.Path());
    ASSERT_TRUE(second.Started());
    // Its box waits for a person; the session's signal closes it.
    ASSERT_TRUE(WaitUntil([&] { return second.Catches(SIGTERM); }, kStartUp));
    EXPECT_FALSE(second.WaitForExit(500ms)) << "the second copy waits for its message to be read";
    second.Send(SIGTERM);
    const std::optional<int> secondStatus = second.WaitForExit(kExit);
    ASSERT_TRUE(secondStatus && WIFEXITED(*secondStatus)) << Describe(secondStatus);
    EXPECT_NE(WEXITSTATUS(*secondStatus), 0);
    EXPECT_NE(second.Errors().find("すでに起動しています"), std::string::npos) << second.Errors();
    EXPECT_EQ(Snapshot(program), before) << "the second copy touched a file";
    EXPECT_TRUE(first.Holds(program));

    first.Send(SIGKILL);
    ASSERT_TRUE(first.WaitForExit(kExit));
    Program third(program / "palvo", scratch.Path());
    ASSERT_TRUE(third.Started());
    EXPECT_TRUE(WaitUntil([&] { return third.Holds(program); }, kStartUp))
        << "the killed copy's hold is gone";
    third.Send(SIGTERM);
    const std::optional<int> thirdStatus = third.WaitForExit(kExit);
    ASSERT_TRUE(thirdStatus && WIFEXITED(*thirdStatus)) << Describe(thirdStatus);
    EXPECT_EQ(WEXITSTATUS(*thirdStatus), 0) << third.Errors();
    EXPECT_EQ(third.Errors().find("すでに起動しています"), std::string::npos);
    EXPECT_EQ(ReadAll(program / "palvo-game.txt"), journal) << "the game waits for the next start";
}

// The hold belongs to the folder, not to a path: a second claim through a link is held elsewhere,
// and asking the holder to come forward reaches it.
TEST(ProgramProcess, TheHoldIsTheFoldersAndTheHolderHearsASecondStart)
{
    TestApplication();
    TemporaryFolder scratch("palvo_lock");
    fs::create_directories(scratch.Path() / "settings");
    fs::create_directory_symlink(scratch.Path() / "settings", scratch.Path() / "link");
    int frontRequests = 0;
    {
        QtInstanceLock holder([&frontRequests] { ++frontRequests; });
        ASSERT_EQ(holder.Claim((scratch.Path() / "settings").string()), FolderClaim::Owned);
        QtInstanceLock other(nullptr);
        EXPECT_EQ(other.Claim((scratch.Path() / "link").string()), FolderClaim::HeldElsewhere);
        EXPECT_TRUE(other.BringOwnerToFront());
        EXPECT_TRUE(WaitUntil(
            [&] {
                QCoreApplication::processEvents();
                return frontRequests == 1;
            },
            5s));
        QtInstanceLock elsewhere(nullptr);
        EXPECT_EQ(elsewhere.Claim(scratch.Path().string()), FolderClaim::Owned) << "another folder is free";
        QtInstanceLock missing(nullptr);
        EXPECT_EQ(missing.Claim((scratch.Path() / "missing").string()), FolderClaim::Unavailable);
    }
    QtInstanceLock after(nullptr);
    EXPECT_EQ(after.Claim((scratch.Path() / "settings").string()), FolderClaim::Owned)
        << "released with its holder";
    EXPECT_FALSE(after.BringOwnerToFront()) << "a holder asks no one";
}

// Removes the chain of `step` folders below `parent`, each with what it holds; too deep for a path.
void RemoveChain(int parent, const std::string& step)
{
    const int folder = ::openat(parent, step.c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) {
        return;
    }
    RemoveChain(folder, step);
    ::unlinkat(folder, "palvo", 0);
    ::close(folder);
    ::unlinkat(parent, step.c_str(), AT_REMOVEDIR);
}

// A program folder it cannot name as text, or too deep for its files, is said on standard error
// (and in a box, which the session's signal closes) before any file is read or written.
TEST(ProgramProcess, AFolderTheProgramCannotRunFromIsNamedAndNothingIsWritten)
{
    TemporaryFolder scratch("palvo_folders");
    const fs::path home = scratch.Path() / "home";
    fs::create_directories(home);
    const fs::path undecodable = scratch.Path() / "caf\xE9";
    LayOutProgramFolder(undecodable);

    // Deeper than a path may be: made one step at a time, started from inside.
    int at = ::open(scratch.Path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(at, 0);
    const std::string step(200, 'd');
    std::size_t depth = scratch.Path().string().size();
    while (depth <= 4200) {
        ASSERT_EQ(::mkdirat(at, step.c_str(), 0700), 0);
        const int next = ::openat(at, step.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(at);
        ASSERT_GE(next, 0);
        at = next;
        depth += step.size() + 1;
    }
    {
        const int source = ::open(PALVO_PROGRAM, O_RDONLY);
        const int target = ::openat(at, "palvo", O_WRONLY | O_CREAT | O_TRUNC, 0700);
        ASSERT_GE(source, 0);
        ASSERT_GE(target, 0);
        char buffer[1 << 16];
        for (ssize_t got = 0; (got = ::read(source, buffer, sizeof buffer)) > 0;) {
            ASSERT_EQ(::write(target, buffer, static_cast<std::size_t>(got)), got);
        }
        ::close(source);
        ::close(target);
    }
    const std::string deepFolder = "/proc/self/fd/" + std::to_string(at);

    const struct {
        const char* name;
        fs::path program;
        fs::path workingFolder;
        const char* reason;
    } cases[] = {
        {"a name that is no UTF-8", undecodable / "palvo", {}, "UTF-8"},
        {"deeper than 4,096 bytes", "./palvo", deepFolder, "長すぎる"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Program palvo(each.program, home, each.workingFolder);
        ASSERT_TRUE(palvo.Started());
        ASSERT_TRUE(
            WaitUntil([&] { return palvo.Errors().find(each.reason) != std::string::npos; }, kStartUp))
            << palvo.Errors();
        // The box waits for a person; closing it ends the program. No handler is installed yet.
        palvo.Send(SIGKILL);
        palvo.WaitForExit(kExit);
    }
    ::close(at);
    EXPECT_FALSE(fs::exists(undecodable / "palvo.ini"));
    EXPECT_FALSE(fs::exists(home / "config")) << "no settings folder made";
    const int top = ::open(scratch.Path().c_str(), O_RDONLY | O_DIRECTORY);
    RemoveChain(top, step);
    ::close(top);
}

}  // namespace
}  // namespace palvo
