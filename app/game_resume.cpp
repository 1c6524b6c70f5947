#include "app/game_resume.h"

#include "texts/fill_in.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

// A journal that cannot be used: moved aside under a name of its own, or left in place.
std::string KeepAside(GameJournal& journal, std::string_view label, std::string_view what)
{
    const std::optional<std::string> kept = journal.MoveAside(label);
    if (kept) {
        return texts::FillIn(texts::kKeptAside, {what, *kept});
    }
    return texts::FillIn(texts::kLeftInPlace, {what});
}

}  // namespace

std::string ResumeQuestion(int drawn)
{
    return texts::FillIn(texts::kResumeQuestion, {std::to_string(drawn)});
}

std::string_view JournalTroubleText(JournalTrouble trouble)
{
    switch (trouble) {
        case JournalTrouble::JournalNotSaved:
            return texts::kJournalSaveFailed;
        case JournalTrouble::HistoryNotWritten:
            return texts::kHistoryNotWritten;
        case JournalTrouble::GameNotKept:
            return texts::kGameNotKept;
    }
    return {};
}

std::optional<JournalGame> SettleLastGame(GameJournal& journal, MessageBoxes& messages,
                                          const std::function<bool()>& sessionEnding)
{
    journal.FilePendingGames();
    const JournalReading reading = journal.Inspect();
    switch (reading.state) {
        case JournalState::None:
            break;
        case JournalState::Unfinished: {
            const MessageAnswer answer = messages.Show(
                ResumeQuestion(static_cast<int>(reading.game.numbers.size())), MessageStyle::Question);
            if (sessionEnding && sessionEnding()) {
                break;
            }
            if (answer != MessageAnswer::No) {
                journal.Resume(reading);
                return reading.game;
            }
            journal.Archive(reading, GameEnd::NotResumed);
            break;
        }
        case JournalState::Closed:
            journal.Archive(reading, GameEnd::LastNumber);
            break;
        case JournalState::Damaged:
            messages.Show(
                texts::FillIn(texts::kJournalDamaged, {KeepAside(journal, "damaged", texts::kDamagedRecord)}),
                MessageStyle::Notice);
            break;
        case JournalState::Unreadable:
            messages.Show(texts::FillIn(texts::kJournalUnreadable,
                                        {KeepAside(journal, "unreadable", texts::kUnreadableRecord)}),
                          MessageStyle::Notice);
            break;
        case JournalState::NotAFile:
            messages.Show(texts::kJournalNotAFile, MessageStyle::Notice);
            break;
    }
    return std::nullopt;
}

}  // namespace palvo
