#include "draw/game_journal.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <system_error>

#include "platform/file_store.h"

namespace palvo {
namespace {

constexpr std::string_view kHeaderTag = "PALVO-GAME";
constexpr std::string_view kNumMaxTag = "NumMax=";
constexpr std::string_view kEndTag = "END";
// A whole game is about 2.7 KB; anything much larger was not written by the program.
constexpr std::size_t kJournalLimit = 16 * 1024;
constexpr std::size_t kHistoryTail = 4 * 1024;
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

// "YYYY-MM-DD hh:mm:ss"
bool IsTime(std::string_view text)
{
    constexpr std::string_view pattern = "dddd-dd-dd dd:dd:dd";
    if (text.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == 'd' ? !digit : text[i] != pattern[i]) {
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
    return true;
}

// The text of the last line of `text`, without its line end.
std::string_view LastLine(std::string_view text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    const std::size_t newline = text.find_last_of('\n');
    return newline == std::string_view::npos ? text : text.substr(newline + 1);
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

std::string LocalTimeText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

JournalReading GameJournal::Inspect() const
{
    JournalReading reading;
    std::error_code error;
    if (folder_.empty() || !std::filesystem::exists(std::filesystem::symlink_status(JournalPath(), error))) {
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

void GameJournal::Continue(const JournalReading& reading)
{
    Forget();
    game_ = reading.game;
    headerWritten_ = true;
    written_ = static_cast<int>(game_.numbers.size());
    // A line cut short would run into the next one: the journal goes on from its last whole line.
    if (reading.torn) {
        const std::optional<FileHead> head = ReadFileHead(JournalPath(), kJournalLimit);
        if (!head || head->bytes.size() < reading.settledBytes ||
            !ReplaceFileBytes(Utf8FromPath(JournalPath()), head->bytes.substr(0, reading.settledBytes))) {
            broken_ = true;
            failed_ = true;
            return;
        }
    }
    file_ = DurableAppendFile::Open(JournalPath());
    if (!file_.IsOpen()) {
        broken_ = true;
        failed_ = true;
    }
}

void GameJournal::Resume(const JournalReading& reading)
{
    Continue(reading);
}

void GameJournal::Archive(const JournalReading& reading, GameEnd end)
{
    Continue(reading);
    CloseGame(reading.game.end.value_or(end));
}

std::optional<std::string> GameJournal::MoveAside()
{
    const std::string name = "palvo-game-damaged-" + CompactTime(LocalTimeText()) + ".txt";
    std::error_code error;
    std::filesystem::rename(JournalPath(), folder_ / PathFromUtf8(name), error);
    if (error) {
        return std::nullopt;
    }
    return name;
}

void GameJournal::OnNumberDrawn(const DrawRecord& record)
{
    if (folder_.empty() || record.DrawnCount() < 1) {
        return;
    }
    if (!headerWritten_ && !broken_) {
        if (!file_.IsOpen()) {
            // Whatever an earlier game left is either archived or was refused at start-up.
            std::error_code ignored;
            std::filesystem::remove(JournalPath(), ignored);
            file_ = DurableAppendFile::Open(JournalPath());
        }
        game_ = JournalGame{record.NumMax(), LocalTimeText(), {}, std::nullopt, {}};
    }
    game_.numbers.assign(record.DrawnNums().begin(), record.DrawnNums().begin() + record.DrawnCount());

    if (!broken_) {
        std::string lines = headerWritten_ ? std::string() : JournalHeaderLine(game_.numMax, game_.startTime);
        const std::string time = LocalTimeText();
        for (int ordinal = written_ + 1; ordinal <= record.DrawnCount(); ++ordinal) {
            lines += JournalDrawLine(ordinal, game_.numbers[static_cast<std::size_t>(ordinal - 1)], time);
        }
        if (file_.Append(lines)) {
            headerWritten_ = true;
            written_ = record.DrawnCount();
        } else {
            // A failed write may have left part of a line: nothing more goes after it.
            broken_ = true;
            failed_ = true;
            file_.Close();
        }
    }
    if (record.IsComplete()) {
        CloseGame(GameEnd::LastNumber);
    }
}

void GameJournal::OnGameReset(const DrawRecord&)
{
    CloseGame(GameEnd::Reset);
}

void GameJournal::CloseGame(GameEnd end)
{
    if (game_.numbers.empty()) {
        Forget();
        return;
    }
    if (!game_.end) {
        game_.end = end;
        game_.endTime = LocalTimeText();
        // The end goes to the journal first: a crash before the journal is removed then finds
        // a closed game, archived at most once.
        if (!broken_ && !file_.Append(JournalEndLine(end, game_.endTime))) {
            failed_ = true;
        }
    }
    file_.Close();
    if (AppendHistory(game_)) {
        std::error_code ignored;
        std::filesystem::remove(JournalPath(), ignored);
    } else {
        failed_ = true;
    }
    Forget();
}

bool GameJournal::AppendHistory(const JournalGame& game) const
{
    const std::string row = HistoryRow(game);
    const std::optional<std::string> tail = ReadFileTail(HistoryPath(), kHistoryTail);
    if (tail && LastLine(*tail) == row) {
        return true;  // archived before a crash removed the journal
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
    bytes += row + "\r\n";
    return history.Append(bytes);
}

void GameJournal::Forget()
{
    file_.Close();
    game_ = JournalGame{};
    headerWritten_ = false;
    written_ = 0;
    broken_ = false;
}

bool GameJournal::TakeSaveFailure()
{
    if (!failed_ || reported_) {
        return false;
    }
    reported_ = true;
    return true;
}

}  // namespace palvo
