#include "draw/number_picker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace palvo {
namespace {

// Pearson's chi-square statistic of `counts` against a uniform distribution.
double ChiSquare(const std::vector<int>& counts, int total)
{
    const double expected = static_cast<double>(total) / static_cast<double>(counts.size());
    double sum = 0;
    for (int count : counts) {
        sum += (count - expected) * (count - expected) / expected;
    }
    return sum;
}

TEST(NumberPicker, EveryNumberIsEquallyLikelyIncludingBothEnds)
{
    struct Case {
        std::int16_t numMax;
        double bound;  // far above the 99.99 % point of chi-square with numMax - 1 degrees of freedom
    };
    for (const Case& c : {Case{2, 20}, Case{10, 40}, Case{72, 130}, Case{99, 170}}) {
        NumberPicker picker;
        picker.Seed(20261207);
        const int total = 2000 * c.numMax;
        std::vector<int> counts(static_cast<std::size_t>(c.numMax), 0);
        for (int i = 0; i < total; ++i) {
            const std::int16_t number = picker.PickNumber(c.numMax);
            ASSERT_GE(number, 1);
            ASSERT_LE(number, c.numMax);
            ++counts[static_cast<std::size_t>(number - 1)];
        }
        EXPECT_LT(ChiSquare(counts, total), c.bound) << "numMax " << c.numMax;
        // The ends used to get half the share of the middle numbers.
        EXPECT_GT(counts.front(), 1800) << c.numMax;
        EXPECT_GT(counts.back(), 1800) << c.numMax;
    }
}

TEST(NumberPicker, HighestNumberOneAlwaysGivesOne)
{
    NumberPicker picker;
    picker.Seed(7);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(picker.PickNumber(1), 1);
    }
}

TEST(NumberPicker, UniformValuesAreTwentyFourBitFractionsBelowOne)
{
    NumberPicker picker;
    picker.Seed(99);
    for (int i = 0; i < 10000; ++i) {
        const float r = picker.NextUniform();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const double scaled = static_cast<double>(r) * 16777216.0;
        ASSERT_EQ(scaled, std::floor(scaled));
    }
}

TEST(NumberPicker, ReseedingRepeatsTheCandidatesAndAnotherSeedDiffers)
{
    NumberPicker first;
    NumberPicker second;
    NumberPicker other;
    first.Seed(42);
    second.Seed(42);
    other.Seed(43);
    int differences = 0;
    for (int i = 0; i < 50; ++i) {
        const std::int16_t a = first.PickNumber(72);
        ASSERT_EQ(a, second.PickNumber(72));
        differences += a != other.PickNumber(72) ? 1 : 0;
    }
    EXPECT_GT(differences, 40);
}

}  // namespace
}  // namespace palvo
