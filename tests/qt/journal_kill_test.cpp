// Kills the real program (the Qt window and the whole core, pressed by qt_journal_kill_driver)
// with SIGKILL at random moments, again and again, and checks after every kill that the journal
// holds every draw the program had announced, and after every restart that the window shows
// exactly the game the journal held. PALVO_JOURNAL_KILLS sets the number of kills.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "draw/game_journal.h"
#include "tests/support/temporary_folder.h"

extern char** environ;

namespace palvo {
namespace {

constexpr int kNumMax = 8;

int KillCount()
{
    if (const char* text = std::getenv("PALVO_JOURNAL_KILLS")) {
        return std::max(1, std::atoi(text));
    }
#ifdef PALVO_SANITIZED_BUILD
    return 15;
#else
    return 50;
#endif
}

// Starts the driver on `folder` and returns its output until it was killed `delay` after starting.
std::string RunAndKill(const std::filesystem::path& folder, std::chrono::milliseconds delay)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    const std::string program = PALVO_KILL_DRIVER;
    const std::string argument = folder.string();
    char* arguments[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument.c_str()), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(channel[1]);
    if (spawned != 0) {
        ::close(channel[0]);
        return {};
    }
    std::string output;
    char chunk[4096];
    const auto deadline = std::chrono::steady_clock::now() + delay;
    bool open = true;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd ready{channel[0], POLLIN, 0};
        if (open && ::poll(&ready, 1, static_cast<int>(left.count())) > 0) {
            const ssize_t got = ::read(channel[0], chunk, sizeof chunk);
            if (got <= 0) {
                open = false;
            } else {
                output.append(chunk, static_cast<std::size_t>(got));
            }
        } else if (!open) {
            ::usleep(1000);
        }
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (ssize_t got = 0; (got = ::read(channel[0], chunk, sizeof chunk)) > 0;) {
        output.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    return output;
}

bool CopyFolder(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive, error);
    return !error;
}

TEST(JournalKill, EveryAnnouncedDrawSurvivesSigkillAndComesBackOnce)
{
    TemporaryFolder folder("palvo_kill");
    const std::filesystem::path shipped(PALVO_APP_DIR);
    for (const char* sub : {"bg", "bars", "buttons"}) {
        ASSERT_TRUE(CopyFolder(shipped / sub, folder.Path() / sub)) << sub;
    }
    std::ofstream(folder.Path() / "palvo.ini", std::ios::binary)
        << "[PALVO]\r\nNumMax=" << kNumMax << "\r\nRhythmFast=5\r\nRhythmSlow=1\r\n";
    const std::filesystem::path journal = folder.Path() / "palvo-game.txt";

    std::mt19937 random(std::random_device{}());
    // Up to about one and a half draws after start-up: kills land in start-up, rolls and pauses.
    std::uniform_int_distribution<int> delays(0, 2200);
    std::vector<std::int16_t> expected;  // what the next start must put back
    int kills = KillCount();
    int takeBacks = 0, takeBackNotAnnounced = 0;
    int duringStartUp = 0, duringSequence = 0, whileIdle = 0, savedNotAnnounced = 0, resumed = 0, draws = 0;
    const auto begun = std::chrono::steady_clock::now();

    for (int round = 0; round < kills; ++round) {
        const std::string output = RunAndKill(folder.Path(), std::chrono::milliseconds(delays(random)));
        const std::optional<FileHead> head = ReadFileHead(journal, 1 << 20);
        SCOPED_TRACE("kill " + std::to_string(round + 1) + ", the program said:\n" + output + "the journal holds:\n" +
                     (head ? head->bytes : std::string("(nothing)")));

        // The game as the program announced it; a program killed before it has put anything back
        // has not touched the journal.
        std::vector<std::int16_t> announced = expected;
        bool started = false;
        std::string last;
        std::istringstream lines(output);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::string word;
            words >> word;
            if (word == "RESTORED") {
                started = true;
                int count = 0;
                words >> count;
                std::vector<std::int16_t> shown;
                for (std::string item; words >> item;) {
                    shown.push_back(static_cast<std::int16_t>(std::stoi(item.substr(item.find(':') + 1))));
                }
                ASSERT_EQ(static_cast<int>(shown.size()), count);
                ASSERT_EQ(shown, expected) << "the window shows the game the journal held";
                resumed += shown.empty() ? 0 : 1;
                announced = shown;
            } else if (word == "DRAWN") {
                int ordinal = 0, number = 0;
                words >> ordinal >> number;
                if (ordinal == 1) {
                    announced.clear();
                }
                ASSERT_EQ(ordinal, static_cast<int>(announced.size()) + 1) << "no draw lost or repeated";
                announced.push_back(static_cast<std::int16_t>(number));
                ++draws;
            } else if (word == "TAKEN") {
                int count = 0;
                words >> count;
                ASSERT_FALSE(announced.empty());
                announced.pop_back();
                ASSERT_EQ(count, static_cast<int>(announced.size())) << "one number taken back at a time";
                ++takeBacks;
            } else if (word == "RESET") {
                announced.clear();
            }
            if (!word.empty() && word != "QUESTION") {
                last = word;
            }
        }
        if (!started) {
            ++duringStartUp;
        } else if (last == "PRESS") {
            ++duringSequence;
        } else {
            ++whileIdle;
        }

        const JournalReading reading = head ? ParseJournal(head->bytes) : JournalReading{};
        ASSERT_NE(reading.state, JournalState::Damaged);
        const std::vector<std::int16_t>& saved = reading.game.numbers;
        const bool sameGame = reading.state == JournalState::Unfinished ||
                              (reading.state == JournalState::Closed && !announced.empty());
        if (sameGame && last == "TAKEBACK" && saved.size() + 1 == announced.size()) {
            // Killed between the take-back's line on the disk and its announcement.
            ASSERT_TRUE(std::equal(saved.begin(), saved.end(), announced.begin())) << "the take-back is saved";
            ++takeBackNotAnnounced;
        } else if (sameGame) {
            ASSERT_GE(saved.size(), announced.size());
            ASSERT_LE(saved.size(), announced.size() + 1) << "at most the draw being saved is not announced yet";
            ASSERT_TRUE(std::equal(announced.begin(), announced.end(), saved.begin())) << "announced draws are saved";
            savedNotAnnounced += saved.size() > announced.size() ? 1 : 0;
        } else {
            // The journal is gone: the announced game, if any, was closed by its last number, which
            // may have been saved and archived just before it would have been announced.
            ASSERT_TRUE(announced.empty() || static_cast<int>(announced.size()) >= kNumMax - 1) << announced.size();
        }
        expected = reading.state == JournalState::Unfinished ? saved : std::vector<std::int16_t>{};
        std::set<std::int16_t> distinct(saved.begin(), saved.end());
        ASSERT_EQ(distinct.size(), saved.size());
    }

