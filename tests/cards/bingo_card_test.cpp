#include "cards/bingo_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "cards/card_key.h"
#include "platform/headless/fixed_entropy.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

SipKey TestKey(std::uint8_t first)
{
    SipKey key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(first + 7 * i);
    }
    return key;
}

TEST(SipHash, PublishedVectorsOfTheReferenceImplementation)
{
    // vectors.h of the SipHash reference: key 00 01 ... 0f, message 00 01 ... (length - 1).
    const std::vector<std::uint64_t> expected = {
        0x726fdb47dd0e0e31, 0x74f839c593dc67fd, 0x0d6c8009d9a94f5a, 0x85676696d7fb7e2d,
        0xcf2794e0277187b7, 0x18765564cd99a68d, 0xcbc9466e58fee3ce, 0xab0200f58b01d137,
        0x93f5f5799a932462, 0x9e0082df0ba9e4b0, 0x7a5dbbc594ddb9f3, 0xf4b32f46226bada7,
        0x751e8fbc860ee5fb, 0x14ea5627c0843d90, 0xf723ca908e7af2ee, 0xa129ca6149be45e5,
    };
    SipKey key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(i);
    }
    std::vector<std::uint8_t> message;
    for (std::size_t length = 0; length < expected.size(); ++length) {
        EXPECT_EQ(SipHash24(key, message), expected[length]) << "length " << length;
        message.push_back(static_cast<std::uint8_t>(length));
    }
}

TEST(ColumnRanges, SplitOneToNumMaxEvenlyLongerFirst)
{
    struct Case {
        std::int16_t numMax;
        std::vector<int> sizes;  // empty: no cards
    };
    for (const Case& c :
         {Case{75, {15, 15, 15, 15, 15}}, Case{25, {5, 5, 5, 5, 5}}, Case{77, {16, 16, 15, 15, 15}},
          Case{99, {20, 20, 20, 20, 19}}, Case{24, {}}, Case{100, {}}, Case{0, {}}}) {
        const auto ranges = ColumnRanges(c.numMax);
        ASSERT_EQ(ranges.has_value(), !c.sizes.empty()) << c.numMax;
        if (!ranges) {
            continue;
        }
        int next = 1;
        for (std::size_t column = 0; column < kCardSide; ++column) {
            EXPECT_EQ((*ranges)[column].first, next) << c.numMax << " column " << column;
            EXPECT_EQ((*ranges)[column].last, next + c.sizes[column] - 1) << c.numMax << " column " << column;
            next += c.sizes[column];
        }
    }
}

// A set's cards made the plain way, as printed cards were: 16-bit pieces, low first, of the
// SipHash of {2, NumMax, set, serial, attempt, counter} (16-bit values low byte first), drawn
// below a bound by rejection, the first five places of a shuffle of each column's range, and a
// card alike an earlier one made again from the next attempt.
std::vector<CardMaker::Cells> PlainSet(const SipKey& key, std::int16_t numMax, int set, int count)
{
    const std::array<ColumnRange, kCardSide> ranges = *ColumnRanges(numMax);
    std::set<CardMaker::Cells> made;
    std::vector<CardMaker::Cells> cards;
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xff); };
    for (int serial = 0; serial < count; ++serial) {
        for (int attempt = 0;; ++attempt) {
            int counter = 0;
            std::vector<int> pieces;  // the next at the back
            const auto below = [&](int bound) {
                for (;;) {
                    if (pieces.empty()) {
                        const std::array<std::uint8_t, 9> message = {2,
                                                                     byte(numMax),
                                                                     byte(set),
                                                                     byte(serial),
                                                                     byte(serial >> 8),
                                                                     byte(attempt),
                                                                     byte(attempt >> 8),
                                                                     byte(counter),
                                                                     byte(counter >> 8)};
                        ++counter;
                        const std::uint64_t word = SipHash24(key, message);
                        for (int shift = 48; shift >= 0; shift -= 16) {
                            pieces.push_back(static_cast<int>((word >> shift) & 0xffff));
                        }
                    }
                    const int piece = pieces.back();
                    pieces.pop_back();
                    if (piece < 65536 / bound * bound) {
                        return piece % bound;
                    }
                }
            };
            CardMaker::Cells cells{};
            for (std::size_t column = 0; column < kCardSide; ++column) {
                std::vector<std::int16_t> pool;
                for (std::int16_t n = ranges[column].first; n <= ranges[column].last; ++n) {
                    pool.push_back(n);
                }
                for (std::size_t row = 0; row < kCardSide; ++row) {
                    std::swap(
                        pool[row],
                        pool[row + static_cast<std::size_t>(below(static_cast<int>(pool.size() - row)))]);
                    cells[row][column] = pool[row];
                }
            }
            cells[2][2] = 0;
            if (made.insert(cells).second) {
                cards.push_back(cells);
                break;
            }
        }
    }
    return cards;
}

