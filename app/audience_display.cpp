#include "app/audience_display.h"

#include "display/audience_placement.h"
#include "imaging/dib_access.h"

namespace palvo {
namespace {

// Only the big digits moved on: the same game with a new rolling number.
bool OnlyRolled(const GameState& before, const GameState& now)
{
    return now.rolling && now.game == before.game && now.numMax == before.numMax && now.over == before.over &&
           now.called == before.called;
}

}  // namespace

AudienceDisplay::AudienceDisplay(AudienceWindow& window, OperatorWindow& operatorWindow)
    : window_(window), operator_(operatorWindow), followed_(operatorWindow.State().Snapshot())
{
    window_.SetEvents(this);
    watch_ =
        operator_.State().Watch([this](const std::shared_ptr<const GameState>& state) { OnState(state); });
}

AudienceDisplay::~AudienceDisplay()
{
    operator_.State().Unwatch(watch_);
    window_.SetEvents(nullptr);
}

void AudienceDisplay::Toggle()
{
    if (window_.IsOpen()) {
        window_.Close();
        return;
    }
    if (!operator_.NumColor()) {
        return;
    }
    followed_ = operator_.State().Snapshot();
    Rebuild(*followed_);
    window_.Open();
    Redraw();
}

void AudienceDisplay::ShowAddress(std::optional<QrModules> code)
{
    address_ = std::move(code);
    Redraw();
}

void AudienceDisplay::Rebuild(const GameState& state)
{
    board_.Rebuild(state.numMax, state.called);
}

void AudienceDisplay::OnState(const std::shared_ptr<const GameState>& state)
{
    const bool rolled = OnlyRolled(*followed_, *state);
    followed_ = state;
    if (!rolled) {
        Rebuild(*state);
        Redraw();
        return;
    }
    board_.ShowRolling(*state->rolling);
    if (window_.IsOpen() && pending_ != Pending::Everything) {
        pending_ = Pending::Number;
        const PixelRect area = frame_.Layout().number;
        const std::int32_t scale = scale_;
        window_.Invalidate(
            PixelRect{area.x * scale, area.y * scale, area.width * scale, area.height * scale});
    }
}

void AudienceDisplay::OnSettingsRefreshed()
{
    Redraw();
}

void AudienceDisplay::OnAudienceResized()
{
    Redraw();
}

PixelRect AudienceDisplay::OnAudiencePlace(const SharedScreen& screen, std::int32_t clientWidth,
                                           std::int32_t clientHeight)
{
    return PlaceAudienceWindow(screen, OperatorControls(operator_.Layout(), screen.operatorClient),
                               clientWidth, clientHeight);
}

void AudienceDisplay::Redraw()
{
    if (!window_.IsOpen()) {
        return;
    }
    pending_ = Pending::Everything;
    window_.Invalidate(PixelRect{0, 0, window_.ClientWidth(), window_.ClientHeight()});
}

void AudienceDisplay::OnAudiencePaint()
{
    const Pending pending = pending_;
    pending_ = Pending::Nothing;
    const std::optional<std::int32_t> colorValue = operator_.NumColor();
    if (!colorValue) {
        return;
    }
    const std::int32_t width = window_.ClientWidth();
    const std::int32_t height = window_.ClientHeight();
    const std::int32_t scale = AudienceFrameScale(width, height);
    const std::int32_t frameWidth = (width + scale - 1) / scale;
    const std::int32_t frameHeight = (height + scale - 1) / scale;
    const bool resized =
        frame_.Frame().Width() != frameWidth || frame_.Frame().Height() != frameHeight || scale != scale_;
    if (pending == Pending::Everything || resized) {
        ColorTriple color;
        if (!ColorToRGB(*colorValue, color)) {
            color = ColorTriple{0x00, 0x80, 0xFF};
        }
        scale_ = scale;
        // Readable from the back of the hall: the code a fifth of the screen's height.
        frame_.SetCorner(address_ ? QrPicture(*address_, frameHeight / 5) : PixelBuffer());
        frame_.Compose(board_, color, frameWidth, frameHeight);
        const PixelBuffer& frame = frame_.Frame();
        window_.Present(frame, PixelRect{0, 0, frame.Width(), frame.Height()}, scale_);
    } else if (pending == Pending::Number) {
        const PixelRect changed = frame_.ComposeNumber(board_.Current());
        window_.Present(frame_.Frame(), changed, scale_);
    }
}

void AudienceDisplay::OnAudienceStartKey()
{
    // The clicker works wherever the focus is; the operator's window keeps Start's locks.
    operator_.PressStart();
}

}  // namespace palvo
