#include "app/game_resume.h"

namespace palvo {
namespace {

// A journal that cannot be used: moved aside under a name of its own, or left in place.
std::string KeepAside(GameJournal& journal, std::string_view label, std::string_view what)
{
    const std::optional<std::string> kept = journal.MoveAside(label);
    if (kept) {
        return "\n" + std::string(what) + "は " + *kept + " として残しました。";
    }
    return "\n" + std::string(what) +
           "は palvo-game.txt のまま残します。これを移すか消すまで、抽選は記録されません。";
}

}  // namespace

std::string ResumeQuestion(int drawn)
{
    return "前回のゲームの続きから始めますか？ (" + std::to_string(drawn) + " 個抽選済み)";
}

std::string_view JournalTroubleText(JournalTrouble trouble)
{
    switch (trouble) {
        case JournalTrouble::JournalNotSaved:
            return kJournalSaveFailed;
        case JournalTrouble::HistoryNotWritten:
            return "ゲームの履歴（palvo-history.csv）に書き込めません。終わったゲームは "
                   "palvo-history-pending.csv に残し、履歴に書き込めるようになったときに移します。";
        case JournalTrouble::GameNotKept:
            return "終わったゲームを、ゲームの履歴（palvo-history.csv）にも palvo-history-pending.csv "
                   "にも書き込めませんでした。";
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
                "前回のゲームの記録（palvo-game.txt）が壊れているため、続きから始められません。"
                "新しいゲームを始めます。" +
                    KeepAside(journal, "damaged", "壊れた記録"),
                MessageStyle::Notice);
            break;
        case JournalState::Unreadable:
            messages.Show("前回のゲームの記録（palvo-game.txt）を読めません。新しいゲームを始めます。" +
                              KeepAside(journal, "unreadable", "読めなかった記録"),
                          MessageStyle::Notice);
            break;
        case JournalState::NotAFile:
            messages.Show(
                "palvo-game.txt という名前の、ファイルではないもの（フォルダーやリンク）があります。"
                "パルボのものではないため、そのままにします。これがある間、抽選は記録されません。",
                MessageStyle::Notice);
            break;
    }
    return std::nullopt;
}

}  // namespace palvo
