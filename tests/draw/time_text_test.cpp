#include "draw/time_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "draw/game_journal.h"

namespace palvo {
namespace {

// Whatever the clock says, the time written has four-digit years and reads back; a clock far off
// is held at the nearest end of the years the reader has always taken.
TEST(TimeText, EveryClockGivesATimeTheJournalReadsBack)
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

}  // namespace
}  // namespace palvo
