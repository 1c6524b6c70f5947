#pragma once

#include <string_view>

// Every text an operator or a player reads, in Japanese, each once. The core and both platform
// layers take their words from here, so a wording is changed in one place and no internal name
// reaches a person. Texts are grouped by where they appear.
namespace palvo::texts {

// The players' web page and the streaming overlay, served to phones and browsers (web/).
inline constexpr std::string_view kWebPageTitle = "パルボ　ビンゴ";
inline constexpr std::string_view kWebWaiting = "接続中…";
inline constexpr std::string_view kWebCurrentNumber = "いまの番号";
inline constexpr std::string_view kWebRecentNumbers = "最近の5つ";
inline constexpr std::string_view kWebBoard = "出た番号";
inline constexpr std::string_view kWebGameOver = "終了";
inline constexpr std::string_view kWebCardHeading = "あなたのカード";
inline constexpr std::string_view kWebCardCodeLabel = "カード番号";
inline constexpr std::string_view kWebCardShow = "表示";
inline constexpr std::string_view kWebCardForget = "別のカード";
inline constexpr std::string_view kWebCardNotFound = "このカード番号は見つかりません";
inline constexpr std::string_view kWebCardFree = "FREE";
inline constexpr std::string_view kWebBingo = "ビンゴ？";
inline constexpr std::string_view kWebBingoNote = "係の確認をお待ちください";

// The operator's notices about the players' web service (the main window, the command line).
inline constexpr std::string_view kWebCannotStart =
    "スマホ表示を開始できませんでした。\n使えるポート番号がありません（ほかのプログラムが使用中です）。";
inline constexpr std::string_view kWebBadPort = "--web=ポート番号 には 1～65535 の数を指定してください。";
inline constexpr std::string_view kWebStarted = "スマホ表示: ";

}  // namespace palvo::texts
