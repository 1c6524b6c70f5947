#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cards/bingo_card.h"
#include "cards/card_verdict.h"
#include "cards/claim_record.h"
#include "draw/game_state.h"
#include "platform/entropy_source.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// What the 「カード確認」 section of the operator's panel shows.
class CardCheckView {
public:
    virtual ~CardCheckView() = default;

    // A checked code: its verdict, the words the operator reads and the card's picture (empty for
    // a code that is no card of this game).
    virtual void ShowVerdict(const CardVerdict& verdict, const std::string& text,
                             const PixelBuffer& picture) = 0;
    // The card functions cannot work (the key) or the claim was not recorded.
    virtual void ShowProblem(std::string_view text) = 0;
};

// The hall's display as the card check reaches it: shows a checked card large; false when it
// cannot (its window is closed).
using HallProof = std::function<bool(const CardVerdict&)>;

// Checking a claimed card: the operator types its code and presses Enter. The card is found
// with this installation's key (made on first use), held against the game's current state,
// shown, and the check is appended to palvo-claims.csv.
class CardCheck {
public:
    CardCheck(CardCheckView& view, const GameStatePublisher& game, std::filesystem::path settingsFolder,
              EntropySource& entropy);

    // Checks `typed` at local time `time` ("YYYY-MM-DD hh:mm:ss"), with a card picture of
    // width x height in `digitColour`. Does nothing but say so while the key is unusable.
    void Check(std::string_view typed, std::string_view time, std::int32_t width, std::int32_t height,
               ColorTriple digitColour);

    // The last verdict shown, for the hall's proof.
    const std::optional<CardVerdict>& Last() const { return last_; }
    // True when the last check found a card of this installation, which the hall can be shown.
    [[nodiscard]] bool CanShowHall() const { return last_ && last_->card; }
    // Shows the last checked card through `hall`: empty when it is up, else the words that tell
    // the operator why not.
    [[nodiscard]] std::string_view ShowHall(const HallProof& hall) const;

private:
    CardCheckView& view_;
    const GameStatePublisher& game_;
    std::filesystem::path settingsFolder_;
    EntropySource& entropy_;
    ClaimRecord record_;
    CardSetMemo memo_;
    std::optional<CardVerdict> last_;
};

// The proof on the hall's display: one key shows the checked card large; the board comes back
// after 20 seconds or at the next key.
class CardProof {
public:
    static constexpr std::uint32_t kShownMilliseconds = 20000;

    void Show(const CardVerdict& verdict, std::uint32_t now);
    // The card the hall sees at `now` (TickCount), nullptr once the board is back.
    const CardVerdict* Shown(std::uint32_t now);
    // Any key in the audience window while the card is up brings the board back; true when it did.
    bool OnKey();

private:
    std::optional<CardVerdict> shown_;
    std::uint32_t since_ = 0;
};

}  // namespace palvo
