#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "cards/card_code.h"
#include "cards/siphash.h"

namespace palvo {

// The numbers one column of a card takes them from: first ... last, both included.
struct ColumnRange {
    std::int16_t first = 0;
    std::int16_t last = 0;

    friend bool operator==(const ColumnRange&, const ColumnRange&) = default;
};

inline constexpr int kCardSide = 5;
inline constexpr std::int16_t kLowestCardNumMax = 25;  // five different numbers in each of five columns
inline constexpr std::int16_t kHighestCardNumMax = 99;

// The five consecutive ranges that split 1 ... numMax as evenly as possible, the longer ones
// first (1-15 ... 61-75 for 75; 1-16, 17-32, 33-47 ... for 77); nullopt below 25 or above 99.
[[nodiscard]] std::optional<std::array<ColumnRange, kCardSide>> ColumnRanges(std::int16_t numMax);

// A 5 x 5 card as printed: cells[row][column], the free centre 0.
struct BingoCard {
    CardCode code;
    std::int16_t numMax = 0;
    std::array<std::array<std::int16_t, kCardSide>, kCardSide> cells{};

    friend bool operator==(const BingoCard&, const BingoCard&) = default;
};

class MadeCards;

// The cards of one set made so far, kept between checks: a later card of the set is made from
// where they stop instead of from the set's first card (the panel checks many codes of one set in
// a game). It serves one key, NumMax and set at a time; asked for another, it starts again.
class CardSetMemo {
public:
    CardSetMemo();
    ~CardSetMemo();
    CardSetMemo(CardSetMemo&&) noexcept;
    CardSetMemo& operator=(CardSetMemo&&) noexcept;

private:
    friend class CardMaker;
    struct Progress;
    std::unique_ptr<Progress> progress_;
};

// Makes and finds the cards of this installation from its key. A set's cards are made in serial
// order, and a card that comes out like an earlier one of its set is made again from the next
// attempt, so no two cards of a set are alike and card n is the same whenever it is made.
class CardMaker {
public:
    explicit CardMaker(const SipKey& key) : key_(key) {}

    // The first `count` cards of `set` (0 ... CardCode::kSets - 1) for `numMax`; empty when
    // numMax has no ranges or count is beyond CardCode::kSerials.
    std::vector<BingoCard> MakeSet(std::int16_t numMax, int set, int count) const;

    // The card of `set` and `serial`; nullopt as MakeSet. With a memo, only the cards of the set
    // it has not made yet are made.
    std::optional<BingoCard> MakeCard(std::int16_t numMax, int set, int serial) const;
    std::optional<BingoCard> MakeCard(std::int16_t numMax, int set, int serial, CardSetMemo& memo) const;

    // What a typed code is, seen from a game of `numMax`.
    struct Lookup {
        enum class Kind {
            Mistyped,     // not a code: a character wrong, missing or swapped
            NotOurs,      // a well-formed code this installation never printed
            OtherNumMax,  // a card of ours for another highest number (in `card`)
            Card,         // a card of ours for this game's highest number
        };
        Kind kind = Kind::Mistyped;
        std::optional<BingoCard> card;
    };
    [[nodiscard]] Lookup Find(std::string_view typed, std::int16_t numMax) const;
    [[nodiscard]] Lookup Find(std::string_view typed, std::int16_t numMax, CardSetMemo& memo) const;

    // The tag only this key gives a card of `numMax`, `set` and `serial`.
    std::uint16_t Tag(std::int16_t numMax, int set, int serial) const;

    using Cells = std::array<std::array<std::int16_t, kCardSide>, kCardSide>;

private:
    Cells Numbers(const std::array<ColumnRange, kCardSide>& ranges, int set, int serial, int attempt) const;
    // Card `serial` of a set whose earlier cards are in `made`, which takes it too.
    Cells NextOfSet(const std::array<ColumnRange, kCardSide>& ranges, int set, int serial,
                    MadeCards& made) const;
    Lookup Find(std::string_view typed, std::int16_t numMax, CardSetMemo* memo) const;
    BingoCard Card(std::int16_t numMax, int set, int serial, const Cells& cells) const;
    // The cells of serials 0 ... count - 1 of a set in serial order, each unlike all before it.
    void EachCardOfSet(const std::array<ColumnRange, kCardSide>& ranges, int set, int count,
                       const std::function<void(int serial, const Cells& cells)>& each) const;

    SipKey key_;
};

}  // namespace palvo