    // Every closed game is in the history once, whole and without a repeated number.
    std::ifstream history(folder.Path() / "palvo-history.csv", std::ios::binary);
    std::string row;
    std::getline(history, row);
    std::string previous;
    int games = 0;
    while (std::getline(history, row)) {
        ASSERT_NE(row, previous) << "a game archived twice";
        previous = row;
        std::vector<std::string> fields;
        std::istringstream cells(row.substr(0, row.size() - 1));
        for (std::string cell; std::getline(cells, cell, ',');) {
            fields.push_back(cell);
        }
        ASSERT_GE(fields.size(), 6u) << row;
        // A number taken back stays in the row, marked, and is not counted.
        std::vector<std::string> standing;
        std::copy_if(fields.begin() + 5, fields.end(), std::back_inserter(standing),
                     [](const std::string& field) { return field.find('(') == std::string::npos; });
        std::set<std::string> numbers(standing.begin(), standing.end());
        ASSERT_EQ(numbers.size(), standing.size()) << row;
        ASSERT_EQ(std::to_string(numbers.size()), fields[3]) << row;
        ++games;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    std::printf("journal kill test: %d SIGKILLs in %.0f s (%d during start-up, %d in a Start sequence, %d idle); "
                "%d draws announced, %d restarts resumed a game, %d kills fell between save and announcement, "
                "%d games archived; %d take-backs announced, %d kills fell between a take-back's save and "
                "announcement\n",
                kills, seconds, duringStartUp, duringSequence, whileIdle, draws, resumed, savedNotAnnounced, games,
                takeBacks, takeBackNotAnnounced);
}

}  // namespace
}  // namespace palvo
