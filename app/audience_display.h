#pragma once

#include <cstdint>
#include <optional>

#include "app/main_window.h"
#include "display/audience_board.h"
#include "display/audience_frame.h"
#include "display/qr_picture.h"
#include "draw/game_listener.h"
#include "platform/audience_window.h"

namespace palvo {

// The players' display: follows the game through the listener calls and shows it in the
// audience window while that is open. It acts on the game only as the operator's Start key would
// (the operator's window decides whether Start may be pressed now), and stores nothing.
class AudienceDisplay final : public GameListener, public AudienceWindowEvents {
public:
    // `game` supplies the game in force and the digit colour when the window opens; both must
    // outlive this display.
    AudienceDisplay(AudienceWindow& window, MainWindow& game);
    ~AudienceDisplay() override;

    AudienceDisplay(const AudienceDisplay&) = delete;
    AudienceDisplay& operator=(const AudienceDisplay&) = delete;

    // The operator's key: opens the window on the game as it stands, or closes it. Does nothing
    // before the operator's window has started up or after it has closed.
    void Toggle();
    [[nodiscard]] bool IsOpen() const { return window_.IsOpen(); }

    // Shows `code` (the address of the players' web page) in a corner from now on; nothing takes it away.
    void ShowAddress(std::optional<QrModules> code);

    // Shows `record` from now on, as after a game brought back at start-up.
    void Follow(const DrawRecord& record);

    void OnNumberShown(std::int16_t number) override;
    void OnNumberDrawn(const DrawRecord& record) override;
    void OnGameReset(const DrawRecord& record) override;
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

    void Redraw();

    AudienceWindow& window_;
    MainWindow& game_;
    AudienceBoard board_;
    AudienceFrame frame_;
    std::optional<QrModules> address_;
    Pending pending_ = Pending::Nothing;
    std::int32_t scale_ = 1;  // window pixels per frame pixel of the frame last composed
};

}  // namespace palvo
