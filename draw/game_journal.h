#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/draw_record.h"
#include "draw/game_listener.h"
#include "platform/durable_file.h"

namespace palvo {

// How a game came to its end.
enum class GameEnd {
    LastNumber,  // every number was drawn
    Reset,       // the operator reset the game
    NotResumed,  // after a crash or a close the operator chose not to continue it
};

// One game as the journal holds it.
struct JournalGame {
    std::int16_t numMax = 0;
    std::string startTime;              // local "YYYY-MM-DD hh:mm:ss" of the first draw
    std::vector<std::int16_t> numbers;  // in draw order
    std::optional<GameEnd> end;         // set once the game was closed
    std::string endTime;
};

enum class JournalState {
    None,        // no journal, or not one number settled in it
    Unfinished,  // a game with numbers left that may be continued
    Closed,      // a game that ended (or holds every number) but may not be in the history yet
    Damaged,     // not a journal this program wrote, altered, or far too large
    Unreadable,  // something is there but cannot be read
};

struct JournalReading {
    JournalState state = JournalState::None;
    JournalGame game;
    // Bytes up to the end of the last complete line; a line cut short by a crash follows them.
    std::size_t settledBytes = 0;
    bool torn = false;
};

// Reads journal text. A last line without its line end (a write cut short) is ignored; any other
// line that is not exactly what the program writes makes the whole journal Damaged.
[[nodiscard]] JournalReading ParseJournal(std::string_view bytes);

// The lines of the journal, each ending in "\n".
std::string JournalHeaderLine(std::int16_t numMax, std::string_view startTime);
std::string JournalDrawLine(int ordinal, std::int16_t number, std::string_view time);
std::string JournalEndLine(GameEnd end, std::string_view time);

// The record of past games, a CSV file a spreadsheet opens: the header (with a byte order mark,
// so the Japanese column names read right) and one row per game, without its line end.
std::string HistoryHeader();
std::string HistoryRow(const JournalGame& game);

// The local time as "YYYY-MM-DD hh:mm:ss".
std::string LocalTimeText();

// The game journal beside palvo.ini. Each settled number is appended and flushed to the disk
// before the chime, so a crash or a power cut never loses a drawn number; the last number and
// Reset close the game into the record of past games and remove the journal.
class GameJournal final : public GameListener {
public:
    static constexpr std::string_view kJournalName = "palvo-game.txt";
    static constexpr std::string_view kHistoryName = "palvo-history.csv";

    // The folder of both files; until it is set the journal writes nothing.
    void SetFolder(const std::filesystem::path& folder) { folder_ = folder; }

    // What the last run left behind.
    [[nodiscard]] JournalReading Inspect() const;

    // Continues the unfinished game of `reading`: later draws are appended to it.
    void Resume(const JournalReading& reading);
    // Closes the game of `reading` (with `end` unless it has ended already), adds it to the record
    // of past games unless it is there already, and removes the journal.
    void Archive(const JournalReading& reading, GameEnd end);
    // Moves a damaged journal aside under a dated name, which it returns; nullopt when it could not.
    [[nodiscard]] std::optional<std::string> MoveAside();

    void OnNumberDrawn(const DrawRecord& record) override;
    void OnGameReset(const DrawRecord& record) override;

    // True once, the first time a save failed; the operator is told once, not at every draw.
    [[nodiscard]] bool TakeSaveFailure();

private:
    std::filesystem::path JournalPath() const { return folder_ / PathFromUtf8(kJournalName); }
    std::filesystem::path HistoryPath() const { return folder_ / PathFromUtf8(kHistoryName); }
    void Continue(const JournalReading& reading);
    void CloseGame(GameEnd end);
    [[nodiscard]] bool AppendHistory(const JournalGame& game) const;
    void Forget();

    std::filesystem::path folder_;
    DurableAppendFile file_;
    JournalGame game_;
    bool headerWritten_ = false;
    int written_ = 0;        // draws in the journal file
    bool broken_ = false;    // a write failed: this game's file is no longer appended to
    bool failed_ = false;    // a save failed since the program started
    bool reported_ = false;  // the operator has been told
};

}  // namespace palvo
