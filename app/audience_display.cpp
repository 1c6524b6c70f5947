#include "app/audience_display.h"

#include <algorithm>
#include <utility>

#include "cards/bingo_card.h"
#include "cards/card_view.h"
#include "display/audience_placement.h"
#include "imaging/card_ink.h"
#include "imaging/dib_access.h"
#include "platform/file_store.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

namespace palvo {
namespace {

constexpr std::string_view kSection = "Audience";
constexpr std::uint64_t kLargestFile = 64 * 1024;
// While the proof is up, the window looks at the clock at least this often.
constexpr std::uint32_t kLongestWake = 1000;

bool ReadInColumns(const std::string& folder)
{
    if (folder.empty()) {
        return false;
    }
    const std::optional<std::string> bytes =
        ReadFileBytes(Utf8PathIn(folder, AudienceDisplay::kFileName), kLargestFile);
    if (!bytes) {
        return false;
    }
    const std::optional<std::string_view> value = IniFindValue(*bytes, kSection, "Columns");
    return value && !value->empty() && IniParseLeadingInteger(*value) != 0;
}

// The address as the players type it, in lines above the code, as large as the strip allows:
// the strip is at most a third of the frame wide, or the frame drops it.
PixelBuffer AddressPicture(const QrModules& code, std::string_view address, std::int32_t frameWidth,
                           std::int32_t frameHeight, const AudiencePalette& palette)
{
    PixelBuffer qr = QrPicture(code, frameHeight / 5);
    if (address.empty() || qr.Empty()) {
        return qr;
    }
    while (!address.empty() && address.back() == '/') {
        address.remove_suffix(1);
    }
    std::vector<std::string_view> lines;
    if (const std::size_t scheme = address.find("://"); scheme != std::string_view::npos) {
        lines.push_back(address.substr(0, scheme + 3));
        address.remove_prefix(scheme + 3);
    }
    lines.push_back(address);
    std::size_t longest = 0;
    for (const std::string_view line : lines) {
        longest = std::max(longest, line.size());
    }
    const std::int32_t widest = frameWidth / 3 - 1;
    const std::int32_t unit =
        std::min(frameHeight / 160, widest / (5 * static_cast<std::int32_t>(longest) + 3));
    if (unit < 1) {
        return qr;
    }
    const std::int32_t pitch = 9 * unit;  // a line of 6 units and the space under it
    const std::int32_t width = std::max(qr.Width(), (5 * static_cast<std::int32_t>(longest) + 3) * unit);
    const auto textHeight = static_cast<std::int32_t>(lines.size()) * pitch + unit;
    if (width > widest || textHeight + qr.Height() > frameHeight) {
        return qr;
    }
    PixelBuffer picture(width, textHeight + qr.Height());
    FillBox(picture, 0, 0, width, picture.Height(), palette.background);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Right-aligned, as the code under them.
        const auto lineWidth = (5 * static_cast<std::int32_t>(lines[i].size()) - 1) * unit;
        static_cast<void>(DrawStrokeText(picture, width - 2 * unit - lineWidth / 2,
                                         unit + static_cast<std::int32_t>(i) * pitch + 3 * unit, lines[i],
                                         unit, std::max(1.0, unit * 0.45), palette.count));
    }
    for (std::int32_t y = 0; y < qr.Height(); ++y) {
        std::copy_n(&qr.At(0, y), qr.Width(), &picture.At(width - qr.Width(), textHeight + y));
    }
    return picture;
}

// Only the big digits moved on: the same game with a new rolling number.
bool OnlyRolled(const GameState& before, const GameState& now)
{
    return now.rolling && now.game == before.game && now.numMax == before.numMax && now.over == before.over &&
           now.called == before.called;
}

}  // namespace

AudienceDisplay::AudienceDisplay(AudienceWindow& window, OperatorWindow& operatorWindow, Clock& clock,
                                 std::string settingsFolder)
    : window_(window),
      operator_(operatorWindow),
      clock_(clock),
      settingsFolder_(std::move(settingsFolder)),
      inColumns_(ReadInColumns(settingsFolder_)),
      followed_(operatorWindow.State().Snapshot())
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

