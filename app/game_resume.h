#pragma once

#include <functional>
#include <optional>
#include <string>

#include "draw/game_journal.h"
#include "platform/message_boxes.h"

namespace palvo {

// The question at start-up when the journal holds an unfinished game of `drawn` numbers.
std::string ResumeQuestion(int drawn);
// Told once when a draw or a finished game could not be saved.
inline constexpr std::string_view kJournalSaveFailed =
    "ゲームの記録（palvo-game.txt）を保存できません。抽選は続けられますが、異常終了したときは続きから始められません。";

// Start-up, after the window is shown: settles what the journal of the last run holds. An
// unfinished game is offered for continuing (Yes, the default, continues it; No archives it);
// a closed game is archived silently; a damaged or unreadable journal is reported and a new
// game begins. Returns the game to put back on the window, already continued in the journal.
// `sessionEnding` is asked when the question has closed: true voids the answer, and the journal
// stays exactly as it is for the next start.
[[nodiscard]] std::optional<JournalGame> SettleLastGame(GameJournal& journal, MessageBoxes& messages,
                                                        const std::function<bool()>& sessionEnding = {});

}  // namespace palvo
