#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/operator_window.h"
#include "cards/card_check.h"
#include "display/audience_board.h"
#include "display/audience_frame.h"
#include "display/qr_picture.h"
#include "draw/game_listener.h"
#include "draw/game_state.h"
#include "platform/audience_window.h"
#include "platform/clock.h"

namespace palvo {

// The players' display: follows the game's published state and shows it in the audience window
// while that is open; the listener call after the settings dialog brings a new digit colour. It
// acts on the game only as the operator's Start key would (the operator's window decides whether
// Start may be pressed now), and stores only its board layout (F8 in its window: rows of ten or
// the five columns of the cards, B I N G O) in a file of its own beside palvo.ini.
class AudienceDisplay final : public GameListener, public AudienceWindowEvents {
public:
    static constexpr std::string_view kFileName = "palvo-audience.ini";

    // `operatorWindow` supplies the game, the digit colour and the operator's layout; it, `window`
    // and `clock` must outlive this display. The board layout is kept in `settingsFolder`
    // (nowhere when empty).
    AudienceDisplay(AudienceWindow& window, OperatorWindow& operatorWindow, Clock& clock,
                    std::string settingsFolder);
    ~AudienceDisplay() override;

    AudienceDisplay(const AudienceDisplay&) = delete;
    AudienceDisplay& operator=(const AudienceDisplay&) = delete;

    // The operator's key: opens the window on the game as it stands, or closes it. Does nothing
    // before the operator's window has started up or after it has closed.
    void Toggle();
    [[nodiscard]] bool IsOpen() const { return window_.IsOpen(); }

    // Shows `code` and `address` (the players' web page) in a corner from now on; nothing takes
    // them away.
    void ShowAddress(std::optional<QrModules> code, std::string address = {});

    // The proof for the hall: `verdict`'s card fills the open window until 20 seconds have
    // passed on the clock or a key is pressed in the window; then the board is back. False (and
    // nothing shown) while the window is closed or for a verdict without a card.
    bool ShowCardProof(const CardVerdict& verdict);
    [[nodiscard]] bool ShowsCardProof() { return proof_.Shown(clock_.TickCount()) != nullptr; }

    // The board in the five columns of the cards (B I N G O) rather than rows of ten; a highest
    // number that has no cards keeps the rows.
    [[nodiscard]] bool InColumns() const { return inColumns_; }
    // `observer` learns the layout after every switch (the players' phones follow the hall);
    // null stops it.
    void SetColumnsObserver(std::function<void(bool inColumns)> observer)
    {
        columnsObserver_ = std::move(observer);
    }

    void OnSettingsRefreshed() override;

    void OnAudienceResized() override;
    void OnAudienceClosed() override {}
    void OnAudiencePaint() override;
    // Leaves the operator's buttons and history cells free where the screen allows.
    PixelRect OnAudiencePlace(const SharedScreen& screen, std::int32_t clientWidth,
                              std::int32_t clientHeight) override;
    void OnAudienceStartKey() override;
    bool OnAudienceKey(AudienceKey key) override;
    void OnAudienceWake() override;

private:
    // What the next paint must compose.
    enum class Pending { Nothing, Number, Everything };

    void OnState(const std::shared_ptr<const GameState>& state);
    // Everything the board shows, taken from `state`; the big digits show its newest number.
    void Rebuild(const GameState& state);
    void Redraw();

    AudienceWindow& window_;
    OperatorWindow& operator_;
    Clock& clock_;
    std::string settingsFolder_;
    bool inColumns_ = false;
    std::function<void(bool)> columnsObserver_;
    CardProof proof_;
    PixelBuffer proofFrame_;
    bool proofOnScreen_ = false;                 // the window shows the proof, not the board
    std::shared_ptr<const GameState> followed_;  // the state the board was last brought up to
    std::size_t watch_ = 0;
    AudienceBoard board_;
    AudienceFrame frame_;
    std::optional<QrModules> address_;
    std::string addressText_;
    Pending pending_ = Pending::Nothing;
    std::int32_t scale_ = 1;  // window pixels per frame pixel of the frame last composed
};

}  // namespace palvo
