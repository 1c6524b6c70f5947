#include "draw/game_journal.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <system_error>
#include <utility>

#include "platform/file_store.h"

namespace palvo {
namespace {

constexpr std::string_view kHeaderTag = "PALVO-GAME";
constexpr std::string_view kNumMaxTag = "NumMax=";
constexpr std::string_view kEndTag = "END";
// A whole game is about 2.7 KB; anything much larger was not written by the program.
constexpr std::size_t kJournalLimit = 16 * 1024;
constexpr std::size_t kHistoryTail = 4 * 1024;
// Several hundred games waiting for the history; anything larger is not ours.
constexpr std::size_t kPendingLimit = 1024 * 1024;
constexpr std::int16_t kHighestNumMax = 99;

struct EndName {
    GameEnd end;
    std::string_view token;   // in the journal
    std::string_view reason;  // in the record of past games
};
constexpr EndName kEndNames[] = {
    {GameEnd::LastNumber, "last", "完了"},
    {GameEnd::Reset, "reset", "リセット"},
    {GameEnd::NotResumed, "declined", "再開せず"},
};

const EndName& NameOf(GameEnd end)
{
    return *std::find_if(std::begin(kEndNames), std::end(kEndNames),
                         [end](const EndName& name) { return name.end == end; });
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(comma + 1);
    }
}

// Plain decimal digits only: no sign, no blanks, at most three digits.
std::optional<int> SmallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// "YYYY-MM-DD hh:mm:ss"; the year may have more or fewer digits and a sign, as an earlier
// version wrote for a clock far off: a date must never make a journal unreadable.
bool IsTime(std::string_view text)
{
    constexpr std::string_view pattern = "-dd-dd dd:dd:dd";
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    if (text.size() <= pattern.size() || text.size() > pattern.size() + 12) {
        return false;
    }
    const std::string_view year = text.substr(0, text.size() - pattern.size());
    const std::string_view rest = text.substr(year.size());
    if (!std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const bool digit = rest[i] >= '0' && rest[i] <= '9';
        if (pattern[i] == 'd' ? !digit : rest[i] != pattern[i]) {
            return false;
        }
    }
    return true;
}

bool ParseHeader(std::string_view line, JournalGame& game)
{
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 3 || fields[0] != kHeaderTag || !fields[1].starts_with(kNumMaxTag) || !IsTime(fields[2])) {
        return false;
    }
    const std::optional<int> numMax = SmallNumber(fields[1].substr(kNumMaxTag.size()));
    if (!numMax || *numMax < 1 || *numMax > kHighestNumMax) {
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
    if (fields.size() != 3 || !IsTime(fields[2])) {
        return false;
    }
    if (fields[0] == kEndTag) {
        const auto* name = std::find_if(std::begin(kEndNames), std::end(kEndNames),
                                        [&](const EndName& candidate) { return candidate.token == fields[1]; });
        if (name == std::end(kEndNames)) {
            return false;
        }
        game.end = name->end;
        game.endTime = std::string(fields[2]);
        return true;
    }
    const std::optional<int> ordinal = SmallNumber(fields[0]);
    const std::optional<int> number = SmallNumber(fields[1]);
    if (!ordinal || !number || *ordinal != static_cast<int>(game.numbers.size()) + 1 || *number < 1 ||
        *number > game.numMax ||
        std::find(game.numbers.begin(), game.numbers.end(), *number) != game.numbers.end()) {
        return false;
    }
    game.numbers.push_back(static_cast<std::int16_t>(*number));
    game.lastDrawTime = std::string(fields[2]);
    return true;
}

// The lines of `text` without their line ends (the first may be the end of a longer one).
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (newline == std::string_view::npos) {
            break;
        }
        text.remove_prefix(newline + 1);
    }
    return lines;
}

