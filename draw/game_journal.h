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
#include "draw/game_history.h"
#include "draw/game_listener.h"
#include "draw/time_text.h"
#include "platform/durable_file.h"

namespace palvo {

// What a reading of the journal found.
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
std::string JournalTakeBackLine(std::int16_t number, std::string_view time);

// What went wrong with the files since the operator was last told.
enum class JournalTrouble {
    JournalNotSaved,    // draws are not being saved to palvo-game.txt
    HistoryNotWritten,  // a finished game went to palvo-history-pending.csv instead of the history
    GameNotKept,        // a finished game could be written neither to the history nor beside it
};

// The game journal beside palvo.ini. Each settled number is appended and flushed to the disk
// before the chime, so a crash or a power cut never loses a drawn number; the last number and
// Reset close the game into the record of past games and remove the journal once the game's
// row is on the disk (GameHistory keeps the games whose row cannot be written yet).
class GameJournal final : public GameListener {
public:
    static constexpr std::string_view kJournalName = "palvo-game.txt";

    // The folder of both files; until it is set the journal writes nothing.
    void SetFolder(const std::filesystem::path& folder)
    {
        folder_ = folder;
        history_.SetFolder(folder);
    }

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
    void FilePendingGames() { history_.FilePending(); }

    void OnNumberDrawn(const DrawRecord& record) override;
    // The take-back is on the disk as a draw is: a crash right after it resumes without the number.
    void OnNumberTakenBack(const DrawRecord& record, std::int16_t number) override;
    void OnGameReset(const DrawRecord& record) override;

    // The troubles to tell the operator about: each kind once per run, except a game not kept,
    // told every time.
    [[nodiscard]] std::vector<JournalTrouble> TakeTroubles();

private:
    std::filesystem::path JournalPath() const { return folder_ / PathFromUtf8(kJournalName); }
    [[nodiscard]] bool StartJournal();
    [[nodiscard]] bool OpenResumed();
    void Break();
    // Appends `lines` to the game's file, opening it first when needed; false when it broke.
    [[nodiscard]] bool Write(const std::string& lines);
    void CloseGame(GameEnd end, const std::string& endTime);
    void Report(JournalTrouble trouble);
    void Forget();

    std::filesystem::path folder_;
    GameHistory history_;
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
