#include "draw/game_history.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace palvo {
namespace {

TEST(GameHistory, OnlyRowsAsTheProgramWritesThemAreTakenBack)
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
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,4,リセット,9,1(取消),1,5",  // taken back, counted
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,2,リセット,9,1(取り消し),5",
             "2026-12-07 10:00:00,2026-12-07 11:00:00,9,2,リセット,9,(取消),5",
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