std::string CompactTime(std::string_view time)
{
    std::string compact;
    for (char c : time) {
        if (c >= '0' && c <= '9') {
            compact += c;
        } else if (c == ' ') {
            compact += '-';
        }
    }
    return compact;
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

std::string HistoryHeader()
{
    return "\xEF\xBB\xBF開始,終了,最大番号,抽選数,終了の理由,抽選番号（抽選順）\r\n";
}

std::string HistoryRow(const JournalGame& game)
{
    std::string row = game.startTime + "," + game.endTime + "," + std::to_string(game.numMax) + "," +
                      std::to_string(game.numbers.size()) + "," +
                      std::string(NameOf(game.end.value_or(GameEnd::Reset)).reason);
    for (std::int16_t number : game.numbers) {
        row += "," + std::to_string(number);
    }
    return row;
}

std::optional<JournalGame> ParseHistoryRow(std::string_view row)
{
    const std::vector<std::string_view> fields = Fields(row);
    if (fields.size() < 6 || !IsTime(fields[0]) || !IsTime(fields[1])) {
        return std::nullopt;
    }
    JournalGame game;
    const std::optional<int> numMax = SmallNumber(fields[2]);
    const auto* name = std::find_if(std::begin(kEndNames), std::end(kEndNames),
                                    [&](const EndName& candidate) { return candidate.reason == fields[4]; });
    if (!numMax || *numMax < 1 || *numMax > kHighestNumMax || name == std::end(kEndNames)) {
        return std::nullopt;
    }
    game.numMax = static_cast<std::int16_t>(*numMax);
    game.startTime = std::string(fields[0]);
    game.endTime = std::string(fields[1]);
    game.end = name->end;
    for (std::size_t i = 5; i < fields.size(); ++i) {
        const std::optional<int> number = SmallNumber(fields[i]);
        if (!number || *number < 1 || *number > game.numMax ||
            std::find(game.numbers.begin(), game.numbers.end(), *number) != game.numbers.end()) {
            return std::nullopt;
        }
        game.numbers.push_back(static_cast<std::int16_t>(*number));
    }
    // The count, and every number in its plain form, as written.
    if (HistoryRow(game) != row) {
        return std::nullopt;
    }
    return game;
}

HistoryReading ParseHistory(std::string_view bytes)
{
    HistoryReading reading;
    const std::string header = HistoryHeader();
    if (bytes.size() < header.size()) {
        reading.valid = std::string_view(header).substr(0, bytes.size()) == bytes;  // the header cut short
        return reading;
    }
    if (!bytes.starts_with(header)) {
        return reading;
    }
    reading.settledBytes = header.size();
    std::string_view rest = bytes.substr(header.size());
    for (std::size_t newline; (newline = rest.find('\n')) != std::string_view::npos;) {
        std::string_view line = rest.substr(0, newline);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!ParseHistoryRow(line)) {
            reading.rows.clear();
            return reading;
        }
        reading.rows.emplace_back(line);
        reading.settledBytes += newline + 1;
        rest.remove_prefix(newline + 1);
    }
    reading.valid = true;
    return reading;
}