// Every card of a full set: numbers in their column's range, none twice, the free centre, a code
// that reads back, no two cards alike, and the very cards the plain way makes, for the smallest
// game (few possible cards) and for 75.
TEST(CardMaker, FullSetsHaveValidDistinctCards)
{
    const CardMaker maker(TestKey(3));
    for (const std::int16_t numMax : {std::int16_t{25}, std::int16_t{75}}) {
        const std::vector<BingoCard> cards = maker.MakeSet(numMax, 4, CardCode::kSerials);
        ASSERT_EQ(cards.size(), static_cast<std::size_t>(CardCode::kSerials));
        const std::vector<CardMaker::Cells> plain = PlainSet(TestKey(3), numMax, 4, CardCode::kSerials);
        const int width = numMax / kCardSide;  // both are multiples of five
        std::set<std::array<std::array<std::int16_t, kCardSide>, kCardSide>> distinct;
        std::set<std::string> codes;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const BingoCard& card = cards[i];
            ASSERT_EQ(card.code.serial, i);
            ASSERT_EQ(card.cells[2][2], 0);
            for (int column = 0; column < kCardSide; ++column) {
                std::set<int> seen;
                for (int row = 0; row < kCardSide; ++row) {
                    if (row == 2 && column == 2) {
                        continue;
                    }
                    const int number =
                        card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                    ASSERT_GE(number, column * width + 1) << "card " << i;
                    ASSERT_LE(number, (column + 1) * width) << "card " << i;
                    ASSERT_TRUE(seen.insert(number).second) << "card " << i;
                }
            }
            ASSERT_EQ(card.cells, plain[i]) << numMax << " card " << i;
            distinct.insert(card.cells);
            const std::string text = CardCodeText(card.code);
            codes.insert(text);
            ASSERT_EQ(ParseCardCode(text), card.code) << text;
        }
        EXPECT_EQ(distinct.size(), cards.size()) << numMax;
        EXPECT_EQ(codes.size(), cards.size()) << numMax;
    }
}

TEST(CardMaker, EachColumnTakesItsNumbersEvenlyAndEachPlaceToo)
{
    const CardMaker maker(TestKey(11));
    const std::vector<BingoCard> cards = maker.MakeSet(75, 0, CardCode::kSerials);
    // Pearson's chi-square over the 15 numbers of a column, 14 degrees of freedom: 99.99 % lie below 40.
    for (int column = 0; column < kCardSide; ++column) {
        for (int row = -1; row < kCardSide; ++row) {  // -1: the whole column, then each place in it
            if (row == 2 && column == 2) {
                continue;
            }
            std::vector<int> counts(15, 0);
            int total = 0;
            for (const BingoCard& card : cards) {
                for (int r = 0; r < kCardSide; ++r) {
                    const int number =
                        card.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)];
                    if (number != 0 && (row < 0 || r == row)) {
                        ++counts[static_cast<std::size_t>(number - 1 - 15 * column)];
                        ++total;
                    }
                }
            }
            const double expected = total / 15.0;
            double chiSquare = 0;
            for (const int count : counts) {
                chiSquare += (count - expected) * (count - expected) / expected;
            }
            EXPECT_LT(chiSquare, 40.0) << "column " << column << " row " << row;
        }
    }
}

