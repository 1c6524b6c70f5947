#pragma once

#include <cstdint>

#include "display/bitmap_preparation.h"
#include "draw/draw_record.h"
#include "platform/main_window_view.h"
#include "platform/message_boxes.h"

namespace palvo {

// The five history cells with their ordinal labels: paging through the draws one ordinal at a
// time, showing the newest draws, and starting a new game.
class HistoryBoard {
public:
    HistoryBoard(MainWindowView& view, MessageBoxes& messages, DrawRecord& record, BitmapPreparation& images)
        : view_(view), messages_(messages), record_(record), images_(images)
    {
    }

    // cmdHistBack: shows one older ordinal per cell; changes nothing when the oldest view
    // (ordinals 5 ... 1) is already shown or fewer than six numbers are drawn.
    void PageBack();

    // cmdHistForward: shows one newer ordinal per cell; changes nothing at the newest view.
    void PageForward();

    // cmdReset: asks whether to reset; on Yes starts a new game of `numMax` numbers with a blank
    // board and a bare background and re-opens Start. Returns whether the game was reset, which
    // those who follow the game must then hear.
    [[nodiscard]] bool Reset(std::int16_t numMax);

    // Paints all five cells and labels from the current view. Precondition: 5 <= HistViewPos <= DrawnCount.
    void DrawHistBoard();

    // Returns the view to the newest draw and paints the cells that have a number (at most five)
    // with their labels; cells beyond the drawn count are left as they are.
    void ShowNewest();

    // As ShowNewest, and blanks the cells without a number (after a number was taken back).
    void ShowNewestOnly();

private:
    MainWindowView& view_;
    MessageBoxes& messages_;
    DrawRecord& record_;
    BitmapPreparation& images_;
};

}  // namespace palvo
