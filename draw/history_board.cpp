#include "draw/history_board.h"

#include <algorithm>
#include <string>

#include "platform/window_layout.h"

namespace palvo {

bool HistoryBoard::PageBack()
{
    if (!record_.SetHistViewPos(static_cast<std::int16_t>(record_.HistViewPos() - 1))) {
        return false;
    }
    DrawHistBoard();
    return true;
}

bool HistoryBoard::PageForward()
{
    if (!record_.SetHistViewPos(static_cast<std::int16_t>(record_.HistViewPos() + 1))) {
        return false;
    }
    DrawHistBoard();
    return true;
}

void HistoryBoard::DrawHistBoard()
{
    for (int i = 0; i < DrawRecord::kCellsPerView; ++i) {
        images_.DrawHistNum(static_cast<std::int16_t>(i), record_.ViewRead(i));
        view_.SetText(ArrayName("lblistNum", i), std::to_string(record_.HistViewPos() - i));
    }
}

void HistoryBoard::ShowNewest()
{
    record_.ViewNewest();
    const int cells = std::min<int>(record_.DrawnCount(), DrawRecord::kCellsPerView);
    for (int i = 0; i < cells; ++i) {
        images_.DrawHistNum(static_cast<std::int16_t>(i), record_.NewestFirst(i));
        view_.SetText(ArrayName("lblistNum", i), std::to_string(record_.DrawnCount() - i));
    }
}

bool HistoryBoard::Reset(std::int16_t numMax)
{
    if (messages_.Show("リセットします。よろしいですか？", MessageStyle::Question) != MessageAnswer::Yes) {
        return false;
    }
    record_.Create(numMax);
    view_.ListClear("lstHistory");
    images_.RestoreBackground();
    images_.RefreshPicNum();
    for (int i = 0; i < DrawRecord::kCellsPerView; ++i) {
        PictureSurface& cell = view_.Picture(ArrayName("picHistNum", i));
        cell.Clear();
        cell.Refresh();
        view_.SetText(ArrayName("lblistNum", i), "");
    }
    // A game without any number to draw (a highest number below 1) keeps Start closed.
    view_.SetEnabled("cmdStart", !record_.IsComplete());
    view_.SetEnabled("picHist", true);
    listener_.OnGameReset(record_);
    return true;
}

}  // namespace palvo
