#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/auto_caller.h"
#include "app/main_window.h"
#include "app/panel_settings.h"
#include "draw/draw_record.h"
#include "draw/game_listener.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/operator_panel_view.h"

namespace palvo {

// Which rule a typed number broke, if any.
enum class EntryRule {
    Accepted,
    Empty,          // nothing typed
    NotANumber,     // anything but digits (full-width digits count as digits)
    OutOfRange,     // not within 1 ... NumMax
    AlreadyCalled,  // drawn in this game already
};

struct EntryCheck {
    EntryRule rule = EntryRule::Empty;
    std::int16_t number = 0;  // the number read (Accepted, AlreadyCalled)
};

// Reads what the operator typed (spaces around it ignored) against the game in `record`.
[[nodiscard]] EntryCheck CheckEntry(std::string_view text, const DrawRecord& record);
// The operator's words for a refused entry; empty for an accepted one.
std::string EntryMessage(const EntryCheck& check, std::int16_t numMax);

// The operator's panel (操作パネル): numbers typed in from a ball machine, taking back the
// newest number, and calling automatically. It changes the game only through the operator's
// window, and follows the game as a listener (added to that window).
class OperatorPanel final : public OperatorPanelEvents, public GameListener {
public:
    // `game`, `view`, `messages` and `clock` must outlive the panel; its file is in
    // `settingsFolder`.
    OperatorPanel(OperatorPanelView& view, MainWindow& game, MessageBoxes& messages, Clock& clock,
                  std::string settingsFolder);
    ~OperatorPanel() override;

    OperatorPanel(const OperatorPanel&) = delete;
    OperatorPanel& operator=(const OperatorPanel&) = delete;

    // F2: opens the panel where it was last, or closes it (keeping its place and choices).
    void Toggle();
    // Closes it with the operator's window; its place and choices are kept.
    void Close();

    // The operator pressed Start himself: the automatic caller stops.
    void OnOperatorStart();

    const AutoCaller& Auto() const { return auto_; }

    void OnPanelShow() override;
    void OnPanelTakeBack() override;
    void OnPanelAutoToggled() override;
    void OnPanelIntervalChanged() override;
    void OnPanelStartKey() override;
    void OnPanelTick() override;
    void OnPanelCloseRequest() override { Close(); }

    void OnNumberDrawn(const DrawRecord& record) override;
    void OnNumberTakenBack(const DrawRecord& record, std::int16_t number) override;
    void OnGameReset(const DrawRecord& record) override;
    void OnGameResumed(const DrawRecord& record) override;

private:
    void StopAuto(std::string_view why);
    void ShowState();
    // The game cannot take a press now: a sequence, a dialog or a question of either window.
    bool Blocked() const { return game_.IsBusy() || asking_; }

    OperatorPanelView& view_;
    MainWindow& game_;
    MessageBoxes& messages_;
    std::string folder_;
    PanelSettings settings_;
    AutoCaller auto_;
    bool asking_ = false;  // the panel's own question is open
};

}  // namespace palvo
