#include "draw/game_history.h"

#include <algorithm>
#include <system_error>

#include "config/config_store.h"
#include "draw/record_fields.h"
#include "draw/time_text.h"
#include "platform/durable_file.h"
#include "platform/file_store.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

constexpr std::size_t kHistoryTail = 4 * 1024;
// Several hundred games waiting for the history; anything larger is not ours.
constexpr std::size_t kPendingLimit = 1024 * 1024;

struct EndReason {
    GameEnd end;
    std::string_view reason;
};
constexpr EndReason kEndReasons[] = {
    {GameEnd::LastNumber, "完了"},
    {GameEnd::Reset, "リセット"},
    {GameEnd::NotResumed, "再開せず"},
};

// Follows a number in the sequence of calls when it was taken back. The column keeps its
// values one to a field, so a spreadsheet and older readers still split the row the same way.
constexpr std::string_view kTakenBackMark = texts::kHistoryTakenBackMark;

std::string_view ReasonOf(GameEnd end)
{
    return std::find_if(std::begin(kEndReasons), std::end(kEndReasons),
                        [end](const EndReason& name) { return name.end == end; })
        ->reason;
}

}  // namespace

void JournalGame::Call(std::int16_t number)
{
    if (calls.size() < numbers.size()) {
        // A game known only by its standing numbers so far.
        calls.clear();
        for (const std::int16_t standing : numbers) {
            calls.push_back({standing, false});
        }
    }
    numbers.push_back(number);
    calls.push_back({number, false});
}

bool JournalGame::TakeBack(std::int16_t number)
{
    if (numbers.empty() || numbers.back() != number) {
        return false;
    }
    numbers.pop_back();
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        if (!call->takenBack) {
            call->takenBack = true;
            break;
        }
    }
    return true;
}

std::string HistoryHeader()
{
    return "\xEF\xBB\xBF開始,終了,最大番号,抽選数,終了の理由,抽選番号（抽選順）\r\n";
}

std::string HistoryRow(const JournalGame& game)
{
    std::string row = game.startTime + "," + game.endTime + "," + std::to_string(game.numMax) + "," +
                      std::to_string(game.numbers.size()) + "," +
                      std::string(ReasonOf(game.end.value_or(GameEnd::Reset)));
    if (game.calls.empty()) {
        for (std::int16_t number : game.numbers) {
            row += "," + std::to_string(number);
        }
    }
    for (const CalledNumber& call : game.calls) {
        row += "," + std::to_string(call.number) +
               (call.takenBack ? std::string(kTakenBackMark) : std::string());
    }
    return row;
}

std::optional<JournalGame> ParseHistoryRow(std::string_view row)
{
    const std::vector<std::string_view> fields = Fields(row);
    if (fields.size() < 6 || !IsTimeText(fields[0]) || !IsTimeText(fields[1])) {
        return std::nullopt;
    }
    JournalGame game;
    const std::optional<int> numMax = SmallNumber(fields[2]);
    const auto* name =
        std::find_if(std::begin(kEndReasons), std::end(kEndReasons),
                     [&](const EndReason& candidate) { return candidate.reason == fields[4]; });
    if (!numMax || *numMax < 1 || *numMax > CConfig::kHighestNumMax || name == std::end(kEndReasons)) {
        return std::nullopt;
    }
    game.numMax = static_cast<std::int16_t>(*numMax);
    game.startTime = std::string(fields[0]);
    game.endTime = std::string(fields[1]);
    game.end = name->end;
    for (std::size_t i = 5; i < fields.size(); ++i) {
        std::string_view field = fields[i];
        const bool takenBack = field.ends_with(kTakenBackMark);
        if (takenBack) {
            field.remove_suffix(kTakenBackMark.size());
        }
        const std::optional<int> number = SmallNumber(field);
        if (!number || *number < 1 || *number > game.numMax ||
            std::find(game.numbers.begin(), game.numbers.end(), *number) != game.numbers.end()) {
            return std::nullopt;
        }
        if (takenBack) {
            game.calls.push_back({static_cast<std::int16_t>(*number), true});
        } else {
            game.Call(static_cast<std::int16_t>(*number));
        }
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

void GameHistory::FilePending() const
{
    const PendingGames pending = ReadPending();
    if (pending.exists && pending.usable && AppendHistoryRows(pending.reading.rows) &&
        !RemoveFile(PendingPath())) {
        // Emptied instead; its rows are in the history and would be skipped there anyway.
        static_cast<void>(CutFile(PendingPath(), 0));
    }
}

GameHistory::Filing GameHistory::File(const JournalGame& game) const
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

bool GameHistory::AppendHistoryRows(const std::vector<std::string>& rows) const
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

GameHistory::PendingGames GameHistory::ReadPending() const
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

bool GameHistory::AppendPendingRow(const PendingGames& pending, const std::string& row) const
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

}  // namespace palvo
