#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/operator_window.h"
#include "display/audience_board.h"
#include "display/audience_frame.h"
#include "display/qr_picture.h"
#include "draw/game_listener.h"
#include "draw/game_state.h"
#include "platform/audience_window.h"

namespace palvo {

// The players' display: follows the game's published state and shows it in the audience window
// while that is open; the listener call after the settings dialog brings a new digit colour. It
// acts on the game only as the operator's Start key would (the operator's window decides whether
// Start may be pressed now), and stores nothing.
class AudienceDisplay final : public GameListener, public AudienceWindowEvents {
public:
    // `operatorWindow` supplies the game, the digit colour and the operator's layout; both it and
    // `window` must outlive this display.
    AudienceDisplay(AudienceWindow& window, OperatorWindow& operatorWindow);
    ~AudienceDisplay() override;

    AudienceDisplay(const AudienceDisplay&) = delete;
    AudienceDisplay& operator=(const AudienceDisplay&) = delete;

    // The operator's key: opens the window on the game as it stands, or closes it. Does nothing
    // before the operator's window has started up or after it has closed.
    void Toggle();
    [[nodiscard]] bool IsOpen() const { return window_.IsOpen(); }

    // Shows `code` (the address of the players' web page) in a corner from now on; nothing takes it away.
    void ShowAddress(std::optional<QrModules> code);

    void OnSettingsRefreshed() override;

    void OnAudienceResized() override;
    void OnAudienceClosed() override {}
    void OnAudiencePaint() override;
    // Leaves the operator's buttons and history cells free where the screen allows.
    PixelRect OnAudiencePlace(const SharedScreen& screen, std::int32_t clientWidth,
                              std::int32_t clientHeight) override;
    void OnAudienceStartKey() override;

private:
    // What the next paint must compose.
    enum class Pending { Nothing, Number, Everything };

    void OnState(const std::shared_ptr<const GameState>& state);
    // Everything the board shows, taken from `state`; the big digits show its newest number.
    void Rebuild(const GameState& state);
    void Redraw();

    AudienceWindow& window_;
    OperatorWindow& operator_;
    std::shared_ptr<const GameState> followed_;  // the state the board was last brought up to
    std::size_t watch_ = 0;
    AudienceBoard board_;
    AudienceFrame frame_;
    std::optional<QrModules> address_;
    Pending pending_ = Pending::Nothing;
    std::int32_t scale_ = 1;  // window pixels per frame pixel of the frame last composed
};

}  // namespace palvo
