#include "draw/start_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

// The numbers in the history list, oldest first.
std::vector<int> ListedNumbers(const HeadlessMainWindowView& view)
{
    std::vector<int> numbers;
    for (const std::string& item : view.ListItems(Control::lstHistory)) {
        numbers.push_back(std::stoi(item.substr(item.find(':') + 1)));
    }
    return numbers;
}

TEST(HistoryListItem, NumberRightAlignedInTwoPlaces)
{
    EXPECT_EQ(HistoryListItem(3, 7), "3:  7");
    EXPECT_EQ(HistoryListItem(12, 45), "12: 45");
    EXPECT_EQ(HistoryListItem(1, 10), "1: 10");
}

TEST(WaitMsec, ReturnsJustAfterTheTimeAndAcrossTheWrapAround)
{
    for (std::uint32_t start : {0u, 0xFFFFFFF0u}) {
        VirtualTime time(start);
        WaitMsec(time, time, 60);
        EXPECT_GT(time.TickCount() - start, 60u);
        EXPECT_LE(time.TickCount() - start, 61u);
        EXPECT_LE(time.PumpCalls(), 2) << "waits in the event loop instead of polling";
    }
}

TEST(WaitMsec, DeliversEventsWhileWaiting)
{
    VirtualTime time;
    std::vector<std::uint32_t> ticks;
    time.At(20, [&] { ticks.push_back(time.TickCount()); });
    time.At(45, [&] { ticks.push_back(time.TickCount()); });
    WaitMsec(time, time, 60);
    EXPECT_EQ(ticks, (std::vector<std::uint32_t>{20, 45}));
}

class StartSequenceTest : public GameFixture {
protected:
    // Every beep's time since `start`.
    std::vector<std::uint32_t> BeepsSince(std::uint32_t start)
    {
        std::vector<std::uint32_t> times;
        for (std::uint32_t at : sound().Beeps()) {
            times.push_back(at - start);
        }
        return times;
    }
};

TEST_F(StartSequenceTest, RhythmOfTwentyStepsWithThreeSlow)
{
    WriteIni({{"RhythmFast", "20"}, {"RhythmSlow", "3"}});
    ASSERT_TRUE(Load());
    MemoryPictureSurface& base = *view().Surface(Control::picBase);
    const int paintsBefore = base.RefreshCount();
    const std::uint32_t pressed = time().TickCount();
    Start();

    const std::vector<std::uint32_t> beeps = BeepsSince(pressed);
    ASSERT_EQ(beeps.size(), 19u);
    EXPECT_GE(beeps[0], 60u);
    EXPECT_LE(beeps[0], 62u);
    for (std::size_t k = 1; k < beeps.size(); ++k) {
        const std::uint32_t gap = beeps[k] - beeps[k - 1];
        const std::uint32_t expected = k >= 17 ? 560 : 60;  // the 18th and 19th come at the slow pace
        EXPECT_GE(gap, expected) << "beep " << k + 1;
        EXPECT_LE(gap, expected + 2) << "beep " << k + 1;
    }
    ASSERT_EQ(sound().PlayedFiles().size(), 1u);
    const std::uint32_t settled = sound().PlayedFiles()[0].at - pressed;
    EXPECT_GE(settled - beeps.back(), 560u);
    EXPECT_LE(settled - beeps.back(), 562u);
    EXPECT_EQ(base.RefreshCount() - paintsBefore, 20) << "19 rolling numbers and the result";
    EXPECT_EQ(sound().PlayedFiles()[0].path, AppPath("wav/ユートピア - Windows の終了.WAV"));
}

struct RhythmCase {
    std::int16_t fast;
    std::int16_t slow;
    std::size_t beeps;
    std::uint32_t length;  // lower bound of the sequence's length
};

void PrintTo(const RhythmCase& c, std::ostream* out)
{
    *out << "fast " << c.fast << " slow " << c.slow;
}

class UnusualRhythmCounts : public StartSequenceTest, public ::testing::WithParamInterface<RhythmCase> {};

TEST_P(UnusualRhythmCounts, BeepAndLastAsFarAsTheCountsAllow)
{
    const RhythmCase& c = GetParam();
    ASSERT_TRUE(Load());
    dialog().SetEdit([&](CConfig& config) {
        config.SetRhythmFast(c.fast);
        config.SetRhythmSlow(c.slow);
    });
    view().ClickWithMouse(Control::cmdSetting);
    const std::uint32_t pressed = time().TickCount();
    Start();
    EXPECT_EQ(sound().Beeps().size(), c.beeps);
    ASSERT_EQ(sound().PlayedFiles().size(), 1u);
    const std::uint32_t length = sound().PlayedFiles()[0].at - pressed;
    EXPECT_GE(length, c.length);
    EXPECT_LE(length, c.length + 12);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1);
}

INSTANTIATE_TEST_SUITE_P(StartSequenceTest, UnusualRhythmCounts,
                         ::testing::Values(RhythmCase{1, 0, 0, 60}, RhythmCase{1, 3, 0, 560},
                                           RhythmCase{0, 0, 0, 560}, RhythmCase{-2, 0, 0, 0},
                                           RhythmCase{4, 9, 3, 4 * 560}, RhythmCase{5, 5, 4, 5 * 560}));

