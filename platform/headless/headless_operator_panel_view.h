#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/operator_panel_view.h"

namespace palvo {

// The operator's panel in memory: tests type into it, press its buttons through Events(), and
// read what it shows.
class HeadlessOperatorPanelView final : public OperatorPanelView {
public:
    void SetEvents(OperatorPanelEvents* events) override { events_ = events; }
    OperatorPanelEvents* Events() const { return events_; }

    void Open(std::optional<PanelPlace> place) override
    {
        open_ = true;
        place_ = place.value_or(PanelPlace{800, 0});
        openedAt_ = place;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    std::optional<PanelPlace> Place() const override
    {
        return open_ ? std::optional<PanelPlace>(place_) : std::nullopt;
    }
    // The operator drags the window.
    void MoveTo(PanelPlace place) { place_ = place; }
    // Where the last Open was asked to put it (nullopt: beside the operator's window).
    std::optional<PanelPlace> OpenedAt() const { return openedAt_; }

    std::string NumberText() const override { return number_; }
    void SetNumberText(std::string_view text) override { number_ = text; }
    void FocusNumber() override { ++numberFocused_; }
    int NumberFocused() const { return numberFocused_; }

    bool IsChecked(PanelCheck box) const override { return box == PanelCheck::Auto ? auto_ : withRoll_; }
    void SetChecked(PanelCheck box, bool checked) override
    {
        (box == PanelCheck::Auto ? auto_ : withRoll_) = checked;
    }
    std::int32_t Interval() const override { return interval_; }
    void SetInterval(std::int32_t seconds) override { interval_ = seconds; }
    void SetTakeBackEnabled(bool enabled) override { takeBackEnabled_ = enabled; }
    bool TakeBackEnabled() const { return takeBackEnabled_; }

    void SetMessage(std::string_view text) override { message_ = text; }
    const std::string& Message() const { return message_; }
    void SetCountdown(std::string_view text) override { countdown_ = text; }
    const std::string& Countdown() const { return countdown_; }

private:
    OperatorPanelEvents* events_ = nullptr;
    bool open_ = false;
    PanelPlace place_;
    std::optional<PanelPlace> openedAt_;
    std::string number_;
    int numberFocused_ = 0;
    bool withRoll_ = false;
    bool auto_ = false;
    std::int32_t interval_ = 0;
    bool takeBackEnabled_ = false;
    std::string message_;
    std::string countdown_;
};

}  // namespace palvo
