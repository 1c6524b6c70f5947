#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/auxiliary_controls.h"
#include "config/config_store.h"
#include "display/bitmap_preparation.h"
#include "display/layout_metrics.h"
#include "draw/draw_record.h"
#include "draw/game_journal.h"
#include "draw/game_listener.h"
#include "draw/game_state.h"
#include "draw/history_board.h"
#include "draw/number_picker.h"
#include "draw/start_sequence.h"
#include "imaging/digit_rendering.h"
#include "imaging/pixel_buffer.h"
#include "imaging/working_buffers.h"
#include "platform/main_window_view.h"
#include "platform/platform_services.h"
#include "platform/window_layout.h"

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

    // `listener` follows the game from now on (drawn numbers, resets, refreshed settings); it must
    // outlive this window.
    void AddListener(GameListener& listener) { listeners_.Add(listener); }

    // The game as snapshots any thread may read, for the views that follow it from afar.
    GameStatePublisher& State() { return state_; }

    // The game in force, for a follower that joins late.
    const DrawRecord& Record() const { return record_; }
    // The operator's controls as laid out at start-up (empty before).
    const WindowLayout& Layout() const { return layout_; }
    // The digit colour in force (0x00BBGGRR); nothing before start-up and after unload.
    std::optional<std::int32_t> NumColor() const
    {
        return gConfig && !unloaded_ ? std::optional<std::int32_t>(gConfig->NumColor()) : std::nullopt;
    }

    // Start-up: read settings, lay out, prepare the images, show the window, paint the idle display,
    // and offer to continue a game the journal kept from an earlier run.
    [[nodiscard]] bool FormLoad();

    // Runs the handler of `button`; ignored when the button or a container around it is
    // disabled (a keyboard shortcut must not get past the lock), before start-up and after unload.
    void OnClick(ControlId button) override;
    // Repaints the display surface.
    void OnActivate() override;
    // Timer1 steps the test counter.
    void OnTimer(ControlId timer) override;
    // True unless a handler (a Start sequence, a dialog, a question) is still running; the window
    // then closes itself as soon as that handler has finished.
    bool OnCloseRequest() override;
    // Writes the settings once and releases both process-wide objects; a handler still running
    // stops at its next wait and the objects are released when it has returned.
    void OnClosed() override;
    // Writes the settings now without a warning, leaves an unanswered start-up question's game in
    // the journal for the next start, and closes the window once no handler runs. During start-up
    // the settings are written when start-up has ended.
    void OnSessionEnd() override;

    // The warning of a close whose settings could not be written, for the program's exit status
    // (the warning itself may have gone unseen); nullopt while none failed.
    const std::optional<std::string>& CloseSaveFailure() const { return closeSaveFailure_; }

private:
    // The folder of palvo.ini, where the game journal and the record of past games live too.
    std::string SettingsFolder() const;
    bool LoadAndShow();
    void ResumeLastGame();
    // Tells the operator what the journal could not save since the last time.
    void ReportJournalTroubles();
    void FormUnload();
    void Release();
    bool MayClick(ControlId button) const;
    void ReturnFocusToStart();
    // Runs the handler; true when it showed the operator a question, a dialog or the closing notice.
    bool Dispatch(ControlId button);
    // True when the game ended with this draw (the closing notice was shown).
    bool cmdStart_Click(BitmapPreparation& images, DigitRenderer& renderer, HistoryBoard& board);
    void cmdSetting_Click(BitmapPreparation& images, AuxiliaryControls& auxiliary, HistoryBoard& board);
    void FinishHandler();

    BitmapPreparation Images();
    DigitRenderer Renderer();

    MainWindowView& view_;
    PlatformServices& services_;
    // The two process-wide objects: they exist from start-up to unload.
    std::optional<CConfig> gConfig;
    std::optional<CShared> gShared;
    WorkingBuffers buffers_;
    PixelBuffer BackGroundPixels;
    DrawRecord record_;
    NumberPicker picker_;
    std::int32_t TimerCount = 0;
    WindowLayout layout_;
    WindowLife life_;
    GameJournal journal_;  // the first listener: a draw is on the disk before anything else follows it
    GameListeners listeners_;
    GameStatePublisher state_;
    // The configured background that the shipped picture stands in for (warned once at start-up).
    std::optional<std::string> backgroundStandIn_;
    int busy_ = 0;  // handlers in progress; a close waits until none is
    bool unloaded_ = false;
    bool settingsTooLarge_ = false;  // the settings file was refused for its size at start-up
    bool loading_ = false;           // FormLoad is under way
    bool sessionEnding_ = false;     // nothing may wait on a person any more
    bool windowClosed_ = false;
    std::optional<std::string> closeSaveFailure_;
};

}  // namespace palvo
