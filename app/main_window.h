#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/auxiliary_controls.h"
#include "app/operator_window.h"
#include "config/config_store.h"
#include "display/bitmap_preparation.h"
#include "display/digit_rendering.h"
#include "display/layout_metrics.h"
#include "draw/draw_record.h"
#include "draw/game_journal.h"
#include "draw/game_listener.h"
#include "draw/game_state.h"
#include "draw/history_board.h"
#include "draw/number_picker.h"
#include "draw/start_sequence.h"
#include "imaging/working_buffers.h"
#include "platform/main_window_view.h"
#include "platform/pixel_buffer.h"
#include "platform/platform_services.h"
#include "platform/window_layout.h"

namespace palvo {

// What became of a number the operator entered or took back.
enum class CallOutcome {
    Done,          // the game follows it
    GameComplete,  // an entered number was the game's last (the closing notice was shown)
    Busy,          // a Start sequence, a question or a dialog is running: nothing changed
    Refused,       // the game does not accept it, or nothing is drawn: nothing changed
};

// Whether an entered number appears after the usual roll or at once.
enum class Rolling { No, Yes };

// The number caller's main window logic: start-up and shut-down, the Start sequence, the
// history board, the test controls and the refresh after the settings dialog. It owns the two
// process-wide objects (the configuration store and the layout metrics), the draw record and
// the pixel buffers, and reaches the screen only through `view` and `services`.
//
// Use: construct, call FormLoad(); when it returns false start-up failed (its one warning has
// been shown, the settings were written, the window was never shown) and the program ends.
// Otherwise run the platform's event loop; the view reports events through MainWindowEvents.
class MainWindow : public MainWindowEvents, public OperatorWindow {
public:
    MainWindow(MainWindowView& view, PlatformServices& services);
    ~MainWindow() override;

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // `listener` follows the game from now on (drawn numbers, resets, refreshed settings); it must
    // outlive this window.
    void AddListener(GameListener& listener) { listeners_.Add(listener); }

    // The game in force, for a follower that joins late.
    const DrawRecord& Record() const { return record_; }

    // The game as every other view reads it: published from start-up on, after the journal has
    // each change.
    const GameStatePublisher& State() const override { return state_; }
    const WindowLayout& Layout() const override { return layout_; }
    std::optional<std::int32_t> NumColor() const override
    {
        return gConfig && !unloaded_ ? std::optional<std::int32_t>(gConfig->NumColor()) : std::nullopt;
    }
    void PressStart() override { OnClick(Control::cmdStart); }

    // True while a handler runs: a Start sequence, a question, a dialog or the closing notice.
    bool IsBusy() const { return busy_ > 0; }

    // Enters `number` (from a ball machine) as the next call, along the path of a drawn number;
    // with Rolling::Yes after the usual roll, which ends on it.
    [[nodiscard]] CallOutcome EnterNumber(std::int16_t number, Rolling rolling);
    // Takes the newest number back (the operator has been asked); a finished game runs again.
    [[nodiscard]] CallOutcome TakeBackNewest();
    // Presses Start for the automatic caller: as the operator's press, without telling the
    // observer of the operator's own presses.
    void PressStartAutomatically();
    // `observer` hears each press of Start by the operator (a click, Space, Page Down), before
    // the sequence runs.
    void SetStartObserver(std::function<void()> observer) { startObserver_ = std::move(observer); }

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
    GameJournal journal_;       // the first listener: a draw is on the disk before anything else follows it
    GameStatePublisher state_;  // the second: what the views read is already safe on the disk
    GameListeners listeners_;
    // The configured background that the shipped picture stands in for (warned once at start-up).
    std::optional<std::string> backgroundStandIn_;
    int busy_ = 0;  // handlers in progress; a close waits until none is
    bool unloaded_ = false;
    bool settingsTooLarge_ = false;  // the settings file was refused for its size at start-up
    bool loading_ = false;           // FormLoad is under way
    bool sessionEnding_ = false;     // nothing may wait on a person any more
    bool windowClosed_ = false;
    std::optional<std::string> closeSaveFailure_;
    std::function<void()> startObserver_;
    bool automaticPress_ = false;
};

}  // namespace palvo
