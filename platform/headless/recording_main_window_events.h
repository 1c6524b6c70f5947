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
    void OnClick(std::string_view name) override { clicks.emplace_back(name); }
    void OnActivate() override { ++activations; }
    void OnTimer(std::string_view name) override { timers.emplace_back(name); }
    bool OnCloseRequest() override
    {
        ++closeRequests;
        return allowClose;
    }
    void OnClosed() override { ++closed; }

    std::vector<std::string> clicks;
    std::vector<std::string> timers;
    int activations = 0;
    int closeRequests = 0;
    int closed = 0;
    bool allowClose = true;
};

}  // namespace palvo