TEST(CardMaker, ReprintingGivesTheSameCardsAndOnlyTheKeyMakesThem)
{
    const CardMaker maker(TestKey(5));
    const std::vector<BingoCard> first = maker.MakeSet(75, 2, 40);
    EXPECT_EQ(maker.MakeSet(75, 2, 40), first);
    EXPECT_EQ(maker.MakeCard(75, 2, 39), first.back());
    const std::vector<BingoCard> otherKey = CardMaker(TestKey(6)).MakeSet(75, 2, 40);
    const std::vector<BingoCard> otherSet = maker.MakeSet(75, 3, 40);
    int sameCells = 0;
    int sameTags = 0;
    for (std::size_t i = 0; i < first.size(); ++i) {
        sameCells += first[i].cells == otherKey[i].cells || first[i].cells == otherSet[i].cells;
        sameTags += first[i].code.tag == otherKey[i].code.tag;
    }
    EXPECT_EQ(sameCells, 0);
    EXPECT_LE(sameTags, 1);
    EXPECT_TRUE(maker.MakeSet(24, 0, 10).empty());
    EXPECT_TRUE(maker.MakeSet(75, 0, CardCode::kSerials + 1).empty());
}

// One memo serves codes of several keys, highest numbers and sets checked in any order.
TEST(CardMaker, AMemoGivesTheCardsMadeWithoutIt)
{
    const CardMaker maker(TestKey(5));
    const CardMaker otherKey(TestKey(6));
    const std::vector<CardMaker::Cells> plain = PlainSet(TestKey(5), 75, 2, CardCode::kSerials);
    CardSetMemo memo;
    struct Ask {
        const CardMaker& maker;
        std::int16_t numMax;
        int set;
        int serial;
    };
    for (const Ask ask : {Ask{maker, 75, 2, 700}, Ask{maker, 75, 2, 0}, Ask{maker, 75, 2, 9999},
                          Ask{otherKey, 75, 2, 20}, Ask{maker, 75, 2, 21}, Ask{maker, 75, 3, 20},
                          Ask{maker, 25, 3, 20}, Ask{maker, 75, 2, 9998}, Ask{maker, 75, 2, 10000}}) {
        const std::optional<BingoCard> card = ask.maker.MakeCard(ask.numMax, ask.set, ask.serial, memo);
        EXPECT_EQ(card, ask.maker.MakeCard(ask.numMax, ask.set, ask.serial)) << ask.serial;
        if (card && &ask.maker == &maker && ask.numMax == 75 && ask.set == 2) {
            EXPECT_EQ(card->cells, plain[static_cast<std::size_t>(ask.serial)]) << ask.serial;
        }
    }
    const BingoCard card = *maker.MakeCard(75, 2, 4321);
    EXPECT_EQ(maker.Find(CardCodeText(card.code), 75, memo).card, card);
    EXPECT_EQ(maker.Find(CardCodeText(card.code), 90, memo).card, card);
}

TEST(CardCode, OneWrongOrTwoSwappedCharactersAreAlwaysRefused)
{
    const CardMaker maker(TestKey(9));
    for (const BingoCard& card : maker.MakeSet(75, 7, 60)) {
        const std::string text = CardCodeText(card.code);
        ASSERT_EQ(text.size(), 10u);
        ASSERT_EQ(text[5], '-');
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == 5) {
                continue;
            }
            for (const char replacement : CardCode::kAlphabet) {
                std::string typo = text;
                typo[i] = replacement;
                if (typo != text) {
                    ASSERT_FALSE(ParseCardCode(typo)) << text << " -> " << typo;
                }
            }
            for (std::size_t j = i + 1; j < text.size(); ++j) {
                std::string swapped = text;
                std::swap(swapped[i], swapped[j]);
                if (j != 5 && swapped != text) {
                    ASSERT_FALSE(ParseCardCode(swapped)) << text << " -> " << swapped;
                }
            }
        }
    }
}

