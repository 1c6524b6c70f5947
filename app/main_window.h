#pragma once

#include <string_view>

#include "platform/main_window_view.h"
#include "platform/platform_services.h"

namespace palvo {

// The number caller's main window logic: start-up and shut-down, the Start sequence, the
// history board, the test controls and the refresh after the settings dialog. It owns the two
// process-wide objects (the configuration store and the layout metrics), the draw record and
// the pixel buffers, and reaches the screen only through `view` and `services`.
//
// Use: construct, call FormLoad(); when it returns false start-up failed (its one warning has
// been shown, the settings were written, the window was never shown) and the program ends.
// Otherwise run the platform's event loop; the view reports events through MainWindowEvents.
class MainWindow : public MainWindowEvents {
public:
    MainWindow(MainWindowView& view, PlatformServices& services);
    ~MainWindow() override;

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Start-up: read settings, lay out, prepare the images, show the window, paint the idle display.
    bool FormLoad();

    void OnClick(std::string_view name) override;
    void OnActivate() override;
    void OnTimer(std::string_view name) override;
    bool OnCloseRequest() override;
    void OnClosed() override;

private:
    struct State;
    MainWindowView& view_;
    PlatformServices& services_;
    State* state_;  // replaced by the owner of this class's implementation
};

}  // namespace palvo
