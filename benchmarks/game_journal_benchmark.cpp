// Saving one draw to the game journal (format, append, flush to the disk) against the plainest
// durable write there is: one line of the same length written and fsync'ed to a file kept open
// in the same folder. Both are timed alternately in the same run; the saving may cost at most
// 1.5 times the plain write.
//   game_journal_benchmark [folder]   (default: the current folder)

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "draw/game_journal.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Mean(const std::vector<double>& values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

}  // namespace

int main(int argc, char* argv[])
{
    // Options meant for the other benchmark programs (scripts/bench.sh passes them to all) are not a folder.
    const bool folderGiven = argc > 1 && argv[1][0] != '-';
    const std::filesystem::path folder =
        std::filesystem::path(folderGiven ? argv[1] : ".") / ("palvo-journal-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);

    palvo::GameJournal journal;
    journal.SetFolder(folder);
    const std::string line = palvo::JournalDrawLine(42, 17, palvo::LocalTimeText());
    const int plain = ::open((folder / "plain.txt").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (plain < 0) {
        std::fprintf(stderr, "cannot write in %s\n", folder.c_str());
        return 1;
    }

    constexpr int kGames = 3;
    constexpr std::int16_t kNumMax = 99;
    std::vector<double> saves;
    std::vector<double> writes;
    std::vector<double> firsts;
    for (int game = 0; game < kGames; ++game) {
        palvo::DrawRecord record;
        record.Create(kNumMax);
        // Every draw but the last, which also closes the game into the history.
        for (std::int16_t number = 1; number < kNumMax; ++number) {
            record.Append(static_cast<std::int16_t>(kNumMax - number));
            auto begin = Clock::now();
            journal.OnNumberDrawn(record);
            const double saved = Microseconds(Clock::now() - begin);
            (number == 1 ? firsts : saves).push_back(saved);

            begin = Clock::now();
            const bool written = ::write(plain, line.data(), line.size()) == static_cast<ssize_t>(line.size()) &&
                                 ::fsync(plain) == 0;
            writes.push_back(Microseconds(Clock::now() - begin));
            if (!written || !journal.TakeTroubles().empty()) {
                std::fprintf(stderr, "a write failed\n");
                return 1;
            }
        }
        journal.OnGameReset(record);
    }
    ::close(plain);
    std::filesystem::remove_all(folder);

    const double ratio = Median(saves) / Median(writes);
    std::printf("journal save of one draw:   median %.1f us, mean %.1f us (%zu draws)\n", Median(saves), Mean(saves),
                saves.size());
    std::printf("plain write + fsync of %zu bytes: median %.1f us, mean %.1f us\n", line.size(), Median(writes),
                Mean(writes));
    std::printf("ratio of medians %.2f (target <= 1.5: %s), ratio of means %.2f\n", ratio,
                ratio <= 1.5 ? "met" : "MISSED", Mean(saves) / Mean(writes));
    std::printf("first draw of a game (creates the journal): median %.1f us\n", Median(firsts));
    return 0;
}
