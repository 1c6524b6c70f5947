#include "app/operator_panel.h"

#include <utility>

#include "texts/japanese.h"

namespace palvo {
namespace {

bool IsBlank(std::string_view text, std::size_t at, std::size_t& length)
{
    if (text[at] == ' ' || text[at] == '\t') {
        length = 1;
        return true;
    }
    // The ideographic space a Japanese input method types.
    if (text.substr(at, 3) == "\xE3\x80\x80") {
        length = 3;
        return true;
    }
    return false;
}

// The digits of `text` as ASCII, full-width ones too, without the blanks around them; nullopt
// when anything else is in it.
std::optional<std::string> Digits(std::string_view text)
{
    std::string digits;
    bool ended = false;  // blanks after the digits
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        if (IsBlank(text, at, length)) {
            ended = !digits.empty();
            at += length;
            continue;
        }
        char digit = 0;
        if (text[at] >= '0' && text[at] <= '9') {
            digit = text[at];
            length = 1;
        } else if (text.substr(at, 2) == "\xEF\xBC" && at + 2 < text.size() &&
                   static_cast<unsigned char>(text[at + 2]) >= 0x90 &&
                   static_cast<unsigned char>(text[at + 2]) <= 0x99) {
            // U+FF10 ... U+FF19, full-width 0 ... 9.
            digit = static_cast<char>('0' + (static_cast<unsigned char>(text[at + 2]) - 0x90));
            length = 3;
        }
        if (digit == 0 || ended) {
            return std::nullopt;
        }
        digits += digit;
        at += length;
    }
    return digits;
}

std::string NumberText(std::int16_t number)
{
    return std::to_string(number);
}

}  // namespace

EntryCheck CheckEntry(std::string_view text, const DrawRecord& record)
{
    const std::optional<std::string> digits = Digits(text);
    if (!digits) {
        return {EntryRule::NotANumber, 0};
    }
    if (digits->empty()) {
        return {EntryRule::Empty, 0};
    }
    const std::size_t first = digits->find_first_not_of('0');
    const std::string significant = first == std::string::npos ? std::string() : digits->substr(first);
    if (significant.empty() || significant.size() > 3) {
        return {EntryRule::OutOfRange, 0};
    }
    const auto number = static_cast<std::int16_t>(std::stoi(significant));
    if (number < 1 || number > record.NumMax()) {
        return {EntryRule::OutOfRange, number};
    }
    if (!record.Accepts(number)) {
        return {EntryRule::AlreadyCalled, number};
    }
    return {EntryRule::Accepted, number};
}

std::string EntryMessage(const EntryCheck& check, std::int16_t numMax)
{
    switch (check.rule) {
        case EntryRule::Accepted:
            break;
        case EntryRule::Empty:
            return std::string(texts::kEntryEmpty);
        case EntryRule::NotANumber:
            return std::string(texts::kEntryNotANumber);
        case EntryRule::OutOfRange:
            return std::string(texts::kEntryRangeLead) + NumberText(numMax) +
                   std::string(texts::kEntryRangeTail);
        case EntryRule::AlreadyCalled:
            return NumberText(check.number) + std::string(texts::kEntryAlreadyCalledTail);
    }
    return {};
}

OperatorPanel::OperatorPanel(OperatorPanelView& view, MainWindow& game, MessageBoxes& messages, Clock& clock,
                             std::string settingsFolder)
    : view_(view),
      game_(game),
      messages_(messages),
      folder_(std::move(settingsFolder)),
      settings_(PanelSettings::Read(folder_)),
      auto_(clock)
{
    view_.SetEvents(this);
}

OperatorPanel::~OperatorPanel()
{
    view_.SetEvents(nullptr);
}

void OperatorPanel::Toggle()
{
    if (view_.IsOpen()) {
        Close();
        return;
    }
    view_.SetNumberText("");
    view_.SetChecked(PanelCheck::WithRoll, settings_.withRoll);
    view_.SetChecked(PanelCheck::Auto, false);
    view_.SetInterval(settings_.intervalSeconds);
    view_.SetMessage("");
    ShowState();
    view_.Open(settings_.place);
    view_.FocusNumber();
}

void OperatorPanel::Close()
{
    if (!view_.IsOpen()) {
        return;
    }
    // Nobody would see the countdown: a closed panel calls nothing.
    auto_.Stop();
    if (const std::optional<PanelPlace> place = view_.Place()) {
        settings_.place = place;
    }
    settings_.withRoll = view_.IsChecked(PanelCheck::WithRoll);
    settings_.intervalSeconds = AutoCaller::ClampInterval(view_.Interval());
    view_.Close();
    // Losing the panel's place is no reason to trouble the operator.
    static_cast<void>(settings_.Write(folder_));
}

void OperatorPanel::OnPanelShow()
{
    if (Blocked()) {
        view_.SetMessage(texts::kEntryWhileDrawing);
        return;
    }
    const EntryCheck check = CheckEntry(view_.NumberText(), game_.Record());
    if (check.rule != EntryRule::Accepted) {
        view_.SetMessage(EntryMessage(check, game_.Record().NumMax()));
        view_.FocusNumber();
        return;
    }
    const Rolling rolling = view_.IsChecked(PanelCheck::WithRoll) ? Rolling::Yes : Rolling::No;
    switch (game_.EnterNumber(check.number, rolling)) {
        case CallOutcome::Done:
        case CallOutcome::GameComplete:
            view_.SetNumberText("");
            view_.SetMessage(NumberText(check.number) + std::string(texts::kEntryShownTail));
            break;
        case CallOutcome::Busy:
            view_.SetMessage(texts::kEntryWhileDrawing);
            break;
        case CallOutcome::Refused:
            view_.SetMessage(
                EntryMessage(CheckEntry(view_.NumberText(), game_.Record()), game_.Record().NumMax()));
            break;
    }
    if (view_.IsOpen()) {
        ShowState();
        view_.FocusNumber();
    }
}