TEST(CardCode, TypingVariantsReadAsTheSameCode)
{
    const CardCode code{3, 12345, 137};
    const std::string text = CardCodeText(code);
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    std::string fullWidth;
    for (const char c : text) {  // U+FF01 ... U+FF5E mirror ASCII 0x21 ... 0x7E
        const unsigned full = 0xFF01 + static_cast<unsigned>(c) - 0x21;
        fullWidth += static_cast<char>(0xE0 | (full >> 12));
        fullWidth += static_cast<char>(0x80 | ((full >> 6) & 0x3F));
        fullWidth += static_cast<char>(0x80 | (full & 0x3F));
    }
    std::string noHyphen = text;
    noHyphen.erase(5, 1);
    std::string letterO = text;
    std::replace(letterO.begin() + 6, letterO.end(), '0', 'O');
    ASSERT_NE(letterO, text);  // serial 0137 has a zero to misread
    for (const std::string& typed :
         {text, lower, noHyphen, " " + text.substr(0, 3) + " " + text.substr(3) + " ", fullWidth, letterO,
          text.substr(0, 2) + "\xE3\x80\x80" + text.substr(2)}) {
        EXPECT_EQ(ParseCardCode(typed), code) << typed;
    }
    for (const std::string& typed : {std::string(), text.substr(1), text + "7", text.substr(0, 9) + "X"}) {
        EXPECT_FALSE(ParseCardCode(typed)) << typed;
    }
}

TEST(CardMaker, FindTellsOurCardsFromOthersAndFromOtherHighestNumbers)
{
    const CardMaker maker(TestKey(1));
    const BingoCard card = *maker.MakeCard(75, 1, 137);
    const std::string text = CardCodeText(card.code);
    const CardMaker::Lookup ours = maker.Find(text, 75);
    EXPECT_EQ(ours.kind, CardMaker::Lookup::Kind::Card);
    EXPECT_EQ(ours.card, card);
    const CardMaker::Lookup other = maker.Find(text, 90);
    EXPECT_EQ(other.kind, CardMaker::Lookup::Kind::OtherNumMax);
    EXPECT_EQ(other.card->numMax, 75);
    EXPECT_EQ(CardMaker(TestKey(2)).Find(text, 75).kind, CardMaker::Lookup::Kind::NotOurs);
    // A well-formed code with a made-up tag.
    CardCode forged = card.code;
    forged.tag = static_cast<std::uint16_t>((forged.tag + 1) % CardCode::kTags);
    EXPECT_EQ(maker.Find(CardCodeText(forged), 75).kind, CardMaker::Lookup::Kind::NotOurs);
    EXPECT_EQ(maker.Find("nonsense", 75).kind, CardMaker::Lookup::Kind::Mistyped);
}

TEST(CardKey, MadeOnceForTheOwnerAloneAndNeverReplaced)
{
    TemporaryFolder folder("palvo_card_key");
    const std::filesystem::path path = folder.Path() / kCardKeyName;
    FixedEntropy entropy(0x1122334455667788ULL);
    const CardKeyReading created = ReadOrCreateCardKey(folder.Path(), entropy);
    ASSERT_EQ(created.outcome, CardKeyReading::Outcome::Created);
    EXPECT_EQ(created.key[0], 0x88);
    EXPECT_EQ(created.key[8], 0x89);  // the second seed fills the second half
    EXPECT_EQ(FileBytes(path), CardKeyFileBytes(created.key));
#ifndef _WIN32
    const auto permissions = std::filesystem::status(path).permissions();
    EXPECT_EQ(permissions & (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
              std::filesystem::perms::none);
#endif
    FixedEntropy other(99);
    const CardKeyReading again = ReadOrCreateCardKey(folder.Path(), other);
    EXPECT_EQ(again.outcome, CardKeyReading::Outcome::Read);
    EXPECT_EQ(again.key, created.key);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "a stray file was left";

    // A damaged key stops the card functions and stays as it is for a person to restore.
    for (const std::string& damaged : {std::string(), FileBytes(path).substr(0, 40), FileBytes(path) + "x"}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << damaged;
        const CardKeyReading reading = ReadOrCreateCardKey(folder.Path(), other);
        EXPECT_EQ(reading.outcome, CardKeyReading::Outcome::Unreadable);
        EXPECT_FALSE(reading.Usable());
        EXPECT_EQ(FileBytes(path), damaged);
    }
    const CardKeyReading missingFolder = ReadOrCreateCardKey(folder.Path() / "missing", other);
    EXPECT_EQ(missingFolder.outcome, CardKeyReading::Outcome::NotWritten);
}

}  // namespace
}  // namespace palvo
