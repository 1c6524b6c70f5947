#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvo {

// Where the panel's window sits: its top-left corner in screen pixels.
struct PanelPlace {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PanelPlace&) const = default;
};

// The panel's two check boxes.
enum class PanelCheck {
    WithRoll,  // 演出あり: an entered number appears after the usual roll
    Auto,      // 自動: Start is pressed at the set interval
};

// What the operator does in the panel, as its window reports it.
class OperatorPanelEvents {
public:
    virtual ~OperatorPanelEvents() = default;

    // 表示, or Enter in the number field.
    virtual void OnPanelShow() = 0;
    // 取り消し, or Ctrl+Z anywhere in the panel.
    virtual void OnPanelTakeBack() = 0;
    // The 自動 check box changed.
    virtual void OnPanelAutoToggled() = 0;
    // The interval changed.
    virtual void OnPanelIntervalChanged() = 0;
    // Page Down (a presenter's clicker) while the panel has the focus: the operator's Start.
    virtual void OnPanelStartKey() = 0;
    // The panel's timer, several times a second while it is open (also during a Start sequence).
    virtual void OnPanelTick() = 0;
    // The operator closed the window (its close box, F2 in it, its close button).
    virtual void OnPanelCloseRequest() = 0;
};

// The operator's panel window, beside and owned by the operator's window. Its content is a
// column of sections (manual entry, take-back, automatic calling, and those other features add),
// laid out in order; all of it reachable by Tab and by mnemonics.
class OperatorPanelView {
public:
    virtual ~OperatorPanelView() = default;

    virtual void SetEvents(OperatorPanelEvents* events) = 0;

    // Opens the window at `place` (kept on a screen), or beside the operator's window when
    // nullopt, with the keyboard focus in the number field.
    virtual void Open(std::optional<PanelPlace> place) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Where the window is now; nullopt while it is closed.
    virtual std::optional<PanelPlace> Place() const = 0;

    virtual std::string NumberText() const = 0;
    virtual void SetNumberText(std::string_view text) = 0;
    // Gives the number field the focus with its text selected, ready to be typed over.
    virtual void FocusNumber() = 0;

    virtual bool IsChecked(PanelCheck box) const = 0;
    virtual void SetChecked(PanelCheck box, bool checked) = 0;
    // The interval in seconds as the field holds it.
    virtual std::int32_t Interval() const = 0;
    virtual void SetInterval(std::int32_t seconds) = 0;
    virtual void SetTakeBackEnabled(bool enabled) = 0;

    // The line that says what the last action did or why it was refused.
    virtual void SetMessage(std::string_view text) = 0;
    // The automatic caller's countdown or state.
    virtual void SetCountdown(std::string_view text) = 0;
};

}  // namespace palvo
