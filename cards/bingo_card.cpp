#include "cards/bingo_card.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <vector>

namespace palvo {

namespace {

enum class Purpose : std::uint8_t { Tag = 1, Numbers = 2 };

std::array<std::uint8_t, 9> Message(Purpose purpose, std::int16_t numMax, int set, int serial, int attempt,
                                    int counter)
{
    return {static_cast<std::uint8_t>(purpose),      static_cast<std::uint8_t>(numMax),
            static_cast<std::uint8_t>(set),          static_cast<std::uint8_t>(serial & 0xff),
            static_cast<std::uint8_t>(serial >> 8),  static_cast<std::uint8_t>(attempt & 0xff),
            static_cast<std::uint8_t>(attempt >> 8), static_cast<std::uint8_t>(counter & 0xff),
            static_cast<std::uint8_t>(counter >> 8)};
}

// Draws below a bound without bias from the 16-bit pieces of a keyed stream of words.
class KeyedStream {
public:
    KeyedStream(const SipKey& key, std::int16_t numMax, int set, int serial, int attempt)
        : key_(key), numMax_(numMax), set_(set), serial_(serial), attempt_(attempt)
    {
    }

    int Below(int bound)
    {
        // The largest multiple of `bound` that 16 bits hold: pieces at or above it are skipped.
        const int limit = 65536 / bound * bound;
        for (;;) {
            const int piece = NextPiece();
            if (piece < limit) {
                return piece % bound;
            }
        }
    }

private:
    int NextPiece()
    {
        if (piecesLeft_ == 0) {
            const auto message = Message(Purpose::Numbers, numMax_, set_, serial_, attempt_, counter_++);
            word_ = SipHash24(key_, message);
            piecesLeft_ = 4;
        }
        const int piece = static_cast<int>(word_ & 0xffff);
        word_ >>= 16;
        --piecesLeft_;
        return piece;
    }

    const SipKey& key_;
    std::int16_t numMax_;
    int set_;
    int serial_;
    int attempt_;
    int counter_ = 0;
    std::uint64_t word_ = 0;
    int piecesLeft_ = 0;
};

// A card's 25 cells packed seven bits each: equal exactly when the cards are alike.
using CellsKey = std::array<std::uint64_t, 3>;

CellsKey KeyOf(const CardMaker::Cells& cells)
{
    CellsKey key{};
    int bit = 0;
    for (const auto& row : cells) {
        for (const std::int16_t number : row) {
            key[static_cast<std::size_t>(bit / 63)] |= static_cast<std::uint64_t>(number) << (bit % 63);
            bit += 7;
        }
    }
    return key;
}

}  // namespace

// The cards of a set made so far, by their packed cells. Finding card n makes the n cards
// before it, so this is one block of slots probed in a row (an empty slot's first word is zero:
// a card's first cell holds a number) rather than a node per card.
class MadeCards {
public:
    explicit MadeCards(int count)
    {
        // At most two thirds full: a probe ends after a few slots, and a whole set of slots stays small.
        const auto wanted = std::max<std::size_t>(16, static_cast<std::size_t>(count) * 3 / 2);
        slots_.resize(std::bit_ceil(wanted));
        shift_ = 64 - std::countr_zero(slots_.size());
    }

    // Adds `key`; false when a card alike it was made before.
    bool Insert(const CellsKey& key)
    {
        const std::size_t last = slots_.size() - 1;
        for (std::size_t slot = Home(key);; slot = (slot + 1) & last) {
            CellsKey& held = slots_[slot];
            if (held[0] == 0) {
                held = key;
                return true;
            }
            // Word by word: std::array's == goes through memcmp, a call per probe.
            if (held[0] == key[0] && held[1] == key[1] && held[2] == key[2]) {
                return false;
            }
        }
    }

private:
    // Every cell reaches the top bits, which pick the slot.
    std::size_t Home(const CellsKey& key) const
    {
        std::uint64_t mixed =
            key[0] * 0x9E3779B97F4A7C15ULL + key[1] * 0xC2B2AE3D27D4EB4FULL + key[2] * 0x165667B19E3779F9ULL;
        mixed ^= mixed >> 29;
        return static_cast<std::size_t>((mixed * 0xBF58476D1CE4E5B9ULL) >> shift_);
    }