void AudienceDisplay::ShowAddress(std::optional<QrModules> code, std::string address)
{
    address_ = std::move(code);
    addressText_ = std::move(address);
    Redraw();
}

bool AudienceDisplay::ShowCardProof(const CardVerdict& verdict)
{
    if (!window_.IsOpen() || !verdict.card) {
        return false;
    }
    proof_.Show(verdict, clock_.TickCount());
    window_.WakeAfter(kLongestWake);
    Redraw();
    return true;
}

bool AudienceDisplay::OnAudienceKey(AudienceKey key)
{
    if (proof_.OnKey()) {
        Redraw();
        return true;
    }
    if (key != AudienceKey::Layout) {
        return false;
    }
    if (!inColumns_ && !ColumnRanges(board_.NumMax())) {
        return true;
    }
    inColumns_ = !inColumns_;
    if (!settingsFolder_.empty()) {
        // The layout is a convenience: a folder that cannot be written only forgets it.
        const std::string document =
            "[" + std::string(kSection) + "]\r\nColumns=" + (inColumns_ ? "1" : "0") + "\r\n";
        static_cast<void>(ReplaceFileBytes(Utf8PathIn(settingsFolder_, kFileName), document));
    }
    Rebuild(*followed_);
    Redraw();
    if (columnsObserver_) {
        columnsObserver_(inColumns_);
    }
    return true;
}

void AudienceDisplay::OnAudienceWake()
{
    if (proof_.Shown(clock_.TickCount()) != nullptr) {
        window_.WakeAfter(kLongestWake);
        return;
    }
    Redraw();
}

void AudienceDisplay::Rebuild(const GameState& state)
{
    board_.Rebuild(state.numMax, state.called);
    std::vector<BoardBand> bands;
    if (const auto ranges = inColumns_ ? ColumnRanges(state.numMax) : std::nullopt) {
        constexpr std::string_view kLetters = "BINGO";
        for (std::size_t column = 0; column < ranges->size(); ++column) {
            bands.push_back(BoardBand{kLetters[column], (*ranges)[column].first, (*ranges)[column].last});
        }
    }
    board_.SetBands(std::move(bands));
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
    if (window_.IsOpen() && pending_ != Pending::Everything && !ShowsCardProof()) {
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
    const Pending pending = std::exchange(proofOnScreen_, false) ? Pending::Everything : pending_;
    pending_ = Pending::Nothing;
    if (!operator_.NumColor()) {
        return;
    }
    const std::int32_t width = window_.ClientWidth();
    const std::int32_t height = window_.ClientHeight();
    const std::int32_t scale = AudienceFrameScale(width, height);
    const std::int32_t frameWidth = (width + scale - 1) / scale;
    const std::int32_t frameHeight = (height + scale - 1) / scale;
    const bool resized =
        frame_.Frame().Width() != frameWidth || frame_.Frame().Height() != frameHeight || scale != scale_;
    const ColorTriple color = DigitColour(operator_);
    if (const CardVerdict* proof = proof_.Shown(clock_.TickCount())) {
        // The digit colour as bright as the board shows it, so that no colour hides the card.
        scale_ = scale;
        proofFrame_ = ComposeCardView(*proof, frameWidth, frameHeight, AudiencePalette::For(color).lit);
        window_.Present(proofFrame_, PixelRect{0, 0, proofFrame_.Width(), proofFrame_.Height()}, scale_);
        proofOnScreen_ = true;
        return;
    }
    if (pending == Pending::Everything || resized) {
        scale_ = scale;
        // Readable from the back of the hall: the code a fifth of the screen's height.
        frame_.SetCorner(address_ ? AddressPicture(*address_, addressText_, frameWidth, frameHeight,
                                                   AudiencePalette::For(color))
                                  : PixelBuffer());
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
