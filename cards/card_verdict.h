#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cards/bingo_card.h"
#include "draw/game_state.h"

namespace palvo {

// One line of five cells through a card.
struct CardLine {
    enum class Kind { Row, Column, FallingDiagonal, RisingDiagonal };
    Kind kind = Kind::Row;
    int index = 0;  // 0 ... 4 from the top or the left; 0 for a diagonal

    friend bool operator==(const CardLine&, const CardLine&) = default;
};

// The twelve lines: rows top to bottom, columns left to right, then the diagonal from the top
// left and the one from the bottom left.
const std::array<CardLine, 12>& AllCardLines();
// The cells (row, column) of a line.
std::array<std::array<int, 2>, kCardSide> CellsOf(CardLine line);

// A claimed card held against the game.
struct CardVerdict {
    enum class Kind {
        Mistyped,     // not a code
        NotOurs,      // not a card of this installation
        OtherNumMax,  // ours, for another highest number
        Bingo,
        NotYet,
    };
    Kind kind = Kind::Mistyped;
    std::optional<BingoCard> card;
    std::array<std::array<bool, kCardSide>, kCardSide> marked{};  // called, or the free centre
    std::vector<CardLine> lines;                                  // completed, in the order of AllCardLines
    // The call that completed the first line: its position in the game (1-based) and number.
    std::int32_t completedAtCount = 0;
    std::int16_t completedBy = 0;
    int reach = 0;  // lines one number short
    bool fourCorners = false;
    bool fullCard = false;
    std::int32_t calledCount = 0;  // numbers called in the game when it was checked
};

// Holds `lookup` against `game`. A card of another highest number or of another installation is
// named as such, without lines.
[[nodiscard]] CardVerdict JudgeCard(const CardMaker::Lookup& lookup, const GameState& game);

// What the operator reads: 「ビンゴ！ 横 2 行目 ・ 23 個目の 45 で成立」, 「まだです（リーチ 2）」 ...
std::string VerdictText(const CardVerdict& verdict);
// One word per kind for the record of claims.
std::string_view VerdictWord(const CardVerdict& verdict);

}  // namespace palvo
