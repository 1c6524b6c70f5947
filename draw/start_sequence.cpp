#include "draw/start_sequence.h"

#include "platform/paths.h"

namespace palvo {
namespace {

constexpr std::uint32_t kStepWait = 60;
constexpr std::uint32_t kSlowExtraWait = 500;

}  // namespace

void WaitMsec(Clock& clock, EventPump& events, std::uint32_t milliseconds)
{
    const std::uint32_t start = clock.TickCount();
    for (;;) {
        const std::uint32_t elapsed = clock.TickCount() - start;
        if (elapsed > milliseconds) {
            return;
        }
        events.ProcessEventsFor(milliseconds - elapsed + 1);
    }
}

std::string HistoryListItem(std::int16_t ordinal, std::int16_t number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 2) {
        digits.insert(0, 2 - digits.size(), ' ');
    }
    return std::to_string(ordinal) + ": " + digits;
}

void StartSequence::ShowNumber(std::int16_t number)
{
    images_.RestoreBackground();
    renderer_.DrawNumber(DigitTarget::Display, number);
    images_.RefreshPicNum();
    listener_.OnNumberShown(number);
}

SequenceEnd StartSequence::Run(std::optional<std::int16_t> ending)
{
    // Without a number left the final pick could never succeed.
    if (record_.IsComplete() || (ending && !record_.Accepts(*ending))) {
        return SequenceEnd::Refused;
    }
    view_.SetEnabled(Control::cmdStart, false);
    view_.SetEnabled(Control::picHist, false);
    picker_.Seed(services_.entropy.FreshSeed());

    std::int16_t candidate = 0;
    for (int step = 0;;) {
        const int fast = config_.RhythmFast();
        const int slow = config_.RhythmSlow();
        if (step > fast) {
            break;
        }
        if (step >= fast - slow) {
            WaitMsec(services_.clock, services_.events, kSlowExtraWait);
            if (life_.closed) {
                return SequenceEnd::Abandoned;
            }
        }
        ++step;
        WaitMsec(services_.clock, services_.events, kStepWait);
        if (life_.closed) {
            return SequenceEnd::Abandoned;
        }
        if (step >= config_.RhythmFast()) {
            break;
        }
        services_.sound.Beep();
        candidate = picker_.PickNumber(record_.NumMax());
        ShowNumber(candidate);
    }

    if (ending) {
        candidate = *ending;
    }
    while (!record_.Accepts(candidate)) {
        candidate = picker_.PickNumber(record_.NumMax());
    }
    return Settle(candidate);
}

SequenceEnd StartSequence::Enter(std::int16_t number)
{
    if (!record_.Accepts(number)) {
        return SequenceEnd::Refused;
    }
    return Settle(number);
}

SequenceEnd StartSequence::Settle(std::int16_t candidate)
{
    ShowNumber(candidate);
    record_.Append(candidate);
    view_.ListAddItem(Control::lstHistory, HistoryListItem(record_.DrawnCount(), candidate));
    view_.ListSelect(Control::lstHistory, view_.ListCount(Control::lstHistory) - 1);
    board_.ShowNewest();
    listener_.OnNumberDrawn(record_);
    services_.sound.PlayAsync(Utf8PathIn(services_.environment.DataDirectory(), kChimeFile));
    view_.SetEnabled(Control::cmdStart, true);
    view_.SetEnabled(Control::picHist, true);

    if (!record_.IsComplete()) {
        return SequenceEnd::Drawn;
    }
    view_.SetEnabled(Control::cmdStart, false);
    return SequenceEnd::GameComplete;
}

}  // namespace palvo
