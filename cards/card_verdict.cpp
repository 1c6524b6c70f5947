#include "cards/card_verdict.h"

#include <algorithm>

#include "texts/japanese.h"

namespace palvo {

const std::array<CardLine, 12>& AllCardLines()
{
    static constexpr std::array<CardLine, 12> kLines = {{
        {CardLine::Kind::Row, 0},
        {CardLine::Kind::Row, 1},
        {CardLine::Kind::Row, 2},
        {CardLine::Kind::Row, 3},
        {CardLine::Kind::Row, 4},
        {CardLine::Kind::Column, 0},
        {CardLine::Kind::Column, 1},
        {CardLine::Kind::Column, 2},
        {CardLine::Kind::Column, 3},
        {CardLine::Kind::Column, 4},
        {CardLine::Kind::FallingDiagonal, 0},
        {CardLine::Kind::RisingDiagonal, 0},
    }};
    return kLines;
}

std::array<std::array<int, 2>, kCardSide> CellsOf(CardLine line)
{
    std::array<std::array<int, 2>, kCardSide> cells{};
    for (int i = 0; i < kCardSide; ++i) {
        switch (line.kind) {
            case CardLine::Kind::Row:
                cells[static_cast<std::size_t>(i)] = {line.index, i};
                break;
            case CardLine::Kind::Column:
                cells[static_cast<std::size_t>(i)] = {i, line.index};
                break;
            case CardLine::Kind::FallingDiagonal:
                cells[static_cast<std::size_t>(i)] = {i, i};
                break;
            case CardLine::Kind::RisingDiagonal:
                cells[static_cast<std::size_t>(i)] = {kCardSide - 1 - i, i};
                break;
        }
    }
    return cells;
}

CardVerdict JudgeCard(const CardMaker::Lookup& lookup, const GameState& game)
{
    CardVerdict verdict;
    verdict.card = lookup.card;
    verdict.calledCount = game.Count();
    switch (lookup.kind) {
        case CardMaker::Lookup::Kind::Mistyped:
            verdict.kind = CardVerdict::Kind::Mistyped;
            return verdict;
        case CardMaker::Lookup::Kind::NotOurs:
            verdict.kind = CardVerdict::Kind::NotOurs;
            return verdict;
        case CardMaker::Lookup::Kind::OtherNumMax:
            verdict.kind = CardVerdict::Kind::OtherNumMax;
            return verdict;
        case CardMaker::Lookup::Kind::Card:
            break;
    }
    const BingoCard& card = *lookup.card;
    // When each number was called (1-based); 0 for one not called, and the free centre counts
    // as called before the first call.
    constexpr std::int32_t kNever = 0;
    std::vector<std::int32_t> calledAt(static_cast<std::size_t>(kHighestCardNumMax) + 1, kNever);
    for (std::int32_t i = 0; i < game.Count(); ++i) {
        const std::int16_t number = game.called[static_cast<std::size_t>(i)];
        if (number >= 1 && number <= kHighestCardNumMax &&
            calledAt[static_cast<std::size_t>(number)] == kNever) {
            calledAt[static_cast<std::size_t>(number)] = i + 1;
        }
    }
    auto at = [&](int row, int column) -> std::int32_t {
        const std::int16_t number =
            card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        return number == 0 ? -1 : calledAt[static_cast<std::size_t>(number)];
    };
    bool full = true;
    for (int row = 0; row < kCardSide; ++row) {
        for (int column = 0; column < kCardSide; ++column) {
            const bool marked = at(row, column) != kNever;
            verdict.marked[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = marked;
            full = full && marked;
        }
    }
    std::int32_t firstCompletion = 0;
    for (const CardLine& line : AllCardLines()) {
        int missing = 0;
        std::int32_t completion = 0;
        for (const auto& [row, column] : CellsOf(line)) {
            const std::int32_t when = at(row, column);
            if (when == kNever) {
                ++missing;
            }
            completion = std::max(completion, when);
        }
        if (missing == 0) {
            verdict.lines.push_back(line);
            if (firstCompletion == 0 || completion < firstCompletion) {
                firstCompletion = completion;
            }
        } else if (missing == 1) {
            ++verdict.reach;
        }
    }
    verdict.fourCorners = at(0, 0) != kNever && at(0, kCardSide - 1) != kNever &&
                          at(kCardSide - 1, 0) != kNever && at(kCardSide - 1, kCardSide - 1) != kNever;
    verdict.fullCard = full;
    if (verdict.lines.empty()) {
        verdict.kind = CardVerdict::Kind::NotYet;
        return verdict;
    }
    verdict.kind = CardVerdict::Kind::Bingo;
    verdict.completedAtCount = firstCompletion;
    // Only a card with no numbers at all would be complete before the first call.
    if (firstCompletion >= 1) {
        verdict.completedBy = game.called[static_cast<std::size_t>(firstCompletion - 1)];
    }
    return verdict;
}

namespace {

std::string LineText(const CardLine& line)
{
    switch (line.kind) {
        case CardLine::Kind::Row:
            return std::string(texts::kCardRowPrefix) + std::to_string(line.index + 1) +
                   std::string(texts::kCardRowSuffix);
        case CardLine::Kind::Column:
            return std::string(texts::kCardColumnPrefix) + "BINGO"[line.index] +
                   std::string(texts::kCardColumnSuffix);
        case CardLine::Kind::FallingDiagonal:
            return std::string(texts::kCardFallingDiagonal);
        case CardLine::Kind::RisingDiagonal:
            return std::string(texts::kCardRisingDiagonal);
    }
    return {};
}

}  // namespace

std::string VerdictText(const CardVerdict& verdict)
{
    std::string text;
    switch (verdict.kind) {
        case CardVerdict::Kind::Mistyped:
            return std::string(texts::kCardMistyped);
        case CardVerdict::Kind::NotOurs:
            return std::string(texts::kCardNotOurs);
        case CardVerdict::Kind::OtherNumMax:
            return std::string(texts::kCardOtherNumMaxPrefix) +
                   std::to_string(verdict.card ? verdict.card->numMax : 0) +
                   std::string(texts::kCardOtherNumMaxSuffix);
        case CardVerdict::Kind::NotYet:
            text = std::string(texts::kCardNotYet);
            if (verdict.reach > 0) {
                text += std::string(texts::kCardReachPrefix) + std::to_string(verdict.reach) +
                        std::string(texts::kCardReachSuffix);
            }
            break;
        case CardVerdict::Kind::Bingo:
            text = std::string(texts::kCardBingo);
            for (std::size_t i = 0; i < verdict.lines.size(); ++i) {
                text += std::string(i == 0 ? " " : texts::kCardListSeparator) + LineText(verdict.lines[i]);
            }
            text += std::string(texts::kCardSentenceSeparator) + std::to_string(verdict.completedAtCount) +
                    std::string(texts::kCardCompletedMiddle) + std::to_string(verdict.completedBy) +
                    std::string(texts::kCardCompletedSuffix);
            break;
    }
    if (verdict.fourCorners) {
        text += std::string(texts::kCardSentenceSeparator) + std::string(texts::kCardFourCorners);
    }
    if (verdict.fullCard) {
        text += std::string(texts::kCardSentenceSeparator) + std::string(texts::kCardFullCard);
    }
    return text;
}

std::string_view VerdictWord(const CardVerdict& verdict)
{
    switch (verdict.kind) {
        case CardVerdict::Kind::Mistyped:
            return texts::kCardWordMistyped;
        case CardVerdict::Kind::NotOurs:
            return texts::kCardWordNotOurs;
        case CardVerdict::Kind::OtherNumMax:
            return texts::kCardWordOtherNumMax;
        case CardVerdict::Kind::Bingo:
            return texts::kCardWordBingo;
        case CardVerdict::Kind::NotYet:
            return texts::kCardWordNotYet;
    }
    return {};
}

}  // namespace palvo
