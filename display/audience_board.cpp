#include "display/audience_board.h"

#include <algorithm>
#include <cmath>

namespace palvo {

void AudienceBoard::Rebuild(std::int16_t numMax, std::span<const std::int16_t> called)
{
    numMax_ = std::clamp<std::int16_t>(numMax, 0, kMaxCells);
    called_.assign(static_cast<std::size_t>(numMax_) + 1, false);
    calledCount_ = 0;
    newest_.reset();
    for (const std::int16_t number : called) {
        if (number >= 1 && number <= numMax_ && !called_[static_cast<std::size_t>(number)]) {
            called_[static_cast<std::size_t>(number)] = true;
            ++calledCount_;
        }
    }
    if (!called.empty()) {
        newest_ = called.back();
    }
    current_ = newest_;
    complete_ = std::ssize(called) >= numMax;
}

bool AudienceBoard::IsCalled(std::int16_t number) const
{
    return number >= 1 && number <= numMax_ && called_[static_cast<std::size_t>(number)];
}

std::int16_t AudienceBoard::Rows() const
{
    if (!bands_.empty()) {
        return static_cast<std::int16_t>(bands_.size());
    }
    return static_cast<std::int16_t>(std::max(1, (numMax_ + kColumns - 1) / kColumns));
}

namespace {

// Design units of the whole display; the window shows them scaled by one factor.
constexpr double kDesignWidth = 20.0;
constexpr double kDesignHeight = 11.0;

// Area edges in design units.
constexpr double kMargin = 0.5;
constexpr double kLeftPanelRight = 9.0;
constexpr double kNumberBottom = 7.8;
constexpr double kCountTop = 8.3;
constexpr double kBoardLeft = 9.5;
constexpr std::int16_t kBoardRowsDesigned = 10;

std::int32_t Round(double value)
{
    return static_cast<std::int32_t>(std::lround(value));
}

// The largest digit pair with bars of the operator's proportions (thickness a fifth of the
// length) that fits `width` x `height` with a gap of a third of a bar between the digits.
DigitShape FitDigitPair(std::int32_t width, std::int32_t height, double thicknessShare,
                        std::int32_t minThickness)
{
    DigitShape shape;
    const auto shapeFor = [&](std::int32_t length) {
        DigitShape s;
        s.length = length;
        s.thickness = std::max(minThickness, Round(length * thicknessShare));
        s.space = std::max(1, Round(length / 60.0));
        return s;
    };
    const auto pairWidth = [](const DigitShape& s) { return 2 * s.Width() + s.length / 3; };
    std::int32_t length = std::max(1, std::min(width, height));
    while (length > 1) {
        shape = shapeFor(length);
        if (pairWidth(shape) <= width && shape.Height() <= height) {
            return shape;
        }
        // Shrinks fast when far off, by single pixels near the answer.
        const double scale = std::min(static_cast<double>(width) / pairWidth(shape),
                                      static_cast<double>(height) / shape.Height());
        length = std::min(length - 1, static_cast<std::int32_t>(length * scale));
    }
    return shapeFor(std::max(length, 1));
}

}  // namespace

PixelRect AudienceLayout::Cell(std::int16_t boardNumber) const
{
    for (std::size_t row = 0; row < bands.size(); ++row) {
        if (boardNumber >= bands[row].first && boardNumber <= bands[row].last) {
            const PixelRect label = LabelCell(row);
            return PixelRect{label.x + (boardNumber - bands[row].first + 1) * cellPitch, label.y, cellSize,
                             cellSize};
        }
    }
    const int index = boardNumber - 1;
    return PixelRect{board.x + (index % AudienceBoard::kColumns) * cellPitch,
                     board.y + (index / AudienceBoard::kColumns) * cellPitch, cellSize, cellSize};
}

PixelRect AudienceLayout::LabelCell(std::size_t row) const
{
    return PixelRect{board.x, board.y + static_cast<std::int32_t>(row) * cellPitch, cellSize, cellSize};
}

AudienceLayout LayOutAudience(std::int32_t width, std::int32_t height, std::span<const BoardBand> bands)
{
    if (bands.empty() || std::ssize(bands) > kBoardRowsDesigned) {
        return AudienceLayout{};
    }
    AudienceLayout layout = LayOutAudience(width, height, kBoardRowsDesigned);
    if (layout.cellPitch == 0) {
        return layout;
    }
    std::int32_t across = 1;
    for (const BoardBand& band : bands) {
        across = std::max(across, band.last - band.first + 2);
    }
    const std::int32_t boardWidth = AudienceBoard::kColumns * layout.cellPitch;
    const std::int32_t pitch = std::max(1, boardWidth / across);
    const auto rows = static_cast<std::int32_t>(bands.size());
    layout.cellPitch = pitch;
    layout.cellSize = std::max(1, pitch - std::max(1, pitch / 12));
    // The rows stand in the middle of the height designed for ten.
    const std::int32_t designedHeight = kBoardRowsDesigned * (boardWidth / AudienceBoard::kColumns);
    layout.board =
        PixelRect{layout.board.x, layout.board.y + (designedHeight - rows * pitch) / 2,
                  across * pitch - (pitch - layout.cellSize), rows * pitch - (pitch - layout.cellSize)};
    layout.cellDigit = FitDigitPair(layout.cellSize * 4 / 5, layout.cellSize * 3 / 5, 0.25, 2);
    layout.bands.assign(bands.begin(), bands.end());
    return layout;
}

AudienceLayout LayOutAudience(std::int32_t width, std::int32_t height, std::int16_t rows)
{
    AudienceLayout layout;
    if (width < 1 || height < 1) {
        return layout;
    }
    rows = std::clamp<std::int16_t>(rows, 1, kBoardRowsDesigned);
    // Cells take whole pixels, so the unit is the cell pitch and the whole layout is built around it.
    const std::int32_t pitch =
        std::max(1, static_cast<std::int32_t>(std::min(width / kDesignWidth, height / kDesignHeight)));
    const double unit = pitch;
    const std::int32_t contentWidth = Round(kDesignWidth * unit);
    const std::int32_t contentHeight = Round(kDesignHeight * unit);
    layout.content =
        PixelRect{(width - contentWidth) / 2, (height - contentHeight) / 2, contentWidth, contentHeight};
    const auto at = [&](double x, double y, double right, double bottom) {
        const std::int32_t left = layout.content.x + Round(x * unit);
        const std::int32_t top = layout.content.y + Round(y * unit);
        return PixelRect{left, top, layout.content.x + Round(right * unit) - left,
                         layout.content.y + Round(bottom * unit) - top};
    };

    layout.number = at(kMargin, kMargin, kLeftPanelRight, kNumberBottom);
    layout.digit = FitDigitPair(layout.number.width, layout.number.height, 0.2, 1);
    const std::int32_t pairWidth = 2 * layout.digit.Width() + layout.digit.length / 3;
    layout.tenX = layout.number.x + (layout.number.width - pairWidth) / 2;
    layout.oneX = layout.tenX + layout.digit.Width() + layout.digit.length / 3;
    layout.digitY = layout.number.y + (layout.number.height - layout.digit.Height()) / 2;

    layout.count = at(kMargin, kCountTop, kLeftPanelRight, kDesignHeight - kMargin);
    // "23 / 72" takes a little over half the row; the end mark the rest.
    layout.countDigit = FitDigitPair(layout.count.width * 2 / 9, layout.count.height, 0.2, 1);

    layout.cellPitch = pitch;
    layout.cellSize = std::max(1, pitch - std::max(1, pitch / 12));
    const std::int32_t boardLeft = layout.content.x + Round(kBoardLeft * unit);
    const std::int32_t boardTop =
        layout.content.y + Round(kMargin * unit) + (kBoardRowsDesigned - rows) * pitch / 2;
    layout.board = PixelRect{boardLeft, boardTop, AudienceBoard::kColumns * pitch - (pitch - layout.cellSize),
                             rows * pitch - (pitch - layout.cellSize)};
    // Cell digits are thicker than the operator's for reading from afar.
    layout.cellDigit = FitDigitPair(layout.cellSize * 4 / 5, layout.cellSize * 3 / 5, 0.25, 2);
    return layout;
}

}  // namespace palvo
