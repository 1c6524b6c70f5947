// The readers of the game journal and of the history's format (the games waiting beside the
// history are read back with it) on any bytes: never a crash, and whatever they accept is a game
// the program could have played, which reads back the same once written again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "draw/game_history.h"
#include "draw/game_journal.h"

namespace {

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void CheckGame(const palvo::JournalGame& game)
{
    Require(game.numMax >= 1 && game.numMax <= 99);
    const std::set<std::int16_t> distinct(game.numbers.begin(), game.numbers.end());
    Require(distinct.size() == game.numbers.size());
    Require(std::all_of(game.numbers.begin(), game.numbers.end(),
                        [&](std::int16_t number) { return number >= 1 && number <= game.numMax; }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const palvo::JournalReading journal = palvo::ParseJournal(bytes);
    Require(journal.settledBytes <= size);
    Require(journal.torn == (journal.settledBytes < size));
    if (journal.state == palvo::JournalState::Unfinished || journal.state == palvo::JournalState::Closed) {
        CheckGame(journal.game);
        Require(!journal.game.numbers.empty());
        Require(journal.state == palvo::JournalState::Closed ||
                static_cast<int>(journal.game.numbers.size()) < journal.game.numMax);
        // Filed as it would be, the game reads back from its history row.
        palvo::JournalGame filed = journal.game;
        if (!filed.end) {
            filed.end = palvo::GameEnd::NotResumed;
            filed.endTime = filed.lastDrawTime;
        }
        const std::optional<palvo::JournalGame> back = palvo::ParseHistoryRow(palvo::HistoryRow(filed));
        Require(back.has_value() && back->numbers == filed.numbers && back->numMax == filed.numMax &&
                back->end == filed.end && back->startTime == filed.startTime && back->endTime == filed.endTime);
    }

    const palvo::HistoryReading history = palvo::ParseHistory(bytes);
    Require(history.settledBytes <= size);
    Require(history.valid || history.rows.empty());
    for (const std::string& row : history.rows) {
        const std::optional<palvo::JournalGame> game = palvo::ParseHistoryRow(row);
        Require(game.has_value());
        CheckGame(*game);
        Require(palvo::HistoryRow(*game) == row);
    }
    return 0;
}
