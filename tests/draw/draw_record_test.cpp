#include "draw/draw_record.h"

#include <gtest/gtest.h>

namespace palvo {
namespace {

TEST(DrawRecord, CreateGivesZeroesAndEmptyGame)
{
    DrawRecord record;
    record.Create(72);
    EXPECT_EQ(record.DrawnNums(), std::vector<std::int16_t>(73, 0));
    EXPECT_EQ(record.DrawnCount(), 0);
    EXPECT_EQ(record.HistViewPos(), 0);
    EXPECT_EQ(record.NumMax(), 72);
    EXPECT_FALSE(record.IsComplete());
}

TEST(DrawRecord, AppendFillsInDrawOrderAndMovesTheView)
{
    DrawRecord record;
    record.Create(10);
    record.Append(7);
    EXPECT_EQ(record.DrawnNums()[0], 7);
    EXPECT_EQ(record.DrawnCount(), 1);
    EXPECT_EQ(record.HistViewPos(), 1);
    record.Append(3);
    record.Append(9);
    EXPECT_EQ(record.NewestFirst(0), 9);
    EXPECT_EQ(record.NewestFirst(1), 3);
    EXPECT_EQ(record.NewestFirst(2), 7);
    EXPECT_EQ(record.NewestFirst(3), 0) << "beyond the drawn numbers";
    EXPECT_EQ(record.NewestFirst(-1), 0);
    EXPECT_EQ(record.HistViewPos(), 3);
}

TEST(DrawRecord, AcceptanceRejectsDrawnZeroAndTooLarge)
{
    DrawRecord record;
    record.Create(10);
    record.Append(4);
    record.Append(10);
    struct Case {
        std::int16_t candidate;
        bool accepted;
    };
    for (const Case& c : {Case{4, false}, Case{10, false}, Case{0, false}, Case{11, false}, Case{-3, false},
                          Case{1, true}, Case{5, true}, Case{9, true}}) {
        EXPECT_EQ(record.Accepts(c.candidate), c.accepted) << c.candidate;
    }
}

TEST(DrawRecord, CompleteGameAcceptsNothingAndWritesNothingMore)
{
    DrawRecord record;
    record.Create(3);
    record.Append(2);
    record.Append(3);
    record.Append(1);
    EXPECT_TRUE(record.IsComplete());
    for (std::int16_t c = -1; c <= 4; ++c) {
        EXPECT_FALSE(record.Accepts(c)) << c;
    }
    record.Append(2);
    EXPECT_EQ(record.DrawnCount(), 3);
    EXPECT_EQ(record.DrawnNums(), (std::vector<std::int16_t>{2, 3, 1, 0}));
}

TEST(DrawRecord, RecreateDiscardsTheGame)
{
    DrawRecord record;
    record.Create(5);
    record.Append(5);
    record.Create(8);
    EXPECT_EQ(record.DrawnCount(), 0);
    EXPECT_EQ(record.DrawnNums(), std::vector<std::int16_t>(9, 0));
    EXPECT_TRUE(record.Accepts(5));
    EXPECT_TRUE(record.Accepts(8));
}

TEST(DrawRecord, HighestNumberBelowOneGivesAGameWithoutNumbers)
{
    for (std::int16_t numMax : {std::int16_t{0}, std::int16_t{-5}}) {
        DrawRecord record;
        record.Create(numMax);
        EXPECT_TRUE(record.IsComplete()) << numMax;
        EXPECT_FALSE(record.Accepts(1));
        record.Append(1);
        EXPECT_EQ(record.DrawnCount(), 0);
    }
}

TEST(DrawRecord, ViewMovesOnlyBetweenFiveAndTheDrawnCount)
{
    DrawRecord record;
    record.Create(20);
    for (std::int16_t n = 1; n <= 8; ++n) {
        record.Append(static_cast<std::int16_t>(n * 2));
    }
    EXPECT_EQ(record.ViewRead(0), 16);
    EXPECT_EQ(record.ViewRead(4), 8);
    EXPECT_FALSE(record.SetHistViewPos(4));
    EXPECT_FALSE(record.SetHistViewPos(9));
    EXPECT_EQ(record.HistViewPos(), 8);
    EXPECT_TRUE(record.SetHistViewPos(5));
    EXPECT_EQ(record.ViewRead(0), 10);
    EXPECT_EQ(record.ViewRead(4), 2);
    EXPECT_EQ(record.ViewRead(5), 0) << "ordinal 0 has no number";
    record.ViewNewest();
    EXPECT_EQ(record.HistViewPos(), 8);
}

TEST(DrawRecord, TakingBackWalksBackOneNumberAtATimeAndFreesIt)
{
    DrawRecord record;
    record.Create(3);
    EXPECT_FALSE(record.TakeBackNewest().has_value()) << "nothing drawn";
    for (std::int16_t number : {2, 3, 1}) {
        record.Append(number);
    }
    ASSERT_TRUE(record.IsComplete());
    EXPECT_EQ(record.TakeBackNewest(), std::optional<std::int16_t>(1));
    EXPECT_FALSE(record.IsComplete());
    EXPECT_TRUE(record.Accepts(1));
    EXPECT_FALSE(record.Accepts(3));
    EXPECT_EQ(record.DrawnNums(), (std::vector<std::int16_t>{2, 3, 0, 0}));
    EXPECT_EQ(record.HistViewPos(), 2);
    EXPECT_EQ(record.TakeBackNewest(), std::optional<std::int16_t>(3));
    record.Append(1);
    EXPECT_EQ(record.NewestFirst(0), 1);
    EXPECT_EQ(record.NewestFirst(1), 2);
    EXPECT_EQ(record.DrawnCount(), 2);
}

}  // namespace
}  // namespace palvo
