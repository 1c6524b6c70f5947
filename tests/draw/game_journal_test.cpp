#include "draw/game_journal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace palvo {
namespace {

const std::string kHeader = "PALVO-GAME,NumMax=72,2026-12-07 10:00:00\n";

std::string Draw(int ordinal, int number)
{
    return std::to_string(ordinal) + "," + std::to_string(number) + ",2026-12-07 10:01:00\n";
}

TEST(GameJournalReading, EveryLineIsCheckedAndOnlyALineCutShortIsForgiven)
{
    struct Case {
        const char* what;
        std::string bytes;
        JournalState state;
        std::vector<std::int16_t> numbers;
    };
    const std::string three = kHeader + Draw(1, 5) + Draw(2, 72) + Draw(3, 1);
    const std::vector<Case> cases = {
        {"empty", "", JournalState::None, {}},
        {"header cut short", kHeader.substr(0, 20), JournalState::None, {}},
        {"header only", kHeader, JournalState::None, {}},
        {"three draws", three, JournalState::Unfinished, {5, 72, 1}},
        {"fourth draw cut short", three + "4,1", JournalState::Unfinished, {5, 72, 1}},
        {"written with CR LF",
         "PALVO-GAME,NumMax=72,2026-12-07 10:00:00\r\n1,9,2026-12-07 10:01:00\r\n",
         JournalState::Unfinished,
         {9}},
        {"ended by Reset", three + "END,reset,2026-12-07 10:02:00\n", JournalState::Closed, {5, 72, 1}},
        {"every number drawn",
         "PALVO-GAME,NumMax=2,2026-12-07 10:00:00\n" + Draw(1, 2) + Draw(2, 1),
         JournalState::Closed,
         {2, 1}},
        {"garbage without a line end", std::string(5000, 'x'), JournalState::Damaged, {}},
        {"garbage", std::string("MZ\x90\x00\x03garbage\n", 13), JournalState::Damaged, {}},
        {"byte order mark", "\xEF\xBB\xBF" + three, JournalState::Damaged, {}},
        {"NumMax 0", "PALVO-GAME,NumMax=0,2026-12-07 10:00:00\n", JournalState::Damaged, {}},
        {"NumMax 100", "PALVO-GAME,NumMax=100,2026-12-07 10:00:00\n", JournalState::Damaged, {}},
        {"NumMax negative", "PALVO-GAME,NumMax=-5,2026-12-07 10:00:00\n", JournalState::Damaged, {}},
        {"duplicate number", kHeader + Draw(1, 5) + Draw(2, 5), JournalState::Damaged, {}},
        {"number above NumMax", kHeader + Draw(1, 73), JournalState::Damaged, {}},
        {"number 0", kHeader + Draw(1, 0), JournalState::Damaged, {}},
        {"ordinal skipped", kHeader + Draw(1, 5) + Draw(3, 6), JournalState::Damaged, {}},
        {"draw after the end",
         three + "END,last,2026-12-07 10:02:00\n" + Draw(4, 9),
         JournalState::Damaged,
         {}},
        {"unknown end", three + "END,lunch,2026-12-07 10:02:00\n", JournalState::Damaged, {}},
        {"bad time", kHeader + "1,5,yesterday\n", JournalState::Damaged, {}},
        {"blank line", kHeader + "\n" + Draw(1, 5), JournalState::Damaged, {}},
        {"extra field", kHeader + "1,5,2026-12-07 10:01:00,x\n", JournalState::Damaged, {}},
        {"number with a sign", kHeader + "1,+5,2026-12-07 10:01:00\n", JournalState::Damaged, {}},
        // An earlier version wrote the clock's year as it was; a date never stops a resume.
        {"year 10000",
         "PALVO-GAME,NumMax=72,10000-01-01 00:00:00\n1,5,10000-01-01 00:00:01\n",
         JournalState::Unfinished,
         {5}},
        {"year 999",
         "PALVO-GAME,NumMax=72,999-12-31 23:59:59\n1,5,-44-01-01 00:00:00\n",
         JournalState::Unfinished,
         {5}},
        {"a year of 13 digits",
         "PALVO-GAME,NumMax=72,1000000000000-01-01 00:00:00\n",
         JournalState::Damaged,
         {}},
        {"a year without digits", kHeader + "1,5,--12-07 10:01:00\n", JournalState::Damaged, {}},
    };
    for (const Case& c : cases) {
        const JournalReading reading = ParseJournal(c.bytes);
        EXPECT_EQ(reading.state, c.state) << c.what;
        if (c.state != JournalState::Damaged) {
            EXPECT_EQ(reading.game.numbers, c.numbers) << c.what;
        }
    }
}

TEST(GameJournalReading, WhatIsWrittenReadsBack)
{
    JournalGame game{40, "2026-12-07 10:00:00", {}, GameEnd::NotResumed, "2026-12-07 11:00:00", {}};
    std::string bytes = JournalHeaderLine(game.numMax, game.startTime);
    for (std::int16_t number : {40, 1, 17}) {
        game.numbers.push_back(number);
        bytes += JournalDrawLine(static_cast<int>(game.numbers.size()), number, "2026-12-07 10:30:00");
    }
    const JournalReading open = ParseJournal(bytes);
    ASSERT_EQ(open.state, JournalState::Unfinished);
    EXPECT_EQ(open.game.numMax, 40);
    EXPECT_EQ(open.game.startTime, game.startTime);

    const JournalReading closed = ParseJournal(bytes + JournalEndLine(*game.end, game.endTime));
    ASSERT_EQ(closed.state, JournalState::Closed);
    EXPECT_EQ(HistoryRow(closed.game), HistoryRow(game));
    EXPECT_EQ(HistoryRow(game), "2026-12-07 10:00:00,2026-12-07 11:00:00,40,3,再開せず,40,1,17");
    EXPECT_TRUE(ParseJournal(JournalHeaderLine(1, LocalTimeText())).state == JournalState::None)
        << "the local time is written in the form read back";
}

// Whatever the clock says, the time written has four-digit years and reads back; a clock far off
// is held at the nearest end of the years the reader has always taken.
TEST(GameJournalTime, EveryClockGivesATimeTheJournalReadsBack)
{
    const auto strict = [](const std::string& text) {
        static const std::string pattern = "dddd-dd-dd dd:dd:dd";
        return text.size() == pattern.size() &&
               std::equal(pattern.begin(), pattern.end(), text.begin(),
                          [](char p, char c) { return p == 'd' ? c >= '0' && c <= '9' : p == c; });
    };
    const struct {
        std::int64_t time;
        std::string expected;  // empty: only the form is checked
    } cases[] = {
        {1765000000, ""},  // December 2025 in every time zone
        {0, ""},
        {2'200'000'000, ""},                          // 2039, beyond a 32-bit clock
        {1'000'000'000'000, "9999-12-31 23:59:59"},   // year 33658
        {-1'000'000'000'000, "1000-01-01 00:00:00"},  // year -29719
        {std::numeric_limits<std::int64_t>::max(), "9999-12-31 23:59:59"},
        {std::numeric_limits<std::int64_t>::min(), "1000-01-01 00:00:00"},
    };
    for (const auto& c : cases) {
        const std::string text = TimeText(c.time);
        SCOPED_TRACE(std::to_string(c.time) + " gives " + text);
        EXPECT_TRUE(strict(text));
        if (!c.expected.empty()) {
            EXPECT_EQ(text, c.expected);
        }
        const JournalReading reading = ParseJournal(
            JournalHeaderLine(72, text) + JournalDrawLine(1, 9, text) + JournalEndLine(GameEnd::Reset, text));
        EXPECT_EQ(reading.state, JournalState::Closed);
    }
    EXPECT_EQ(TimeText(1765000000).substr(0, 5), "2025-");
    EXPECT_EQ(TimeText(2'200'000'000).substr(0, 5), "2039-");
}

TEST(GameJournalHistory, OnlyRowsAsTheProgramWritesThemAreTakenBack)
{
    const std::string row = "2026-12-07 10:00:00,2026-12-07 11:00:00,9,3,リセット,9,1,5";
    const std::optional<JournalGame> game = ParseHistoryRow(row);
    ASSERT_TRUE(game.has_value());
    EXPECT_EQ(game->numMax, 9);
    EXPECT_EQ(game->numbers, (std::vector<std::int16_t>{9, 1, 5}));
    EXPECT_EQ(game->end, GameEnd::Reset);
    EXPECT_EQ(HistoryRow(*game), row);
    for (const char* bad : {
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,2,リセット,9,1,5",  // count differs
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,3,リセット,9,1,1",  // a number twice
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,3,昼休み,9,1,5",    // no such reason
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,3,リセット,9,01,5",
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,3,リセット,9,1,10",  // above NumMax
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,0,リセット",
             "2026-12-07 10:00:00,yesterday,9,1,完了,9",
             "",
         }) {
        EXPECT_FALSE(ParseHistoryRow(bad).has_value()) << bad;
    }

    const std::string header = HistoryHeader();
    const struct {
        const char* what;
        std::string bytes;
        bool valid;
        std::size_t rows;
        std::size_t settled;
    } files[] = {
        {"empty", "", true, 0, 0},
        {"header cut short", header.substr(0, 10), true, 0, 0},
        {"header", header, true, 0, header.size()},
        {"two rows", header + row + "\r\n" + row + "\r\n", true, 2, header.size() + 2 * (row.size() + 2)},
        {"a row cut short", header + row + "\r\n" + row.substr(0, 30), true, 1,
         header.size() + row.size() + 2},
        {"saved without the byte order mark", header.substr(3) + row + "\r\n", false, 0, 0},
        {"a row not ours", header + row + "\r\nx\r\n", false, 0, 0},
    };
    for (const auto& file : files) {
        const HistoryReading reading = ParseHistory(file.bytes);
        EXPECT_EQ(reading.valid, file.valid) << file.what;
        EXPECT_EQ(reading.rows.size(), file.rows) << file.what;
        if (file.valid) {
            EXPECT_EQ(reading.settledBytes, file.settled) << file.what;
        }
    }
}

}  // namespace
}  // namespace palvo
