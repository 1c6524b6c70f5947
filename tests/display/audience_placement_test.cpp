#include "display/audience_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "display/main_window_layout.h"

namespace palvo {
namespace {

int Covered(const PixelRect& place, const std::vector<PixelRect>& controls)
{
    int covered = 0;
    for (const PixelRect& c : controls) {
        const bool apart =
            place.Right() <= c.x || c.Right() <= place.x || place.Bottom() <= c.y || c.Bottom() <= place.y;
        covered += apart ? 0 : 1;
    }
    return covered;
}

// The operator's window (800 x 630 with its frame) at every usual place of every usual screen:
// the players' window leaves the buttons and history cells free wherever the screen allows,
// which a search of every place (in steps of 2 pixels) decides on its own.
TEST(AudiencePlacement, LeavesTheOperatorsControlsFreeWhereTheScreenAllowsElseCoversTheFewest)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    constexpr std::int32_t kLeft = 4, kTop = 30, kRight = 4, kBottom = 4;
    constexpr std::int32_t kClientWidth = 960, kClientHeight = 540;
    struct Screen {
        std::int32_t width, height, panel;  // a task bar of `panel` pixels at the bottom
    };
    int freeAtFullSize = 0;
    int shrunk = 0;
    for (const Screen screen : {Screen{1024, 768, 0}, Screen{1024, 768, 40}, Screen{1920, 1080, 40},
                                Screen{1366, 768, 30}, Screen{1280, 1024, 0}, Screen{800, 600, 0}}) {
        const PixelRect work{0, 0, screen.width, screen.height - screen.panel};
        const std::int32_t freeX = std::max(0, work.width - layout.outerWidth);
        const std::int32_t freeY = std::max(0, work.height - layout.outerHeight);
        for (const auto& [fx, fy] : {std::pair{1, 2}, std::pair{0, 0}, std::pair{2, 0}, std::pair{0, 2},
                                     std::pair{2, 2}, std::pair{1, 0}}) {
            SharedScreen shared;
            shared.workArea = work;
            shared.operatorFrame =
                PixelRect{freeX * fx / 2, freeY * fy / 2, layout.outerWidth, layout.outerHeight};
            shared.operatorClient =
                PixelRect{shared.operatorFrame.x + kLeft, shared.operatorFrame.y + kTop,
                          layout.outerWidth - kLeft - kRight, layout.outerHeight - kTop - kBottom};
            shared.frameLeft = kLeft;
            shared.frameTop = kTop;
            shared.frameRight = kRight;
            shared.frameBottom = kBottom;
            const std::vector<PixelRect> controls = OperatorControls(layout, shared.operatorClient);
            ASSERT_EQ(controls.size(), 10u) << "Start, ←, →, Reset, Settings and five cells";
            const std::string at = std::to_string(screen.width) + "x" + std::to_string(screen.height) +
                                   " operator at " + std::to_string(shared.operatorFrame.x) + "," +
                                   std::to_string(shared.operatorFrame.y);

            const std::int32_t width = std::min(kClientWidth + kLeft + kRight, work.width);
            const std::int32_t height = std::min(kClientHeight + kTop + kBottom, work.height);
            int fewest = 1000;
            for (std::int32_t y = work.y; y + height <= work.Bottom(); y += 2) {
                for (std::int32_t x = work.x; x + width <= work.Right(); x += 2) {
                    fewest = std::min(fewest, Covered(PixelRect{x, y, width, height}, controls));
                }
            }
            const PixelRect place = PlaceAudienceWindow(shared, controls, kClientWidth, kClientHeight);
            EXPECT_TRUE(place.x >= work.x && place.y >= work.y && place.Right() <= work.Right() &&
                        place.Bottom() <= work.Bottom())
                << "on the screen, " << at;
            const bool fullSize = place.width == width && place.height == height;
            if (fewest == 0 || !fullSize) {
                EXPECT_EQ(Covered(place, controls), 0) << at;
                EXPECT_EQ(fullSize, fewest == 0) << "shrunk only when it must, " << at;
                EXPECT_GE(place.width - kLeft - kRight, kClientWidth / 2) << at;
                EXPECT_NEAR((place.width - kLeft - kRight) * kClientHeight,
                            (place.height - kTop - kBottom) * kClientWidth, kClientWidth)
                    << "aspect kept, " << at;
                freeAtFullSize += fullSize;
                shrunk += !fullSize;
            } else {
                EXPECT_LE(Covered(place, controls), fewest) << at;
            }
        }
    }
    EXPECT_GT(freeAtFullSize, 0);
    EXPECT_GT(shrunk, 0) << "the table holds a screen where only a smaller window leaves them free";

    // The reported case: 1024 x 768, the operator's window centred. Nothing of Start, Reset or
    // Settings is under the players' window.
    SharedScreen shared{PixelRect{0, 0, 1024, 768},
                        PixelRect{116, 99, 792, 596},
                        PixelRect{112, 69, 800, 630},
                        kLeft,
                        kTop,
                        kRight,
                        kBottom};
    const std::vector<PixelRect> controls = OperatorControls(layout, shared.operatorClient);
    EXPECT_EQ(Covered(PlaceAudienceWindow(shared, controls, kClientWidth, kClientHeight), controls), 0);
}

TEST(AudiencePlacement, ControlsAreWhereTheOperatorSeesThem)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    const std::vector<PixelRect> controls = OperatorControls(layout, PixelRect{100, 50, 800, 600});
    const ControlLayout* start = layout.Find(Control::cmdStart);
    const ControlLayout* board = layout.Find(Control::picHist);
    const ControlLayout* reset = layout.Find(Control::cmdReset);
    ASSERT_TRUE(start && board && reset);
    EXPECT_NE(std::find(controls.begin(), controls.end(),
                        PixelRect{100 + start->x, 50 + start->y, start->width, start->height}),
              controls.end());
    EXPECT_NE(std::find(controls.begin(), controls.end(),
                        PixelRect{100 + board->x + reset->x, 50 + board->y + reset->y, reset->width,
                                  reset->height}),
              controls.end())
        << "a button on the history board sits inside the board";
}

}  // namespace
}  // namespace palvo
