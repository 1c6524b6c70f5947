#pragma once

#include <string_view>

// Every text an operator or a player reads, in Japanese, each once. The core and both platform
// layers take their words from here, so a wording is changed in one place and no internal name
// reaches a person. Texts are grouped by where they appear.
namespace palvo::texts {

// The operator's panel (操作パネル), its messages and questions, and the history file's mark.
inline constexpr std::string_view kPanelTitle = "操作パネル";
inline constexpr std::string_view kPanelManualEntry = "手動入力";
inline constexpr std::string_view kPanelNumberLabel = "番号(&B):";
inline constexpr std::string_view kPanelShow = "表示(&H)";
inline constexpr std::string_view kPanelWithRoll = "演出あり(&E)";
inline constexpr std::string_view kPanelTakeBackGroup = "取り消し";
inline constexpr std::string_view kPanelTakeBack = "最新の番号を取り消す(&T)";
inline constexpr std::string_view kPanelAutoGroup = "自動";
inline constexpr std::string_view kPanelAuto = "自動で抽選する(&A)";
inline constexpr std::string_view kPanelInterval = "間隔（秒）(&K):";
inline constexpr std::string_view kPanelClose = "閉じる(&C)";
inline constexpr std::string_view kEntryEmpty = "番号を入力してください。";
inline constexpr std::string_view kEntryNotANumber = "番号は数字だけで入力してください。";
// Both followed by the number and the ending.
inline constexpr std::string_view kEntryRangeLead = "番号は 1 から ";
inline constexpr std::string_view kEntryRangeTail = " までです。";
inline constexpr std::string_view kEntryAlreadyCalledTail = " はもう出ています。";
inline constexpr std::string_view kEntryShownTail = " を表示しました。";
inline constexpr std::string_view kEntryWhileDrawing = "抽選中は入力や取り消しができません。";
inline constexpr std::string_view kTakeBackQuestionTail = " を取り消しますか？";
inline constexpr std::string_view kTakeBackDoneTail = " を取り消しました。";
inline constexpr std::string_view kTakeBackNothing = "取り消す番号がありません。";
inline constexpr std::string_view kAutoOff = "自動抽選は止まっています。";
inline constexpr std::string_view kAutoCountdownLead = "次の抽選まで ";
inline constexpr std::string_view kAutoCountdownTail = " 秒";
inline constexpr std::string_view kAutoPaused = "自動抽選は一時停止中です。";
inline constexpr std::string_view kAutoStoppedByOperator = "スタートが押されたので自動抽選を止めました。";
inline constexpr std::string_view kAutoStoppedAtEnd = "ゲームが終わったので自動抽選を止めました。";
inline constexpr std::string_view kAutoStoppedByReset = "リセットしたので自動抽選を止めました。";
inline constexpr std::string_view kHistoryTakenBackMark = "(取消)";

}  // namespace palvo::texts
