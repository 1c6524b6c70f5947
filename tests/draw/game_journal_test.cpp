#include "draw/game_journal.h"

#include <gtest/gtest.h>

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

std::string Back(int number)
{
    return "BACK," + std::to_string(number) + ",2026-12-07 10:01:30\n";
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
        {"newest taken back", three + Back(1), JournalState::Unfinished, {5, 72}},
        {"two taken back, one drawn",
         three + Back(1) + Back(72) + Draw(2, 9),
         JournalState::Unfinished,
         {5, 9}},
        {"taken back and drawn again", three + Back(1) + Draw(3, 1), JournalState::Unfinished, {5, 72, 1}},
        {"every number taken back", kHeader + Draw(1, 5) + Back(5), JournalState::None, {}},
        {"take-back cut short", three + "BACK,1", JournalState::Unfinished, {5, 72, 1}},
        {"last number taken back",
         "PALVO-GAME,NumMax=2,2026-12-07 10:00:00\n" + Draw(1, 2) + Draw(2, 1) + Back(1),
         JournalState::Unfinished,
         {2}},
        {"an older number taken back", three + Back(72), JournalState::Damaged, {}},
        {"taken back with nothing drawn", kHeader + Back(5), JournalState::Damaged, {}},
        {"ordinal kept after a take-back", three + Back(1) + Draw(4, 9), JournalState::Damaged, {}},
        {"take-back after the end",
         three + "END,reset,2026-12-07 10:02:00\n" + Back(1),
         JournalState::Damaged,
         {}},
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

    // A take-back stays in the row's calls, marked, and leaves the count.
    const std::string back = bytes + JournalTakeBackLine(17, "2026-12-07 10:31:00") +
                             JournalDrawLine(3, 5, "2026-12-07 10:32:00") +
                             JournalEndLine(GameEnd::Reset, "2026-12-07 11:00:00");
    const JournalReading withBack = ParseJournal(back);
    ASSERT_EQ(withBack.state, JournalState::Closed);
    EXPECT_EQ(HistoryRow(withBack.game),
              "2026-12-07 10:00:00,2026-12-07 11:00:00,40,3,リセット,40,1,17(取消),5");
    const std::optional<JournalGame> row = ParseHistoryRow(HistoryRow(withBack.game));
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->numbers, (std::vector<std::int16_t>{40, 1, 5}));
    EXPECT_EQ(HistoryRow(*row), HistoryRow(withBack.game));
    EXPECT_TRUE(ParseJournal(JournalHeaderLine(1, LocalTimeText())).state == JournalState::None)
        << "the local time is written in the form read back";
}

}  // namespace
}  // namespace palvo
