#include "cards/card_check.h"

#include "cards/card_key.h"
#include "cards/card_view.h"
#include "texts/japanese.h"

namespace palvo {

CardCheck::CardCheck(CardCheckView& view, const GameStatePublisher& game,
                     std::filesystem::path settingsFolder, EntropySource& entropy)
    : view_(view), game_(game), settingsFolder_(std::move(settingsFolder)), entropy_(entropy)
{
    record_.SetFolder(settingsFolder_);
}

void CardCheck::Check(std::string_view typed, std::string_view time, std::int32_t width, std::int32_t height,
                      ColorTriple digitColour)
{
    // Read at every check: a key restored from a backup works at once, and a damaged one is
    // never replaced behind the operator's back.
    const CardKeyReading key = ReadOrCreateCardKey(settingsFolder_, entropy_);
    if (!key.Usable()) {
        view_.ShowProblem(key.outcome == CardKeyReading::Outcome::Unreadable ? texts::kCardKeyUnreadable
                                                                             : texts::kCardKeyNotWritten);
        return;
    }
    const std::shared_ptr<const GameState> game = game_.Snapshot();
    const CardVerdict verdict = JudgeCard(CardMaker(key.key).Find(typed, game->numMax, memo_), *game);
    last_ = verdict;
    view_.ShowVerdict(verdict, VerdictText(verdict), ComposeCardView(verdict, width, height, digitColour));
    if (!record_.Append(time, typed, verdict)) {
        view_.ShowProblem(texts::kClaimNotRecorded);
    }
}

std::string_view CardCheck::ShowHall(const HallProof& hall) const
{
    if (!CanShowHall()) {
        return texts::kCardProofNoCard;
    }
    return hall(*last_) ? std::string_view() : texts::kCardProofNoHall;
}

void CardProof::Show(const CardVerdict& verdict, std::uint32_t now)
{
    if (verdict.card) {
        shown_ = verdict;
        since_ = now;
    }
}

const CardVerdict* CardProof::Shown(std::uint32_t now)
{
    // Differences of the tick count survive its wrap.
    if (shown_ && static_cast<std::uint32_t>(now - since_) >= kShownMilliseconds) {
        shown_.reset();
    }
    return shown_ ? &*shown_ : nullptr;
}

bool CardProof::OnKey()
{
    const bool wasShown = shown_.has_value();
    shown_.reset();
    return wasShown;
}

}  // namespace palvo
