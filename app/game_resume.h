#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "draw/game_journal.h"
#include "platform/message_boxes.h"

namespace palvo {

// The question at start-up when the journal holds an unfinished game of `drawn` numbers.
std::string ResumeQuestion(int drawn);
// Told once when the draws cannot be saved to the journal.
inline constexpr std::string_view kJournalSaveFailed =
    "ゲームの記録（palvo-game.txt）を保存できません。抽選は続けられますが、異常終了したときは続きから始められません。";
// What the operator is told of each trouble with the journal and the history.
std::string_view JournalTroubleText(JournalTrouble trouble);

// Start-up, after the window is shown: files the games that waited for the history, then settles
// what the journal of the last run holds. An unfinished game is offered for continuing: only an
// explicit No files it as not resumed; Yes, and a question closed without a choice (its close
// box, Escape, the end of the program), continue it, which writes nothing until the next draw.
// A closed game is filed silently; a damaged or unreadable journal is moved aside (or, when it
// cannot be, left where it is), something that is not a file is left alone, each reported, and
// a new game begins. Returns the game to put back on the window, already continued in the journal.
// `sessionEnding` is asked when the question has closed: true voids the answer, and the journal
// stays exactly as it is for the next start.
[[nodiscard]] std::optional<JournalGame> SettleLastGame(GameJournal& journal, MessageBoxes& messages,
                                                        const std::function<bool()>& sessionEnding = {});

}  // namespace palvo
