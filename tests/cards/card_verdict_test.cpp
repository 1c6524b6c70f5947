#include "cards/card_verdict.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cards/claim_record.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

// A card whose cell (row, column) holds 15 * column + row + 1: column B holds 1 ... 5 top to bottom.
CardMaker::Lookup KnownCard()
{
    BingoCard card;
    card.numMax = 75;
    card.code = {0, 42, 7};
    for (int row = 0; row < kCardSide; ++row) {
        for (int column = 0; column < kCardSide; ++column) {
            card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                static_cast<std::int16_t>(15 * column + row + 1);
        }
    }
    card.cells[2][2] = 0;
    return {CardMaker::Lookup::Kind::Card, card};
}

GameState Game(std::vector<std::int16_t> called)
{
    GameState game;
    game.game = 2;
    game.numMax = 75;
    game.called = std::move(called);
    return game;
}

using Line = CardLine;
using K = CardLine::Kind;

TEST(JudgeCard, TableOfGames)
{
    std::vector<std::int16_t> whole;
    for (std::int16_t number = 1; number <= 75; ++number) {
        whole.push_back(number);
    }
    struct Case {
        const char* name;
        std::vector<std::int16_t> called;
        CardVerdict::Kind kind;
        std::vector<Line> lines;
        std::int32_t completedAt;
        std::int16_t completedBy;
        int reach;
        bool corners;
        bool full;
    };
    const std::vector<Case> cases = {
        {"before any call (or after Reset)", {}, CardVerdict::Kind::NotYet, {}, 0, 0, 0, false, false},
        {"top row among other numbers",
         {70, 1, 16, 2, 31, 46, 61},
         CardVerdict::Kind::Bingo,
         {{K::Row, 0}},
         7,
         61,
         0,
         false,
         false},
        {"middle row through the free centre",
         {3, 18, 48, 63},
         CardVerdict::Kind::Bingo,
         {{K::Row, 2}},
         4,
         63,
         0,
         false,
         false},
        {"N column through the free centre",
         {31, 32, 34, 35},
         CardVerdict::Kind::Bingo,
         {{K::Column, 2}},
         4,
         35,
         0,
         false,
         false},
        {"diagonal from the top left",
         {1, 17, 49, 65},
         CardVerdict::Kind::Bingo,
         {{K::FallingDiagonal, 0}},
         4,
         65,
         0,
         false,
         false},
        {"diagonal from the bottom left",
         {5, 19, 47, 61},
         CardVerdict::Kind::Bingo,
         {{K::RisingDiagonal, 0}},
         4,
         61,
         0,
         false,
         false},
        {"one short of the top row", {1, 16, 31, 46}, CardVerdict::Kind::NotYet, {}, 0, 0, 1, false, false},
        {"one short of a row and a diagonal",
         {1, 16, 31, 46, 17, 49},
         CardVerdict::Kind::NotYet,
         {},
         0,
         0,
         2,
         false,
         false},
        {"four corners alone", {1, 61, 5, 65}, CardVerdict::Kind::NotYet, {}, 0, 0, 0, true, false},
        {"the first line counts, not the last",
         {61, 62, 63, 64, 65, 1, 16, 31, 46},
         CardVerdict::Kind::Bingo,
         {{K::Row, 0}, {K::Column, 4}},
         5,
         65,
         0,
         false,
         false},
        {"one call completes two lines",
         {16, 31, 46, 61, 2, 3, 4, 5, 1},
         CardVerdict::Kind::Bingo,
         {{K::Row, 0}, {K::Column, 0}},
         9,
         1,
         0,
         false,
         false},
        {"numbers off the card mark nothing",
         {6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         CardVerdict::Kind::NotYet,
         {},
         0,
         0,
         0,
         false,
         false},
        {"full card",
         whole,
         CardVerdict::Kind::Bingo,
         {{K::Row, 0},
          {K::Row, 1},
          {K::Row, 2},
          {K::Row, 3},
          {K::Row, 4},
          {K::Column, 0},
          {K::Column, 1},
          {K::Column, 2},
          {K::Column, 3},
          {K::Column, 4},
          {K::FallingDiagonal, 0},
          {K::RisingDiagonal, 0}},
         5,
         5,
         0,
         true,
         true},
    };
    for (const Case& c : cases) {
        const CardVerdict verdict = JudgeCard(KnownCard(), Game(c.called));
        EXPECT_EQ(verdict.kind, c.kind) << c.name;
        EXPECT_EQ(verdict.lines, c.lines) << c.name;
        EXPECT_EQ(verdict.completedAtCount, c.completedAt) << c.name;
        EXPECT_EQ(verdict.completedBy, c.completedBy) << c.name;
        EXPECT_EQ(verdict.reach, c.reach) << c.name;
        EXPECT_EQ(verdict.fourCorners, c.corners) << c.name;
        EXPECT_EQ(verdict.fullCard, c.full) << c.name;
        EXPECT_EQ(verdict.calledCount, static_cast<std::int32_t>(c.called.size())) << c.name;
        int marked = 0;
        for (const auto& row : verdict.marked) {
            for (const bool cell : row) {
                marked += cell;
            }
        }
        int onCard = 1;  // the free centre
        for (const std::int16_t number : c.called) {
            onCard += (number - 1) % 15 < 5 && number != 33;
        }
        EXPECT_EQ(marked, onCard) << c.name;
    }
}

TEST(JudgeCard, WhatTheOperatorReads)
{
    struct Case {
        CardMaker::Lookup lookup;
        std::vector<std::int16_t> called;
        std::string text;
    };
    CardMaker::Lookup other = KnownCard();
    other.kind = CardMaker::Lookup::Kind::OtherNumMax;
    other.card->numMax = 90;
    const std::vector<Case> cases = {
        {KnownCard(),
         {61, 62, 63, 64, 65, 1, 16, 31, 46},
         "ビンゴ！ 横 1 行目、縦 O 列 ・ 5 個目の 65 で成立"},
        {KnownCard(), {1, 16, 31, 46, 17, 49}, "まだビンゴではありません（リーチ 2）"},
        {KnownCard(), {}, "まだビンゴではありません"},
        {KnownCard(), {1, 61, 5, 65}, "まだビンゴではありません ・ 四隅"},
        {other, {1}, "最大値 90 のゲームのカードです。今のゲームのカードではありません。"},
        {{CardMaker::Lookup::Kind::NotOurs, std::nullopt}, {1}, "このパソコンで作ったカードではありません。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VerdictText(JudgeCard(c.lookup, Game(c.called))), c.text);
    }
}

TEST(ClaimRecord, RowsFollowTheHeaderAndSurviveACutRow)
{
    TemporaryFolder folder("palvo_claims");
    ClaimRecord record;
    record.SetFolder(folder.Path());
    const CardVerdict bingo = JudgeCard(KnownCard(), Game({3, 18, 48, 63}));
    const CardVerdict typo = JudgeCard({}, Game({3}));
    ASSERT_TRUE(record.Append("2026-12-07 21:00:00", "whatever", bingo));
    ASSERT_TRUE(record.Append("2026-12-07 21:00:05", "K7,\"Q\r\n", typo));
    std::ofstream(record.Path(), std::ios::binary | std::ios::app) << "2026-12-07 21:00:09,cut sh";
    ASSERT_TRUE(record.Append("2026-12-07 21:00:10", "x", typo));
    EXPECT_EQ(FileBytes(record.Path()),
              "\xEF\xBB\xBF時刻,カード番号,判定,呼んだ数\r\n"
              "2026-12-07 21:00:00," +
                  CardCodeText(KnownCard().card->code) +
                  ",ビンゴ,4\r\n"
                  "2026-12-07 21:00:05,\"K7,\"\"Q\",入力誤り,1\r\n"
                  "2026-12-07 21:00:09,cut sh\r\n"
                  "2026-12-07 21:00:10,\"x\",入力誤り,1\r\n");
}

}  // namespace
}  // namespace palvo
