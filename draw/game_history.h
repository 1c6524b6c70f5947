#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"

namespace palvo {

// How a game came to its end.
enum class GameEnd {
    LastNumber,  // every number was drawn
    Reset,       // the operator reset the game
    NotResumed,  // after a crash or a close the operator chose not to continue it
};

// A number as it was called, and whether the operator took it back afterwards.
struct CalledNumber {
    std::int16_t number = 0;
    bool takenBack = false;
    bool operator==(const CalledNumber&) const = default;
};

// One game as the journal and the history hold it.
struct JournalGame {
    std::int16_t numMax = 0;
    std::string startTime;              // local "YYYY-MM-DD hh:mm:ss" of the first draw
    std::vector<std::int16_t> numbers;  // in draw order
    std::optional<GameEnd> end;         // set once the game was closed
    std::string endTime;
    std::string lastDrawTime;  // of the newest number
    // Every call in order, those taken back too; empty when the game is known only by `numbers`.
    std::vector<CalledNumber> calls = {};

    // Records `number` as the next call.
    void Call(std::int16_t number);
    // Takes the newest number back; false, changing nothing, unless it is `number`.
    [[nodiscard]] bool TakeBack(std::int16_t number);
};

// The record of past games, a CSV file a spreadsheet opens: the header (with a byte order mark,
// so the Japanese column names read right) and one row per game, without its line end.
std::string HistoryHeader();
std::string HistoryRow(const JournalGame& game);
// The game of a row exactly as HistoryRow writes it (the draw times apart); nullopt otherwise.
[[nodiscard]] std::optional<JournalGame> ParseHistoryRow(std::string_view row);

// A file in the history's format, as the games waiting for the history are kept.
struct HistoryReading {
    bool valid = false;             // the header, then rows as HistoryRow writes them
    std::vector<std::string> rows;  // without their line ends
    std::size_t settledBytes = 0;   // up to the end of the last complete line
};
// Reads such a file; a last line cut short is ignored, as in the journal.
[[nodiscard]] HistoryReading ParseHistory(std::string_view bytes);

// The history file beside palvo.ini, and the file of games waiting for it: a game whose row
// cannot be written to the history waits there, and is filed at the next close or start-up
// that can write the history.
class GameHistory {
public:
    static constexpr std::string_view kHistoryName = "palvo-history.csv";
    static constexpr std::string_view kPendingName = "palvo-history-pending.csv";

    enum class Filing { InHistory, Pending, NotKept };

    void SetFolder(const std::filesystem::path& folder) { folder_ = folder; }

    // Files `game` with the games waiting before it; a row already in the history is not
    // written twice.
    [[nodiscard]] Filing File(const JournalGame& game) const;
    // Files the games that wait beside the history, when the history can be written now.
    void FilePending() const;

private:
    struct PendingGames {
        bool exists = false;
        bool usable = true;  // ours and readable: rows may be added
        HistoryReading reading;
        std::size_t size = 0;
    };

    std::filesystem::path HistoryPath() const { return folder_ / PathFromUtf8(kHistoryName); }
    std::filesystem::path PendingPath() const { return folder_ / PathFromUtf8(kPendingName); }
    [[nodiscard]] bool AppendHistoryRows(const std::vector<std::string>& rows) const;
    [[nodiscard]] PendingGames ReadPending() const;
    [[nodiscard]] bool AppendPendingRow(const PendingGames& pending, const std::string& row) const;

    std::filesystem::path folder_;
};

}  // namespace palvo
