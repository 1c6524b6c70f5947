#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/main_window_view.h"

namespace palvo {

// Records every event a window view reports, and answers close requests as told; for testing
// a platform's view without the game logic behind it.
class RecordingMainWindowEvents : public MainWindowEvents {
public:
    void OnClick(ControlId button) override { clicks.push_back(button); }
    void OnActivate() override { ++activations; }
    void OnTimer(ControlId timer) override { timers.push_back(timer); }
    bool OnCloseRequest() override
    {
        ++closeRequests;
        return allowClose;
    }
    void OnClosed() override { ++closed; }
    void OnSessionEnd() override { ++sessionEnds; }

    std::vector<ControlId> clicks;
    std::vector<ControlId> timers;
    int activations = 0;
    int closeRequests = 0;
    int closed = 0;
    int sessionEnds = 0;
    bool allowClose = true;
};

}  // namespace palvo
