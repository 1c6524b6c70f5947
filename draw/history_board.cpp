#include "draw/history_board.h"

#include <algorithm>
#include <string>

#include "platform/control_id.h"
#include "texts/japanese.h"

namespace palvo {

void HistoryBoard::PageBack()
{
    if (record_.SetHistViewPos(static_cast<std::int16_t>(record_.HistViewPos() - 1))) {
        DrawHistBoard();
    }
}

void HistoryBoard::PageForward()
{
    if (record_.SetHistViewPos(static_cast<std::int16_t>(record_.HistViewPos() + 1))) {
        DrawHistBoard();
    }
}

void HistoryBoard::DrawHistBoard()
{
    for (int i = 0; i < DrawRecord::kCellsPerView; ++i) {
        images_.DrawHistNum(static_cast<std::int16_t>(i), record_.ViewRead(i));
        view_.SetText(ControlId(Control::lblistNum, i), std::to_string(record_.HistViewPos() - i));
    }
}

void HistoryBoard::ShowNewest()
{
    record_.ViewNewest();
    const int cells = std::min<int>(record_.DrawnCount(), DrawRecord::kCellsPerView);
    for (int i = 0; i < cells; ++i) {
        images_.DrawHistNum(static_cast<std::int16_t>(i), record_.NewestFirst(i));
        view_.SetText(ControlId(Control::lblistNum, i), std::to_string(record_.DrawnCount() - i));
    }
}

void HistoryBoard::ShowNewestOnly()
{
    ShowNewest();
    for (int i = record_.DrawnCount(); i < DrawRecord::kCellsPerView; ++i) {
        PictureSurface& cell = view_.Picture(ControlId(Control::picHistNum, i));
        cell.Clear();
        cell.Refresh();
        view_.SetText(ControlId(Control::lblistNum, i), "");
    }
}

bool HistoryBoard::Reset(std::int16_t numMax)
{
    if (messages_.Show(texts::kResetQuestion, MessageStyle::Question) != MessageAnswer::Yes) {
        return false;
    }
    record_.Create(numMax);
    view_.ListClear(Control::lstHistory);
    images_.RestoreBackground();
    images_.RefreshPicNum();
    for (int i = 0; i < DrawRecord::kCellsPerView; ++i) {
        PictureSurface& cell = view_.Picture(ControlId(Control::picHistNum, i));
        cell.Clear();
        cell.Refresh();
        view_.SetText(ControlId(Control::lblistNum, i), "");
    }
    // A game without any number to draw (a highest number below 1) keeps Start closed.
    view_.SetEnabled(Control::cmdStart, !record_.IsComplete());
    view_.SetEnabled(Control::picHist, true);
    return true;
}

}  // namespace palvo
