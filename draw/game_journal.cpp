#include "draw/game_journal.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "config/config_store.h"
#include "draw/record_fields.h"
#include "platform/file_store.h"

namespace palvo {
namespace {

constexpr std::string_view kHeaderTag = "PALVO-GAME";
constexpr std::string_view kNumMaxTag = "NumMax=";
constexpr std::string_view kEndTag = "END";
constexpr std::string_view kTakeBackTag = "BACK";
// A whole game is about 2.7 KB; anything much larger was not written by the program.
constexpr std::size_t kJournalLimit = 16 * 1024;

struct EndName {
    GameEnd end;
    std::string_view token;
};
constexpr EndName kEndNames[] = {
    {GameEnd::LastNumber, "last"},
    {GameEnd::Reset, "reset"},
    {GameEnd::NotResumed, "declined"},
};

const EndName& NameOf(GameEnd end)
{
    return *std::find_if(std::begin(kEndNames), std::end(kEndNames),
                         [end](const EndName& name) { return name.end == end; });
}

bool ParseHeader(std::string_view line, JournalGame& game)
{
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 3 || fields[0] != kHeaderTag || !fields[1].starts_with(kNumMaxTag) ||
        !IsTimeText(fields[2])) {
        return false;
    }
    const std::optional<int> numMax = SmallNumber(fields[1].substr(kNumMaxTag.size()));
    if (!numMax || *numMax < 1 || *numMax > CConfig::kHighestNumMax) {
        return false;
    }
    game.numMax = static_cast<std::int16_t>(*numMax);
    game.startTime = std::string(fields[2]);
    return true;
}

bool ParseLine(std::string_view line, JournalGame& game)
{
    if (game.end) {
        return false;  // nothing follows the end of a game
    }
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 3 || !IsTimeText(fields[2])) {
        return false;
    }
    if (fields[0] == kEndTag) {
        const auto* name =
            std::find_if(std::begin(kEndNames), std::end(kEndNames),
                         [&](const EndName& candidate) { return candidate.token == fields[1]; });
        if (name == std::end(kEndNames)) {
            return false;
        }
        game.end = name->end;
        game.endTime = std::string(fields[2]);
        return true;
    }
    if (fields[0] == kTakeBackTag) {
        const std::optional<int> number = SmallNumber(fields[1]);
        // Only the newest number standing can be taken back.
        return number && game.TakeBack(static_cast<std::int16_t>(*number));
    }
    const std::optional<int> ordinal = SmallNumber(fields[0]);
    const std::optional<int> number = SmallNumber(fields[1]);
    if (!ordinal || !number || *ordinal != static_cast<int>(game.numbers.size()) + 1 || *number < 1 ||
        *number > game.numMax ||
        std::find(game.numbers.begin(), game.numbers.end(), *number) != game.numbers.end()) {
        return false;
    }
    game.Call(static_cast<std::int16_t>(*number));
    game.lastDrawTime = std::string(fields[2]);
    return true;
}

}  // namespace

