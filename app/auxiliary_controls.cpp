#include "app/auxiliary_controls.h"

#include <string>

#include "texts/japanese.h"

namespace palvo {
namespace {

constexpr std::int32_t kHighestTimerCount = 99;
constexpr std::int16_t kProbeNumber = 66;

}  // namespace

bool AuxiliaryControls::DrawAllSegments()
{
    const std::uint32_t start = clock_.TickCount();
    images_.RestoreBackground();
    for (std::int16_t segment = 0; segment < 3; ++segment) {
        if (!renderer_.DrawNumBar(BarOrientation::Horizontal, segment, Place::One) ||
            !renderer_.DrawNumBar(BarOrientation::Horizontal, segment, Place::Ten)) {
            return false;
        }
    }
    for (std::int16_t segment = 0; segment < 4; ++segment) {
        if (!renderer_.DrawNumBar(BarOrientation::Vertical, segment, Place::One) ||
            !renderer_.DrawNumBar(BarOrientation::Vertical, segment, Place::Ten)) {
            return false;
        }
    }
    images_.RefreshPicNum();
    const std::uint32_t elapsed = clock_.TickCount() - start;
    view_.SetText(Control::lbTime, std::to_string(elapsed) + std::string(texts::kMillisecondsSuffix));
    return true;
}

std::string AuxiliaryControls::TwoDigits(std::int32_t value)
{
    std::string text = std::to_string(value);
    if (value >= 0 && text.size() < 2) {
        text.insert(0, 1, '0');
    }
    return text;
}

void AuxiliaryControls::Timer1_Timer()
{
    if (timerCount_ >= kHighestTimerCount) {
        timerCount_ = 0;
    }
    ++timerCount_;
    view_.SetText(Control::txtNum, TwoDigits(timerCount_));
}

void AuxiliaryControls::Command2_Click()
{
    images_.RestoreBackground();
    images_.RefreshPicNum();
}

void AuxiliaryControls::Command4_Click()
{
    DrawAllSegments();
    images_.DrawHistNum(0, kProbeNumber);
}

}  // namespace palvo