TEST_F(StartSequenceTest, ResultKeepsANewLastRollingNumberAndReplacesADrawnOne)
{
    WriteIni({{"NumMax", "4"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    int kept = 0;
    int replaced = 0;
    for (int game = 0; game < 6; ++game) {
        for (int draw = 0; draw < 4; ++draw) {
            const std::vector<int> before = ListedNumbers(view());
            // Steps 1 to 4 take 61 ms each; the last rolling number stands during step 5.
            std::string lastRolling;
            time().After(4 * 61 + 300, [&] { lastRolling = BigNumber(); });
            Start();
            const std::vector<int> after = ListedNumbers(view());
            ASSERT_EQ(after.size(), before.size() + 1);
            const int result = after.back();
            EXPECT_EQ(std::count(after.begin(), after.end(), result), 1);
            const int rolling = std::stoi(lastRolling);
            const bool drawnBefore = std::find(before.begin(), before.end(), rolling) != before.end();
            if (drawnBefore) {
                EXPECT_NE(result, rolling);
                ++replaced;
            } else {
                EXPECT_EQ(result, rolling);
                ++kept;
            }
            EXPECT_EQ(std::stoi(BigNumber()), result);
        }
        EXPECT_FALSE(view().IsEnabled(Control::cmdStart));
        messages().QueueAnswer(MessageAnswer::Yes);
        view().ClickWithMouse(Control::cmdReset);
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(replaced, 0);
}

TEST_F(StartSequenceTest, FirstDrawsFillListAndBoard)
{
    WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    Start();
    ASSERT_EQ(view().ListCount(Control::lstHistory), 1);
    const int first = ListedNumbers(view())[0];
    EXPECT_EQ(view().ListItems(Control::lstHistory)[0], HistoryListItem(1, static_cast<std::int16_t>(first)));
    EXPECT_EQ(view().ListSelection(Control::lstHistory), 0);
    EXPECT_EQ(std::stoi(CellNumber(0)), first);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"1", "", "", "", ""}));
    EXPECT_EQ(CellNumber(1), "  ");

    for (int i = 0; i < 6; ++i) {
        Start();
    }
    const std::vector<int> numbers = ListedNumbers(view());
    ASSERT_EQ(numbers.size(), 7u);
    EXPECT_EQ(view().ListSelection(Control::lstHistory), 6);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"7", "6", "5", "4", "3"}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(std::stoi(CellNumber(i)), numbers[static_cast<std::size_t>(6 - i)]) << "cell " << i;
    }
    // The history digits are the digit colour at the history origins, on the cell's own colour.
    EXPECT_EQ(CellShown(0).At(0, 30), (Pixel{0xC0, 0, 0, 0}));
    EXPECT_EQ(CellShown(2).At(0, 30), (Pixel{0, 0, 0, 0}));
}

TEST_F(StartSequenceTest, GameEndsAtItsHighestNumber)
{
    WriteIni({{"NumMax", "3"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    Start();
    Start();
    EXPECT_TRUE(messages().Messages().empty());
    Start();
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].text, kEndOfGame);
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Notice);
    EXPECT_EQ(sound().PlayedFiles().size(), 3u) << "the chime plays before the closing message too";
    std::vector<int> numbers = ListedNumbers(view());
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));

    EXPECT_FALSE(view().IsEnabled(Control::cmdStart));
    EXPECT_TRUE(view().IsEffectivelyEnabled(Control::cmdReset));
    view().Click(Control::cmdStart);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 3);
    EXPECT_TRUE(view().ClickWithMouse(Control::cmdSetting));
    EXPECT_EQ(dialog().Runs(), 1);
    EXPECT_TRUE(view().ClickWithMouse(Control::cmdHistBack));
}

class GameKeepsItsHighestNumber : public StartSequenceTest,
                                  public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(GameKeepsItsHighestNumber, WhenTheSettingChanges)
{
    const std::int16_t newNumMax = GetParam();
    WriteIni({{"NumMax", "10"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    for (int i = 0; i < 6; ++i) {
        Start();
    }
    dialog().SetEdit([&](CConfig& config) { config.SetNumMax(newNumMax); });
    view().ClickWithMouse(Control::cmdSetting);
    for (int i = 0; i < 20 && view().IsEnabled(Control::cmdStart); ++i) {
        Start();
    }
    std::vector<int> numbers = ListedNumbers(view());
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // The notice that the new highest number waits for the next game, then the game's end.
    EXPECT_EQ(messages().Messages().size(), 2u);

    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    for (int i = 0; i < 60 && view().IsEnabled(Control::cmdStart); ++i) {
        Start();
    }
    EXPECT_EQ(view().ListCount(Control::lstHistory), newNumMax)
        << "the reset game has the new highest number";
}

INSTANTIATE_TEST_SUITE_P(StartSequenceTest, GameKeepsItsHighestNumber,
                         ::testing::Values(std::int16_t{4}, std::int16_t{40}));

TEST_F(StartSequenceTest, EveryPressSeedsAfresh)
{
    WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    EXPECT_EQ(platform_->entropy.Calls(), 0) << "not seeded at start-up";
    Start();
    Start();
    Start();
    EXPECT_EQ(platform_->entropy.Calls(), 3);
}

TEST_F(StartSequenceTest, GameWithoutNumbersKeepsStartClosedAndNeverHangs)
{
    WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
    ASSERT_TRUE(Load());
    for (std::int16_t numMax : {std::int16_t{0}, std::int16_t{-5}}) {
        dialog().SetEdit([&](CConfig& config) { config.SetNumMax(numMax); });
        view().ClickWithMouse(Control::cmdSetting);
        messages().QueueAnswer(MessageAnswer::Yes);
        view().ClickWithMouse(Control::cmdReset);
        EXPECT_FALSE(view().IsEnabled(Control::cmdStart)) << numMax;
        view().Click(Control::cmdStart);
        window().OnClick(Control::cmdStart);
        EXPECT_EQ(view().ListCount(Control::lstHistory), 0);
        EXPECT_TRUE(sound().Beeps().empty());
    }
}

}  // namespace
}  // namespace palvo::testing
