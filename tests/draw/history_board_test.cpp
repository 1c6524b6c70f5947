#include "draw/history_board.h"

#include <gtest/gtest.h>

#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

using Strings = std::vector<std::string>;

class HistoryBoardTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        WriteIni({{"NumMax", "9"}, {"RhythmFast", "5"}, {"RhythmSlow", "1"}});
        ASSERT_TRUE(Load());
    }

    void Draw(int count)
    {
        for (int i = 0; i < count; ++i) {
            Start();
        }
    }

    // The drawn number of each ordinal, as the list shows it ("3:  7" gives " 7").
    std::string Ordinal(int ordinal)
    {
        const std::string& item =
            view().ListItems(Control::lstHistory)[static_cast<std::size_t>(ordinal - 1)];
        return item.substr(item.find(':') + 2);
    }

    void ExpectView(int newest)
    {
        Strings labels;
        Strings cells;
        for (int i = 0; i < 5; ++i) {
            labels.push_back(std::to_string(newest - i));
            cells.push_back(Ordinal(newest - i));
        }
        EXPECT_EQ(Labels(), labels);
        EXPECT_EQ(Cells(), cells);
    }
};

TEST_F(HistoryBoardTest, PagingStopsAtBothEndsWithEightDrawn)
{
    Draw(8);
    ExpectView(8);
    for (int newest : {7, 6, 5}) {
        view().ClickWithMouse(Control::cmdHistBack);
        ExpectView(newest);
    }
    const int paints = view().Surface(ControlId(Control::picHistNum, 0))->RefreshCount();
    view().ClickWithMouse(Control::cmdHistBack);
    ExpectView(5);
    EXPECT_EQ(view().Surface(ControlId(Control::picHistNum, 0))->RefreshCount(), paints)
        << "a refused press paints nothing";
    for (int newest : {6, 7, 8}) {
        view().ClickWithMouse(Control::cmdHistForward);
        ExpectView(newest);
    }
    view().ClickWithMouse(Control::cmdHistForward);
    ExpectView(8);
    EXPECT_TRUE(messages().Messages().empty());
}

TEST_F(HistoryBoardTest, NoPagingUpToFiveDrawn)
{
    for (int drawn = 0; drawn <= 5; ++drawn) {
        const Strings labels = Labels();
        const Strings cells = Cells();
        view().ClickWithMouse(Control::cmdHistBack);
        view().ClickWithMouse(Control::cmdHistForward);
        EXPECT_EQ(Labels(), labels) << drawn;
        EXPECT_EQ(Cells(), cells) << drawn;
        Draw(1);
    }
}

TEST_F(HistoryBoardTest, NextDrawReturnsAPagedBoardToTheNewest)
{
    Draw(7);
    view().ClickWithMouse(Control::cmdHistBack);
    view().ClickWithMouse(Control::cmdHistBack);
    ExpectView(5);
    Draw(1);
    ExpectView(8);
}

TEST_F(HistoryBoardTest, ResetAnsweredNoChangesNothing)
{
    Draw(6);
    view().ClickWithMouse(Control::cmdHistBack);
    const Strings labels = Labels();
    const Strings cells = Cells();
    const std::string big = BigNumber();
    messages().QueueAnswer(MessageAnswer::No);
    view().ClickWithMouse(Control::cmdReset);
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].text, kResetQuestion);
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Question);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 6);
    EXPECT_EQ(Labels(), labels);
    EXPECT_EQ(Cells(), cells);
    EXPECT_EQ(BigNumber(), big);
    view().ClickWithMouse(Control::cmdHistForward);
    ExpectView(6);
}

TEST_F(HistoryBoardTest, ResetAnsweredYesAfterACompleteGameStartsAfresh)
{
    Draw(9);
    ASSERT_FALSE(view().IsEnabled(Control::cmdStart));
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 0);
    EXPECT_EQ(Labels(), Strings(5, ""));
    EXPECT_EQ(Cells(), Strings(5, "  "));
    EXPECT_EQ(CellShown(0).At(40, 8), (Pixel{0xC0, 0, 0, 0}));
    EXPECT_EQ(BigNumber(), "  ");
    EXPECT_EQ(BaseShown(), Background(800, 600)) << "the bare background";
    EXPECT_TRUE(view().IsEnabled(Control::cmdStart));

    Draw(1);
    EXPECT_EQ(view().ListItems(Control::lstHistory)[0].substr(0, 3), "1: ");
    EXPECT_EQ(Labels(), (Strings{"1", "", "", "", ""}));
    Draw(5);
    view().ClickWithMouse(Control::cmdHistBack);
    ExpectView(5);
}

TEST_F(HistoryBoardTest, ResetIsAskedAlsoBeforeAnyDraw)
{
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    EXPECT_EQ(messages().Messages().size(), 1u);
    EXPECT_TRUE(view().IsEnabled(Control::cmdStart));
}

}  // namespace
}  // namespace palvo::testing
