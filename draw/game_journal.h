#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
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
    std::string lastDrawTime;  // of the newest number
};

enum class JournalState {
    None,        // no journal, or not one number settled in it
    Unfinished,  // a game with numbers left that may be continued
    Closed,      // a game that ended (or holds every number) but may not be in the history yet
    Damaged,     // not a journal this program wrote, altered, or far too large
    Unreadable,  // a file is there but cannot be read
    NotAFile,    // a folder, a link or a device has the journal's name: not ours to touch
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

// `time` (seconds since 1970) in local time as "YYYY-MM-DD hh:mm:ss"; a clock outside the years 1000 to 9999
// gives the nearest end of that range, so that what is written always reads back.
std::string TimeText(std::int64_t time);
// The local time now, as TimeText.
std::string LocalTimeText();

// What went wrong with the files since the operator was last told.
enum class JournalTrouble {
    JournalNotSaved,    // draws are not being saved to palvo-game.txt
    HistoryNotWritten,  // a finished game went to palvo-history-pending.csv instead of the history
    GameNotKept,        // a finished game could be written neither to the history nor beside it
};

// The game journal beside palvo.ini. Each settled number is appended and flushed to the disk
// before the chime, so a crash or a power cut never loses a drawn number; the last number and
// Reset close the game into the record of past games and remove the journal once the game's
// row is on the disk. A game whose row cannot be written waits in a file of its own beside the
// history, which is filed at the next close or start-up that can write the history.
class GameJournal final : public GameListener {
public:
    static constexpr std::string_view kJournalName = "palvo-game.txt";
    static constexpr std::string_view kHistoryName = "palvo-history.csv";
    static constexpr std::string_view kPendingName = "palvo-history-pending.csv";

    // The folder of both files; until it is set the journal writes nothing.
    void SetFolder(const std::filesystem::path& folder) { folder_ = folder; }

    // What the last run left behind.
    [[nodiscard]] JournalReading Inspect() const;

    // Continues the unfinished game of `reading`: later draws are appended to it. Nothing is
    // written until the next draw or close.
    void Resume(const JournalReading& reading);
    // Closes the game of `reading` (with `end` at its last draw's time unless it has ended
    // already), files it, and removes the journal once the game is kept elsewhere.
    void Archive(const JournalReading& reading, GameEnd end);
    // Moves the journal aside under a dated name with `label` that no file has yet, which it
    // returns; nullopt when it could not (the journal then stays where it is).
    [[nodiscard]] std::optional<std::string> MoveAside(std::string_view label);
    // Files the games that wait beside the history, when the history can be written now.
    void FilePendingGames();

    void OnNumberDrawn(const DrawRecord& record) override;
    void OnGameReset(const DrawRecord& record) override;

    // The troubles to tell the operator about: each kind once per run, except a game not kept,
    // told every time.
    [[nodiscard]] std::vector<JournalTrouble> TakeTroubles();

private:
    enum class Filing { InHistory, Pending, NotKept };
    struct PendingGames {
        bool exists = false;
        bool usable = true;  // ours and readable: rows may be added
        HistoryReading reading;
        std::size_t size = 0;
    };

    std::filesystem::path JournalPath() const { return folder_ / PathFromUtf8(kJournalName); }
    std::filesystem::path HistoryPath() const { return folder_ / PathFromUtf8(kHistoryName); }
    std::filesystem::path PendingPath() const { return folder_ / PathFromUtf8(kPendingName); }
    [[nodiscard]] bool StartJournal();
    [[nodiscard]] bool OpenResumed();
    void Break();
    void CloseGame(GameEnd end, const std::string& endTime);
    [[nodiscard]] Filing FileGame(const JournalGame& game);
    [[nodiscard]] bool AppendHistoryRows(const std::vector<std::string>& rows) const;
    [[nodiscard]] PendingGames ReadPending() const;
    [[nodiscard]] bool AppendPendingRow(const PendingGames& pending, const std::string& row) const;
    void Report(JournalTrouble trouble);
    void Forget();

    std::filesystem::path folder_;
    DurableAppendFile file_;
    JournalGame game_;
    bool headerWritten_ = false;
    int written_ = 0;                        // draws in the journal file
    std::optional<std::size_t> resumeFrom_;  // a continued journal's whole lines, until it is opened
    bool ownsFile_ = false;                  // the journal file holds this game
    bool broken_ = false;                    // a write failed: this game's file is no longer appended to
    std::vector<JournalTrouble> troubles_;   // not told yet
    std::vector<JournalTrouble> told_;
};

}  // namespace palvo