JournalReading ParseJournal(std::string_view bytes)
{
    JournalReading reading;
    const std::size_t lastNewline = bytes.find_last_of('\n');
    reading.settledBytes = lastNewline == std::string_view::npos ? 0 : lastNewline + 1;
    reading.torn = reading.settledBytes < bytes.size();

    std::string_view settled = bytes.substr(0, reading.settledBytes);
    bool first = true;
    while (!settled.empty()) {
        const std::size_t newline = settled.find('\n');
        std::string_view line = settled.substr(0, newline);
        settled.remove_prefix(newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const bool valid = first ? ParseHeader(line, reading.game) : ParseLine(line, reading.game);
        if (!valid) {
            reading.state = JournalState::Damaged;
            return reading;
        }
        first = false;
    }
    if (first) {
        // Only the header's own first write, cut short, may stand alone; anything else is not ours.
        const std::size_t compared = std::min(bytes.size(), kHeaderTag.size());
        reading.state = bytes.substr(0, compared) == kHeaderTag.substr(0, compared) ? JournalState::None
                                                                                    : JournalState::Damaged;
    } else if (reading.game.numbers.empty()) {
        reading.state = JournalState::None;
    } else if (reading.game.end || static_cast<int>(reading.game.numbers.size()) >= reading.game.numMax) {
        reading.state = JournalState::Closed;
    } else {
        reading.state = JournalState::Unfinished;
    }
    return reading;
}

std::string JournalHeaderLine(std::int16_t numMax, std::string_view startTime)
{
    return std::string(kHeaderTag) + "," + std::string(kNumMaxTag) + std::to_string(numMax) + "," +
           std::string(startTime) + "\n";
}

std::string JournalDrawLine(int ordinal, std::int16_t number, std::string_view time)
{
    return std::to_string(ordinal) + "," + std::to_string(number) + "," + std::string(time) + "\n";
}

std::string JournalEndLine(GameEnd end, std::string_view time)
{
    return std::string(kEndTag) + "," + std::string(NameOf(end).token) + "," + std::string(time) + "\n";
}

std::string JournalTakeBackLine(std::int16_t number, std::string_view time)
{
    return std::string(kTakeBackTag) + "," + std::to_string(number) + "," + std::string(time) + "\n";
}

JournalReading GameJournal::Inspect() const
{
    JournalReading reading;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(JournalPath(), error);
    if (folder_.empty() || !std::filesystem::exists(status)) {
        return reading;
    }
    if (!std::filesystem::is_regular_file(status)) {
        reading.state = JournalState::NotAFile;
        return reading;
    }
    const std::optional<FileHead> head = ReadFileHead(JournalPath(), kJournalLimit);
    if (!head) {
        reading.state = JournalState::Unreadable;
    } else if (!head->whole) {
        reading.state = JournalState::Damaged;
    } else {
        reading = ParseJournal(head->bytes);
    }
    return reading;
}

void GameJournal::Resume(const JournalReading& reading)
{
    Forget();
    game_ = reading.game;
    headerWritten_ = true;
    ownsFile_ = true;
    written_ = static_cast<int>(game_.numbers.size());
    resumeFrom_ = reading.settledBytes;
}

void GameJournal::Archive(const JournalReading& reading, GameEnd end)
{
    Resume(reading);
    // The game ended with its last draw, whenever it is filed.
    CloseGame(end, reading.game.lastDrawTime);
}

std::optional<std::string> GameJournal::MoveAside(std::string_view label)
{
    const std::string stem = "palvo-game-" + std::string(label) + "-" + CompactTimeText(LocalTimeText());
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string name =
            stem + (attempt == 1 ? std::string() : "-" + std::to_string(attempt)) + ".txt";
        switch (RenameWithoutReplacing(JournalPath(), folder_ / PathFromUtf8(name))) {
            case RenameOutcome::Renamed:
                return name;
            case RenameOutcome::NameTaken:
                break;
            case RenameOutcome::Failed:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

bool GameJournal::StartJournal()
{
    // Only a journal that holds nothing to keep gives way to a new game: one that could not be
    // read or was not ours stays, as does a finished game not yet kept anywhere else.
    if (Inspect().state != JournalState::None) {
        return false;
    }
    if (!RemoveFile(JournalPath()) && !CutFile(JournalPath(), 0)) {
        return false;
    }
    file_ = DurableAppendFile::Open(JournalPath());
    // Never after the lines of another game, whoever put them there since.
    if (!file_.IsOpen() || file_.SizeAtOpen() != 0) {
        file_.Close();
        return false;
    }
    ownsFile_ = true;
    return true;
}

bool GameJournal::OpenResumed()
{
    if (!resumeFrom_) {
        return false;
    }
    // A line cut short by the crash would run into the next one: the journal goes on from its
    // last whole line.
    const std::optional<FileHead> head = ReadFileHead(JournalPath(), kJournalLimit);
    if (!head || head->bytes.size() < *resumeFrom_ ||
        (head->bytes.size() > *resumeFrom_ && !CutFile(JournalPath(), *resumeFrom_))) {
        return false;
    }
    file_ = DurableAppendFile::Open(JournalPath());
    if (!file_.IsOpen() || file_.SizeAtOpen() != *resumeFrom_) {
        file_.Close();
        return false;
    }
    resumeFrom_.reset();
    return true;
}

void GameJournal::Break()
{
    // A failed write may have left part of a line: nothing more goes after it.
    broken_ = true;
    file_.Close();
    Report(JournalTrouble::JournalNotSaved);
}

void GameJournal::OnNumberDrawn(const DrawRecord& record)
{
    if (folder_.empty() || record.DrawnCount() < 1) {
        return;
    }
    if (!headerWritten_ && !broken_) {
        game_ = JournalGame{record.NumMax(), LocalTimeText(), {}, std::nullopt, {}, {}};
        if (!StartJournal()) {
            Break();
        }
    }
    for (auto ordinal = static_cast<std::size_t>(game_.numbers.size());
         ordinal < static_cast<std::size_t>(record.DrawnCount()); ++ordinal) {
        game_.Call(record.DrawnNums()[ordinal]);
    }
    const std::string time = LocalTimeText();
    game_.lastDrawTime = time;

    std::string lines = headerWritten_ ? std::string() : JournalHeaderLine(game_.numMax, game_.startTime);
    for (int ordinal = written_ + 1; ordinal <= record.DrawnCount(); ++ordinal) {
        lines += JournalDrawLine(ordinal, game_.numbers[static_cast<std::size_t>(ordinal - 1)], time);
    }
    if (Write(lines)) {
        headerWritten_ = true;
        written_ = record.DrawnCount();
    }
    if (record.IsComplete()) {
        CloseGame(GameEnd::LastNumber, time);
    }
}

bool GameJournal::Write(const std::string& lines)
{
    if (!broken_ && !file_.IsOpen() && !OpenResumed()) {
        Break();
    }
    if (broken_) {
        return false;
    }
    if (!file_.Append(lines)) {
        Break();
        return false;
    }
    return true;
}

void GameJournal::OnNumberTakenBack(const DrawRecord& record, std::int16_t number)
{
    if (folder_.empty()) {
        return;
    }
    if (!headerWritten_ && !broken_) {
        // The last number had closed the game into the history; the numbers left go on as a
        // game of their own.
        OnNumberDrawn(record);
        return;
    }
    if (!game_.TakeBack(number)) {
        return;
    }
    if (Write(JournalTakeBackLine(number, LocalTimeText()))) {
        written_ = record.DrawnCount();
    }
}

void GameJournal::OnGameReset(const DrawRecord&)
{
    CloseGame(GameEnd::Reset, LocalTimeText());
}

void GameJournal::CloseGame(GameEnd end, const std::string& endTime)
{
    if (game_.numbers.empty()) {
        Forget();
        return;
    }
    if (!game_.end) {
        game_.end = end;
        game_.endTime = endTime;
        // The end goes to the journal first: a crash before the journal is removed then finds
        // a closed game, archived at most once. Without it the game is filed all the same; a
        // journal left behind is then offered again and its row found in the history.
        if (!broken_ &&
            ((!file_.IsOpen() && !OpenResumed()) || !file_.Append(JournalEndLine(end, endTime)))) {
            broken_ = true;
        }
    }
    file_.Close();
    const GameHistory::Filing filing = history_.File(game_);
    if (filing != GameHistory::Filing::InHistory) {
        Report(JournalTrouble::HistoryNotWritten);
    }
    if (filing == GameHistory::Filing::NotKept) {
        Report(JournalTrouble::GameNotKept);
    } else if (ownsFile_ && !RemoveFile(JournalPath()) && !CutFile(JournalPath(), 0)) {
        // The ended game stays in the journal; the next game refuses to go on after it.
        Report(JournalTrouble::JournalNotSaved);
    }
    Forget();
}

void GameJournal::Report(JournalTrouble trouble)
{
    const bool once = trouble != JournalTrouble::GameNotKept;
    if (once && std::find(told_.begin(), told_.end(), trouble) != told_.end()) {
        return;
    }
    told_.push_back(trouble);
    troubles_.push_back(trouble);
}

void GameJournal::Forget()
{
    file_.Close();
    game_ = JournalGame{};
    headerWritten_ = false;
    written_ = 0;
    resumeFrom_.reset();
    ownsFile_ = false;
    broken_ = false;
}

std::vector<JournalTrouble> GameJournal::TakeTroubles()
{
    return std::exchange(troubles_, {});
}

}  // namespace palvo
