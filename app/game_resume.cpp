#include "app/game_resume.h"

namespace palvo {

std::string ResumeQuestion(int drawn)
{
    return "前回のゲームの続きから始めますか？ (" + std::to_string(drawn) + " 個抽選済み)";
}

std::optional<JournalGame> SettleLastGame(GameJournal& journal, MessageBoxes& messages,
                                          const std::function<bool()>& sessionEnding)
{
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
            if (answer == MessageAnswer::Yes) {
                journal.Resume(reading);
                return reading.game;
            }
            journal.Archive(reading, GameEnd::NotResumed);
            break;
        }
        case JournalState::Closed:
            journal.Archive(reading, GameEnd::LastNumber);
            break;
        case JournalState::Damaged: {
            const std::optional<std::string> kept = journal.MoveAside();
            std::string text = "前回のゲームの記録（palvo-game.txt）が壊れているため、続きから始められません。"
                               "新しいゲームを始めます。";
            if (kept) {
                text += "\n壊れた記録は " + *kept + " として残しました。";
            }
            messages.Show(text, MessageStyle::Notice);
            break;
        }
        case JournalState::Unreadable:
            messages.Show("前回のゲームの記録（palvo-game.txt）を読めません。新しいゲームを始めます。",
                          MessageStyle::Notice);
            break;
    }
    return std::nullopt;
}

}  // namespace palvo