std::string TimeText(std::int64_t time)
{
    std::tm local{};
#ifdef _WIN32
    // 64 bits even in the 32-bit program, whose time_t ends in 2038.
    const __time64_t wide = time;
    const bool known = _localtime64_s(&local, &wide) == 0;
#else
    const auto narrow = static_cast<std::time_t>(time);
    const bool known = narrow == time && localtime_r(&narrow, &local) != nullptr;
#endif
    // Beyond what the system can convert the clock is far off anyway: past or future by its sign.
    const long long year = known ? local.tm_year + 1900LL : (time < 0 ? 0 : 10000);
    if (year < 1000) {
        return "1000-01-01 00:00:00";
    }
    if (year > 9999) {
        return "9999-12-31 23:59:59";
    }
    char text[64] = {};
    std::snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d:%02d", year, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string LocalTimeText()
{
#ifdef _WIN32
    return TimeText(_time64(nullptr));
#else
    return TimeText(std::time(nullptr));
#endif
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
    const std::string stem = "palvo-game-" + std::string(label) + "-" + CompactTime(LocalTimeText());
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

void GameJournal::FilePendingGames()
{
    const PendingGames pending = ReadPending();
    if (pending.exists && pending.usable && AppendHistoryRows(pending.reading.rows) &&
        !RemoveFile(PendingPath())) {
        // Emptied instead; its rows are in the history and would be skipped there anyway.
        static_cast<void>(CutFile(PendingPath(), 0));
    }
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
    game_.numbers.assign(record.DrawnNums().begin(), record.DrawnNums().begin() + record.DrawnCount());
    const std::string time = LocalTimeText();
    game_.lastDrawTime = time;

    if (!broken_ && !file_.IsOpen() && !OpenResumed()) {
        Break();
    }
    if (!broken_) {
        std::string lines = headerWritten_ ? std::string() : JournalHeaderLine(game_.numMax, game_.startTime);
        for (int ordinal = written_ + 1; ordinal <= record.DrawnCount(); ++ordinal) {
            lines += JournalDrawLine(ordinal, game_.numbers[static_cast<std::size_t>(ordinal - 1)], time);
        }
        if (file_.Append(lines)) {
            headerWritten_ = true;
            written_ = record.DrawnCount();
        } else {
            Break();
        }
    }
    if (record.IsComplete()) {
        CloseGame(GameEnd::LastNumber, time);
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
    const Filing filing = FileGame(game_);
    if (filing != Filing::InHistory) {
        Report(JournalTrouble::HistoryNotWritten);
    }
    if (filing == Filing::NotKept) {
        Report(JournalTrouble::GameNotKept);
    } else if (ownsFile_ && !RemoveFile(JournalPath()) && !CutFile(JournalPath(), 0)) {
        // The ended game stays in the journal; the next game refuses to go on after it.
        Report(JournalTrouble::JournalNotSaved);
    }
    Forget();
}

GameJournal::Filing GameJournal::FileGame(const JournalGame& game)
{
    const std::string row = HistoryRow(game);
    const PendingGames pending = ReadPending();
    std::vector<std::string> rows = pending.usable ? pending.reading.rows : std::vector<std::string>{};
    rows.push_back(row);
    if (AppendHistoryRows(rows)) {
        if (pending.exists && pending.usable && !RemoveFile(PendingPath())) {
            static_cast<void>(CutFile(PendingPath(), 0));
        }
        return Filing::InHistory;
    }
    return pending.usable && AppendPendingRow(pending, row) ? Filing::Pending : Filing::NotKept;
}

bool GameJournal::AppendHistoryRows(const std::vector<std::string>& rows) const
{
    std::size_t span = kHistoryTail;
    for (const std::string& row : rows) {
        span += row.size() + 2;
    }
    // A row already there was filed before a crash cut the removal of its journal short.
    const std::optional<std::string> tail = ReadFileTail(HistoryPath(), span);
    const std::vector<std::string_view> present = tail ? Lines(*tail) : std::vector<std::string_view>{};
    std::string text;
    for (const std::string& row : rows) {
        if (std::find(present.begin(), present.end(), row) == present.end()) {
            text += row + "\r\n";
        }
    }
    if (text.empty()) {
        return true;
    }
    DurableAppendFile history = DurableAppendFile::Open(HistoryPath());
    if (!history.IsOpen()) {
        return false;
    }
    std::string bytes;
    if (history.SizeAtOpen() == 0) {
        bytes = HistoryHeader();
    } else if (tail && !tail->empty() && tail->back() != '\n') {
        bytes = "\r\n";  // a file saved without its last line end keeps its last row whole
    }
    return history.Append(bytes + text);
}

GameJournal::PendingGames GameJournal::ReadPending() const
{
    PendingGames pending;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(PendingPath(), error);
    if (!std::filesystem::exists(status)) {
        return pending;
    }
    pending.exists = true;
    const std::optional<FileHead> head =
        std::filesystem::is_regular_file(status) ? ReadFileHead(PendingPath(), kPendingLimit) : std::nullopt;
    pending.usable = false;
    if (head && head->whole) {
        pending.reading = ParseHistory(head->bytes);
        pending.usable = pending.reading.valid;
        pending.size = head->bytes.size();
    }
    return pending;
}

bool GameJournal::AppendPendingRow(const PendingGames& pending, const std::string& row) const
{
    // A row cut short by a crash goes, so that the new one starts on a line of its own.
    if (pending.exists && pending.size > pending.reading.settledBytes &&
        !CutFile(PendingPath(), pending.reading.settledBytes)) {
        return false;
    }
    DurableAppendFile file = DurableAppendFile::Open(PendingPath());
    if (!file.IsOpen()) {
        return false;
    }
    return file.Append((file.SizeAtOpen() == 0 ? HistoryHeader() : std::string()) + row + "\r\n");
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