    std::vector<CellsKey> slots_;
    int shift_ = 0;
};

struct CardSetMemo::Progress {
    Progress(const SipKey& k, std::int16_t highest, int of) : key(k), numMax(highest), set(of) {}

    SipKey key;
    std::int16_t numMax;
    int set;
    MadeCards made{CardCode::kSerials};
    std::vector<CardMaker::Cells> cells;  // serials 0 ... size - 1
};

CardSetMemo::CardSetMemo() = default;
CardSetMemo::~CardSetMemo() = default;
CardSetMemo::CardSetMemo(CardSetMemo&&) noexcept = default;
CardSetMemo& CardSetMemo::operator=(CardSetMemo&&) noexcept = default;

namespace {

// The most numbers a column's range holds: a fifth of the highest NumMax, rounded up.
constexpr int kMostColumnNumbers = (kHighestCardNumMax + kCardSide - 1) / kCardSide;

}  // namespace

std::optional<std::array<ColumnRange, kCardSide>> ColumnRanges(std::int16_t numMax)
{
    if (numMax < kLowestCardNumMax || numMax > kHighestCardNumMax) {
        return std::nullopt;
    }
    std::array<ColumnRange, kCardSide> ranges{};
    std::int16_t next = 1;
    for (int column = 0; column < kCardSide; ++column) {
        const auto size =
            static_cast<std::int16_t>(numMax / kCardSide + (column < numMax % kCardSide ? 1 : 0));
        ranges[static_cast<std::size_t>(column)] = {next, static_cast<std::int16_t>(next + size - 1)};
        next = static_cast<std::int16_t>(next + size);
    }
    return ranges;
}

std::uint16_t CardMaker::Tag(std::int16_t numMax, int set, int serial) const
{
    const auto message = Message(Purpose::Tag, numMax, set, serial, 0, 0);
    return static_cast<std::uint16_t>(SipHash24(key_, message) % CardCode::kTags);
}

CardMaker::Cells CardMaker::Numbers(const std::array<ColumnRange, kCardSide>& ranges, int set, int serial,
                                    int attempt) const
{
    KeyedStream stream(key_, static_cast<std::int16_t>(ranges.back().last), set, serial, attempt);
    Cells cells{};
    for (int column = 0; column < kCardSide; ++column) {
        const ColumnRange range = ranges[static_cast<std::size_t>(column)];
        const int size = range.last - range.first + 1;
        std::array<std::int16_t, kMostColumnNumbers> pool{};
        for (int i = 0; i < size; ++i) {
            pool[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(range.first + i);
        }
        // The first five places of a Fisher-Yates shuffle: five different numbers in random order.
        for (int row = 0; row < kCardSide; ++row) {
            const auto pick = static_cast<std::size_t>(row + stream.Below(size - row));
            std::swap(pool[static_cast<std::size_t>(row)], pool[pick]);
            cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                pool[static_cast<std::size_t>(row)];
        }
    }
    cells[kCardSide / 2][kCardSide / 2] = 0;
    return cells;
}

BingoCard CardMaker::Card(std::int16_t numMax, int set, int serial, const Cells& cells) const
{
    return BingoCard{
        {static_cast<std::uint8_t>(set), Tag(numMax, set, serial), static_cast<std::uint16_t>(serial)},
        numMax,
        cells};
}

CardMaker::Cells CardMaker::NextOfSet(const std::array<ColumnRange, kCardSide>& ranges, int set, int serial,
                                      MadeCards& made) const
{
    for (int attempt = 0;; ++attempt) {
        const Cells cells = Numbers(ranges, set, serial, attempt);
        if (made.Insert(KeyOf(cells))) {
            return cells;
        }
    }
}

void CardMaker::EachCardOfSet(const std::array<ColumnRange, kCardSide>& ranges, int set, int count,
                              const std::function<void(int serial, const Cells& cells)>& each) const
{
    MadeCards made(count);
    for (int serial = 0; serial < count; ++serial) {
        each(serial, NextOfSet(ranges, set, serial, made));
    }
}

std::vector<BingoCard> CardMaker::MakeSet(std::int16_t numMax, int set, int count) const
{
    const std::optional<std::array<ColumnRange, kCardSide>> ranges = ColumnRanges(numMax);
    if (!ranges || set < 0 || set >= CardCode::kSets || count < 0 || count > CardCode::kSerials) {
        return {};
    }
    std::vector<BingoCard> cards;
    cards.reserve(static_cast<std::size_t>(count));
    EachCardOfSet(*ranges, set, count,
                  [&](int serial, const Cells& cells) { cards.push_back(Card(numMax, set, serial, cells)); });
    return cards;
}

std::optional<BingoCard> CardMaker::MakeCard(std::int16_t numMax, int set, int serial) const
{
    const std::optional<std::array<ColumnRange, kCardSide>> ranges = ColumnRanges(numMax);
    if (!ranges || set < 0 || set >= CardCode::kSets || serial < 0 || serial >= CardCode::kSerials) {
        return std::nullopt;
    }
    // The earlier cards of the set only decide whether this one had to be made again.
    Cells last{};
    EachCardOfSet(*ranges, set, serial + 1, [&](int /*made*/, const Cells& cells) { last = cells; });
    return Card(numMax, set, serial, last);
}

std::optional<BingoCard> CardMaker::MakeCard(std::int16_t numMax, int set, int serial,
                                             CardSetMemo& memo) const
{
    const std::optional<std::array<ColumnRange, kCardSide>> ranges = ColumnRanges(numMax);
    if (!ranges || set < 0 || set >= CardCode::kSets || serial < 0 || serial >= CardCode::kSerials) {
        return std::nullopt;
    }
    std::unique_ptr<CardSetMemo::Progress>& progress = memo.progress_;
    if (!progress || progress->key != key_ || progress->numMax != numMax || progress->set != set) {
        progress = std::make_unique<CardSetMemo::Progress>(key_, numMax, set);
    }
    std::vector<Cells>& made = progress->cells;
    while (made.size() <= static_cast<std::size_t>(serial)) {
        made.push_back(NextOfSet(*ranges, set, static_cast<int>(made.size()), progress->made));
    }
    return Card(numMax, set, serial, made[static_cast<std::size_t>(serial)]);
}

CardMaker::Lookup CardMaker::Find(std::string_view typed, std::int16_t numMax) const
{
    return Find(typed, numMax, nullptr);
}

CardMaker::Lookup CardMaker::Find(std::string_view typed, std::int16_t numMax, CardSetMemo& memo) const
{
    return Find(typed, numMax, &memo);
}

CardMaker::Lookup CardMaker::Find(std::string_view typed, std::int16_t numMax, CardSetMemo* memo) const
{
    Lookup lookup;
    const std::optional<CardCode> code = ParseCardCode(typed);
    if (!code) {
        return lookup;
    }
    lookup.kind = Lookup::Kind::NotOurs;
    // This game's highest number first: a tag matches another by chance once in 24,389.
    std::vector<std::int16_t> candidates{numMax};
    for (std::int16_t other = kLowestCardNumMax; other <= kHighestCardNumMax; ++other) {
        if (other != numMax) {
            candidates.push_back(other);
        }
    }
    for (const std::int16_t candidate : candidates) {
        if (ColumnRanges(candidate) && Tag(candidate, code->set, code->serial) == code->tag) {
            lookup.kind = candidate == numMax ? Lookup::Kind::Card : Lookup::Kind::OtherNumMax;
            lookup.card = memo != nullptr ? MakeCard(candidate, code->set, code->serial, *memo)
                                          : MakeCard(candidate, code->set, code->serial);
            return lookup;
        }
    }
    return lookup;
}

}  // namespace palvo