void OperatorPanel::OnPanelTakeBack()
{
    if (Blocked()) {
        view_.SetMessage(texts::kEntryWhileDrawing);
        return;
    }
    const DrawRecord& record = game_.Record();
    if (record.DrawnCount() < 1) {
        view_.SetMessage(texts::kTakeBackNothing);
        return;
    }
    const std::int16_t newest = record.NewestFirst(0);
    asking_ = true;
    const MessageAnswer answer = messages_.Show(
        NumberText(newest) + std::string(texts::kTakeBackQuestionTail), MessageStyle::QuestionNoDefault);
    asking_ = false;
    // The question waited in the event loop: only the number it named is taken back.
    if (answer == MessageAnswer::Yes && record.DrawnCount() > 0 && record.NewestFirst(0) == newest) {
        switch (game_.TakeBackNewest()) {
            case CallOutcome::Done:
            case CallOutcome::GameComplete:
                view_.SetMessage(NumberText(newest) + std::string(texts::kTakeBackDoneTail));
                break;
            case CallOutcome::Busy:
                view_.SetMessage(texts::kEntryWhileDrawing);
                break;
            case CallOutcome::Refused:
                view_.SetMessage(texts::kTakeBackNothing);
                break;
        }
    }
    if (view_.IsOpen()) {
        ShowState();
        view_.FocusNumber();
    }
}

void OperatorPanel::OnPanelAutoToggled()
{
    if (view_.IsChecked(PanelCheck::Auto)) {
        if (game_.Record().IsComplete()) {
            view_.SetChecked(PanelCheck::Auto, false);
            view_.SetMessage(texts::kAutoStoppedAtEnd);
        } else {
            auto_.Start(view_.Interval());
            view_.SetMessage("");
        }
    } else {
        auto_.Stop();
    }
    ShowState();
}

void OperatorPanel::OnPanelIntervalChanged()
{
    const std::int32_t seconds = AutoCaller::ClampInterval(view_.Interval());
    settings_.intervalSeconds = seconds;
    auto_.SetInterval(seconds);
    ShowState();
}

void OperatorPanel::OnPanelStartKey()
{
    // The clicker means Start wherever the focus is; the operator's window keeps Start's locks.
    game_.OnClick(Control::cmdStart);
}

void OperatorPanel::OnPanelTick()
{
    if (auto_.Poll(Blocked())) {
        const std::int16_t before = game_.Record().DrawnCount();
        game_.PressStartAutomatically();
        // A press that drew nothing (Start locked, the window closing) ends the calling.
        if (auto_.CurrentState() != AutoCaller::State::Off && game_.Record().DrawnCount() == before) {
            StopAuto(texts::kAutoOff);
        }
    }
    if (view_.IsOpen()) {
        ShowState();
    }
}

void OperatorPanel::OnOperatorStart()
{
    if (auto_.CurrentState() != AutoCaller::State::Off) {
        StopAuto(texts::kAutoStoppedByOperator);
    }
}

void OperatorPanel::OnNumberDrawn(const DrawRecord& record)
{
    if (auto_.CurrentState() != AutoCaller::State::Off) {
        if (record.IsComplete()) {
            StopAuto(texts::kAutoStoppedAtEnd);
        } else {
            auto_.Restart();
        }
    }
    if (view_.IsOpen()) {
        ShowState();
    }
}

void OperatorPanel::OnNumberTakenBack(const DrawRecord&, std::int16_t)
{
    if (view_.IsOpen()) {
        ShowState();
    }
}

void OperatorPanel::OnGameReset(const DrawRecord&)
{
    if (auto_.CurrentState() != AutoCaller::State::Off) {
        StopAuto(texts::kAutoStoppedByReset);
    }
    if (view_.IsOpen()) {
        ShowState();
    }
}

void OperatorPanel::OnGameResumed(const DrawRecord&)
{
    if (view_.IsOpen()) {
        ShowState();
    }
}

void OperatorPanel::StopAuto(std::string_view why)
{
    auto_.Stop();
    if (view_.IsOpen()) {
        view_.SetChecked(PanelCheck::Auto, false);
        view_.SetMessage(why);
        ShowState();
    }
}

void OperatorPanel::ShowState()
{
    view_.SetTakeBackEnabled(game_.Record().DrawnCount() > 0);
    switch (auto_.CurrentState()) {
        case AutoCaller::State::Off:
            view_.SetCountdown(texts::kAutoOff);
            break;
        case AutoCaller::State::Paused:
            view_.SetCountdown(texts::kAutoPaused);
            break;
        case AutoCaller::State::Counting:
            view_.SetCountdown(std::string(texts::kAutoCountdownLead) +
                               std::to_string(auto_.SecondsLeft().value_or(0)) +
                               std::string(texts::kAutoCountdownTail));
            break;
    }
}

}  // namespace palvo
