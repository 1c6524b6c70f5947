#pragma once

#include <cstdint>
#include <string>

#include "display/bitmap_preparation.h"
#include "display/digit_rendering.h"
#include "platform/clock.h"
#include "platform/main_window_view.h"

namespace palvo {

// The timing probe that paints the idle display, and the test controls out of the operator's reach.
class AuxiliaryControls {
public:
    AuxiliaryControls(MainWindowView& view, Clock& clock, BitmapPreparation& images, DigitRenderer& renderer,
                      std::int32_t& timerCount)
        : view_(view), clock_(clock), images_(images), renderer_(renderer), timerCount_(timerCount)
    {
    }

    // Paints both digit places with every segment lit over the bare background and writes the time
    // taken into lbTime as "<ms> msec". A bar that cannot be placed stops it before anything
    // reaches the screen, leaving picBase and lbTime as they were; returns false then.
    bool DrawAllSegments();

    // Timer1: counts 1 ... 99 and round again from 1, showing the count in txtNum as two digits.
    void Timer1_Timer();

    // Command1 switches Timer1 on, Command3 off.
    void Command1_Click() { view_.SetTimerEnabled(Control::Timer1, true); }
    void Command3_Click() { view_.SetTimerEnabled(Control::Timer1, false); }

    // Command2: shows the bare background; the record and the board stay.
    void Command2_Click();

    // Command4: runs the probe, then paints 66 into history cell 0 without touching its label.
    void Command4_Click();

    // "00" formatting: at least two digits with a leading zero.
    static std::string TwoDigits(std::int32_t value);

private:
    MainWindowView& view_;
    Clock& clock_;
    BitmapPreparation& images_;
    DigitRenderer& renderer_;
    std::int32_t& timerCount_;
};

}  // namespace palvo
